#pragma once

#include <QString>

namespace pixmint {

// What a reader of include files takes. The converter's text pane lays out a very long line
// slowly (seconds for a few megabytes) and a huge file takes much memory, so it opens less
// than the command-line tool reads.
struct IncludeLimits {
    qint64 maxBytes;
    qsizetype maxLine;  // 0: lines of any length
};
constexpr IncludeLimits kPaneLimits{qint64{16} * 1024 * 1024, 65536};
// 64 MB holds a table of ten million numbers; a larger include file is no table a
// microcontroller could take, and reading it whole would only exhaust memory.
constexpr IncludeLimits kToolLimits{qint64{64} * 1024 * 1024, 0};

// An include file's text, or the message box that says why it was not read.
struct IncludeText {
    QString text;
    QString failureTitle;  // "Hata", or "Hata :" and the number of a file error
    QString failure;       // empty when the file was read

    bool ok() const { return failure.isEmpty(); }
};

// Reads the whole file one byte per character within the limits. A file too large or a
// line too long is refused with a message naming the limit and pixmint-cli (for the pane)
// or the limit alone (for the tool); a file that cannot be read with its file error.
IncludeText readIncludeFile(const QString& path, const IncludeLimits& limits);

}  // namespace pixmint
