#include "code_output.h"

#include "code_layout.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "format_group.h"
#include "program_state.h"
#include "run_error.h"

#include <QPlainTextEdit>

namespace pixmint {

void showCodeText(QPlainTextEdit* pane, const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    pane->setPlainText(lines);
}

void showCodeOutcome(const CodeTextOutcome& outcome, QPlainTextEdit* output, DialogService& dialogs)
{
    if (!outcome.failure.isEmpty()) {
        dialogs.showMessage(QStringLiteral("Hata"), outcome.failure);
        return;
    }
    if (outcome.code.incompleteLine) {
        const RunError error(IndexOutOfRange);
        dialogs.showMessage(error.title(QStringLiteral("HATA :")), error.description());
    }
    showCodeText(output, outcome.code.text);
}

void layOutCodeInto(FormatGroup& group, QPlainTextEdit* output, const QString& commentPath,
                    ProgramState& state, DialogService& dialogs)
{
    const NumberFormat format = group.formatForLayout();
    EventYield yield(&state.abortRequested);
    showCodeOutcome(codeTextFor(format, state.BaytTablosu, commentPath, yield), output, dialogs);
}

}  // namespace pixmint
