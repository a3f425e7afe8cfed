#include "single_byte_text.h"

#include "run_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

namespace pixmint {
namespace {

const char* const kCodePage = "windows-1254";

// Finds the error number for a failed open, write or rename of path.
int fileErrorNumber(const QString& path, int savedErrno)
{
    if (path.isEmpty())
        return BadFileName;
    switch (savedErrno) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case ENAMETOOLONG:
        return BadFileName;
    default:
        break;
    }
    const QFileInfo info(path);
    if (!info.dir().exists())
        return PathNotFound;
    if (savedErrno == ENOTDIR)
        return PathNotFound;
    if (savedErrno == ENOENT)
        return FileNotFound;
    if (info.isDir())
        return PermissionDenied;
    return PathFileAccessError;
}

}  // namespace

QString decodeWindows1254(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QByteArray encodeWindows1254(const QString& text)
{
    QStringEncoder encoder(kCodePage);
    QByteArray bytes = encoder.encode(text);
    // One byte per character and no 0x1A: every character was written as itself.
    if (bytes.size() == text.size() && !bytes.contains('\x1a'))
        return bytes;
    // Otherwise the encoder's bytes cannot be matched to the characters: it marks a
    // character it cannot write with 0x1A, one byte per code point, but drops others
    // without a trace (U+FEFF, the zero-width and direction marks, a high surrogate at the
    // end). Write such text one character at a time, "?" for any that gives no byte of its
    // own.
    QStringEncoder single(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            out.append(static_cast<char>(u));
            continue;
        }
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QByteArray one = single.encode(QStringView(text).mid(i, length));
        out.append(one.size() == 1 && one[0] != '\x1a' ? one[0] : '?');
        i += length - 1;
    }
    return out;
}

QString readSingleByteFile(const QString& path, qint64 maxBytes)
{
    if (path.isEmpty())
        throw RunError(BadFileName, path);
    QFile file(path);
    errno = 0;
    if (QFileInfo(path).isDir())
        throw RunError(PermissionDenied, path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(fileErrorNumber(path, errno), path);
    if (maxBytes >= 0 && file.size() > maxBytes)
        throw FileTooLarge(path, maxBytes);
    errno = 0;
    // A limited read stops one byte past the limit, so a huge file (or an endless one such
    // as a device) is never read whole.
    const QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw RunError(fileErrorNumber(path, errno), path);
    if (maxBytes >= 0 && bytes.size() > maxBytes)
        throw FileTooLarge(path, maxBytes);
    return decodeWindows1254(bytes);
}

void writeFileReplacing(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        throw RunError(BadFileName, path);
    if (QFileInfo(path).isDir())
        throw RunError(PermissionDenied, path);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw RunError(fileErrorNumber(path, errno), path);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int saved = errno;
        file.cancelWriting();
        throw RunError(fileErrorNumber(path, saved ? saved : ENOSPC), path);
    }
    errno = 0;
    if (!file.commit())
        throw RunError(fileErrorNumber(path, errno ? errno : EIO), path);
}

void writeSingleByteFile(const QString& path, const QString& text)
{
    writeFileReplacing(path, encodeWindows1254(text));
}

}  // namespace pixmint
