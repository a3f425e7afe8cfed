#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace pixmint {

class DialogService;
class FormatGroup;
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
    // The presets of the language of one group (0 source, 1 target), written into that
    // group's boxes only.
    void ListeOluştur(int index);
    // Lays the byte table out with the target group's settings, 16 numbers to a line.
    void KodaUyarla(QPlainTextEdit* Metin);

    void Command1_Click();  // "Aç"
    void Command2_Click();  // "Dönüştür"
    void Command3_Click();  // "Kaydet"
    void Command4_Click();  // "Tersle"

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    FormatGroup* buildGroup(int index, const QString& title, const QRect& geometry);
    void buildTabOrder();
    void convert(bool invert);

    ProgramState& m_state;
    DialogService& m_dialogs;
    QPlainTextEdit* m_text1 = nullptr;
    QPlainTextEdit* m_text2 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    FormatGroup* m_groups[2] = {};  // Frame1(0) source, Frame1(1) target
    bool m_running = false;         // a conversion of this window is under way
};

}  // namespace pixmint
