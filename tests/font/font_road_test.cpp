#include "font_samples.h"

#include <QFile>
#include <QTemporaryDir>

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <functional>

namespace pixmint {
namespace {

using testing::charsetRequest;
using testing::fontRequest;
using testing::testFont;

// A request that the road refuses, and the start of its message. The limits come before the
// font is opened; the size before the rendering; the format's limits last.
struct RefusalCase {
    const char* name;
    std::function<FontRoadRequest()> request;
    QString failure;  // the message starts so
};

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.name;
}

class FontRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FontRefusals, SayWhyBeforeAnythingIsMade)
{
    const RefusalCase& c = GetParam();
    const FontRoadOutcome outcome = runFontRoad(c.request());
    EXPECT_TRUE(outcome.failure.startsWith(c.failure)) << outcome.failure.toStdString();
    EXPECT_TRUE(outcome.glyphs.glyphs.isEmpty());
    EXPECT_TRUE(outcome.code.code.text.isEmpty());
}

FontRoadRequest withChange(FontRoadRequest request,
                           const std::function<void(FontRoadRequest&)>& change)
{
    change(request);
    return request;
}

RefusalCase refusal(const char* name, const char* font, std::optional<int> size, const char* text,
                    const std::function<void(FontRoadRequest&)>& change, const QString& failure)
{
    return {name, [=] { return withChange(fontRequest(font, size, text), change); }, failure};
}

// A request whose source is an include file's text.
RefusalCase includeRefusal(const char* name, const char* text, std::optional<QSize> cell,
                           const char* table, const QString& failure)
{
    return {name,
            [=] {
                FontRoadRequest request;
                request.glyphs.source.path = QStringLiteral("yazi.h");
                request.glyphs.source.data = QByteArray(text);
                request.glyphs.source.includeFile = true;
                request.glyphs.source.table = QString::fromLatin1(table);
                request.glyphs.cell = cell;
                return request;
            },
            failure};
}

const char* const kGfxFont =
    "const uint8_t tBitmaps[] = {0xE8};\n"
    "const GFXglyph tGlyphs[] = {{0, 1, 5, 2, 0, -5}, {1, 3, 2, 4, 0, -5}};\n"
    "const GFXfont t = {(uint8_t *)tBitmaps, (GFXglyph *)tGlyphs, 0x21, 0x22, 6};";

const auto kNoChange = [](FontRoadRequest&) {};
const auto kGfx = [](FontRoadRequest& r) { r.format = FontFormat::Gfx; };
const QString kSizeLimit = QStringLiteral("Boyut 1 ile 255 piksel arasında olmalı.");
const QString kGfxLimit = QStringLiteral("Adafruit GFX biçiminin sınırı aşıldı: ");

INSTANTIATE_TEST_SUITE_P(
    Rows, FontRefusals,
    ::testing::Values(
        refusal(
            "NoSource", "", 8, "A", [](FontRoadRequest& r) { r.glyphs.source.path.clear(); },
            QStringLiteral("Önce bir yazı tipi seçin.")),
        refusal("MissingFile", "yok.ttf", 8, "A", kNoChange,
                QStringLiteral("Yazı tipi dosyası okunamadı:\r\n") + testFont("yok.ttf")),
        refusal("NotAFont", "SOURCES.md", 8, "A", kNoChange,
                QStringLiteral("Yazı tipi dosyası okunamadı:\r\n")),
        refusal(
            "FaceBeyondTheFile", "DejaVuSansMono.ttf", 8, "A",
            [](FontRoadRequest& r) { r.glyphs.source.face = 1; },
            QStringLiteral("Bu dosyada 1 yüz var; yüz 0 ile 0 arasında olmalı.")),
        refusal("SizeZero", "DejaVuSansMono.ttf", 0, "A", kNoChange, kSizeLimit),
        refusal("SizeOver255", "DejaVuSansMono.ttf", 256, "A", kNoChange, kSizeLimit),
        refusal("LimitBeforeTheFile", "yok.ttf", 300, "A", kNoChange, kSizeLimit),
        refusal(
            "FitHeightOver255", "DejaVuSansMono.ttf", {}, "A",
            [](FontRoadRequest& r) { r.glyphs.fitHeight = 256; },
            QStringLiteral("Satır yüksekliği 1 ile 255 arasında olmalı.")),
        refusal(
            "CellWithoutWidth", "DejaVuSansMono.ttf", 8, "A",
            [](FontRoadRequest& r) { r.glyphs.cell = QSize(0, 8); },
            QStringLiteral("Hücrenin eni ve yüksekliği 1 ile 1024 arasında olmalı.")),
        refusal(
            "ThresholdOver254", "DejaVuSansMono.ttf", 8, "A",
            [](FontRoadRequest& r) { r.glyphs.threshold = 255; },
            QStringLiteral("Yumuşatma eşiği 0 ile 254 arasında olmalı.")),
        refusal(
            "BadListBeforeTheFile", "yok.ttf", 8, "",
            [](FontRoadRequest& r) {
                r.glyphs.characters = {CharacterChoice::Kind::List, {}, QStringLiteral("x")};
            },
            QStringLiteral("Karakter listesi okunamadı: \"x\".")),
        refusal("SizeABitmapFontLacks", "5x7.pcf.gz", 8, "A", kNoChange,
                QStringLiteral("Bu yazı tipinin boyutları: 7")),
        refusal("NoInk", "5x7.pcf.gz", {}, " ", kNoChange,
                QStringLiteral("Seçilen karakterlerin hiçbirinde çizilecek piksel yok.")),
        refusal("OnlyMissingCharacters", "5x7.pcf.gz", {}, "一", kNoChange,
                QStringLiteral("Seçilen karakterlerin hiçbirinde çizilecek piksel yok.")),
        refusal(
            "FitHeightTooLow", "5x7.pcf.gz", {}, "Ag",
            [](FontRoadRequest& r) { r.glyphs.fitHeight = 6; },
            QStringLiteral("Bu karakterler 6 satıra sığmıyor.")),
        refusal(
            "UnknownFamily", "", {}, "A",
            [](FontRoadRequest& r) {
                r.glyphs.source = {};
                r.glyphs.source.family = QStringLiteral("Pixmint Yok Böyle Aile");
            },
            QStringLiteral("Yazı tipi bulunamadı: \"Pixmint Yok Böyle Aile\".")),
        // The limits of the GFX format, each met on its own.
        refusal("GfxCodeOver65535", "DejaVuSansMono.ttf", 8, "A😀", kGfx,
                kGfxLimit + QStringLiteral("kodlar en fazla 0xFFFF olabilir.")),
        refusal("GfxLineHeightOver255", "DejaVuSansMono.ttf", 255, "A", kGfx,
                kGfxLimit + QStringLiteral("satır yüksekliği en fazla 255 olabilir")),
        refusal("GfxOffsetBelow128", "DejaVuSansMono.ttf", 200, "É", kGfx,
                kGfxLimit + QStringLiteral("karakter 0xC9 É, kaydırma -128 ile 127 arasında")),
        RefusalCase{"GfxBitmapOver65535Bytes",
                    [] {
                        return charsetRequest("DejaVuSansMono.ttf", 120, Charset::Latin1,
                                              FontFormat::Gfx);
                    },
                    kGfxLimit + QStringLiteral("bit eşlem en fazla 65535 bayt olabilir.")},
        // Fonts brought back from include files.
        includeRefusal("IncludeWithoutAFont", "const char x[] = {1, 2, 3, 4};", {}, "",
                       QStringLiteral("Dosyada yazı tipi bulunamadı")),
        includeRefusal("IncludeTableNotThere", kGfxFont, {}, "yok",
                       QStringLiteral("Tablo bulunamadı: yok")),
        includeRefusal("IncludeGlyphBeyondTheBitmap", kGfxFont, {}, "",
                       QStringLiteral("Yazı tipi t: 0x22 kodlu karakterin bit eşlemi tablonun "
                                      "dışında.")),
        includeRefusal("IncludeCellUnknown", "const char x[] = {1, 2, 3, 4};", {}, "0",
                       QStringLiteral("Tablo x için karakter boyutu bilinmiyor")),
        includeRefusal("IncludeCellThatDoesNotDivide", "const char x[] = {1, 2, 3, 4};",
                       QSize(3, 8), "",
                       QStringLiteral("3x8 hücre tabloyu bölmüyor: tablo x 4 bayt, bir karakter "
                                      "3 bayt.")),
        includeRefusal("IncludeCellBeyondTheLimit", "const char x[] = {1, 2, 3, 4};",
                       QSize(2000, 8), "",
                       QStringLiteral("Hücrenin eni ve yüksekliği 1 ile 1024 arasında olmalı.")),
        includeRefusal("IncludeFileMissing", "", {}, "", QStringLiteral("Dosya bulunamadı"))),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST(FontRefusals, AFileOver64MegabytesIsNotRead)
{
    QTemporaryDir dir;
    QFile big(dir.filePath(QStringLiteral("büyük.ttf")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxFontFileBytes + 1));
    big.close();
    FontRoadRequest request = fontRequest("", 8, "A");
    request.glyphs.source.path = big.fileName();
    EXPECT_EQ(runFontRoad(request).failure,
              QStringLiteral("Yazı tipi dosyası en fazla 64 MB olabilir:\r\n") + big.fileName());
    ASSERT_TRUE(big.resize(kMaxFontFileBytes));
    EXPECT_TRUE(
        runFontRoad(request).failure.startsWith(QStringLiteral("Yazı tipi dosyası okunamadı")));
}

// The text's own checks leave the glyphs and tables made, as a window shows them.
TEST(FontText, ChecksTheLanguageLast)
{
    FontRoadRequest request = fontRequest("5x7.pcf.gz", {}, "A", FontFormat::Gfx);
    const FontRoadOutcome asmGfx = runFontRoad(request);
    EXPECT_EQ(asmGfx.failure, QString());
    EXPECT_EQ(asmGfx.code.failure,
              QStringLiteral("Adafruit GFX biçimi yalnız C ve Arduino dillerinde yazılır."));
    EXPECT_FALSE(asmGfx.tables.gfx.bitmap.empty());
    request.textFormat.language = QStringLiteral("Pascal");
    EXPECT_TRUE(runFontRoad(request).code.failure.startsWith(QStringLiteral("Bilinmeyen dil")));
}

// --fit-height: the largest size whose ink fits, tried from twice the height down.
struct FitCase {
    const char* name;
    FontRoadRequest request;
    int rows;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class FitHeight : public ::testing::TestWithParam<FitCase> {};

int inkRows(const FontGlyphs& glyphs)
{
    int top = INT_MIN, bottom = INT_MAX;
    for (const FontGlyph& glyph : glyphs.glyphs) {
        if (glyph.hasInk()) {
            top = std::max(top, glyph.top);
            bottom = std::min(bottom, glyph.top - glyph.ink.height());
        }
    }
    return top - bottom;
}

TEST_P(FitHeight, TakesTheLargestSizeWhoseInkFits)
{
    const FitCase& c = GetParam();
    FontRoadRequest request = c.request;
    request.glyphs.fitHeight = c.rows;
    const FontRoadOutcome fitted = runFontRoad(request);
    ASSERT_EQ(fitted.failure, QString());
    EXPECT_EQ(fitted.glyphs.cellHeight, c.rows);
    EXPECT_LE(inkRows(fitted.glyphs), c.rows);
    // One pixel larger, the ink no longer fits (a bitmap font has no such size).
    request.glyphs.fitHeight.reset();
    request.glyphs.size = fitted.glyphs.size + 1;
    const FontRoadOutcome larger = runFontRoad(request);
    if (larger.failure.isEmpty()) {
        EXPECT_GT(larger.glyphs.cellHeight, c.rows);
    } else {
        EXPECT_TRUE(larger.failure.startsWith(QStringLiteral("Bu yazı tipinin boyutları")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FitHeight,
    ::testing::Values(
        FitCase{"TrueTypeAscii8", charsetRequest("DejaVuSansMono.ttf", {}, Charset::Ascii), 8},
        FitCase{"TrueTypeTurkish16", charsetRequest("DejaVuSansMono.ttf", {}, Charset::Windows1254),
                16},
        FitCase{"TrueTypeText12", fontRequest("DejaVuSansMono.ttf", {}, "Merhaba"), 12},
        FitCase{"TrueTypeSmoothed10",
                [] {
                    FontRoadRequest r = charsetRequest("DejaVuSansMono.ttf", {}, Charset::Ascii);
                    r.glyphs.threshold = 100;
                    return r;
                }(),
                10},
        FitCase{"PcfStrikeInALargerCell", charsetRequest("5x7.pcf.gz", {}, Charset::Ascii), 20}),
    [](const auto& tested) { return std::string(tested.param.name); });

// An edited glyph: its picture comes back as drawn, in every format, and the cell stays.
TEST(GlyphEditing, ReplacedPixelsAreWhatTheTablesHold)
{
    for (const FontFormat format : {FontFormat::Cells, FontFormat::Widths, FontFormat::Gfx}) {
        SCOPED_TRACE(int(format));
        Checked<FontGlyphs> glyphs = renderFontGlyphs(fontRequest("5x7.pcf.gz", {}, "AC一").glyphs);
        ASSERT_TRUE(glyphs.ok());
        FontGlyphs& edited = glyphs.value();
        const FontGlyphs before = edited;
        PixelGrid a = glyphPicture(edited, 0, format);
        a.set(4, 0, 1);  // a dot right of the A, at the top
        replaceGlyphPixels(edited, 0, a);
        PixelGrid missing(3, edited.cellHeight);
        missing.set(1, 2, 1);
        replaceGlyphPixels(edited, 2, missing);
        EXPECT_EQ(edited.baseline, before.baseline);
        EXPECT_EQ(edited.cellHeight, before.cellHeight);
        EXPECT_TRUE(edited.glyphs[0].edited);
        EXPECT_FALSE(edited.glyphs[1].edited);
        EXPECT_EQ(edited.glyphs[2].advance, 3);

        FontRoadRequest request = fontRequest("5x7.pcf.gz", {}, "AC一", format);
        const FontRoadOutcome outcome = runFontRoad(request, edited);
        ASSERT_EQ(outcome.failure, QString());
        EXPECT_EQ(drawnGlyph(outcome.tables, 0), a);
        EXPECT_EQ(drawnGlyph(outcome.tables, 1), glyphPicture(before, 1, format));
        if (format != FontFormat::Cells) {
            EXPECT_EQ(drawnGlyph(outcome.tables, 2), missing);
        }
    }
}

// The one test that reads the fonts of the machine: a family fontconfig lists is found by
// its name, and its glyphs are made.
TEST(InstalledFamilies, AreFoundByTheirName)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    QString family;
    for (int i = 0; fonts && i < fonts->nfont && family.isEmpty(); ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch)
            family = QString::fromUtf8(reinterpret_cast<const char*>(name));
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    if (family.isEmpty())
        GTEST_SKIP() << "fontconfig finds no scalable family";

    FontRoadRequest request = fontRequest("", 12, "A");
    request.glyphs.source = {};
    request.glyphs.source.family = family;
    const FontRoadOutcome outcome = runFontRoad(request);
    ASSERT_EQ(outcome.failure, QString()) << family.toStdString();
    EXPECT_TRUE(outcome.glyphs.sourceName.startsWith(outcome.glyphs.family));
    EXPECT_EQ(outcome.glyphs.family.compare(family, Qt::CaseInsensitive), 0);
    EXPECT_FALSE(outcome.code.code.text.isEmpty());
    request.glyphs.source.style = QStringLiteral("Pixmint Yok Böyle Biçem");
    EXPECT_TRUE(runFontRoad(request).failure.startsWith(QStringLiteral("Yazı tipi bulunamadı")));
}

}  // namespace
}  // namespace pixmint
