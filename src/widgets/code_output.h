#pragma once

#include <QString>

class QPlainTextEdit;

namespace pixmint {

class DialogService;
class FormatGroup;
struct CodeTextOutcome;
struct ProgramState;

// Puts a code text (CR LF line ends) into a text pane, whose line ends are LF.
void showCodeText(QPlainTextEdit* pane, const QString& text);

// Shows what the layout made: a failed check as a message box "Hata" (the pane keeps its
// text); otherwise a last line that is not full once as "HATA :9", then the text.
void showCodeOutcome(const CodeTextOutcome& outcome, QPlainTextEdit* output,
                     DialogService& dialogs);

// KodaUyarla of both windows: lays the byte table out with the group's format while the
// windows stay responsive, and shows the outcome in the output pane.
void layOutCodeInto(FormatGroup& group, QPlainTextEdit* output, const QString& commentPath,
                    ProgramState& state, DialogService& dialogs);

}  // namespace pixmint
