#include "event_yield.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "picture_samples.h"
#include "test_paths.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <iostream>

namespace pixmint {
namespace {

QByteArray encoded(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

void appendLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A BMP whose header claims the size but that holds only a few pixel bytes.
QByteArray bmpClaiming(qint32 width, qint32 height)
{
    QByteArray bytes("BM");
    appendLe(bytes, 54 + 16, 4);  // file size
    appendLe(bytes, 0, 4);
    appendLe(bytes, 54, 4);  // pixel offset
    appendLe(bytes, 40, 4);
    appendLe(bytes, static_cast<quint32>(width), 4);
    appendLe(bytes, static_cast<quint32>(height), 4);
    appendLe(bytes, 1, 2);   // planes
    appendLe(bytes, 24, 2);  // bits per pixel
    for (int i = 0; i < 6; ++i)
        appendLe(bytes, 0, 4);
    bytes.append(16, '\0');
    return bytes;
}

// A GIF whose screen and image both claim the size, with a tiny code stream.
QByteArray gifClaiming(quint16 width, quint16 height)
{
    QByteArray bytes("GIF89a");
    appendLe(bytes, width, 2);
    appendLe(bytes, height, 2);
    bytes.append("\x80\x00\x00", 3);  // global colour table of two entries
    bytes.append("\x00\x00\x00\xFF\xFF\xFF", 6);
    bytes.append('\x2C');
    appendLe(bytes, 0, 4);
    appendLe(bytes, width, 2);
    appendLe(bytes, height, 2);
    bytes.append('\x00');
    bytes.append("\x02\x02\x4C\x01\x00", 5);  // minimum code size 2, one data block
    bytes.append('\x3B');
    return bytes;
}

class LoadPicture : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

TEST_F(LoadPicture, RefusesWhatIsNoReadablePicture)
{
    const QByteArray png = encoded(testing::noise(24, 16), "png");
    const QByteArray jpeg = encoded(testing::noise(24, 16), "jpg");
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"missing file", m_dir.filePath(QStringLiteral("absent.png"))},
        {"missing file whose name a suffix would complete", m_dir.filePath(QStringLiteral("twin"))},
        {"empty path", QString()},
        {"a folder", m_dir.path()},
        {"empty file", write(QStringLiteral("empty.png"), {})},
        {"text", write(QStringLiteral("text.png"), "Bu bir resim değil.\r\n")},
        {"png cut short", write(QStringLiteral("cut.png"), png.left(png.size() / 2))},
        {"jpeg header only", write(QStringLiteral("cut.jpg"), jpeg.left(200))},
        {"bmp claiming 60000 x 60000",
         write(QStringLiteral("huge.bmp"), bmpClaiming(60000, 60000))},
        {"bmp claiming 10001 x 10000",
         write(QStringLiteral("over.bmp"), bmpClaiming(10001, 10000))},
        {"bmp claiming a negative width", write(QStringLiteral("neg.bmp"), bmpClaiming(-5, 5))},
        {"gif claiming 65535 x 65535",
         write(QStringLiteral("huge.gif"), gifClaiming(65535, 65535))},
    };
    write(QStringLiteral("twin.png"), png);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(loadPicture(c.path).isNull());
    }
    EXPECT_FALSE(loadPicture(m_dir.filePath(QStringLiteral("twin.png"))).isNull());
}

TEST_F(LoadPicture, TransparentPixelsAreLaidOnWhite)
{
    // Expected channels worked out by hand from (c × a + 255 × (255 − a) + 127) div 255.
    struct Case {
        int channel, alpha, expected;
    };
    const Case cases[] = {
        {0, 0, 255}, {200, 0, 255}, {0, 1, 254},   {0, 128, 127},  {200, 128, 227}, {100, 254, 101},
        {0, 254, 1}, {37, 255, 37}, {1, 127, 128}, {255, 77, 255}, {10, 200, 63},
    };
    QImage straight(static_cast<int>(std::size(cases)), 1, QImage::Format_ARGB32);
    QList<QRgb> table;
    for (int x = 0; x < straight.width(); ++x) {
        const auto& c = cases[x];
        table << qRgba(c.channel, c.channel, c.channel, c.alpha);
        straight.setPixel(x, 0, table.back());
    }
    QImage palette(straight.size(), QImage::Format_Indexed8);
    palette.setColorTable(table);
    for (int x = 0; x < palette.width(); ++x)
        palette.setPixel(x, 0, static_cast<uint>(x));

    for (const auto& [name, image] :
         {std::pair{"straight alpha", straight}, std::pair{"palette with alpha", palette}}) {
        SCOPED_TRACE(name);
        const QImage loaded = loadPictureFromData(encoded(image, "png"));
        ASSERT_EQ(loaded.format(), QImage::Format_RGB32);
        ASSERT_EQ(loaded.size(), straight.size());
        for (int x = 0; x < loaded.width(); ++x) {
            const auto& c = cases[x];
            const QRgb p = loaded.pixel(x, 0);
            EXPECT_EQ(qRed(p), c.expected) << "case " << x;
            EXPECT_EQ(qGreen(p), c.expected) << "case " << x;
            EXPECT_EQ(qBlue(p), c.expected) << "case " << x;
            EXPECT_EQ(qAlpha(p), 255);
        }
    }
}

TEST_F(LoadPicture, PhotoStandsAsItsExifOrientationSays)
{
    // 16 × 8, left half black. Orientation 6: shown turned a quarter clockwise, so the
    // left half becomes the top.
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    QByteArray jpeg = encoded(picture, "jpg", 100);

    const QByteArray tiff(
        "MM\x00\x2A\x00\x00\x00\x08"                        // big-endian header, IFD at 8
        "\x00\x01"                                          // one entry
        "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"  // orientation 6
        "\x00\x00\x00\x00",
        26);
    QByteArray app1("\xFF\xE1", 2);
    const int length = 2 + 6 + tiff.size();
    app1.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF));
    app1.append("Exif\0\0", 6).append(tiff);
    jpeg.insert(2, app1);  // right after the start-of-image marker

    const QImage loaded = loadPicture(write(QStringLiteral("turned.jpg"), jpeg));
    ASSERT_EQ(loaded.size(), QSize(8, 16));
    EXPECT_LT(qRed(loaded.pixel(4, 3)), 64);
    EXPECT_GT(qRed(loaded.pixel(4, 12)), 192);
}

TEST(UnreadablePicture, MessageNamesThePathOnASecondLine)
{
    EXPECT_EQ(unreadablePictureMessage(QStringLiteral("C:\\resim\\a.bmp")),
              QStringLiteral("Resim dosyası okunamadı:\r\nC:\\resim\\a.bmp"));
}

// Every file of the picture corpus: good, questionable, damaged and hostile ones. Each
// either loads and converts, or is refused with a null image; none may crash, hang or
// claim memory without bound (the test build runs under AddressSanitizer).
TEST(PictureCorpus, EveryFileConvertsOrIsRefused)
{
    const QString root = testing::testData(QStringLiteral("corpus/pictures"));
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    int files = 0, loaded = 0;
    QStringList unreadGood;
    // Every step of the photo road too: turned, mirrored, averaged, dithered, inverted, rows.
    PictureSettings photo;
    photo.rotation = Rotation::Quarter;
    photo.mirror = true;
    photo.scaling = Scaling::Average;
    photo.method = Method::FloydSteinberg;
    photo.layout = ByteLayout::RowsLsbLeft;
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        ++files;
        QImage picture = loadPicture(path);
        const QString relative = path.mid(root.size() + 1);
        if (picture.isNull()) {
            if (relative.startsWith(QStringLiteral("bmpsuite/g/")))
                unreadGood << relative.mid(11);
            continue;
        }
        ++loaded;
        EXPECT_EQ(picture.format(), QImage::Format_RGB32);
        EXPECT_LE(qint64(picture.width()) * picture.height(), kMaxPicturePixels);
        const PictureRoadOutcome converted = testing::convertedPicture(picture, 128, 64, false);
        EXPECT_EQ(converted.target.size(), QSize(128, 64));
        EXPECT_EQ(converted.grid.width(), 128);
        const PictureRoadOutcome dithered =
            testing::convertedPicture(picture, 100, 30, true, photo);
        EXPECT_EQ(dithered.bytes.size(), 13u * 30u);
    }
    EXPECT_GT(files, 400);
    EXPECT_GT(loaded, 200);
    unreadGood.sort();
    std::cout << "[ corpus   ] " << loaded << " of " << files << " files load; good BMP files "
              << "refused: " << unreadGood.join(QStringLiteral(", ")).toStdString() << '\n';
}

}  // namespace
}  // namespace pixmint
