#include "event_yield.h"
#include "form1.h"
#include "picture_box.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "window_test.h"

#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::DialogCall;
using testing::ScriptedDialogs;

// Drives the picture commands of a real main window with scripted dialogs.
class PictureCommandsTest : public ::testing::Test {
public:
    void SetUp() override { m_form = std::make_unique<Form1>(m_state, m_dialogs); }

    QString picture(const QString& name, const QImage& image)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    // A 128 × 64 drawing: black shapes on white, some pixels of every page set.
    static QImage drawing(int width = 128, int height = 64)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.fillRect(QRect(3, 2, width / 3, height / 2), Qt::black);
        p.fillRect(QRect(width / 2, height / 3, width / 4, height / 2), QColor(40, 40, 40));
        p.setPen(Qt::black);
        p.drawLine(0, height - 1, width - 1, 0);
        return image;
    }
    void load(const QString& path)
    {
        m_dialogs.queueFile(path);
        testing::click(m_form.get(), "Command1");
    }
    QString text1() const { return child<QPlainTextEdit>("Text1")->toPlainText(); }
    template <typename T>
    T* child(const char* name) const
    {
        return m_form->findChild<T*>(QString::fromUtf8(name));
    }
    PictureBox* box(const char* name) const { return child<PictureBox>(name); }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const DialogCall& call : m_dialogs.messages())
            texts << call.title + QStringLiteral(": ") + call.text;
        return texts;
    }

    QTemporaryDir m_dir;
    ProgramState m_state;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form1> m_form;
};

TEST_F(PictureCommandsTest, LoadShowsThePictureAndConvertFillsEveryStage)
{
    const QString path = picture(QStringLiteral("çizim.png"), drawing(300, 200));
    load(path);
    ASSERT_EQ(m_dialogs.calls().size(), 1);
    EXPECT_EQ(
        m_dialogs.calls()[0].request.filter,
        QStringLiteral(
            "Images (*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO)|*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO"));
    EXPECT_EQ(m_state.ResimYolu, path);
    EXPECT_EQ(box("Picture2")->image().size(), QSize(300, 200));
    EXPECT_EQ(box("Picture1(0)")->image().size(), box("Picture1(0)")->innerSize());
    EXPECT_EQ(text1(), QStringLiteral("Text1"));

    testing::click(m_form.get(), "Command2");
    EXPECT_TRUE(m_dialogs.messages().isEmpty())
        << messageTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(box("Picture3")->image().size(), QSize(128, 64));
    EXPECT_EQ(box("Picture1(1)")->image().size(), box("Picture1(1)")->innerSize());
    EXPECT_EQ(m_state.PikselDizisi.width(), 128);
    EXPECT_EQ(m_state.PikselDizisi.height(), 64);
    EXPECT_EQ(m_state.BaytTablosu.size(), 1024);
    EXPECT_TRUE(text1().startsWith(QLatin1Char(';') + path + QLatin1Char('\n')));
    EXPECT_EQ(text1().count(QLatin1Char('\n')), 1 + 64);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->value(), 0);
    EXPECT_EQ(child<QProgressBar>("ProgressBar1")->maximum(), 301 * 201);

    // The same command again gives the same text.
    const QString first = text1();
    testing::click(m_form.get(), "Command2");
    EXPECT_EQ(text1(), first);
}

TEST_F(PictureCommandsTest, UnfittedPreviewsShowThePictureAtItsOwnSize)
{
    child<QCheckBox>("Check1")->setChecked(false);
    child<QCheckBox>("Check2")->setChecked(false);
    load(picture(QStringLiteral("büyük.png"), drawing(400, 300)));
    EXPECT_EQ(box("Picture1(0)")->image().size(), box("Picture1(0)")->innerSize());
    EXPECT_EQ(box("Picture1(0)")->image().pixel(10, 10), qRgb(0, 0, 0));
    testing::click(m_form.get(), "Command2");
    EXPECT_EQ(box("Picture1(1)")->image().size(), QSize(128, 64));
}

TEST_F(PictureCommandsTest, InvertingAPictureOfTheTargetSizeInvertsEveryBit)
{
    load(picture(QStringLiteral("tam.bmp"), drawing()));
    testing::click(m_form.get(), "Command2");
    const QStringList plain = m_state.BaytTablosu;
    testing::click(m_form.get(), "Command4");
    const QStringList inverted = m_state.BaytTablosu;
    ASSERT_EQ(plain.size(), inverted.size());
    int differing = 0;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(plain[i].toInt(nullptr, 16) ^ 0xFF, inverted[i].toInt(nullptr, 16)) << i;
        differing += plain[i] != QStringLiteral("00");
    }
    EXPECT_GT(differing, 50);
    // Pressed twice, "Resmi Tersle" gives the same result: it does not toggle back.
    testing::click(m_form.get(), "Command4");
    EXPECT_EQ(m_state.BaytTablosu, inverted);
}

TEST_F(PictureCommandsTest, CancelledSecondLoadEmptiesThePicturesButKeepsTheText)
{
    load(picture(QStringLiteral("a.png"), drawing()));
    testing::click(m_form.get(), "Command2");
    const QString text = text1();
    m_dialogs.queueFile(std::nullopt);
    testing::click(m_form.get(), "Command1");
    for (const char* name : {"Picture1(0)", "Picture1(1)", "Picture2", "Picture3"})
        EXPECT_TRUE(box(name)->isEmpty()) << name;
    EXPECT_TRUE(m_state.ResimYolu.isEmpty());
    EXPECT_EQ(text1(), text);
    EXPECT_EQ(m_state.BaytTablosu.size(), 1024);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(PictureCommandsTest, FailuresLeaveEverythingAsItWas)
{
    struct Case {
        const char* name;
        std::function<void(PictureCommandsTest&)> arrange;
        QString message;
    };
    const QString sizeMessage = QStringLiteral(
        "Hata: En ve yükseklik 1 ile 16384 arasında olmalı; en × yükseklik en fazla 16777216 "
        "piksel "
        "olabilir.");
    const QList<Case> cases = {
        {"nothing loaded", [](PictureCommandsTest& t) { t.m_state.ResimYolu.clear(); },
         QStringLiteral("Hata: Önce bir resim yükleyin.")},
        {"width 0",
         [](PictureCommandsTest& t) { t.child<QLineEdit>("BmpEn")->setText(QStringLiteral("0")); },
         sizeMessage},
        {"height abc",
         [](PictureCommandsTest& t) {
             t.child<QLineEdit>("BmpYükseklik")->setText(QStringLiteral("abc"));
         },
         sizeMessage},
        {"too many pixels",
         [](PictureCommandsTest& t) {
             t.child<QLineEdit>("BmpEn")->setText(QStringLiteral("16384"));
             t.child<QLineEdit>("BmpYükseklik")->setText(QStringLiteral("1032"));
         },
         sizeMessage},
        {"file deleted since the load",
         [](PictureCommandsTest& t) { QFile::remove(t.m_state.ResimYolu); },
         QStringLiteral("Hata: Resim dosyası okunamadı:\r\n")},
    };
    for (const Case& c : cases) {
        SetUp();
        m_dialogs.clearCalls();
        const QString path = picture(QStringLiteral("resim.png"), drawing());
        load(path);
        testing::click(m_form.get(), "Command2");
        const QStringList table = m_state.BaytTablosu;
        const QString text = text1();
        const QImage target = box("Picture1(1)")->image();
        c.arrange(*this);
        testing::click(m_form.get(), "Command2");
        SCOPED_TRACE(c.name);
        const DialogCall shown = m_dialogs.onlyMessage();
        EXPECT_TRUE((shown.title + QStringLiteral(": ") + shown.text).startsWith(c.message))
            << shown.text.toStdString();
        EXPECT_EQ(m_state.BaytTablosu, table) << c.name;
        EXPECT_EQ(text1(), text) << c.name;
        EXPECT_EQ(box("Picture1(1)")->image(), target) << c.name;
        EXPECT_FALSE(m_state.busy);
    }
}

TEST_F(PictureCommandsTest, UnreadableFileOnLoadEmptiesThePathAndSaysSo)
{
    const QString path = m_dir.filePath(QStringLiteral("bozuk.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("bu bir resim değil");
    file.close();
    load(path);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("Hata"));
    EXPECT_EQ(m_dialogs.messages()[0].text, QStringLiteral("Resim dosyası okunamadı:\r\n") + path);
    EXPECT_TRUE(m_state.ResimYolu.isEmpty());
    EXPECT_TRUE(box("Picture1(0)")->isEmpty());
}

TEST_F(PictureCommandsTest, SavedPictureIsABitmapOfTheTargetSizeWhateverItsName)
{
    load(picture(QStringLiteral("logo.png"), drawing(256, 128)));
    testing::click(m_form.get(), "Command2");
    const QString chosen = m_dir.filePath(QStringLiteral("sonuç"));
    m_dialogs.queueFile(chosen + QStringLiteral(".jpg"));  // the dialog adds the default extension
    testing::click(m_form.get(), "Command5");
    const DialogCall& call = m_dialogs.calls().last();
    EXPECT_EQ(call.kind, DialogCall::Save);
    EXPECT_EQ(call.request.defaultExtension, QStringLiteral(".jpg"));
    EXPECT_EQ(call.request.filter,
              QStringLiteral("Resim Dosyaları(*.bmp;*.gif;*.jpg;*.png)|*.bmp;*.gif;*.jpg;*.png|Tüm "
                             "resimdosyasılar(*.*)|*.*"));
    EXPECT_EQ(m_state.ResimYolu, chosen + QStringLiteral(".jpg"));
    QImageReader reader(chosen + QStringLiteral(".jpg"));
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    const QImage saved = reader.read();
    EXPECT_EQ(saved.size(), QSize(128, 64));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), box("Picture3")->image());

    // A cancelled dialog writes nothing and says nothing; a failed write is reported.
    m_dialogs.queueFile(std::nullopt);
    testing::click(m_form.get(), "Command5");
    EXPECT_TRUE(m_state.ResimYolu.isEmpty());
    m_dialogs.queueFile(m_dir.filePath(QStringLiteral("yok/x.bmp")));
    testing::click(m_form.get(), "Command5");
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("Hata :76"));
}

// "Dönüştür" hands the program's picture settings to the road when it runs: its table is
// the road's table for those settings.
// "Dönüştür" hands the road the program's picture settings and, as its fit, whether
// "Çerçeveye Sığdır" of the target is ticked (which only average scaling reads).
TEST_F(PictureCommandsTest, ConvertUsesTheProgramsPictureSettings)
{
    const QString path = picture(QStringLiteral("ayar.png"), drawing(36, 20));
    PictureSettings turned;
    turned.rotation = Rotation::Half;
    turned.layout = ByteLayout::RowsMsbLeft;
    PictureSettings averaged;
    averaged.scaling = Scaling::Average;
    averaged.method = Method::FloydSteinberg;
    const struct {
        const char* name;
        PictureSettings settings;
        bool fit;
    } cases[] = {{"turned, rows layout", turned, true}, {"average, cut", averaged, false}};
    load(path);
    child<QLineEdit>("BmpEn")->setText(QStringLiteral("12"));
    child<QLineEdit>("BmpYükseklik")->setText(QStringLiteral("8"));
    const auto roadTable = [&path](const PictureSettings& settings, bool fit) {
        PictureRoadRequest request;
        request.path = path;
        request.target = TargetSize{12, 8};
        request.settings = settings;
        request.fit = fit;
        EventYield none;
        return runPictureRoad(
                   request, [&path] { return loadPicture(path); }, nullptr, none)
            .bytes;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes expected = roadTable(c.settings, c.fit);
        // The bytes tell a window that forgot the settings, or the fit, from one that did not.
        EXPECT_NE(expected, roadTable(PictureSettings{}, c.fit));
        if (!c.fit) {
            EXPECT_NE(expected, roadTable(c.settings, true));
        }

        m_state.picture.setSettings(c.settings);
        child<QCheckBox>("Check2")->setChecked(c.fit);
        testing::click(m_form.get(), "Command2");
        EXPECT_EQ(m_state.BaytTablosu, twoDigitTexts(expected));
    }
}

TEST_F(PictureCommandsTest, CommandsDoNothingWhileAConversionRuns)
{
    load(picture(QStringLiteral("a.png"), drawing()));
    m_state.busy = true;
    testing::click(m_form.get(), "Command2");
    testing::click(m_form.get(), "Command1");
    testing::click(m_form.get(), "Command3");
    testing::click(m_form.get(), "Command5");
    EXPECT_EQ(m_dialogs.calls().size(), 1);
    EXPECT_EQ(text1(), QStringLiteral("Text1"));
}

}  // namespace
}  // namespace pixmint

namespace pixmint {
namespace {

// While "Dönüştür" works on a large picture the window keeps processing events: commands
// pressed meanwhile do nothing, and closing the window stops the work cleanly.
TEST_F(PictureCommandsTest, TheWindowReactsDuringAConversionAndCanBeClosed)
{
    QImage big(3000, 2000, QImage::Format_RGB32);
    big.fill(Qt::white);
    QPainter(&big).fillRect(100, 100, 1500, 900, Qt::black);
    load(picture(QStringLiteral("büyük.bmp"), big));
    m_form->show();
    m_dialogs.clearCalls();

    int pressed = 0;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        ++pressed;
        testing::click(m_form.get(), "Command1");
        testing::click(m_form.get(), "Command4");
        testing::click(m_form.get(), "Command5");
        testing::click(m_form.get(), "Command6");
    });
    presser.start(1);
    testing::click(m_form.get(), "Command2");
    presser.stop();
    EXPECT_GT(pressed, 0);
    EXPECT_TRUE(m_dialogs.calls().isEmpty());
    EXPECT_EQ(m_state.BaytTablosu.size(), 1024);
    EXPECT_FALSE(m_state.busy);

    // Closed half-way: the work stops at its next yield and leaves the table as it was.
    const QStringList before = m_state.BaytTablosu;
    m_state.BaytTablosu.clear();
    bool closed = false;
    QObject::connect(m_form.get(), &Form1::closed, [&] { closed = true; });
    QTimer::singleShot(1, m_form.get(), [&] { m_form->close(); });
    testing::click(m_form.get(), "Command4");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(m_state.BaytTablosu.isEmpty());
    EXPECT_FALSE(m_state.busy);
    EXPECT_TRUE(m_dialogs.calls().isEmpty());
    EXPECT_EQ(before.size(), 1024);

    // Closed while "Resim Yükle" waits for the decoding: nothing is shown, nothing is said.
    SetUp();
    QObject::connect(m_form.get(), &Form1::closed, [&] { closed = true; });
    closed = false;
    m_form->show();
    QTimer::singleShot(1, m_form.get(), [&] { m_form->close(); });
    load(m_state.ResimYolu);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(box("Picture2")->isEmpty());
    EXPECT_TRUE(m_state.picture.preview().isNull());
    EXPECT_FALSE(m_state.busy);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

}  // namespace
}  // namespace pixmint
