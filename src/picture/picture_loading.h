#pragma once

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <optional>

namespace pixmint {

// The largest picture the program decodes, in pixels.
constexpr qint64 kMaxPicturePixels = 100'000'000;

// Decodes a picture file (BMP, JPEG, PNG, GIF first frame, ICO first image, and whatever
// else the installed plugins read) at its natural size, upright as photo viewers show it
// (EXIF orientation applied). Transparent pixels are laid on white: each channel c of a
// pixel of alpha a becomes (c × a + 255 × (255 − a) + 127) div 255. The result is an
// opaque Format_RGB32 image. Returns a null image for a file that is missing, damaged, not
// a picture, or larger than kMaxPicturePixels; memory is never claimed for such a file.
QImage loadPicture(const QString& path);

// The same for a picture held in memory (the bytes of a file).
QImage loadPictureFromData(const QByteArray& bytes);

// The pictures of one file in turn, each decoded as loadPicture decodes it: with everyFrame
// every frame of an animation (a GIF's frames come fully composed, the disposal of each
// frame applied) or every page of a multi-page file (TIFF), in the file's order; without it
// the first picture alone. One frame is held at a time.
class PictureFrames {
public:
    PictureFrames(const QString& path, bool everyFrame);
    PictureFrames(const PictureFrames&) = delete;
    PictureFrames& operator=(const PictureFrames&) = delete;

    // The next picture; a null image for one that cannot be read (a missing or damaged
    // file), after which nothing more comes; nothing after the last.
    std::optional<QImage> next();

private:
    QFile m_file;
    QImageReader m_reader;
    int m_count = 1;
    int m_next = 0;
};

// The bytes of a picture file in the given format ("BMP", "PNG"). Throws RunError 75
// naming the path when the picture cannot be encoded.
QByteArray encodePicture(const QImage& picture, const char* format, const QString& path);

// Writes the picture as a file of the given format, whatever the name's extension; an
// existing file is replaced only by a completely written new one. Throws RunError.
void savePicture(const QImage& picture, const char* format, const QString& path);

// "Resim dosyası okunamadı:" CR LF and the path.
QString unreadablePictureMessage(const QString& path);

}  // namespace pixmint
