// Include files of any content through format detection, number extraction with and without
// inverting, and the code text of every target language.

#include "code_layout.h"
#include "format_detection.h"
#include "fuzz_support.h"
#include "hex_digits.h"
#include "number_format.h"
#include "recoding.h"
#include "run_error.h"
#include "single_byte_text.h"
#include "table_procedures.h"

#include <QStringList>

#include <array>

using pixmint_fuzz::check;

namespace {

// Settings as a person might type them: the presets, other letter cases, empty texts and
// texts that collide with the markers, line ends and the letters that change length when
// put in capitals.
const QStringList& languages()
{
    static const QStringList list = {QStringLiteral("Asm"),
                                     QStringLiteral("CCS"),
                                     QStringLiteral("Proton Basic"),
                                     QStringLiteral("asm"),
                                     QStringLiteral("ccs "),
                                     QStringLiteral("proton basıc"),
                                     QString(),
                                     QStringLiteral("\u00df\t")};
    return list;
}

const QStringList& commands()
{
    static const QStringList list = {QString(),
                                     QStringLiteral("Dt"),
                                     QStringLiteral("Retlw"),
                                     QStringLiteral("CData"),
                                     QStringLiteral("Resim[]="),
                                     QStringLiteral(","),
                                     QStringLiteral("0X"),
                                     QStringLiteral("\u00df"),
                                     QStringLiteral("\r\n"),
                                     QStringLiteral("ı")};
    return list;
}

const QStringList& prefixes()
{
    static const QStringList list = {
        QString(),           QStringLiteral("0X"),     QStringLiteral("$"),  QStringLiteral("0x"),
        QStringLiteral("0"), QStringLiteral("\u00df"), QStringLiteral("\t"), QStringLiteral(",")};
    return list;
}

const QStringList& suffixes()
{
    static const QStringList list = {
        QString(),           QStringLiteral("h"),      QStringLiteral(";"), QStringLiteral("//"),
        QStringLiteral("'"), QStringLiteral("\u00df"), QStringLiteral("0"), QStringLiteral(",")};
    return list;
}

const QStringList& separators()
{
    static const QStringList list = {
        QStringLiteral(","),  QString(),           QStringLiteral(", "),     QStringLiteral(",,"),
        QStringLiteral("\n"), QStringLiteral("0"), QStringLiteral("ı"),      QStringLiteral(" "),
        QStringLiteral("\t"), QStringLiteral("X"), QStringLiteral("\u00df"), QStringLiteral("//")};
    return list;
}

const QString& pick(const QStringList& list, std::uint8_t byte)
{
    return list.at(byte % list.size());
}

bool isTwoHexDigits(const QString& entry)
{
    if (entry.size() != 2)
        return false;
    for (const QChar c : entry) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return false;
    }
    return true;
}

// Inverting leaves an entry as it was, or gives two digits that add up to FF with it.
void checkInverted(const QStringList& plain, const QStringList& inverted, int notInverted)
{
    check(plain.size() == inverted.size(), "inverting keeps the number of entries");
    int unchanged = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain[i] == inverted[i]) {
            ++unchanged;
            continue;
        }
        check(isTwoHexDigits(inverted[i]), "an inverted entry has two hexadecimal digits");
        qint64 before = -1;
        try {
            before = pixmint::HexDeğeri(plain[i]);
        } catch (const pixmint::RunError&) {
        }
        check(before + pixmint::HexDeğeri(inverted[i]) == 255,
              "an entry and its inverse add up to FF");
    }
    check(unchanged == notInverted, "the count of entries not inverted");
}

// The effective numbers per line of a layout.
int perLine(const pixmint::NumberFormat& format, int numbersPerLine)
{
    if (format.language == QStringLiteral("Asm") &&
        format.command.toUpper() == QStringLiteral("RETLW"))
        return 1;
    return numbersPerLine < 1 ? 1 : numbersPerLine;
}

void checkLayout(const QStringList& table, const pixmint::NumberFormat& format, int numbersPerLine,
                 const QString& path)
{
    const pixmint::CodeTextOutcome outcome = pixmint::codeTextFor(format, table, path);
    check(outcome.failure.isEmpty(), "a language of the list and a whole number pass the checks");
    const pixmint::LaidOutLines& code = outcome.code;
    check(code.text.endsWith(QStringLiteral("\r\n")), "a code text ends with CR LF");
    const int n = perLine(format, numbersPerLine);
    check(code.incompleteLine == (table.isEmpty() || table.size() % n != 0),
          "the incomplete-line flag");
}

// A table of two-digit entries laid out with a language's own presets reads back whole.
void checkReadBack(const QStringList& table, const QString& path, int numbersPerLine)
{
    for (const pixmint::Language& preset : pixmint::languages()) {
        for (const QString& command : preset.commandTexts()) {
            pixmint::NumberFormat format = pixmint::presetFormat(preset.name);
            format.command = command;
            format.numbersPerLine = QString::number(numbersPerLine);
            const QString text = pixmint::codeTextFor(format, table, path).code.text;
            QStringList readBack;
            pixmint::Kodu_dönüştür(text, format, readBack, false);
            check(readBack == table, "a table laid out with the presets reads back whole");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pixmint_fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kSettingBytes = 6;
    if (size < kSettingBytes)
        return 0;
    pixmint::NumberFormat source;
    source.language = pick(languages(), data[0]);
    source.command = pick(commands(), data[1]);
    source.prefix = pick(prefixes(), data[2]);
    source.suffix = pick(suffixes(), data[3]);
    source.separator = pick(separators(), data[4]);
    static constexpr std::array<int, 8> kPerLine = {16, 1, 3, 0, -5, 8, 255, 2};
    const int numbersPerLine = kPerLine[data[5] % kPerLine.size()];
    const QString text = pixmint::decodeWindows1254(
        pixmint_fuzz::bytesOf(data + kSettingBytes, size - kSettingBytes));

    const pixmint::DetectedFormat detected = pixmint::detectedFormat(text);
    check(!detected.command ||
              (detected.language && detected.language->commandFor(*detected.command)),
          "a detected command belongs to the detected language");

    QStringList plain;
    QStringList inverted;
    const int plainCount = pixmint::Kodu_dönüştür(text, source, plain, false);
    check(plainCount == 0, "nothing to count without inverting");
    const int notInverted = pixmint::Kodu_dönüştür(text, source, inverted, true);
    checkInverted(plain, inverted, notInverted);

    pixmint::NumberFormat format;
    format.command = pick(commands(), data[1] >> 4);
    format.prefix = pick(prefixes(), data[2] >> 4);
    format.suffix = pick(suffixes(), data[3] >> 4);
    format.separator = pick(separators(), data[4] >> 4);
    format.numbersPerLine = QString::number(numbersPerLine);
    for (const QString& language : pixmint::languageNames()) {
        format.language = language;
        checkLayout(plain, format, numbersPerLine, text.left(40));
    }

    QStringList twoDigit;
    for (const QString& entry : std::as_const(inverted)) {
        if (isTwoHexDigits(entry) && twoDigit.size() < 200)
            twoDigit.append(entry);
    }
    QString path = text.left(60);
    path.remove(u'\r');
    path.remove(u'\n');
    if (!twoDigit.isEmpty())
        checkReadBack(twoDigit, path, numbersPerLine);
    return 0;
}
