#pragma once

#include "picture_editor.h"
#include "recode_road.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace pixmint {

class DialogService;
class FinderRow;
class FormatGroup;
class SmartRow;
struct ProgramState;

// The file converter window: reads an include file, detects its format into the source
// group of settings (index 0), and writes its numbers again with the target group's
// settings (index 1), inverted with "Tersle".
class Form2 : public QWidget {
    Q_OBJECT
public:
    Form2(ProgramState& state, DialogService& dialogs, QWidget* parent = nullptr);

    // Shows the open dialog and puts the chosen file into the source pane; sets DosyaYolu.
    void metindosyası_Ac();
    // Detects the format of the source pane into the source group and applies its presets.
    void KoduTespitEt();
    // The recode road with the settings of the boxes: the table of the source pane (read by
    // the source group's format, or smartly) into the byte table, inverted with invert, laid
    // out with the target group's settings, 16 numbers to a line, into Metin; the road's
    // messages around it.
    void KodaUyarla(QPlainTextEdit* Metin, bool invert);

    // The pixel editor of "Düzenle"; made at its first use.
    void setEditorFactory(EditorFactory factory) { m_makeEditor = std::move(factory); }
    PictureEditor* editor() const { return m_editor; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The commands, as their buttons run them.
    void Command1_Click();  // "Aç"
    void Command2_Click();  // "Dönüştür"
    void Command3_Click();  // "Kaydet"
    void Command4_Click();  // "Tersle"
    // "Düzenle": the editor on the table of the last conversion (or the one read) at the
    // row's width and layout.
    void Düzenle_Click();
    // "Uygula": the edited picture replaces the table's numbers; the target pane is written
    // again with the target group's settings.
    void applyEdited(const PixelGrid& picture);

    FormatGroup* buildGroup(int index, const QString& title, const QRect& geometry);
    void buildTabOrder();
    RecodeRequest recodeRequest(bool invert);
    // Puts the file into the source pane; false after a message when it cannot.
    bool loadFile(const QString& path);
    // After the source pane got its text: smart reading into the list "Tablo" and the
    // source group while "Akıllı" is ticked, the detection of the markers otherwise.
    void readSource();
    // "Akıllı" ticked or unticked: the open file is read again.
    void smartToggled();
    // The source group shows the format of the table the list chooses.
    void showChosenFormat();
    // The finder's row takes the table the source pane holds as the road reads it (inverted
    // with invert); nothing when it reads no byte table.
    void showTable(bool invert);

    ProgramState& m_state;
    DialogService& m_dialogs;
    QPlainTextEdit* m_text1 = nullptr;
    QPlainTextEdit* m_text2 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    FormatGroup* m_groups[2] = {};  // Frame1(0) source, Frame1(1) target
    SmartRow* m_smart = nullptr;    // "Akıllı" and "Tablo"
    FinderRow* m_finder = nullptr;  // "En", "Düzen", "Düzeni bul", "Düzenle" and the picture
    EditorFactory m_makeEditor;
    PictureEditor* m_editor = nullptr;  // owned by the window as its child
    QString m_openedPath;               // the file "Aç" last put into the source pane
    bool m_running = false;             // a conversion of this window is under way
};

}  // namespace pixmint
