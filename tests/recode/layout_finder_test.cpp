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
    int part = 0;  // 0 tuning, 1 and 2 the second and third held-out parts
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
        const int part = f[6] == QStringLiteral("held")    ? 1
                         : f[6] == QStringLiteral("held3") ? 2
                                                           : 0;
        cases.append({f[0], f[1], layout, f[3], f[5].toInt(), part});
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
    return isRowLayout(guess.layout) && guess.width > width &&
           (guess.width + 7) / 8 == (width + 7) / 8;
}

struct Share {
    int cases = 0;
    int layout = 0;
    int width = 0;
    int both = 0;
    int strictBoth = 0;
    int real = 0;
    int realBoth = 0;
    double percent(int n) const { return cases ? 100.0 * n / cases : 0; }
};

TEST(LayoutFinder, FindsTheLayoutAndWidthOfKnownTables)
{
    const QList<Case> cases = evaluationCases();
    ASSERT_EQ(cases.size(), 178);
    const bool verbose = std::getenv("PIXMINT_FINDER_VERBOSE") != nullptr;
    // While the score is being chosen, the held-out parts stay unseen.
    const bool tuningOnly = std::getenv("PIXMINT_FINDER_TUNING_ONLY") != nullptr;
    Share shares[3];
    for (const Case& c : cases) {
        if (tuningOnly && c.part != 0)
            continue;
        SCOPED_TRACE(c.file.toStdString());
        const QString text = readSingleByteFile(testData(c.file));
        const QList<FoundTable> tables = findTables(text);
        const FoundTable* table = tableOf(tables, c.table);
        ASSERT_NE(table, nullptr);
        const Bytes bytes(table->bytes.begin(), table->bytes.end());
        const std::vector<LayoutGuess> guesses = findLayouts(bytes, layoutHints(text, *table));
        ASSERT_FALSE(guesses.empty());
        const LayoutGuess& best = guesses.front();
        const bool layoutRight = best.layout == c.layout;
        const bool widthRight = widthDrawsRight(c, best) && best.skip == c.skip;
        Share& share = shares[c.part];
        ++share.cases;
        share.layout += layoutRight;
        share.width += widthRight;
        share.both += layoutRight && widthRight;
        if (!c.file.startsWith(QStringLiteral("finder/generated/"))) {
            ++share.real;
            share.realBoth += layoutRight && widthRight;
        }
        share.strictBoth +=
            layoutRight && best.skip == c.skip &&
            (c.width.endsWith(QLatin1Char('*')) ? widthRight : best.width == c.width.toInt());
        if (verbose && !(layoutRight && widthRight)) {
            // The score of the reading meant, to tell a near miss from a far one.
            double meant = -1;
            for (const LayoutGuess& g : guesses) {
                if (g.layout == c.layout && widthDrawsRight(c, g) && g.skip == c.skip) {
                    meant = g.score;
                    break;
                }
            }
            std::printf("miss %s %s: want %s %s skip %d (%.4f), got %s %d x %d skip %d (%.4f)\n",
                        qPrintable(c.file), qPrintable(c.table),
                        qPrintable(layoutRecord(c.layout).option), qPrintable(c.width), c.skip,
                        meant, qPrintable(layoutRecord(best.layout).option), best.width,
                        best.height, best.skip, best.score);
        }
    }
    const char* const partNames[] = {"tuning", "held out (second part)", "held out (third part)"};
    for (int part = 0; part < (tuningOnly ? 1 : 3); ++part) {
        const Share& s = shares[part];
        std::printf(
            "%s: %d cases, layout %.1f %%, width %.1f %%, both %.1f %% (exact width %.1f %%); "
            "files of others %d of %d\n",
            partNames[part], s.cases, s.percent(s.layout), s.percent(s.width), s.percent(s.both),
            s.percent(s.strictBoth), s.realBoth, s.real);
    }
    // The shares measured when the score was chosen; a change that loses any fails here.
    const Share& tuning = shares[0];
    const Share& second = shares[1];
    const Share& third = shares[2];
    if (tuningOnly)
        return;
    EXPECT_GE(tuning.percent(tuning.both), 98.4);
    EXPECT_EQ(tuning.realBoth, tuning.real);
    EXPECT_GE(second.percent(second.both), 99.9);
    EXPECT_EQ(second.realBoth, second.real);
    EXPECT_GE(third.percent(third.layout), 95.9);
    EXPECT_GE(third.percent(third.width), 91.9);
    EXPECT_GE(third.percent(third.both), 87.9);
    EXPECT_GE(third.realBoth, third.real - 1);
}

struct HintCase {
    const char* name;
    const char* text;
    const char* table;  // its name; its first number is on the text's last line
    LayoutHints hints;
};

class LayoutHintsTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(LayoutHintsTest, ReadsTheSizesTheFileStates)
{
    const HintCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    FoundTable table;
    table.name = QString::fromUtf8(c.table);
    table.line = int(text.count(QLatin1Char('\n'))) + 1;
    EXPECT_EQ(layoutHints(text, table), c.hints);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LayoutHintsTest,
    ::testing::Values(HintCase{"TwoPartDeclaredSize",
                               "const unsigned char PORTADA [64][16] = {\n0xFF,",
                               "PORTADA",
                               {{{16, 512}, {128, 64}}, {}, {}}},
                      HintCase{"DeclaredExpression",
                               "const char logo[128*64/8]={\n0x00,",
                               "logo",
                               {{{128, 64}}, {}, {}}},
                      // The comment's size, and none from the hexadecimal numbers below it.
                      HintCase{"Comment",
                               "x[32]={\n/*\nImage size:16 X 16 X 1BPP=32 bytes.\n*/\n0x10,0x20,",
                               "x",
                               {{{16, 16}}, {}, {}}},
                      HintCase{"Name",
                               "static const unsigned char u8g2_logo_97x51_bits[] = {\n0x00,",
                               "u8g2_logo_97x51_bits",
                               {{{97, 51}}, {}, {}}},
                      HintCase{"NamedSides",
                               "// width: 128, height = 64\nconst char a[] = {\n1,",
                               "a",
                               {{}, {128}, {64}}},
                      // The bitmap's defines count; the screen's do not.
                      HintCase{"Defines",
                               "#define SCREEN_WIDTH 128\n#define WiFi_Logo_width 60\n"
                               "#define WiFi_Logo_height 36\n\n\n\n\n\n\n\n\n"
                               "const uint8_t WiFi_Logo_bits[] PROGMEM = {\n0x00,",
                               "WiFi_Logo_bits",
                               {{}, {60}, {36}}}),
    [](const ::testing::TestParamInfo<HintCase>& row) { return std::string(row.param.name); });

// A width and height before the picture in any of the forms files use give the reading that
// skips them.
TEST(LayoutFinder, SkipsALeadingWidthAndHeight)
{
    const QString text =
        readSingleByteFile(testData(QStringLiteral("finder/MLXXXp_Arduboy2/ab_logo.c")));
    const QByteArray logo = findTables(text).front().bytes;
    const Bytes picture(logo.begin(), logo.end());
    const struct {
        const char* form;
        Bytes header;
    } forms[] = {
        {"W, H", {88, 16}},
        {"H, W", {16, 88}},
        {"16-bit W, H, low byte first", {88, 0, 16, 0}},
        {"16-bit H, W, high byte first", {0, 16, 0, 88}},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.form);
        Bytes bytes = form.header;
        bytes.insert(bytes.end(), picture.begin(), picture.end());
        const LayoutGuess best = findLayouts(bytes).front();
        EXPECT_EQ(best.layout, ByteLayout::PagesLsbTop);
        EXPECT_EQ(best.width, 88);
        EXPECT_EQ(best.height, 16);
        EXPECT_EQ(best.skip, int(form.header.size()));
    }
}

}  // namespace
}  // namespace pixmint
