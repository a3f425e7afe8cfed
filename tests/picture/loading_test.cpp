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

#include <functional>
#include <iostream>
#include <tuple>

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

QByteArray noisePng()
{
    return encoded(testing::noise(24, 16), "png");
}

QByteArray noiseJpeg()
{
    return encoded(testing::noise(24, 16), "jpg");
}

struct RefusedCase {
    const char* name;
    const char* file;  // in the test's folder; "" the folder itself, nullptr an empty path
    std::function<QByteArray()> bytes;  // the file's; none for a file that is missing
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedPicture : public LoadPicture, public ::testing::WithParamInterface<RefusedCase> {};

// Beside every file lies twin.png, a picture that loads.
TEST_P(RefusedPicture, IsNoReadablePicture)
{
    const RefusedCase& c = GetParam();
    write(QStringLiteral("twin.png"), noisePng());
    QString path;
    if (c.file && *c.file)
        path = c.bytes ? write(QString::fromUtf8(c.file), c.bytes())
                       : m_dir.filePath(QString::fromUtf8(c.file));
    else if (c.file)
        path = m_dir.path();
    EXPECT_TRUE(loadPicture(path).isNull());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LoadPicture, RefusedPicture, ::testing::Values(
    RefusedCase{"MissingFile", "absent.png", {}},
    RefusedCase{"MissingFileWhoseNameASuffixWouldComplete", "twin", {}},
    RefusedCase{"EmptyPath", nullptr, {}},
    RefusedCase{"AFolder", "", {}},
    RefusedCase{"EmptyFile", "empty.png", [] { return QByteArray(); }},
    RefusedCase{"Text", "text.png", [] { return QByteArray("Bu bir resim değil.\r\n"); }},
    RefusedCase{"PngCutShort", "cut.png", [] { const QByteArray png = noisePng(); return png.left(png.size() / 2); }},
    RefusedCase{"JpegHeaderOnly", "cut.jpg", [] { return noiseJpeg().left(200); }},
    RefusedCase{"BmpClaiming60000x60000", "huge.bmp", [] { return bmpClaiming(60000, 60000); }},
    RefusedCase{"BmpClaiming10001x10000", "over.bmp", [] { return bmpClaiming(10001, 10000); }},
    RefusedCase{"BmpClaimingANegativeWidth", "neg.bmp", [] { return bmpClaiming(-5, 5); }},
    RefusedCase{"GifClaiming65535x65535", "huge.gif", [] { return gifClaiming(65535, 65535); }}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST_F(LoadPicture, TheTwinOfAMissingNameLoads)
{
    EXPECT_FALSE(loadPicture(write(QStringLiteral("twin.png"), noisePng())).isNull());
}

// The pixels of one picture, each a grey with an alpha, and the channels they load with,
// worked out by hand from (c × a + 255 × (255 − a) + 127) div 255.
struct AlphaCase {
    const char* name;
    int channel;
    int alpha;
    int expected;
};

const AlphaCase kAlphaCases[] = {
    {"ClearBlack", 0, 0, 255},
    {"ClearGrey", 200, 0, 255},
    {"BlackBarelyThere", 0, 1, 254},
    {"BlackHalfCovering", 0, 128, 127},
    {"GreyHalfCovering", 200, 128, 227},
    {"GreyNearlyOpaque", 100, 254, 101},
    {"BlackNearlyOpaque", 0, 254, 1},
    {"Opaque", 37, 255, 37},
    {"RoundedUp", 1, 127, 128},
    {"WhiteStaysWhite", 255, 77, 255},
    {"DarkGreyMostlyCovering", 10, 200, 63},
};
constexpr int kAlphaCount = static_cast<int>(std::size(kAlphaCases));

QImage straightAlpha()
{
    QImage straight(kAlphaCount, 1, QImage::Format_ARGB32);
    for (int x = 0; x < kAlphaCount; ++x) {
        const AlphaCase& c = kAlphaCases[x];
        straight.setPixel(x, 0, qRgba(c.channel, c.channel, c.channel, c.alpha));
    }
    return straight;
}

QImage paletteWithAlpha()
{
    const QImage straight = straightAlpha();
    QImage palette(straight.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int x = 0; x < kAlphaCount; ++x)
        table << straight.pixel(x, 0);
    palette.setColorTable(table);
    for (int x = 0; x < kAlphaCount; ++x)
        palette.setPixel(x, 0, static_cast<uint>(x));
    return palette;
}

struct AlphaPicture {
    const char* name;
    QImage (*picture)();
};

void PrintTo(const AlphaPicture& kind, std::ostream* os)
{
    *os << kind.name;
}

// A pixel of the picture, by its place.
class TransparentPixel : public ::testing::TestWithParam<std::tuple<AlphaPicture, int>> {};

TEST_P(TransparentPixel, IsLaidOnWhite)
{
    const auto& [kind, x] = GetParam();
    const AlphaCase& c = kAlphaCases[x];
    const QImage loaded = loadPictureFromData(encoded(kind.picture(), "png"));
    ASSERT_EQ(loaded.format(), QImage::Format_RGB32);
    ASSERT_EQ(loaded.size(), QSize(kAlphaCount, 1));
    const QRgb p = loaded.pixel(x, 0);
    EXPECT_EQ(qRed(p), c.expected);
    EXPECT_EQ(qGreen(p), c.expected);
    EXPECT_EQ(qBlue(p), c.expected);
    EXPECT_EQ(qAlpha(p), 255);
}

INSTANTIATE_TEST_SUITE_P(
    LoadPicture, TransparentPixel,
    ::testing::Combine(::testing::Values(AlphaPicture{"StraightAlpha", straightAlpha},
                                         AlphaPicture{"PaletteWithAlpha", paletteWithAlpha}),
                       ::testing::Range(0, kAlphaCount)),
    [](const auto& tested) {
        return std::string(std::get<0>(tested.param).name) + "_" +
               kAlphaCases[std::get<1>(tested.param)].name;
    });

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
    const qsizetype length = 2 + 6 + tiff.size();
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
