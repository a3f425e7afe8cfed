#pragma once

#include "picture_editor.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace pixmint {

class DialogService;
class FormatGroup;
class PictureBox;
class PictureCommands;
struct ProgramState;

// Makes one of the secondary windows (the converter, the About window, the picture settings,
// the fonts) for the main window.
using WindowFactory = std::function<QWidget*(QWidget* mainWindow)>;

// The main window: the picture previews, the size and format settings, the code text and
// the buttons of the picture road. Settings live in the boxes; every command reads them
// when it runs. Closing the window ends the program (it emits closed()).
class Form1 : public QWidget {
    Q_OBJECT
public:
    Form1(ProgramState& state, DialogService& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // The secondary windows; until they are set, their buttons do nothing.
    void setConverterWindowFactory(WindowFactory factory) { m_makeConverter = std::move(factory); }
    void setAboutWindowFactory(WindowFactory factory) { m_makeAbout = std::move(factory); }
    void setSettingsWindowFactory(WindowFactory factory) { m_makeSettings = std::move(factory); }
    void setFontWindowFactory(WindowFactory factory) { m_makeFont = std::move(factory); }
    // The pixel editor of "Düzenle"; made at its first use.
    void setEditorFactory(EditorFactory factory) { m_makeEditor = std::move(factory); }

    // Checks that a size or column box holds a multiple of 8; otherwise says so and puts
    // the focus back into the box with its whole text selected. An empty box passes.
    void MetinKontrol(QLineEdit* Metin);
    // Lays the byte table out as code text with the settings of Frame1 into Metin.
    void KodaUyarla(QPlainTextEdit* Metin);
    // Clears every picture box of the window.
    void ResimleriSil(QWidget* window);

    // The secondary windows while they exist (for tests and for closing them).
    QWidget* converterWindow() const { return m_form2; }
    QWidget* aboutWindow() const { return m_form3; }
    QWidget* settingsWindow() const { return m_form4; }
    QWidget* fontWindow() const { return m_form5; }
    PictureEditor* editor() const { return m_editor; }

Q_SIGNALS:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The commands, as their buttons run them.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    // "Düzenle": the editor on the last converted picture, or on a light picture of the
    // typed size; "Uygula" makes the edited picture the converted one.
    void Command10_Click();
    // "Dönüştür" and "Resmi Tersle", after asking when the editor would lose its edits.
    void convert(bool invert);

    void buildControls();
    void buildSettingsFrame();
    // The buttons beside the code text.
    void buildCommandColumn();
    // The two work surfaces are never shown: they hold the loaded and the converted picture.
    void buildWorkSurfaces();
    void buildTabOrder();
    void connectHandlers();
    // Makes the button "Command" + number, which runs click when pressed.
    void addCommand(int number, const QString& caption, const QRect& geometry,
                    void (Form1::*click)());
    void checkAfterFocusLoss(QLineEdit* box);
    // Shows the window, made by the factory when it does not exist. A closed window is made
    // anew when remakeClosed is set, so that it shows its start values again.
    void showWindow(QPointer<QWidget>& window, const WindowFactory& factory, bool remakeClosed);
    // "Görüntü Ayarları", with " *" when a picture setting differs from its default.
    void showSettingsState();

    ProgramState& m_state;
    DialogService& m_dialogs;
    WindowFactory m_makeConverter;
    WindowFactory m_makeAbout;
    WindowFactory m_makeSettings;
    WindowFactory m_makeFont;
    EditorFactory m_makeEditor;
    PictureEditor* m_editor = nullptr;  // owned by the window as its child
    QPointer<QWidget> m_form2;
    QPointer<QWidget> m_form3;
    QPointer<QWidget> m_form4;
    QPointer<QWidget> m_form5;
    std::unique_ptr<PictureCommands> m_pictureCommands;
    // While MetinKontrol shows its message or moves the focus back, focus losses do not
    // run the check again, so two failing boxes cannot pass the focus back and forth.
    bool m_checking = false;

    QPushButton* m_command[11] = {};  // Command1 … Command10 at their numbers
    PictureBox* m_picture1[2] = {};
    PictureBox* m_picture2 = nullptr;
    PictureBox* m_picture3 = nullptr;
    QLineEdit* m_bmpEn = nullptr;
    QLineEdit* m_bmpYükseklik = nullptr;
    FormatGroup* m_format = nullptr;  // Frame1
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    QPlainTextEdit* m_text1 = nullptr;
};

}  // namespace pixmint
