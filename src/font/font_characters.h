#pragma once

#include "checked.h"
#include "font_request.h"

#include <QList>
#include <QString>

#include <optional>

namespace pixmint {

// One chosen character: the code its glyph carries in the tables, and the Unicode character
// it is drawn from. With Windows-1254 the code is the character's byte in that code page;
// otherwise it is the code point itself.
struct FontCharacter {
    int code = 0;
    char32_t character = 0;

    bool operator==(const FontCharacter&) const = default;
};

// The chosen characters in code order, each once, or why there are none: a list item that
// is no code or range ("Karakter listesi okunamadı: …"), more than kMaxFontCharacters
// characters, or none at all. A list item is a code or a range A-B (A at most B); a code is
// decimal, 0x… or U+… hexadecimal, up to U+10FFFF; blanks around items are ignored, empty
// items skipped.
Checked<QList<FontCharacter>> chosenCharacters(const CharacterChoice& choice);

// The code a character of a sample text is looked up by, in the tables made with the
// choice's character set: its Windows-1254 byte, or its code point. Nothing for a character
// that Windows-1254 lacks.
std::optional<int> sampleCode(char32_t character, bool windows1254Codes);

// Whether the choice gives glyphs the codes of Windows-1254.
inline bool givesWindows1254Codes(const CharacterChoice& choice)
{
    return choice.kind == CharacterChoice::Kind::Charset && choice.charset == Charset::Windows1254;
}

// How a glyph's code and character read in a comment and in a message: "0x41 A", "0x011E Ğ";
// the character is left out when it is not printable, a blank or "\" (which ends a C line
// comment with a splice that would swallow the next line).
QString glyphComment(int code, char32_t character);
// The character itself when it is printable, else "U+XXXX".
QString shownCharacter(char32_t character);

}  // namespace pixmint
