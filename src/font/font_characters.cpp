#include "font_characters.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <vector>

namespace pixmint {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

QString tooManyCharactersMessage()
{
    return QStringLiteral("En fazla %1 karakter seçilebilir.").arg(kMaxFontCharacters);
}

QList<FontCharacter> codePointRange(int first, int last)
{
    QList<FontCharacter> characters;
    for (int code = first; code <= last; ++code)
        characters.append({code, static_cast<char32_t>(code)});
    return characters;
}

// The bytes from 128 that Windows-1254 defines, each with its character. The undefined
// bytes decode to the C1 control of the same number.
QList<FontCharacter> windows1254Upper()
{
    QStringDecoder decoder("windows-1254");
    QList<FontCharacter> characters;
    for (int byte = 128; byte <= 255; ++byte) {
        const char one = static_cast<char>(byte);
        const QString text = decoder.decode(QByteArrayView(&one, 1));
        const QList<uint> decoded = text.toUcs4();
        if (decoded.size() == 1 && (decoded[0] < 0x80 || decoded[0] > 0x9F))
            characters.append({byte, static_cast<char32_t>(decoded[0])});
    }
    return characters;
}

QList<FontCharacter> charsetCharacters(Charset charset)
{
    QList<FontCharacter> characters = codePointRange(32, 126);
    if (charset == Charset::Latin1)
        characters += codePointRange(160, 255);
    else if (charset == Charset::Windows1254)
        characters += windows1254Upper();
    return characters;
}

std::optional<char32_t> readCode(QString text)
{
    text = text.trimmed();
    int base = 10;
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ||
        text.startsWith(QStringLiteral("U+"), Qt::CaseInsensitive)) {
        text = text.mid(2);
        base = 16;
    }
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    for (QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool hexLetter = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!digit && !(base == 16 && hexLetter))
            return std::nullopt;
    }
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, base);
    if (!ok || value > kLastCodePoint)
        return std::nullopt;
    return static_cast<char32_t>(value);
}

// Marks the characters of one list item; false when the item is no code or range.
bool markItem(const QString& item, std::vector<bool>& chosen)
{
    const qsizetype dash = item.indexOf(QLatin1Char('-'));
    const std::optional<char32_t> first = readCode(dash < 0 ? item : item.left(dash));
    const std::optional<char32_t> last = dash < 0 ? first : readCode(item.mid(dash + 1));
    if (!first || !last || *first > *last)
        return false;
    for (char32_t c = *first; c <= *last; ++c)
        chosen[c] = true;
    return true;
}

Checked<QList<FontCharacter>> listCharacters(const QString& list)
{
    std::vector<bool> chosen(kLastCodePoint + 1, false);
    for (const QString& piece : list.split(QLatin1Char(','))) {
        const QString item = piece.trimmed();
        if (item.isEmpty())
            continue;
        if (!markItem(item, chosen)) {
            return Checked<QList<FontCharacter>>::failed(
                QStringLiteral("Karakter listesi okunamadı: \"%1\".").arg(item));
        }
    }
    QList<FontCharacter> characters;
    for (char32_t c = 0; c <= kLastCodePoint; ++c) {
        if (!chosen[c])
            continue;
        if (characters.size() == kMaxFontCharacters)
            return Checked<QList<FontCharacter>>::failed(tooManyCharactersMessage());
        characters.append({static_cast<int>(c), c});
    }
    return characters;
}

QList<FontCharacter> textCharacters(const QString& text)
{
    std::vector<char32_t> codes;
    for (const char32_t c : text.toUcs4())
        codes.push_back(c);
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    QList<FontCharacter> characters;
    for (const char32_t c : codes)
        characters.append({static_cast<int>(c), c});
    return characters;
}

bool isPrintable(char32_t character)
{
    return character <= kLastCodePoint && QChar::isPrint(character) && !QChar::isSpace(character);
}

}  // namespace

Checked<QList<FontCharacter>> chosenCharacters(const CharacterChoice& choice)
{
    QList<FontCharacter> characters;
    switch (choice.kind) {
    case CharacterChoice::Kind::Charset:
        characters = charsetCharacters(choice.charset);
        break;
    case CharacterChoice::Kind::List: {
        Checked<QList<FontCharacter>> listed = listCharacters(choice.text);
        if (!listed.ok())
            return listed;
        characters = std::move(listed.value());
        break;
    }
    case CharacterChoice::Kind::Text:
        characters = textCharacters(choice.text);
        break;
    }
    if (characters.size() > kMaxFontCharacters)
        return Checked<QList<FontCharacter>>::failed(tooManyCharactersMessage());
    if (characters.isEmpty())
        return Checked<QList<FontCharacter>>::failed(QStringLiteral("Hiç karakter seçilmedi."));
    return characters;
}

std::optional<int> sampleCode(char32_t character, bool windows1254Codes)
{
    if (!windows1254Codes)
        return static_cast<int>(character);
    const QString text = QString::fromUcs4(&character, 1);
    QStringEncoder encoder("windows-1254");
    const QByteArray bytes = encoder.encode(text);
    // A character the code page lacks comes out as "?": only a byte that reads back as the
    // character is its code.
    QStringDecoder decoder("windows-1254");
    if (bytes.size() != 1 || QString(decoder.decode(bytes)) != text)
        return std::nullopt;
    return static_cast<unsigned char>(bytes[0]);
}

QString shownCharacter(char32_t character)
{
    if (isPrintable(character))
        return QString::fromUcs4(&character, 1);
    return QStringLiteral("U+%1")
        .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString glyphComment(int code, char32_t character)
{
    const int digits = code <= 0xFF ? 2 : code <= 0xFFFF ? 4 : 6;
    QString comment =
        QStringLiteral("0x") + QString::number(code, 16).rightJustified(digits, u'0').toUpper();
    if (isPrintable(character) && character != U'\\')
        comment += QLatin1Char(' ') + QString::fromUcs4(&character, 1);
    return comment;
}

}  // namespace pixmint
