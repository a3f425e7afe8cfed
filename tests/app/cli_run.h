#pragma once

#include "cli_commands.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <sstream>

namespace pixmint::testing {

// What one run of the tool left behind.
struct CliResult {
    int status = -1;
    QByteArray out;  // the bytes of standard output
    QString err;     // standard error, decoded
};

inline CliResult runCli(const QStringList& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    CliResult result;
    result.status = cli::run(arguments, out, err);
    result.out = QByteArray::fromStdString(out.str());
    result.err = QString::fromStdString(err.str());
    return result;
}

// A picture with the things the threshold and the scaling meet: hard edges, a colour
// near the threshold, a gradient, a thin line and half-transparent paint.
inline QImage samplePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(width / 10, height / 8, width / 3, height / 2, QColor(200, 30, 30));
    painter.setBrush(QColor(127, 128, 128));
    painter.setPen(Qt::black);
    painter.drawEllipse(QRect(width / 2, height / 5, width / 3, height / 2));
    QLinearGradient gradient(0, 0, width, 0);
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(0, height * 3 / 4, width, height / 8, gradient);
    painter.drawLine(0, height - 1, width - 1, 0);
    painter.fillRect(width * 3 / 4, 0, width / 4, height / 3, QColor(0, 0, 0, 100));
    painter.end();
    return picture;
}

}  // namespace pixmint::testing
