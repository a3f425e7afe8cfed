#pragma once

#include <QObject>

#include <functional>

class QComboBox;
class QEvent;
class QLineEdit;
class QPlainTextEdit;

namespace pixmint {

class DialogService;
struct ProgramState;

// The number format boxes of one group of settings. The converter window has no box for the
// numbers per line.
struct FormatBoxes {
    QLineEdit* prefix = nullptr;
    QLineEdit* suffix = nullptr;
    QLineEdit* separator = nullptr;
    QLineEdit* sample = nullptr;
    QLineEdit* numbersPerLine = nullptr;
};

// A focus change that comes from a dialog opening, another window becoming active or a
// list dropping down is no focus change for the handlers of the boxes.
bool isRealFocusChange(const QEvent* focusEvent);

// Applies the presets of the language in the language list: the command list is emptied
// (entries and text) and refilled with its first entry selected, and the format boxes get
// the preset values. A text that is no language leaves the command list empty and the
// boxes as they are. Writing the boxes runs none of their handlers.
void applyLanguagePreset(QComboBox* language, QComboBox* commands, const FormatBoxes& boxes);

// Runs the action at the moments a language list applies its presets: every edit typed
// into it, and when it loses the focus to another control of its window. Picking an entry
// from the drop-down list alone is no such moment, and neither is a focus loss caused by a
// dialog opening or another window becoming active.
void onLanguageEdited(QComboBox* language, std::function<void()> action);

// The code text of a window: a typed command that is not an entry of the command list gives
// way to the first entry, the language and the numbers per line are checked ("Hata"
// message, output left as it was), the byte table is laid out while the windows stay
// responsive, a last line that is not full is reported once ("HATA :9"), and the output box
// gets the text.
void layOutCodeInto(QComboBox* language, QComboBox* commands, QPlainTextEdit* output,
                    const FormatBoxes& boxes, const QString& numbersPerLineText,
                    const QString& commentPath, ProgramState& state, DialogService& dialogs);

// Puts a code text (CR LF line ends) into a text pane, whose line ends are LF.
void showCodeText(QPlainTextEdit* pane, const QString& text);

}  // namespace pixmint
