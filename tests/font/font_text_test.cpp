#include "font_sample.h"
#include "font_samples.h"
#include "smart_reading.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::charsetRequest;

// One language with one of its commands, a format and a layout.
struct TextCase {
    QString name;
    const char* language;
    const char* command;
    FontFormat format;
    ByteLayout layout;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name.toStdString();
}

QList<TextCase> everyText()
{
    const struct {
        const char* name;
        const char* language;
        const char* command;
    } languages[] = {{"AsmDt", "Asm", "Dt"},     {"AsmRetlw", "Asm", "Retlw"},
                     {"Ccs", "CCS", "Resim[]="}, {"ProtonBasic", "Proton Basic", "CData"},
                     {"C", "C", "resim[]="},     {"Arduino", "Arduino", "resim[]="}};
    QList<TextCase> cases;
    for (const auto& language : languages) {
        for (const FontFormatRecord& format : fontFormatRecords()) {
            const bool gfx = format.format == FontFormat::Gfx;
            if (gfx && !languageNamed(QString::fromUtf8(language.language))->writesGfxFont())
                continue;
            for (const LayoutRecord& layout : layoutRecords()) {
                QString name = QString::fromUtf8(language.name) + QLatin1Char('_') + format.option;
                if (!gfx)
                    name += QLatin1Char('_') + QString(layout.option).remove(QLatin1Char('-'));
                cases << TextCase{name, language.language, language.command, format.format,
                                  layout.layout};
                if (gfx)
                    break;  // a GFX font has one layout of its own
            }
        }
    }
    return cases;
}

class FontTexts : public ::testing::TestWithParam<TextCase> {};

// Every text read back smartly gives exactly its numbers: the glyph tables as one table, a
// GFX font's bitmaps as its largest byte table. The characters of Windows-1254 put every
// awkward character into the comments ("\", "'", "/", "*", ";").
TEST_P(FontTexts, ReadBackSmartlyAsTheirNumbers)
{
    const TextCase& c = GetParam();
    FontRoadRequest request =
        charsetRequest("5x7.pcf.gz", {}, Charset::Windows1254, c.format, c.layout);
    request.textFormat = presetFormat(QString::fromUtf8(c.language));
    request.textFormat.command = QString::fromUtf8(c.command);
    const FontRoadOutcome outcome = runFontRoad(request);
    ASSERT_EQ(outcome.failure, QString());
    ASSERT_EQ(outcome.code.failure, QString());
    const QString& text = outcome.code.code.text;
    EXPECT_FALSE(text.contains(QStringLiteral("\n\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), text.count(QLatin1Char('\n')));

    const QList<FoundTable> tables = findTables(text);
    const Bytes numbers = outcome.tables.numbers();
    const QByteArray expected(reinterpret_cast<const char*>(numbers.data()),
                              static_cast<qsizetype>(numbers.size()));
    if (c.format == FontFormat::Gfx) {
        const qsizetype largest = largestTable(tables);
        ASSERT_GE(largest, 0);
        EXPECT_EQ(tables[largest].name, QStringLiteral("Fixed_7Bitmaps"));
        EXPECT_EQ(tables[largest].bytes, expected);
        return;
    }
    ASSERT_EQ(tables.size(), 1);
    EXPECT_TRUE(tables[0].isBytes()) << tables[0].notByte.toStdString();
    EXPECT_EQ(tables[0].bytes, expected);
    // One line per code from 32 to 255 (with Retlw, one per number after each code's comment
    // line): the undefined bytes of Windows-1254 and 127 have empty records.
    EXPECT_EQ(text.count(QStringLiteral(" 0x")), 224);
    EXPECT_EQ(outcome.tables.glyphs.size(), 224);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguageFormatAndLayout, FontTexts, ::testing::ValuesIn(everyText()),
                         [](const auto& tested) {
                             return std::string(tested.param.name.toStdString());
                         });

// The sample text drawn from the numbers of each format shows the same pixels: a monospaced
// font's cells, widths and the GFX font as Adafruit GFX prints it with the cursor on the
// row above the baseline.
TEST(FontSamples, EveryFormatShowsTheSamePixels)
{
    const QString sample = QStringLiteral("Merhaba Dünya 123 ĞÜŞİÖÇ ğüşıöç");
    const struct {
        const char* font;
        std::optional<int> size;
    } fonts[] = {{"5x7.pcf.gz", {}}, {"DejaVuSansMono.ttf", 16}};
    for (const auto& [font, size] : fonts) {
        SCOPED_TRACE(font);
        PixelGrid cells;
        for (const FontFormat format : {FontFormat::Cells, FontFormat::Widths, FontFormat::Gfx}) {
            const FontRoadOutcome outcome = runFontRoad(
                charsetRequest(font, size, Charset::Windows1254, format, ByteLayout::RowsLsbLeft));
            ASSERT_EQ(outcome.failure, QString());
            ASSERT_LE(outcome.glyphs.cellHeight, outcome.glyphs.lineHeight);
            const PixelGrid drawn = sampleDrawing(outcome.tables, sample);
            if (format == FontFormat::Cells) {
                cells = drawn;
                EXPECT_EQ(drawn.width(), sample.size() * outcome.glyphs.cellWidth);
                continue;
            }
            ASSERT_EQ(drawn.width(), cells.width());
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const int expected = y < cells.height() ? cells.at(x, y) : 0;
                    ASSERT_EQ(drawn.at(x, y), expected) << x << ", " << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pixmint
