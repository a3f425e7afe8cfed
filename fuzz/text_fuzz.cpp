// The single-byte text files: every byte read as Windows-1254 writes back as itself, any
// UTF-16 text writes one byte per character, and a file holds what was written to it.

#include "fuzz_support.h"
#include "run_error.h"
#include "single_byte_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using pixmint_fuzz::check;

namespace {

// The characters of a UTF-16 text: a surrogate pair counts once, a lone surrogate once.
qsizetype codePoints(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return count;
}

QString utf16Of(const std::uint8_t* data, std::size_t size)
{
    QString text(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text[static_cast<qsizetype>(i / 2)] =
            QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    return text;
}

// A file written with a text and read back gives the text as Windows-1254 holds it.
void checkFile(const QString& text)
{
    static QTemporaryDir* folder = new QTemporaryDir;
    check(folder->isValid(), "a temporary folder");
    const QString path = folder->filePath(QStringLiteral("metin.inc"));
    pixmint::writeSingleByteFile(path, text);
    const QByteArray expected = pixmint::encodeWindows1254(text);
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "the written file opens");
    check(file.readAll() == expected, "the file holds the encoded text");
    file.close();
    check(pixmint::readSingleByteFile(path) == pixmint::decodeWindows1254(expected),
          "the file reads back as written");
    check(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden).size() == 1,
          "writing leaves no temporary file behind");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    pixmint_fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = pixmint_fuzz::bytesOf(data, size);
    const QString decoded = pixmint::decodeWindows1254(bytes);
    check(decoded.size() == bytes.size(), "one character per byte");
    check(pixmint::encodeWindows1254(decoded) == bytes, "every byte writes back as itself");

    const QString text = utf16Of(data, size);
    const QByteArray encoded = pixmint::encodeWindows1254(text);
    check(encoded.size() == codePoints(text), "one byte per character");
    check(pixmint::encodeWindows1254(pixmint::decodeWindows1254(encoded)) == encoded,
          "an encoded text is stable");

    // Files are slow; only some inputs go through one.
    if (size > 0 && data[0] == 0) {
        checkFile(decoded);
        checkFile(text);
    }
    return 0;
}
