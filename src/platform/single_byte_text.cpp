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
    // The encoder marks a character it cannot write with the control byte 0x1A, one byte
    // per code point; put "?" there unless the text itself held that control character.
    if (!bytes.contains('\x1a'))
        return bytes;
    qsizetype at = 0;
    for (auto it = text.cbegin(); it != text.cend() && at < bytes.size(); ++it, ++at) {
        const bool pair =
            it->isHighSurrogate() && it + 1 != text.cend() && (it + 1)->isLowSurrogate();
        if (bytes[at] == '\x1a' && it->unicode() != 0x1a)
            bytes[at] = '?';
        if (pair)
            ++it;
    }
    return bytes;
}

QString readSingleByteFile(const QString& path)
{
    if (path.isEmpty())
        throw RunError(BadFileName, path);
    QFile file(path);
    errno = 0;
    if (QFileInfo(path).isDir())
        throw RunError(PermissionDenied, path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(fileErrorNumber(path, errno), path);
    errno = 0;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RunError(fileErrorNumber(path, errno), path);
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
