#pragma once

#include "number_format.h"

#include <QGroupBox>
#include <QRect>
#include <QStringList>

class QComboBox;
class QEvent;
class QLineEdit;

namespace pixmint {

struct FoundTable;

// A focus change that comes from a dialog opening, another window becoming active or a
// list dropping down is no focus change for the handlers of the boxes.
bool isRealFocusChange(const QEvent* focusEvent);

// A control with the label in front of it; an empty rectangle stands for no such control.
struct Labelled {
    QRect label;
    QRect control;
};

// Where the controls of a group sit (in the group's own coordinates) and what they show at
// start. The main window's group has the numbers-per-line box and a label for the
// separator; the converter's two groups have neither.
struct FormatGroupLayout {
    QString title;
    QRect frame;
    int index = -1;  // the element of the control arrays; -1 for plain names
    Labelled language;
    Labelled command;
    Labelled numbersPerLine;
    Labelled prefix;  // "Sayı Biçimi :" and the prefix box; the suffix box follows
    QRect suffix;
    Labelled separator;
    QRect sample;
    QString sampleText;
};

// One group of number format settings: the language list "Combo1", the command list
// "Combo2" and the boxes "ÖnEk", "ArkaEk", "Ayraç", "Görünüş" (and in the main window
// "SütunSayısı"), with their labels. It reads and shows a NumberFormat; the presets and the
// detection themselves are pure routines. Choosing a language applies its presets at the
// moments the lists do: every edit typed into the language list, and when it loses the
// focus to another control of its window; picking an entry from the drop-down alone is no
// such moment.
class FormatGroup : public QGroupBox {
    Q_OBJECT
public:
    FormatGroup(const FormatGroupLayout& layout, QWidget* parent);

    QComboBox* languageList() const { return m_language; }
    QComboBox* commandList() const { return m_command; }
    QLineEdit* prefixBox() const { return m_prefix; }
    QLineEdit* suffixBox() const { return m_suffix; }
    QLineEdit* separatorBox() const { return m_separator; }
    QLineEdit* sampleBox() const { return m_sample; }
    QLineEdit* numbersPerLineBox() const { return m_numbersPerLine; }  // nullptr in Form2

    // What the group holds now; without a numbers-per-line box, "16".
    NumberFormat format() const;
    // The format for laying a table out: a typed command that is not an entry of the
    // command list first gives way to the list's first entry, as the list shows it.
    NumberFormat formatForLayout();

    // Applies the presets of the language in the language list: the command list is
    // emptied (entries and text) and refilled with its first entry selected, and the boxes
    // get the preset values. A text that is no language leaves the command list empty and
    // the boxes as they are. Writing the boxes runs none of their handlers.
    void ListeOluştur();
    // Selects the language, presets and command that the markers of a code text name.
    void applyDetection(const QString& codeText);
    // Shows the format of a table that smart reading found: its dialect's language and
    // presets, its data word as the command (typed when the list lacks it), its prefix.
    void applyTable(const FoundTable& table);

private:
    // Shows a format that a pure routine made from this group's format.
    void showFormat(const NumberFormat& format);

    QComboBox* m_language = nullptr;
    QComboBox* m_command = nullptr;
    QLineEdit* m_numbersPerLine = nullptr;
    QLineEdit* m_prefix = nullptr;
    QLineEdit* m_suffix = nullptr;
    QLineEdit* m_separator = nullptr;
    QLineEdit* m_sample = nullptr;
};

}  // namespace pixmint
