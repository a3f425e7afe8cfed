#pragma once

#include <QString>

class QPlainTextEdit;

namespace pixmint {

class DialogService;
class EventYield;
class FormatGroup;
struct CodeTextOutcome;
struct ProgramState;

// Puts a code text (CR LF line ends) into a text pane, whose line ends are LF. The pane
// ends as one setPlainText call would leave it (its cursor and view at the start, nothing
// to undo), but a long text goes in a slice of lines at a time, with the yield ticking
// between slices, since laying out a whole megabyte at once blocks the window for a
// noticeable time. The pane is read-only meanwhile, so nothing typed lands in the middle.
void showCodeText(QPlainTextEdit* pane, const QString& text, EventYield& yield);
void showCodeText(QPlainTextEdit* pane, const QString& text);

// Shows what the layout made: a failed check as a message box "Hata" (the pane keeps its
// text); otherwise a last line that is not full once as "HATA :9", then the text.
void showCodeOutcome(const CodeTextOutcome& outcome, QPlainTextEdit* output, DialogService& dialogs,
                     EventYield& yield);

// KodaUyarla of both windows: lays the byte table out with the group's format while the
// windows stay responsive, and shows the outcome in the output pane.
void layOutCodeInto(FormatGroup& group, QPlainTextEdit* output, const QString& commentPath,
                    ProgramState& state, DialogService& dialogs);

}  // namespace pixmint
