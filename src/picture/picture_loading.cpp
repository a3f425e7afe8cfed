#include "picture_loading.h"

#include "run_error.h"
#include "single_byte_text.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <algorithm>

namespace pixmint {

namespace {

// Decoders claim their pixel memory through Qt's allocation limit. The largest picture we
// accept, 100 million pixels, needs 400 MB at 8 bits a channel and 800 MB at 16 bits (a
// 16-bit PNG is decoded as RGBA64); a header that lies about a larger size is refused
// before any of it is claimed, and this limit stops a decoder whose size we cannot ask
// in advance.
constexpr int kAllocationLimitMb =
    static_cast<int>(kMaxPicturePixels * 8 / (qint64{1024} * 1024)) + 1;

void raiseAllocationLimitOnce()
{
    static const bool done = [] {
        if (QImageReader::allocationLimit() < kAllocationLimitMb)
            QImageReader::setAllocationLimit(kAllocationLimitMb);
        return true;
    }();
    Q_UNUSED(done);
}

// The limit is one plain number inside Qt that every decoder reads, on whatever thread it
// runs. Raised as the program starts, on its first thread, it is never written while the
// main window decodes a picture on a thread of the pool and Qt reads it on another.
[[maybe_unused]] const bool kAllocationLimitRaisedAtStart = (raiseAllocationLimitOnce(), true);

bool tooLarge(QSize size)
{
    return static_cast<qint64>(size.width()) * size.height() > kMaxPicturePixels;
}

// (c × a + 255 × (255 − a) + 127) div 255 for each channel: the colour as it shows on white.
inline QRgb onWhite(QRgb pixel)
{
    const auto a = static_cast<quint32>(qAlpha(pixel));
    const quint32 back = 255 * (255 - a) + 127;
    const auto channel = [&](int c) {
        return static_cast<int>((static_cast<quint32>(c) * a + back) / 255);
    };
    return qRgb(channel(qRed(pixel)), channel(qGreen(pixel)), channel(qBlue(pixel)));
}

// Lays a picture with transparency on white, in place where the format allows it.
void flattenOnWhite(QImage& image)
{
    if (image.format() == QImage::Format_Indexed8) {
        // A palette picture: the colour table is all there is to flatten.
        QList<QRgb> table = image.colorTable();
        for (QRgb& entry : table)
            entry = onWhite(entry);
        image.setColorTable(table);
        image.convertTo(QImage::Format_RGB32);
        return;
    }
    // The formula works on straight (not premultiplied) channels, 8 bits each.
    image.convertTo(QImage::Format_ARGB32);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = onWhite(line[x]);
    }
    // Every alpha byte is now 0xFF, which is what RGB32 holds: no conversion pass needed.
    image.reinterpretAsFormat(QImage::Format_RGB32);
}

// Reads the reader's current picture.
QImage decodeCurrent(QImageReader& reader)
{
    // The header's size, asked before anything is decoded. A reader that cannot tell in
    // advance is still held by the allocation limit, and its result is checked below.
    const QSize claimed = reader.size();
    if (claimed.isValid() && (claimed.isEmpty() || tooLarge(claimed)))
        return {};

    QImage image;
    if (!reader.read(&image) || image.isNull() || tooLarge(image.size()))
        return {};

    if (image.hasAlphaChannel())
        flattenOnWhite(image);
    else
        image.convertTo(QImage::Format_RGB32);
    return image;
}

QImage decode(QIODevice& device)
{
    raiseAllocationLimitOnce();
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    return decodeCurrent(reader);
}

}  // namespace

PictureFrames::PictureFrames(const QString& path, bool everyFrame) : m_file(path)
{
    raiseAllocationLimitOnce();
    if (path.isEmpty() || !m_file.open(QIODevice::ReadOnly))
        return;
    m_reader.setDevice(&m_file);
    m_reader.setAutoTransform(true);
    // A GIF is counted by a scan of its blocks, a TIFF by its directories; a reader that
    // cannot count delivers one picture.
    m_count = everyFrame ? std::max(m_reader.imageCount(), 1) : 1;
}

std::optional<QImage> PictureFrames::next()
{
    if (m_next >= m_count)
        return std::nullopt;
    if (!m_file.isOpen()) {
        m_next = m_count;
        return QImage();
    }
    // An animation moves on by itself after each frame (its reader cannot jump); a
    // multi-page file moves on only when told to.
    if (m_next > 0 && m_reader.currentImageNumber() < m_next)
        m_reader.jumpToNextImage();
    ++m_next;
    QImage frame = decodeCurrent(m_reader);
    if (frame.isNull())
        m_next = m_count;  // nothing after a frame that cannot be read
    return frame;
}

QImage loadPicture(const QString& path)
{
    // The file is opened here rather than handed to QImageReader by name: given a name
    // that does not exist, the reader would try the name with picture suffixes appended
    // and might load some other file.
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return decode(file);
}

QImage loadPictureFromData(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    return decode(buffer);
}

QByteArray encodePicture(const QImage& picture, const char* format, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, format))
        throw RunError(PathFileAccessError, path);
    return bytes;
}

void savePicture(const QImage& picture, const char* format, const QString& path)
{
    writeFileReplacing(path, encodePicture(picture, format, path));
}

QString unreadablePictureMessage(const QString& path)
{
    return QStringLiteral("Resim dosyası okunamadı:\r\n") + path;
}

}  // namespace pixmint
