// The pictures the quality comparison of quality.sh needs, made by Pixmint's own routines:
// the area-averaged grey picture at the target size (grey.pgm), and what Floyd–Steinberg,
// Atkinson and Bayer make of it (floyd-steinberg.pgm, atkinson.pgm, bayer.pgm; black 0,
// white 255). The dithered pictures are exactly what the picture road gives for
// --scaling average with each method.
//
//   pixmint_dither_pictures PICTURE WIDTH HEIGHT FOLDER

#include "dithering.h"
#include "event_yield.h"
#include "grey_levels.h"
#include "picture_loading.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <cstdio>

namespace {

using namespace pixmint;

bool save(const QImage& picture, const QString& folder, const char* name)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".pgm"));
    if (picture.save(path, "PGM"))
        return true;
    std::fprintf(stderr, "pixmint_dither_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

QImage asPicture(const PixelGrid& dark)
{
    QImage picture(dark.width(), dark.height(), QImage::Format_Grayscale8);
    for (int y = 0; y < dark.height(); ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < dark.width(); ++x)
            line[x] = dark.at(x, y) ? 0 : 255;
    }
    return picture;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s PICTURE WIDTH HEIGHT FOLDER\n", argv[0]);
        return 2;
    }
    const QImage picture = loadPicture(QString::fromLocal8Bit(argv[1]));
    const QSize size(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    const QString folder = QString::fromLocal8Bit(argv[4]);
    if (picture.isNull() || size.isEmpty()) {
        std::fprintf(stderr, "pixmint_dither_pictures: cannot read %s\n", argv[1]);
        return 1;
    }
    EventYield none;
    const QImage grey = averageGrey(picture, size, nullptr, none);
    bool saved = save(grey, folder, "grey");
    const std::pair<Method, const char*> methods[] = {{Method::FloydSteinberg, "floyd-steinberg"},
                                                      {Method::Atkinson, "atkinson"},
                                                      {Method::Bayer, "bayer"}};
    for (const auto& [method, name] : methods)
        saved = save(asPicture(darkPixels(grey, method, 127, none)), folder, name) && saved;
    return saved ? 0 : 1;
}
