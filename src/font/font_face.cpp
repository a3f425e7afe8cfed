#include "font_face.h"

#include <QFile>
#include <QStringDecoder>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#include FT_BITMAP_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include FT_WINFONTS_H

#include <algorithm>
#include <limits>

namespace pixmint {
namespace {

// Metrics of crafted fonts may lie anywhere in FreeType's range; every one the road keeps
// is brought into this range first, so that sums and differences cannot overflow.
constexpr long kMetricLimit = 1L << 24;

int clampedMetric(long value)
{
    return static_cast<int>(std::clamp(value, -kMetricLimit, kMetricLimit));
}

Checked<std::shared_ptr<FontFace>> failure(const QString& message)
{
    return Checked<std::shared_ptr<FontFace>>::failed(message);
}

// The file and face index of an installed family.
struct InstalledFont {
    QString path;
    int index = 0;
};

bool hasValue(FcPattern* pattern, const char* object, const QString& wanted)
{
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, object, i, &value) == FcResultMatch; ++i) {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(value));
        if (text.compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// fontconfig's best match for the family and style. It always matches something; a match of
// another family or style (a family that is not installed) is no match here.
Checked<InstalledFont> installedFont(const QString& family, const QString& style)
{
    const QString named = style.isEmpty() ? family : family + QLatin1Char(' ') + style;
    Checked<InstalledFont> notFound =
        Checked<InstalledFont>::failed(QStringLiteral("Yazı tipi bulunamadı: \"%1\".").arg(named));
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return notFound;
    const QByteArray familyBytes = family.toUtf8();
    const QByteArray styleBytes = style.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(familyBytes.data()));
    if (!style.isEmpty())
        FcPatternAddString(pattern, FC_STYLE, reinterpret_cast<const FcChar8*>(styleBytes.data()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match)
        return notFound;
    InstalledFont found;
    FcChar8* file = nullptr;
    const bool matches = hasValue(match, FC_FAMILY, family) &&
                         (style.isEmpty() || hasValue(match, FC_STYLE, style)) &&
                         FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch;
    if (matches) {
        found.path = QString::fromUtf8(reinterpret_cast<const char*>(file));
        FcPatternGetInteger(match, FC_INDEX, 0, &found.index);
    }
    FcPatternDestroy(match);
    if (!matches)
        return notFound;
    return found;
}

// The code page of a Windows font's character set byte, as Qt's codecs name it; empty for
// a set without one (the symbol set).
QString windowsCodePage(int charset)
{
    switch (charset) {
    case 0:  // ANSI
    case 1:  // DEFAULT
        return QStringLiteral("windows-1252");
    case 77:
        return QStringLiteral("macintosh");
    case 161:
        return QStringLiteral("windows-1253");
    case 162:
        return QStringLiteral("windows-1254");
    case 163:
        return QStringLiteral("windows-1258");
    case 177:
        return QStringLiteral("windows-1255");
    case 178:
        return QStringLiteral("windows-1256");
    case 186:
        return QStringLiteral("windows-1257");
    case 204:
        return QStringLiteral("windows-1251");
    case 222:
        return QStringLiteral("windows-874");
    case 238:
        return QStringLiteral("windows-1250");
    case 255:
        return QStringLiteral("IBM437");
    default:
        return QString();
    }
}

// The code page an X11 font's registry and encoding name: "ISO8859" "9" is ISO-8859-9.
QString x11CodePage(const char* registry, const char* encoding)
{
    const QString r = QString::fromLatin1(registry).toUpper();
    const QString e = QString::fromLatin1(encoding).toUpper();
    if (r == QStringLiteral("ISO8859"))
        return QStringLiteral("ISO-8859-") + e;
    return r + QLatin1Char('-') + e;
}

// The dark pixels of a bitmap: a set bit of a one-bit bitmap, or a coverage above the
// threshold of any other. Nothing when the bitmap is larger than a cell may be.
std::optional<PixelGrid> darkPixels(FT_Library library, const FT_Bitmap& bitmap, int threshold)
{
    const int width = static_cast<int>(bitmap.width);
    const int rows = static_cast<int>(bitmap.rows);
    if (bitmap.width > unsigned(kMaxCellSide) || bitmap.rows > unsigned(kMaxCellSide))
        return std::nullopt;
    PixelGrid dark(width, rows);
    if (width == 0 || rows == 0 || !bitmap.buffer)
        return dark;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        const int pitch = std::abs(bitmap.pitch);
        for (int y = 0; y < rows; ++y) {
            const unsigned char* row =
                bitmap.buffer + qint64(bitmap.pitch < 0 ? rows - 1 - y : y) * pitch;
            for (int x = 0; x < width; ++x)
                dark.set(x, y, (row[x / 8] >> (7 - x % 8)) & 1);
        }
        return dark;
    }
    // Every other kind as 8-bit levels from 0 to num_grays − 1.
    FT_Bitmap levels;
    FT_Bitmap_Init(&levels);
    if (FT_Bitmap_Convert(library, &bitmap, &levels, 1) != 0 || !levels.buffer) {
        FT_Bitmap_Done(library, &levels);
        return dark;
    }
    const int greys = std::max<int>(2, levels.num_grays);
    const int pitch = std::abs(levels.pitch);
    for (int y = 0; y < rows && y < int(levels.rows); ++y) {
        const unsigned char* row = levels.buffer + qint64(y) * pitch;
        for (int x = 0; x < width && x < int(levels.width); ++x)
            dark.set(x, y, row[x] * 255 / (greys - 1) > threshold ? 1 : 0);
    }
    FT_Bitmap_Done(library, &levels);
    return dark;
}

// The part of the grid that holds its ink, and where that part begins.
PixelGrid cutToInk(const PixelGrid& grid, int& firstColumn, int& firstRow)
{
    int left = grid.width(), right = -1, top = grid.height(), bottom = -1;
    for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
            if (!grid.at(x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    firstColumn = firstRow = 0;
    if (right < 0)
        return PixelGrid();
    firstColumn = left;
    firstRow = top;
    PixelGrid ink(right - left + 1, bottom - top + 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            ink.set(x - left, y - top, grid.at(x, y));
    }
    return ink;
}

}  // namespace

QString unreadableFontMessage(const QString& path)
{
    return QStringLiteral("Yazı tipi dosyası okunamadı:\r\n") + path;
}

FontFace::~FontFace()
{
    if (m_face)
        FT_Done_Face(m_face);
    if (m_library)
        FT_Done_FreeType(m_library);
}

Checked<std::shared_ptr<FontFace>> FontFace::open(const FontSource& source)
{
    QString path = source.path;
    int index = source.face;
    QString sourceName = source.path;
    if (path.isEmpty()) {
        if (source.family.trimmed().isEmpty())
            return failure(QStringLiteral("Önce bir yazı tipi seçin."));
        const Checked<InstalledFont> installed = installedFont(source.family, source.style);
        if (!installed.ok())
            return failure(installed.failure());
        path = installed->path;
        index = installed->index;
    }
    if (index < 0)
        return failure(QStringLiteral("Yüz numarası 0 ya da daha büyük olmalı."));
    std::shared_ptr<FontFace> font(new FontFace);
    if (!source.data.isEmpty()) {
        font->m_bytes = source.data;
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return failure(unreadableFontMessage(path));
        // One byte past the limit is read: a file that grows, or a device, cannot slip
        // through.
        font->m_bytes = file.read(kMaxFontFileBytes + 1);
    }
    if (font->m_bytes.size() > kMaxFontFileBytes)
        return failure(QStringLiteral("Yazı tipi dosyası en fazla 64 MB olabilir:\r\n") + path);
    if (FT_Init_FreeType(&font->m_library) != 0)
        return failure(unreadableFontMessage(path));
    // The classic full hinting, as Adafruit's fontconvert has it for one-bit glyphs.
    FT_UInt version = TT_INTERPRETER_VERSION_35;
    FT_Property_Set(font->m_library, "truetype", "interpreter-version", &version);
    const auto* data = reinterpret_cast<const FT_Byte*>(font->m_bytes.constData());
    const FT_Long size = font->m_bytes.size();
    if (FT_New_Memory_Face(font->m_library, data, size, index, &font->m_face) != 0) {
        font->m_face = nullptr;
        FT_Face probe = nullptr;
        if (index > 0 && FT_New_Memory_Face(font->m_library, data, size, -1, &probe) == 0) {
            const long faces = probe->num_faces;
            FT_Done_Face(probe);
            return failure(QStringLiteral("Bu dosyada %1 yüz var; yüz 0 ile %2 arasında olmalı.")
                               .arg(faces)
                               .arg(faces - 1));
        }
        return failure(unreadableFontMessage(path));
    }
    if (!font->isScalable() && font->m_face->num_fixed_sizes <= 0)
        return failure(unreadableFontMessage(path));
    if (source.path.isEmpty())
        sourceName = font->familyName() + QLatin1Char(' ') + font->styleName();
    font->m_sourceName = sourceName;
    font->chooseEncoding();
    return font;
}

void FontFace::chooseEncoding()
{
    if (FT_Select_Charmap(m_face, FT_ENCODING_UNICODE) == 0)
        return;
    if (m_face->num_charmaps > 0)
        FT_Set_Charmap(m_face, m_face->charmaps[0]);
    QString codePage;
    FT_WinFNT_HeaderRec header;
    const char* encoding = nullptr;
    const char* registry = nullptr;
    if (FT_Get_WinFNT_Header(m_face, &header) == 0)
        codePage = windowsCodePage(header.charset);
    else if (FT_Get_BDF_Charset_ID(m_face, &encoding, &registry) == 0 && encoding && registry)
        codePage = x11CodePage(registry, encoding);
    if (!codePage.isEmpty()) {
        const QByteArray name = codePage.toLatin1();
        QStringEncoder encoder(name.constData());
        if (encoder.isValid()) {
            m_encoder.emplace(std::move(encoder));
            m_encodingName = codePage;
            return;
        }
    }
    m_encodingWarning = QStringLiteral(
        "Yazı tipinin kod sayfası bilinmiyor; karakterler Unicode kodlarıyla arandı.");
}

std::optional<unsigned long> FontFace::fontCode(char32_t character)
{
    if (!m_encoder)
        return character;
    const QString text = QString::fromUcs4(&character, 1);
    const QByteArray bytes = m_encoder->encode(text);
    // A character the code page lacks comes out as "?": only a byte that reads back as the
    // character is its code.
    const QByteArray name = m_encodingName.toLatin1();
    QStringDecoder decoder(name.constData());
    if (bytes.size() != 1 || QString(decoder.decode(bytes)) != text)
        return std::nullopt;
    return static_cast<unsigned char>(bytes[0]);
}

bool FontFace::isScalable() const
{
    return FT_IS_SCALABLE(m_face);
}

QList<int> FontFace::strikeHeights() const
{
    QList<int> heights;
    for (int i = 0; i < m_face->num_fixed_sizes; ++i)
        heights << m_face->available_sizes[i].height;
    return heights;
}

QString FontFace::familyName() const
{
    return QString::fromUtf8(m_face->family_name ? m_face->family_name : "");
}

QString FontFace::styleName() const
{
    return QString::fromUtf8(m_face->style_name ? m_face->style_name : "");
}

std::optional<QString> FontFace::setSize(int pixels)
{
    const QString cannot = QStringLiteral("Yazı tipi %1 piksel boyutunda çizilemiyor.").arg(pixels);
    if (isScalable()) {
        m_strike = -1;
        if (FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixels)) != 0)
            return cannot;
        return std::nullopt;
    }
    const QList<int> heights = strikeHeights();
    const qsizetype strike = heights.indexOf(pixels);
    if (strike < 0) {
        QStringList texts;
        for (int height : heights)
            texts << QString::number(height);
        return QStringLiteral("Bu yazı tipinin boyutları: ") + texts.join(QStringLiteral(", "));
    }
    if (FT_Select_Size(m_face, static_cast<FT_Int>(strike)) != 0)
        return cannot;
    m_strike = static_cast<int>(strike);
    return std::nullopt;
}

int FontFace::lineHeight() const
{
    if (m_strike >= 0)
        return m_face->available_sizes[m_strike].height;
    return m_face->size ? clampedMetric(m_face->size->metrics.height >> 6) : 0;
}

RenderedGlyph FontFace::render(char32_t character, std::optional<int> threshold, bool& tooLarge)
{
    RenderedGlyph glyph;
    const std::optional<unsigned long> code = fontCode(character);
    const FT_UInt index = code ? FT_Get_Char_Index(m_face, *code) : 0;
    if (index == 0)
        return glyph;
    if (FT_Load_Glyph(m_face, index, threshold ? FT_LOAD_DEFAULT : FT_LOAD_TARGET_MONO) != 0)
        return glyph;
    FT_GlyphSlot slot = m_face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // The ink cannot be larger than the outline's box: a larger one is never drawn, so
        // that a crafted outline cannot make FreeType fill a bitmap of any size.
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        const long most = (kMaxCellSide + 2L) * 64;
        if (box.xMax - box.xMin > most || box.yMax - box.yMin > most) {
            tooLarge = true;
            return glyph;
        }
    }
    if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
        FT_Render_Glyph(slot, threshold ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) != 0)
        return glyph;
    const std::optional<PixelGrid> dark =
        darkPixels(m_library, slot->bitmap, threshold.value_or(127));
    if (!dark) {
        tooLarge = true;
        return glyph;
    }
    glyph.found = true;
    glyph.advance = clampedMetric(slot->advance.x >> 6);
    int firstColumn = 0;
    int firstRow = 0;
    glyph.ink = cutToInk(*dark, firstColumn, firstRow);
    if (!glyph.ink.isEmpty()) {
        glyph.left = clampedMetric(long(slot->bitmap_left) + firstColumn);
        glyph.top = clampedMetric(long(slot->bitmap_top) - firstRow);
    }
    return glyph;
}

}  // namespace pixmint
