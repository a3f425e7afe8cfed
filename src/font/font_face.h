#pragma once

#include "checked.h"
#include "font_request.h"
#include "pixel_grid.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringEncoder>

#include <memory>
#include <optional>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace pixmint {

// One glyph as FreeType draws it, cut to its ink. An empty ink (a blank, or a glyph that
// could not be drawn) has no elements, and left and top are 0.
struct RenderedGlyph {
    bool found = false;  // the font has a glyph for the character
    PixelGrid ink;       // 1 = dark
    int left = 0;        // the ink's left column from the pen (bitmap_left)
    int top = 0;         // the ink's rows above the baseline (bitmap_top)
    int advance = 0;     // whole pixels the pen moves on (advance.x / 64)
};

// An opened font face: the file's bytes, a FreeType library of its own set to the classic
// TrueType interpreter (version 35) and the face. Not copyable; one thread at a time.
class FontFace {
public:
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Reads and opens the source: the file (at most kMaxFontFileBytes; the source's data when
    // it holds them), or the file that fontconfig's best match for the family and style
    // names, which must be that family.
    static Checked<std::shared_ptr<FontFace>> open(const FontSource& source);

    bool isScalable() const;
    // The pixel heights of the strikes of a bitmap font, in the font's order.
    QList<int> strikeHeights() const;
    QString familyName() const;
    QString styleName() const;
    // The file as the source named it, or the family and style.
    const QString& sourceName() const { return m_sourceName; }
    // Set when the font's characters are in a code page this program does not know; they
    // are then looked up by their code points.
    const QString& encodingWarning() const { return m_encodingWarning; }

    // Sets the size in pixels per em (scalable), or chooses the strike of that pixel height
    // (bitmap font); the message when it cannot.
    std::optional<QString> setSize(int pixels);
    // The line height of the size set: the size's height (scalable), or the strike's.
    int lineHeight() const;

    // Draws one character at the size set: one bit a pixel, or with a threshold 8-bit
    // coverage, a pixel dark when its coverage is above the threshold. A character the font
    // lacks, or one it cannot draw, is not found. A glyph whose ink would be wider or higher
    // than kMaxCellSide is not drawn: tooLarge is set instead.
    RenderedGlyph render(char32_t character, std::optional<int> threshold, bool& tooLarge);

private:
    FontFace() = default;
    // The font's own code of a character, or nothing when its code page lacks it.
    std::optional<unsigned long> fontCode(char32_t character);
    void chooseEncoding();

    QByteArray m_bytes;  // FreeType reads the face from these while it is open
    FT_LibraryRec_* m_library = nullptr;
    FT_FaceRec_* m_face = nullptr;
    int m_strike = -1;  // the chosen strike of a bitmap font
    QString m_sourceName;
    // The code page of a font without a Unicode character map; invalid: the code points.
    std::optional<QStringEncoder> m_encoder;
    QString m_encodingName;
    QString m_encodingWarning;
};

// The message for a font file that cannot be read or opened.
QString unreadableFontMessage(const QString& path);

}  // namespace pixmint
