#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace pixmint {

// Texts are kept in files one byte per character, in the Turkish code page Windows-1254,
// with no byte-order mark. Every byte has a character, so reading never fails on content;
// a character that Windows-1254 lacks is written as "?".
QString decodeWindows1254(const QByteArray& bytes);
QByteArray encodeWindows1254(const QString& text);

// Thrown by readSingleByteFile for a file longer than the reader accepts.
class FileTooLarge : public std::exception {
public:
    FileTooLarge(const QString& path, qint64 maxBytes) : m_path(path), m_maxBytes(maxBytes) {}
    const char* what() const noexcept override { return "file too large"; }
    const QString& path() const { return m_path; }
    qint64 maxBytes() const { return m_maxBytes; }

private:
    QString m_path;
    qint64 m_maxBytes;
};

// Reads a whole file, at most maxBytes of it when maxBytes is not negative (a longer file
// throws FileTooLarge, having read no more than maxBytes + 1 bytes). Throws RunError 53 (missing),
// 70 (access denied), 76 (folder missing), 52 (empty or invalid name) or 75 (any other failure),
// with the path.
QString readSingleByteFile(const QString& path, qint64 maxBytes = -1);

// Writes the text as the whole new content of the file. The bytes go to a temporary file
// in the same folder first and replace the old file only when they were all written, so
// a failure never loses an existing file. Throws RunError as readSingleByteFile does,
// 61 when the disk is full.
void writeSingleByteFile(const QString& path, const QString& text);

// Writes the bytes the same safe way (used for pictures too).
void writeFileReplacing(const QString& path, const QByteArray& bytes);

}  // namespace pixmint
