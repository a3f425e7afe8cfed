#include "display_presets.h"
#include "test_paths.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace pixmint {
namespace {

QString unquoted(const QString& cell, QChar mark)
{
    QString text = cell.trimmed();
    if (text.size() >= 2 && text.front() == mark && text.back() == mark)
        text = text.mid(1, text.size() - 2);
    return text;
}

// The cells of the rows of a table in docs/displays.md, the page that names the datasheet
// passage or driver line behind every preset: the rows that start with a name in backticks,
// between the heading and the next one. None when the page cannot be read.
QList<QStringList> documentedTable(const QString& heading)
{
    QFile page(QStringLiteral(PIXMINT_DOCS "/displays.md"));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> rows;
    bool inTable = false;
    for (const QString& line : QString::fromUtf8(page.readAll()).split(u'\n')) {
        if (line.startsWith(u'#'))
            inTable = line.trimmed() == heading;
        else if (inTable && line.startsWith(QStringLiteral("| `")))
            rows << line.split(u'|').mid(1);
    }
    return rows;
}

// A row of "## The presets": | name | window text | size | layout | polarity | call |
struct DocumentedRow {
    QString name;
    QString text;
    int width = 0;
    int height = 0;
    QString layout;
    QString polarity;
};

const std::vector<DocumentedRow>& documentedRows()
{
    static const std::vector<DocumentedRow> rows = [] {
        std::vector<DocumentedRow> found;
        for (const QStringList& cells : documentedTable(QStringLiteral("## The presets"))) {
            const QStringList size = cells.value(2).split(QStringLiteral("×"));
            found.push_back({unquoted(cells.value(0), u'`'), unquoted(cells.value(1), u'"'),
                             size.value(0).trimmed().toInt(), size.value(1).trimmed().toInt(),
                             unquoted(cells.value(3), u'`'), cells.value(4).trimmed()});
        }
        return found;
    }();
    return rows;
}

std::string caseName(const QString& presetName)
{
    std::string name = presetName.toStdString();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

void PrintTo(const DocumentedRow& row, std::ostream* os)
{
    *os << row.name.toStdString();
}

class DocumentedPreset : public ::testing::TestWithParam<DocumentedRow> {};

TEST_P(DocumentedPreset, IsThePresetOfThatName)
{
    const DocumentedRow& row = GetParam();
    const DisplayPreset* preset = displayPresetNamed(row.name);
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->name, row.name);
    EXPECT_EQ(preset->text, row.text);
    EXPECT_EQ(preset->width, row.width);
    EXPECT_EQ(preset->height, row.height);
    EXPECT_EQ(layoutRecord(preset->layout).option, row.layout);
    EXPECT_EQ(preset->polarity == Polarity::Lit ? QStringLiteral("lit") : QStringLiteral("dark"),
              row.polarity);
}

INSTANTIATE_TEST_SUITE_P(Docs, DocumentedPreset, ::testing::ValuesIn(documentedRows()),
                         [](const auto& tested) { return caseName(tested.param.name); });

std::vector<QString> presetNames()
{
    std::vector<QString> names;
    for (const DisplayPreset& preset : displayPresets())
        names.push_back(preset.name);
    return names;
}

class PresetOfTheList : public ::testing::TestWithParam<QString> {};

TEST_P(PresetOfTheList, IsDocumentedOnce)
{
    const QString name = GetParam();
    const auto& rows = documentedRows();
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [&name](const DocumentedRow& row) { return row.name == name; }),
              1);
}

INSTANTIATE_TEST_SUITE_P(List, PresetOfTheList, ::testing::ValuesIn(presetNames()),
                         [](const auto& tested) { return caseName(tested.param); });

TEST(DisplayPresets, AreDocumentedInTheListsOrder)
{
    QStringList documented;
    for (const DocumentedRow& row : documentedRows())
        documented << row.name;
    QStringList listed;
    for (const DisplayPreset& preset : displayPresets())
        listed << preset.name;
    EXPECT_EQ(documented, listed);
}

TEST(DisplayPresets, NamedIgnoresCaseAndKnowsNoOther)
{
    const DisplayPreset* preset = displayPresetNamed(QStringLiteral("PCD8544-84X48"));
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->name, QStringLiteral("pcd8544-84x48"));
    EXPECT_EQ(displayPresetNamed(QStringLiteral("list")), nullptr);
    EXPECT_EQ(displayPresetNamed(QString()), nullptr);
}

TEST(DisplayPresets, ListTextHasALineForEachInTheToolsColumns)
{
    const QStringList lines = displayPresetList().split(u'\n');
    ASSERT_EQ(lines.size(), displayPresets().size() + 1);
    EXPECT_TRUE(lines.back().isEmpty());
    EXPECT_EQ(lines.front(), QString::fromUtf16(u"ssd1306-128x64\t128\t64\tpages-lsb-top\t1\t"
                                                u"SSD1306 128 × 64 (OLED)"));
    EXPECT_TRUE(lines.contains(
        QString::fromUtf16(u"st7920-128x64\t128\t64\trows-msb-left\t0\tST7920 128 × 64 (LCD)")));
}

// "### The calls" shows the comments for a 128 × 64 table named logo: | row | C | Arduino |
TEST(DisplayPresets, DocumentedCallsAreTheComments)
{
    const QList<QStringList> rows = documentedTable(QStringLiteral("### The calls"));
    qsizetype calls = 0;
    for (const DisplayPreset& preset : displayPresets())
        calls += preset.isLibraryCall() ? 1 : 0;
    EXPECT_EQ(rows.size(), calls);
    for (const QStringList& cells : rows) {
        const QString name = unquoted(cells.value(0), u'`');
        SCOPED_TRACE(name.toStdString());
        const DisplayPreset* preset = displayPresetNamed(name);
        ASSERT_NE(preset, nullptr);
        const QString logo = QStringLiteral("logo");
        EXPECT_EQ(libraryCallComment(*preset, logo, 128, 64, false),
                  unquoted(cells.value(1), u'`'));
        EXPECT_EQ(libraryCallComment(*preset, logo, 128, 64, true), unquoted(cells.value(2), u'`'));
    }
}

TEST(DisplayPresets, CallCommentCountsRowBytesAndModulesHaveNone)
{
    // u8g2's drawBitmap takes the bytes of a row, not its pixels: 2 for 12 pixels.
    EXPECT_EQ(libraryCallComment(*displayPresetNamed(QStringLiteral("u8g2-drawbitmap")),
                                 QStringLiteral("resim"), 12, 10, false),
              QStringLiteral("// u8g2_DrawBitmap(&u8g2, 0, 0, 2, 10, resim);"));
    EXPECT_EQ(libraryCallComment(*displayPresetNamed(QStringLiteral("ssd1306-128x64")),
                                 QStringLiteral("logo"), 128, 64, true),
              QString());
}

}  // namespace
}  // namespace pixmint
