#pragma once

#include <QString>

#include <stdexcept>

namespace pixmint {

// The numbers of the run-time errors the program raises and shows.
enum ErrorNumber : int {
    InvalidArgument = 5,
    Overflow = 6,
    IndexOutOfRange = 9,
    TypeMismatch = 13,
    BadFileName = 52,
    FileNotFound = 53,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    DialogCancelled = 32755,
};

// A run-time error: a number and its Turkish description, optionally followed by a
// second line (a path, for file errors). Raised by the routines and caught only by the
// handlers that show it; no RunError ever crosses the event loop.
class RunError : public std::exception {
public:
    explicit RunError(int number, const QString& detail = {});

    int number() const { return m_number; }
    // The description of the number, with the detail on a second line when there is one.
    QString description() const { return m_description; }
    // "Hata :" followed at once by the number, the title of the message box that shows it.
    QString title(const QString& word = QStringLiteral("Hata :")) const;

    const char* what() const noexcept override { return m_what.constData(); }

    // The Turkish description of an error number; empty for an unknown number.
    static QString describe(int number);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

// Thrown out of a long piece of work when its window asked it to stop (the window is
// closing). Not an error: the command that started the work returns silently.
class WorkAborted : public std::exception {
public:
    const char* what() const noexcept override { return "work aborted"; }
};

}  // namespace pixmint
