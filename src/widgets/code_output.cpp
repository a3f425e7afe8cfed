#include "code_output.h"

#include "code_layout.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "format_group.h"
#include "program_state.h"
#include "run_error.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

namespace pixmint {
namespace {

// About this many characters, in whole lines, go into the pane at a time.
constexpr qsizetype kSliceChars = 4096;

qsizetype sliceEnd(const QString& text, qsizetype from)
{
    if (text.size() - from <= kSliceChars)
        return text.size();
    const qsizetype newline = text.indexOf(QLatin1Char('\n'), from + kSliceChars);
    return newline < 0 ? text.size() : newline + 1;
}

// While a pane is filled slice by slice it takes no typing and keeps no undo steps; it is
// given back as it was however the filling ends (the window may close half-way).
class FillingGuard {
public:
    explicit FillingGuard(QPlainTextEdit* pane) : m_pane(pane), m_readOnly(pane->isReadOnly())
    {
        pane->setReadOnly(true);
        pane->document()->setUndoRedoEnabled(false);
    }
    ~FillingGuard()
    {
        if (!m_pane)
            return;
        m_pane->document()->setUndoRedoEnabled(true);
        m_pane->document()->setModified(false);
        m_pane->setReadOnly(m_readOnly);
    }
    FillingGuard(const FillingGuard&) = delete;
    FillingGuard& operator=(const FillingGuard&) = delete;

private:
    QPointer<QPlainTextEdit> m_pane;
    bool m_readOnly;
};

}  // namespace

void showCodeText(QPlainTextEdit* pane, const QString& text, EventYield& yield)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The first slice resets the pane as setPlainText does; the rest is added at its end,
    // where the pane's own cursor (at the start) does not move. The layout of the added
    // text is done once per event-loop turn, when its edit block ends.
    qsizetype from = sliceEnd(lines, 0);
    // Emptying a long old text is one step of its own.
    yield.tickNow();
    pane->setPlainText(lines.first(from));
    if (from == lines.size())
        return;
    FillingGuard guard(pane);
    QTextCursor end(pane->document());
    end.movePosition(QTextCursor::End);
    while (from < lines.size()) {
        yield.tickNow();
        end.beginEditBlock();
        do {
            const qsizetype to = sliceEnd(lines, from);
            end.insertText(lines.sliced(from, to - from));
            from = to;
        } while (from < lines.size() && !yield.due());
        end.endEditBlock();
    }
}

void showCodeText(QPlainTextEdit* pane, const QString& text)
{
    EventYield none;
    showCodeText(pane, text, none);
}

void showCodeOutcome(const CodeTextOutcome& outcome, QPlainTextEdit* output, DialogService& dialogs,
                     EventYield& yield)
{
    if (!outcome.failure.isEmpty()) {
        dialogs.showMessage(QStringLiteral("Hata"), outcome.failure);
        return;
    }
    if (outcome.code.incompleteLine) {
        const RunError error(IndexOutOfRange);
        dialogs.showMessage(error.title(QStringLiteral("HATA :")), error.description());
    }
    showCodeText(output, outcome.code.text, yield);
}

void layOutCodeInto(FormatGroup& group, QPlainTextEdit* output, const QString& commentPath,
                    ProgramState& state, DialogService& dialogs)
{
    const NumberFormat format = group.formatForLayout();
    EventYield yield(&state.abortRequested);
    showCodeOutcome(codeTextFor(format, state.BaytTablosu, commentPath, yield), output, dialogs,
                    yield);
}

}  // namespace pixmint
