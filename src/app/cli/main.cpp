#include "cli_commands.h"

#include <QCoreApplication>

#include <iostream>

// pixmint-cli: the picture and converter roads of Pixmint for build scripts. It needs no
// display: picture files are decoded and written without a window system.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pixmint-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PIXMINT_VERSION_TEXT));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return pixmint::cli::run(arguments, std::cout, std::cerr);
}
