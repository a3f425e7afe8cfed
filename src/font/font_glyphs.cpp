#include "font_glyphs.h"

#include "font_characters.h"
#include "font_face.h"
#include "table_naming.h"

#include <algorithm>

namespace pixmint {
namespace {

using GlyphsOrFailure = Checked<FontGlyphs>;

// A missing glyph's characters are named in one warning; a long list is cut here.
constexpr int kMostNamedCharacters = 32;

// The rows the ink of a set of glyphs spans: from `top` above the baseline down to
// `bottom` (exclusive), in 64-bit so that crafted metrics cannot overflow.
struct InkRows {
    bool any = false;
    qint64 top = 0;
    qint64 bottom = 0;

    void add(const FontGlyph& glyph)
    {
        if (!glyph.hasInk())
            return;
        const qint64 glyphBottom = qint64(glyph.top) - glyph.ink.height();
        top = any ? std::max(top, qint64(glyph.top)) : glyph.top;
        bottom = any ? std::min(bottom, glyphBottom) : glyphBottom;
        any = true;
    }
    qint64 height() const { return any ? top - bottom : 0; }
};

std::optional<QString> limitProblem(const FontGlyphRequest& request)
{
    if (request.size && (*request.size < 1 || *request.size > kMaxFontSize))
        return sizeLimitMessage();
    if (request.fitHeight && (*request.fitHeight < 1 || *request.fitHeight > kMaxFontSize))
        return QStringLiteral("Satır yüksekliği 1 ile %1 arasında olmalı.").arg(kMaxFontSize);
    if (request.cell) {
        const QSize cell = *request.cell;
        if (cell.width() < 1 || cell.height() < 1 || cell.width() > kMaxCellSide ||
            cell.height() > kMaxCellSide)
            return QStringLiteral("Hücrenin eni ve yüksekliği 1 ile %1 arasında olmalı.")
                .arg(kMaxCellSide);
    }
    if (request.threshold && (*request.threshold < 0 || *request.threshold > kMaxThreshold))
        return QStringLiteral("Yumuşatma eşiği 0 ile %1 arasında olmalı.").arg(kMaxThreshold);
    return std::nullopt;
}

QString tooLargeGlyphMessage(const FontCharacter& character)
{
    return QStringLiteral(
               "Karakter %1 bir hücreye sığmayacak kadar büyük (en fazla %2 × %2 "
               "piksel).")
        .arg(glyphComment(character.code, character.character))
        .arg(kMaxCellSide);
}

FontGlyph glyphOf(const FontCharacter& character, RenderedGlyph rendered)
{
    FontGlyph glyph;
    glyph.code = character.code;
    glyph.character = character.character;
    glyph.missing = !rendered.found;
    if (rendered.found) {
        glyph.ink = std::move(rendered.ink);
        glyph.left = rendered.left;
        glyph.top = rendered.top;
        glyph.advance = std::max(0, rendered.advance);
    }
    return glyph;
}

// Every chosen character at the size set, in order. With a row limit, stops as soon as the
// ink spans more rows, trying first the character that broke the limit at the last size
// (passed in `worst`, and set to the one that broke it now); returns false then.
bool renderAll(FontFace& face, const QList<FontCharacter>& characters, std::optional<int> threshold,
               std::optional<int> rowLimit, QList<FontGlyph>& out, qsizetype& worst,
               qsizetype& tooLarge)
{
    out = QList<FontGlyph>(characters.size());
    InkRows rows;
    QList<qsizetype> order;
    order.reserve(characters.size());
    if (rowLimit && worst >= 0)
        order << worst;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        if (i != worst || !rowLimit)
            order << i;
    }
    for (const qsizetype i : order) {
        bool large = false;
        out[i] = glyphOf(characters[i], face.render(characters[i].character, threshold, large));
        if (large) {
            tooLarge = i;
            return false;
        }
        rows.add(out[i]);
        if (rowLimit && rows.height() > *rowLimit) {
            worst = i;
            return false;
        }
    }
    return true;
}

// The sizes --fit-height tries, the largest first: every size from 2·H down (scalable), or
// the strikes' heights up to 2·H; never beyond the size limit.
QList<int> fittingSizes(const FontFace& face, int rows)
{
    const int most = std::min(2 * rows, kMaxFontSize);
    QList<int> sizes;
    if (face.isScalable()) {
        for (int size = most; size >= 1; --size)
            sizes << size;
        return sizes;
    }
    for (int height : face.strikeHeights()) {
        if (height >= 1 && height <= most && !sizes.contains(height))
            sizes << height;
    }
    std::sort(sizes.begin(), sizes.end(), std::greater<>());
    return sizes;
}

QString missingWarning(const QList<FontGlyph>& glyphs)
{
    QStringList named;
    qsizetype missing = 0;
    for (const FontGlyph& glyph : glyphs) {
        if (!glyph.missing)
            continue;
        if (++missing <= kMostNamedCharacters)
            named << shownCharacter(glyph.character);
    }
    if (missing == 0)
        return QString();
    QString warning =
        QStringLiteral("Yazı tipinde bulunmayan karakterler: ") + named.join(QLatin1Char(' '));
    if (missing > kMostNamedCharacters)
        warning += QStringLiteral(" ve %1 karakter daha").arg(missing - kMostNamedCharacters);
    return warning;
}

}  // namespace

std::optional<QString> placeFontGlyphs(FontGlyphs& glyphs, const FontGlyphRequest& request)
{
    InkRows rows;
    qint64 widest = 1;
    qint64 widestOwn = 0;
    for (const FontGlyph& glyph : glyphs.glyphs) {
        rows.add(glyph);
        widest = std::max<qint64>(widest, glyph.advance);
        widestOwn = std::max<qint64>(widestOwn, glyph.ownWidth());
    }
    glyphs.baseline = static_cast<int>(rows.top);
    const qint64 height =
        request.cell ? request.cell->height() : request.fitHeight.value_or(int(rows.height()));
    const qint64 width = request.cell ? request.cell->width() : widest;
    const qint64 side = std::max({height, width, widestOwn});
    if (side > kMaxCellSide) {
        return QStringLiteral(
                   "Hücre en fazla %1 × %1 piksel olabilir; bu karakterlerle %2 × "
                   "%3 piksel.")
            .arg(kMaxCellSide)
            .arg(std::max(width, widestOwn))
            .arg(height);
    }
    const qint64 pixels = glyphs.glyphs.size() * std::max(width, widestOwn) * height;
    if (pixels > kMaxFontPixels) {
        return QStringLiteral("Tablolar en fazla %1 piksel tutabilir; bu karakterlerle %2 piksel.")
            .arg(kMaxFontPixels)
            .arg(pixels);
    }
    glyphs.cellHeight = static_cast<int>(height);
    glyphs.cellWidth = static_cast<int>(width);
    return std::nullopt;
}

namespace {

bool isRegularStyle(const QString& style)
{
    static const QStringList regular = {QStringLiteral("Regular"), QStringLiteral("Book"),
                                        QStringLiteral("Normal"), QStringLiteral("Roman"),
                                        QStringLiteral("Plain")};
    return style.isEmpty() || regular.contains(style, Qt::CaseInsensitive);
}

// Sets the size asked for, or the one --fit-height finds, and renders every character.
std::optional<QString> renderAtSize(FontFace& face, const FontGlyphRequest& request,
                                    const QList<FontCharacter>& characters, FontGlyphs& glyphs)
{
    qsizetype worst = -1;
    qsizetype tooLarge = -1;
    if (request.fitHeight) {
        for (const int size : fittingSizes(face, *request.fitHeight)) {
            if (face.setSize(size))
                continue;
            tooLarge = -1;
            if (renderAll(face, characters, request.threshold, request.fitHeight, glyphs.glyphs,
                          worst, tooLarge)) {
                glyphs.size = size;
                return std::nullopt;
            }
        }
        return QStringLiteral("Bu karakterler %1 satıra sığmıyor.").arg(*request.fitHeight);
    }
    int size = request.size.value_or(8);
    if (!request.size && !face.isScalable())
        size = face.strikeHeights().value(0);
    if (size < 1 || size > kMaxFontSize)
        return sizeLimitMessage();
    if (std::optional<QString> problem = face.setSize(size))
        return problem;
    glyphs.size = size;
    if (!renderAll(face, characters, request.threshold, std::nullopt, glyphs.glyphs, worst,
                   tooLarge))
        return tooLargeGlyphMessage(characters[tooLarge]);
    return std::nullopt;
}

}  // namespace

QString sizeLimitMessage()
{
    return QStringLiteral("Boyut 1 ile %1 piksel arasında olmalı.").arg(kMaxFontSize);
}

QList<int> bitmapSizes(const FontSource& source)
{
    const Checked<std::shared_ptr<FontFace>> opened = FontFace::open(source);
    if (!opened.ok() || opened.value()->isScalable())
        return {};
    return opened.value()->strikeHeights();
}

int FontGlyph::ownWidth() const
{
    if (missing)
        return 0;
    const qint64 inkRight = qint64(left) + ink.width();
    return static_cast<int>(std::max<qint64>({0, advance, hasInk() ? inkRight : 0}));
}

QString FontGlyphs::description() const
{
    return QStringLiteral("%1, %2 piksel").arg(sourceName).arg(size);
}

QString FontGlyphs::defaultName() const
{
    QString base = family;
    if (!isRegularStyle(style))
        base += style;
    base.remove(QLatin1Char(' '));
    // The naming routine reads a path: its separators and a dot are no cuts here.
    for (const QChar cut : {QLatin1Char('.'), QLatin1Char('/'), QLatin1Char('\\')})
        base.replace(cut, QLatin1Char('_'));
    return tableIdentifier(base + QLatin1Char('_') + QString::number(size));
}

qsizetype FontGlyphs::indexOfCode(int code) const
{
    const auto found = std::lower_bound(glyphs.cbegin(), glyphs.cend(), code,
                                        [](const FontGlyph& g, int c) { return g.code < c; });
    return found != glyphs.cend() && found->code == code ? found - glyphs.cbegin() : -1;
}

Checked<FontGlyphs> renderFontGlyphs(const FontGlyphRequest& request)
{
    if (const std::optional<QString> problem = limitProblem(request))
        return GlyphsOrFailure::failed(*problem);
    if (request.source.includeFile)
        return includedFontGlyphs(request);
    const Checked<QList<FontCharacter>> characters = chosenCharacters(request.characters);
    if (!characters.ok())
        return GlyphsOrFailure::failed(characters.failure());
    const Checked<std::shared_ptr<FontFace>> opened = FontFace::open(request.source);
    if (!opened.ok())
        return GlyphsOrFailure::failed(opened.failure());
    FontFace& face = *opened.value();

    FontGlyphs glyphs;
    glyphs.sourceName = face.sourceName();
    glyphs.family = face.familyName();
    glyphs.style = face.styleName();
    glyphs.windows1254Codes = givesWindows1254Codes(request.characters);
    glyphs.codePage = request.characters.kind == CharacterChoice::Kind::Charset;
    if (const std::optional<QString> problem =
            renderAtSize(face, request, characters.value(), glyphs))
        return GlyphsOrFailure::failed(*problem);
    glyphs.lineHeight = face.lineHeight();
    if (std::none_of(glyphs.glyphs.cbegin(), glyphs.glyphs.cend(),
                     [](const FontGlyph& glyph) { return glyph.hasInk(); }))
        return GlyphsOrFailure::failed(
            QStringLiteral("Seçilen karakterlerin hiçbirinde çizilecek piksel yok."));
    if (const std::optional<QString> problem = placeFontGlyphs(glyphs, request))
        return GlyphsOrFailure::failed(*problem);
    for (const QString& warning : {face.encodingWarning(), missingWarning(glyphs.glyphs)}) {
        if (!warning.isEmpty())
            glyphs.warnings << warning;
    }
    return glyphs;
}

PixelGrid glyphPicture(const FontGlyphs& glyphs, qsizetype index, FontFormat format)
{
    const FontGlyph& glyph = glyphs.glyphs[index];
    int width = glyphs.cellWidth;
    if (format == FontFormat::Widths)
        width = glyph.ownWidth();
    else if (format == FontFormat::Gfx)
        width = std::max(1, glyph.ownWidth());
    PixelGrid picture(width, glyphs.cellHeight);
    const qint64 firstRow = qint64(glyphs.baseline) - glyph.top;
    for (int j = 0; j < glyph.ink.height(); ++j) {
        const qint64 y = firstRow + j;
        if (y < 0 || y >= picture.height())
            continue;
        for (int i = 0; i < glyph.ink.width(); ++i) {
            const qint64 x = qint64(glyph.left) + i;
            if (x >= 0 && x < width && glyph.ink.at(i, j))
                picture.set(static_cast<int>(x), static_cast<int>(y), 1);
        }
    }
    return picture;
}

void replaceGlyphPixels(FontGlyphs& glyphs, qsizetype index, const PixelGrid& picture)
{
    FontGlyph& glyph = glyphs.glyphs[index];
    int left = picture.width(), right = -1, top = glyphs.cellHeight, bottom = -1;
    const int rows = std::min(picture.height(), glyphs.cellHeight);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!picture.at(x, y))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (glyph.missing) {
        glyph.advance = picture.width();
        glyph.missing = false;
    }
    glyph.edited = true;
    glyph.ink = PixelGrid();
    glyph.left = glyph.top = 0;
    if (right < 0)
        return;
    glyph.ink = PixelGrid(right - left + 1, bottom - top + 1);
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            glyph.ink.set(x - left, y - top, picture.at(x, y));
    }
    glyph.left = left;
    glyph.top = glyphs.baseline - top;
}

}  // namespace pixmint
