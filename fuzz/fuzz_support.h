#pragma once

// Shared by the fuzz targets and their replay: one QCoreApplication for the whole run (the
// picture decoders are plugins), Qt's own warnings silenced, and a check that stops the run.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace pixmint_fuzz {

inline void quietMessages(QtMsgType, const QMessageLogContext&, const QString&) {}

inline void startApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "pixmint-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    Q_UNUSED(app);
}

// Stops the run with a message when a property of the routines does not hold.
inline void check(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "pixmint-fuzz: does not hold: %s\n", what);
    std::abort();
}

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace pixmint_fuzz
