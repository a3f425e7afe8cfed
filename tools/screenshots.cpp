// Makes the pictures of the README: each window of the program at work on the project's own
// examples, saved as PNG. Run by docs/make-screenshots.sh under Xvfb.
#include "dialog_service.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "pixel_canvas.h"
#include "program_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <deque>

namespace {

// Presses the window's button of that name, as a person does.
void clickButton(QWidget& window, const char* name)
{
    window.findChild<QPushButton*>(QString::fromUtf8(name))->click();
}

// Answers the file dialogs from a list and lets every message box pass.
class ListedDialogs : public pixmint::DialogService {
public:
    std::deque<QString> files;

    std::optional<QString> chooseOpenFile(const pixmint::FileDialogRequest&) override
    {
        return next();
    }
    std::optional<QString> chooseSaveFile(const pixmint::FileDialogRequest&) override
    {
        return next();
    }
    pixmint::MessageAnswer showMessage(const QString& title, const QString& text,
                                       pixmint::MessageButtons) override
    {
        std::fprintf(stderr, "message: %s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
        return pixmint::MessageAnswer::Yes;
    }

private:
    std::optional<QString> next()
    {
        if (files.empty())
            return std::nullopt;
        QString f = files.front();
        files.pop_front();
        return f;
    }
};

bool save(QWidget* window, const QString& path)
{
    window->show();
    QApplication::processEvents();
    QApplication::processEvents();
    const bool ok = window->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qUtf8Printable(path));
    return ok;
}

void chooseLanguage(QComboBox* language, const QString& name)
{
    language->setEditText(name);
    Q_EMIT language->lineEdit()->textEdited(name);
    // As after leaving the list: its text is shown from the beginning.
    language->lineEdit()->setCursorPosition(0);
}

// The picture settings at work on the loaded photo: average scaling with Floyd–Steinberg.
bool saveSettingsWindow(pixmint::ProgramState& state, const QString& path)
{
    pixmint::PictureSettings photo;
    photo.scaling = pixmint::Scaling::Average;
    photo.method = pixmint::Method::FloydSteinberg;
    state.picture.setSettings(photo);
    pixmint::Form4 form4(state);
    return save(&form4, path);
}

// The converter reading a KS0108 include file written by someone else smartly: its picture
// of a mosque, written again as Asm.
bool saveSmartReading(pixmint::ProgramState& state, ListedDialogs& dialogs, const QDir& examples,
                      const QDir& out)
{
    pixmint::Form2 smart(state, dialogs);
    smart.findChild<QCheckBox*>(QStringLiteral("Akıllı"))->setChecked(true);
    dialogs.files = {examples.filePath(
        QStringLiteral("../tests/data/corpus/includes/"
                       "c_lowerhex__ali-bingol_Ks0108-GLCD-128x64__fontAndImageData.h"))};
    clickButton(smart, "Command1");
    QComboBox* tables = smart.findChild<QComboBox*>(QStringLiteral("Tablo"));
    const int mosque = tables->findText(QStringLiteral("sultanAhmetCamii"), Qt::MatchStartsWith);
    tables->setCurrentIndex(mosque);
    Q_EMIT tables->activated(mosque);
    clickButton(smart, "Command2");
    return save(&smart, out.filePath(QStringLiteral("form2-smart.png")));
}

// The font window on the installed DejaVu Sans Mono at 16 pixels, the Turkish characters
// written as Adafruit GFX for Arduino.
bool saveFontWindow(pixmint::ProgramState& state, ListedDialogs& dialogs, const QDir& out)
{
    pixmint::Form5 form5(state, dialogs);
    form5.findChild<QSpinBox*>(QStringLiteral("Boyut"))->setValue(16);
    form5.findChild<QComboBox*>(QStringLiteral("Karakterler"))->setCurrentIndex(2);
    form5.findChild<QComboBox*>(QStringLiteral("Biçim"))->setCurrentIndex(2);
    chooseLanguage(form5.findChild<QComboBox*>(QStringLiteral("Combo1")),
                   QStringLiteral("Arduino"));
    form5.show();
    QApplication::processEvents();
    clickButton(form5, "Dönüştür");
    return save(&form5, out.filePath(QStringLiteral("form5.png")));
}

// Sends the canvas a mouse event at the centre of a pixel, as the mouse would.
void mouseAt(pixmint::PixelCanvas* canvas, QEvent::Type type, QPoint pixel,
             Qt::MouseButton button = Qt::NoButton)
{
    const QPointF at = canvas->centreOf(pixel);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// The editor on the logo as the main window converts it, a part of it selected and the
// cursor on a pixel of the selection.
bool saveEditor(pixmint::ProgramState& state, pixmint::Form1& form1, ListedDialogs& dialogs,
                const QDir& examples, const QString& path)
{
    state.picture.setSettings(pixmint::PictureSettings{});
    dialogs.files = {examples.filePath(QStringLiteral("logo-128x64.png"))};
    clickButton(form1, "Command1");
    clickButton(form1, "Command2");
    pixmint::Form6 form6(dialogs);
    form6.edit(state.PikselDizisi, pixmint::ByteLayout::PagesLsbTop,
               QStringLiteral("logo-128x64.png"));
    form6.show();
    QApplication::processEvents();
    auto* canvas = form6.findChild<pixmint::PixelCanvas*>(QStringLiteral("Tuval"));
    form6.findChild<QPushButton*>(QStringLiteral("Seç"))->click();
    mouseAt(canvas, QEvent::MouseButtonPress, {4, 18}, Qt::LeftButton);
    mouseAt(canvas, QEvent::MouseMove, {27, 45}, Qt::LeftButton);
    mouseAt(canvas, QEvent::MouseButtonRelease, {27, 45}, Qt::LeftButton);
    mouseAt(canvas, QEvent::MouseMove, {12, 30});
    return save(&form6, path);
}

// A click of the pencil on a pixel: left dark, right light.
void paintPixel(pixmint::PixelCanvas* canvas, QPoint pixel, Qt::MouseButton button)
{
    mouseAt(canvas, QEvent::MouseButtonPress, pixel, button);
    mouseAt(canvas, QEvent::MouseButtonRelease, pixel, button);
}

// The logo put right by hand: the main window's "Düzenle" on its converted picture, the
// ring's inner edge made even again (two pixels dark, one light), shown before "Uygula"
// with the cursor on one of them; then the main window with the picture applied.
bool saveFixedLogo(pixmint::ProgramState& state, ListedDialogs& dialogs, const QDir& examples,
                   const QDir& out)
{
    pixmint::Form1 form1(state, dialogs);
    pixmint::Form6* editor = nullptr;
    form1.setEditorFactory([&](QWidget* opener, pixmint::AppliedPicture applied) {
        editor = new pixmint::Form6(dialogs, opener);
        QObject::connect(editor, &pixmint::Form6::pictureApplied, opener, std::move(applied));
        return static_cast<pixmint::PictureEditor*>(editor);
    });
    state.picture.setSettings(pixmint::PictureSettings{});
    dialogs.files = {examples.filePath(QStringLiteral("logo-128x64.png"))};
    clickButton(form1, "Command1");
    clickButton(form1, "Command2");
    clickButton(form1, "Command10");
    QApplication::processEvents();
    auto* canvas = editor->findChild<pixmint::PixelCanvas*>(QStringLiteral("Tuval"));
    paintPixel(canvas, {18, 40}, Qt::LeftButton);
    paintPixel(canvas, {22, 40}, Qt::LeftButton);
    paintPixel(canvas, {9, 44}, Qt::RightButton);
    mouseAt(canvas, QEvent::MouseMove, {22, 40});
    bool ok = save(editor, out.filePath(QStringLiteral("form6-fixed.png")));
    clickButton(*editor, "Uygula");
    editor->close();
    ok = save(&form1, out.filePath(QStringLiteral("form1-edited.png"))) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pixmint-screenshots EXAMPLES_DIR OUTPUT_DIR\n");
        return 2;
    }
    const QDir examples(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir work;

    pixmint::ProgramState state;
    ListedDialogs dialogs;
    pixmint::Form1 form1(state, dialogs);
    form1.move(0, 0);
    dialogs.files = {examples.filePath(QStringLiteral("line-drawing.png"))};
    clickButton(form1, "Command1");
    clickButton(form1, "Command2");
    bool ok = save(&form1, out.filePath(QStringLiteral("form1.png")));

    // The converter reads back the main window's own table and writes it as Proton Basic.
    const QString include = work.filePath(QStringLiteral("line-drawing.inc"));
    dialogs.files = {include, include};
    clickButton(form1, "Command3");
    pixmint::Form2 form2(state, dialogs);
    clickButton(form2, "Command1");
    chooseLanguage(form2.findChild<QComboBox*>(QStringLiteral("Combo1(1)")),
                   QStringLiteral("Proton Basic"));
    clickButton(form2, "Command2");
    ok = save(&form2, out.filePath(QStringLiteral("form2.png"))) && ok;

    ok = saveSmartReading(state, dialogs, examples, out) && ok;

    pixmint::Form3 form3;
    ok = save(&form3, out.filePath(QStringLiteral("form3.png"))) && ok;

    dialogs.files = {examples.filePath(QStringLiteral("photo.jpg"))};
    clickButton(form1, "Command1");
    ok = saveSettingsWindow(state, out.filePath(QStringLiteral("form4.png"))) && ok;
    ok = saveFontWindow(state, dialogs, out) && ok;
    ok = saveEditor(state, form1, dialogs, examples, out.filePath(QStringLiteral("form6.png"))) &&
         ok;
    ok = saveFixedLogo(state, dialogs, examples, out) && ok;
    return ok ? 0 : 1;
}
