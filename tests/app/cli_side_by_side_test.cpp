#include "cli_run.h"
#include "code_saving.h"
#include "event_yield.h"
#include "form1.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "single_byte_text.h"
#include "test_paths.h"
#include "window_test.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::CliResult;
using testing::runCli;
using testing::ScriptedDialogs;
using testing::testData;

// The settings of one comparison, as the window's boxes take them and as options.
struct Settings {
    const char* language;
    bool invert;
    const char* width;
    const char* height;
    const char* columns;  // nullptr: the preset
    int commandIndex;     // -1: the preset's selection
};

class SideBySide : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_picture = m_dir.filePath(QStringLiteral("logo.png"));
        ASSERT_TRUE(testing::samplePicture(100, 52).save(m_picture));
        m_form = std::make_unique<Form1>(m_state, m_dialogs);
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        m_dialogs.queueFile(m_picture);
        testing::click(m_form.get(), "Command1");
        ASSERT_EQ(m_state.ResimYolu, m_picture);
    }

    template <typename T>
    T* control(const char* name) const
    {
        T* found = m_form->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Types the language into its list as a person would, so that its presets apply.
    void typeLanguage(const QString& language)
    {
        auto* combo = control<QComboBox>("Combo1");
        combo->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        combo->lineEdit()->selectAll();
        QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(combo->lineEdit(), language);
    }

    // The window's code text as a file gets it, and the messages it showed.
    QByteArray runWindow(const Settings& s, QStringList& messages)
    {
        typeLanguage(QString::fromUtf8(s.language));
        control<QLineEdit>("BmpEn")->setText(QString::fromUtf8(s.width));
        control<QLineEdit>("BmpYükseklik")->setText(QString::fromUtf8(s.height));
        if (s.columns)
            control<QLineEdit>("SütunSayısı")->setText(QString::fromUtf8(s.columns));
        if (s.commandIndex >= 0)
            control<QComboBox>("Combo2")->setCurrentIndex(s.commandIndex);
        m_dialogs.clearCalls();
        if (s.invert)
            testing::click(m_form.get(), "Command4");
        else
            testing::click(m_form.get(), "Command2");
        for (const testing::DialogCall& call : m_dialogs.messages())
            messages << QStringLiteral("pixmint-cli: ") + call.title + QStringLiteral(": ") +
                            call.text;
        const QString text = control<QPlainTextEdit>("Text1")->toPlainText();
        return encodeWindows1254(withCrLf(text));
    }

    CliResult runTool(const Settings& s)
    {
        QStringList arguments = {QStringLiteral("picture"),
                                 m_picture,
                                 QStringLiteral("--lang"),
                                 QString::fromUtf8(s.language),
                                 QStringLiteral("--width"),
                                 QString::fromUtf8(s.width),
                                 QStringLiteral("--height=") + QString::fromUtf8(s.height)};
        if (s.columns)
            arguments << QStringLiteral("--columns") << QString::fromUtf8(s.columns);
        if (s.commandIndex >= 0)
            arguments << QStringLiteral("--command")
                      << control<QComboBox>("Combo2")->itemText(s.commandIndex);
        if (s.invert)
            arguments << QStringLiteral("--invert");
        return runCli(arguments);
    }

    QTemporaryDir m_dir;
    QString m_picture;
    ProgramState m_state;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form1> m_form;
};

TEST_F(SideBySide, TheToolWritesTheWindowsTextByteForByte)
{
    const Settings cases[] = {
        {"Asm", false, "128", "64", nullptr, -1},
        {"Asm", true, "128", "64", nullptr, -1},
        {"CCS", false, "128", "64", nullptr, -1},
        {"CCS", true, "128", "64", nullptr, -1},
        {"Proton Basic", false, "128", "64", nullptr, -1},
        {"Proton Basic", true, "128", "64", nullptr, -1},
        {"Asm", false, "40", "24", nullptr, 1},  // Retlw: one number per line
        {"Proton Basic", false, "64", "16", "8", -1},
        {"CCS", true, "96", "48", "24", -1},   // an incomplete last line
        {"Asm", false, "48", "20", "16", -1},  // a height that is no multiple of 8
        {"C", false, "128", "64", nullptr, -1},
        {"Arduino", true, "96", "48", "24", -1},
        {"CCS", false, "512", "256", nullptr, -1},  // a code text put into Text1 in many slices
    };
    for (const Settings& s : cases) {
        const std::string name =
            std::string(s.language) + (s.invert ? " inverted " : " ") + s.width + "x" + s.height;
        QStringList windowMessages;
        const QByteArray window = runWindow(s, windowMessages);
        const CliResult tool = runTool(s);
        EXPECT_EQ(tool.status, cli::Done) << name;
        EXPECT_GT(window.size(), 100) << name;
        EXPECT_EQ(tool.out, window) << name;
        const QString expectedErr =
            windowMessages.isEmpty() ? QString() : windowMessages.join(u'\n') + QLatin1Char('\n');
        EXPECT_EQ(tool.err, expectedErr) << name;
    }
}

// The picture settings the window holds (the settings window writes them into the program
// state) and the tool's options that name them give the same bytes.
TEST_F(SideBySide, TheWindowsPictureSettingsAreTheToolsOptions)
{
    const auto settings = [](Rotation rotation, bool mirror, Scaling scaling, Method method,
                             int threshold, ByteLayout layout, Polarity polarity = Polarity::Dark,
                             const char* display = "") {
        return PictureSettings{rotation,  mirror, scaling,  method,
                               threshold, layout, polarity, QString::fromUtf8(display)};
    };
    const struct {
        const char* options;  // separated by "|"
        PictureSettings settings;
    } cases[] = {
        {"--rotate=90|--mirror", settings(Rotation::Quarter, true, Scaling::BlackWins,
                                          Method::Threshold, 127, ByteLayout::PagesLsbTop)},
        {"--threshold=90|--layout=pages-msb-top",
         settings(Rotation::None, false, Scaling::BlackWins, Method::Threshold, 90,
                  ByteLayout::PagesMsbTop)},
        {"--method=otsu|--rotate=180", settings(Rotation::Half, false, Scaling::BlackWins,
                                                Method::Otsu, 127, ByteLayout::PagesLsbTop)},
        {"--scaling=average|--method=floyd-steinberg|--layout=rows-msb-left",
         settings(Rotation::None, false, Scaling::Average, Method::FloydSteinberg, 127,
                  ByteLayout::RowsMsbLeft)},
        {"--scaling=average|--method=atkinson|--threshold=100|--rotate=270",
         settings(Rotation::ThreeQuarters, false, Scaling::Average, Method::Atkinson, 100,
                  ByteLayout::PagesLsbTop)},
        {"--scaling=average|--method=bayer|--layout=rows-lsb-left|--invert",
         settings(Rotation::None, false, Scaling::Average, Method::Bayer, 127,
                  ByteLayout::RowsLsbLeft)},
        {"--polarity=lit|--layout=rows-msb-left",
         settings(Rotation::None, false, Scaling::BlackWins, Method::Threshold, 127,
                  ByteLayout::RowsMsbLeft, Polarity::Lit)},
        {"--display=ssd1306-128x64|--invert",
         settings(Rotation::None, false, Scaling::BlackWins, Method::Threshold, 127,
                  ByteLayout::PagesLsbTop, Polarity::Lit, "ssd1306-128x64")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const QStringList options = QString::fromUtf8(c.options).split(u'|');
        const CliResult tool = runCli(QStringList{QStringLiteral("picture"), m_picture} + options);
        EXPECT_EQ(tool.status, cli::Done) << tool.err.toStdString();
        m_state.picture.setSettings(c.settings);
        QStringList messages;
        const bool invert = options.contains(QStringLiteral("--invert"));
        const QByteArray window = runWindow({"Asm", invert, "128", "64", nullptr, -1}, messages);
        EXPECT_GT(window.size(), 100);
        EXPECT_EQ(tool.out, window);
    }
}

// The tool as a build script starts it: no display, no window system at all, a JPEG and a
// GIF decoded through the image plugins, the text on standard output.
TEST_F(SideBySide, TheProgramRunsWithoutADisplay)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const auto start = [&](const QStringList& arguments, QByteArray& out) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PIXMINT_CLI_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        out = process.readAllStandardOutput();
        EXPECT_TRUE(process.readAllStandardError().isEmpty());
        return process.exitCode();
    };
    QByteArray version;
    EXPECT_EQ(start({QStringLiteral("--version")}, version), 0);
    EXPECT_EQ(version, QByteArray("pixmint-cli 1.06\n"));

    // Qt writes no GIF, so the GIF comes from the corpus.
    QStringList files = {
        testData(QStringLiteral("corpus/pictures/image-rs/tests/images/gif/simple/sample_1.gif"))};
    for (const char* format : {"JPG", "ICO"}) {
        files << m_dir.filePath(QStringLiteral("logo.") + QString::fromUtf8(format));
        EXPECT_TRUE(testing::samplePicture(48, 40).save(files.last(), format)) << format;
    }
    for (const QString& file : files) {
        const std::string format = file.toStdString();
        QByteArray out;
        EXPECT_EQ(start({QStringLiteral("picture"), file, QStringLiteral("--lang=CCS")}, out), 0)
            << format;
        const CliResult inProcess =
            runCli({QStringLiteral("picture"), file, QStringLiteral("--lang=CCS")});
        EXPECT_EQ(out, inProcess.out) << format;
        EXPECT_TRUE(out.startsWith("//" + file.toUtf8() + "\r\n   const int  Resim[]={\r\n"));
    }
}

}  // namespace
}  // namespace pixmint
