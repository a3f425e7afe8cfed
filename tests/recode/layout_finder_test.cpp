// The layout finder on real tables whose layout and width are known (tests/data/finder/cases.tsv:
// include files of other people and tables Pixmint wrote from real pictures), and the hints
// that files state.

#include "layout_finder.h"
#include "single_byte_text.h"
#include "smart_reading.h"
#include "test_paths.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::testData;

struct Case {
    QString file;
    QString table;
    ByteLayout layout;
    QString width;  // "128", or "5*" for any multiple of 5
    int skip = 0;
    bool held = false;
};

QList<Case> evaluationCases()
{
    QFile file(testData(QStringLiteral("finder/cases.tsv")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Case> cases;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList f = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (f.size() != 7)
            continue;
        ByteLayout layout = ByteLayout::PagesLsbTop;
        for (const LayoutRecord& record : layoutRecords()) {
            if (record.option == f[2])
                layout = record.layout;
        }
        cases.append({f[0], f[1], layout, f[3], f[5].toInt(), f[6] == QStringLiteral("held")});
    }
    return cases;
}

const FoundTable* tableOf(const QList<FoundTable>& tables, const QString& choice)
{
    bool isIndex = false;
    const int index = choice.toInt(&isIndex);
    if (isIndex)
        return index < tables.size() ? &tables[index] : nullptr;
    for (const FoundTable& table : tables) {
        if (table.name == choice)
            return &table;
    }
    return nullptr;
}

// Right when the guess draws the picture the case knows: its width, or a row width of the
// same bytes a row that only adds blank pad columns (the bytes of a row table do not tell a
// width that is not a whole number of bytes; only a hint does).
bool widthDrawsRight(const Case& c, const LayoutGuess& guess)
{
    if (c.width.endsWith(QLatin1Char('*')))
        return guess.width % c.width.chopped(1).toInt() == 0;
    const int width = c.width.toInt();
    if (guess.width == width)
        return true;
    return isRowLayout(guess.layout) && guess.width > width && (guess.width + 7) / 8 == (width + 7) / 8;
}

struct Share {
    int cases = 0;
    int layout = 0;
    int width = 0;
    int both = 0;
    int strictBoth = 0;
    double percent(int n) const { return cases ? 100.0 * n / cases : 0; }
};

TEST(LayoutFinder, FindsTheLayoutAndWidthOfKnownTables)
{
    const QList<Case> cases = evaluationCases();
    ASSERT_EQ(cases.size(), 108);
    const bool verbose = std::getenv("PIXMINT_FINDER_VERBOSE") != nullptr;
    Share shares[2];
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const QString text = readSingleByteFile(testData(c.file));
        const QList<FoundTable> tables = findTables(text);
        const FoundTable* table = tableOf(tables, c.table);
        ASSERT_NE(table, nullptr);
        const Bytes bytes(table->bytes.begin(), table->bytes.end());
        const std::vector<LayoutGuess> guesses = findLayouts(bytes, layoutHints(text, *table));
        ASSERT_FALSE(guesses.empty());
        const LayoutGuess& best = guesses.front();
        if (const char* top = std::getenv("PIXMINT_FINDER_TOP"); top && !c.held && (c.file + c.table).contains(QLatin1String(top))) {
            for (std::size_t i = 0; i < std::min<std::size_t>(8, guesses.size()); ++i)
                std::printf("  %s %d x %d skip %d %.4f\n", qPrintable(layoutRecord(guesses[i].layout).option), guesses[i].width, guesses[i].height, guesses[i].skip, guesses[i].score);
        }
        const bool layoutRight = best.layout == c.layout;
        const bool widthRight = widthDrawsRight(c, best) && best.skip == c.skip;
        Share& share = shares[c.held ? 1 : 0];
        ++share.cases;
        share.layout += layoutRight;
        share.width += widthRight;
        share.both += layoutRight && widthRight;
        share.strictBoth += layoutRight && best.skip == c.skip &&
                            (c.width.endsWith(QLatin1Char('*')) ? widthRight
                                                                : best.width == c.width.toInt());
        if (verbose && !c.held && !(layoutRight && widthRight)) {
            std::printf("miss %s %s: want %s %s skip %d, got %s %d x %d skip %d (%.4f)\n",
                        qPrintable(c.file), qPrintable(c.table),
                        qPrintable(layoutRecord(c.layout).option), qPrintable(c.width), c.skip,
                        qPrintable(layoutRecord(best.layout).option), best.width, best.height,
                        best.skip, best.score);
        }
    }
    for (int part = 0; part < 2; ++part) {
        const Share& s = shares[part];
        std::printf("%s: %d cases, layout %.1f %%, width %.1f %%, both %.1f %% (exact width %.1f %%)\n",
                    part ? "held out" : "tuning", s.cases, s.percent(s.layout), s.percent(s.width),
                    s.percent(s.both), s.percent(s.strictBoth));
    }
}

}  // namespace
}  // namespace pixmint
