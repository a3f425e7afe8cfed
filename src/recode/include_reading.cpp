#include "include_reading.h"

#include "run_error.h"
#include "single_byte_text.h"
#include "text_lines.h"

namespace pixmint {
namespace {

const QString kErrorTitle = QStringLiteral("Hata");

QString megabytes(qint64 bytes)
{
    return QString::number(bytes / (qint64{1024} * 1024));
}

IncludeText refused(const QString& title, const QString& message)
{
    IncludeText read;
    read.failureTitle = title;
    read.failure = message;
    return read;
}

QString tooLargeMessage(const QString& path, const IncludeLimits& limits)
{
    if (limits.maxLine > 0) {
        return QStringLiteral(
                   "Dosya çok büyük:\r\n%1\r\nBu pencere en fazla %2 MB açar; daha büyük "
                   "dosyalar için pixmint-cli recode kullanın.")
            .arg(path, megabytes(limits.maxBytes));
    }
    return QStringLiteral("Dosya çok büyük: %1; en fazla %2 MB okunur.")
        .arg(path, megabytes(limits.maxBytes));
}

QString lineTooLongMessage(const QString& path, const IncludeLimits& limits)
{
    return QStringLiteral(
               "Dosyada çok uzun bir satır var:\r\n%1\r\nBu pencere en fazla %2 karakterlik "
               "satırları açar; bu dosya için pixmint-cli recode kullanın.")
        .arg(path)
        .arg(limits.maxLine);
}

}  // namespace

IncludeText readIncludeFile(const QString& path, const IncludeLimits& limits)
{
    IncludeText read;
    try {
        read.text = readSingleByteFile(path, limits.maxBytes);
    } catch (const FileTooLarge&) {
        return refused(kErrorTitle, tooLargeMessage(path, limits));
    } catch (const RunError& error) {
        return refused(error.title(), error.description());
    }
    if (limits.maxLine > 0 && longestLine(read.text) > limits.maxLine)
        return refused(kErrorTitle, lineTooLongMessage(path, limits));
    return read;
}

}  // namespace pixmint
