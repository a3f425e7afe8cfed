#include "language_boxes.h"

#include "code_layout.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "language_presets.h"
#include "program_state.h"
#include "run_error.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace pixmint {
namespace {

// Calls its action when the watched list (or its edit line) loses the focus for real.
class FocusLossWatcher : public QObject {
public:
    FocusLossWatcher(QObject* parent, std::function<void()> action)
        : QObject(parent), m_action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut && isRealFocusChange(event))
            m_action();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

void setIfPresent(QLineEdit* box, const QString& text)
{
    if (box)
        box->setText(text);
}

}  // namespace

bool isRealFocusChange(const QEvent* focusEvent)
{
    const auto reason = static_cast<const QFocusEvent*>(focusEvent)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void applyLanguagePreset(QComboBox* language, QComboBox* commands, const FormatBoxes& boxes)
{
    const LanguagePreset* preset = presetFor(language->currentText());
    commands->clear();
    commands->setEditText(QString());
    if (!preset)
        return;
    commands->addItems(preset->commands);
    setIfPresent(boxes.prefix, preset->prefix);
    setIfPresent(boxes.suffix, preset->suffix);
    setIfPresent(boxes.separator, preset->separator);
    setIfPresent(boxes.sample, preset->sample);
    setIfPresent(boxes.numbersPerLine, preset->numbersPerLine);
    commands->setCurrentIndex(0);
    // A narrow list shows the beginning of a long entry.
    commands->lineEdit()->setCursorPosition(0);
}

void onLanguageEdited(QComboBox* language, std::function<void()> action)
{
    QObject::connect(language->lineEdit(), &QLineEdit::textEdited, language, action);
    // The list hands its focus to its edit line; whichever holds it reports the loss.
    auto* watcher = new FocusLossWatcher(language, std::move(action));
    language->installEventFilter(watcher);
    language->lineEdit()->installEventFilter(watcher);
}

void showCodeText(QPlainTextEdit* pane, const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    pane->setPlainText(lines);
}

void layOutCodeInto(QComboBox* language, QComboBox* commands, QPlainTextEdit* output,
                    const FormatBoxes& boxes, const QString& numbersPerLineText,
                    const QString& commentPath, ProgramState& state, DialogService& dialogs)
{
    const int index = commands->currentIndex();
    if (presetFor(language->currentText()) && commands->count() > 0 &&
        (index < 0 || commands->itemText(index) != commands->currentText())) {
        commands->setCurrentIndex(0);
        commands->setEditText(commands->itemText(0));
    }
    CodeFormat format;
    format.command = commands->currentText();
    format.prefix = boxes.prefix->text();
    format.suffix = boxes.suffix->text();
    format.separator = boxes.separator->text();
    format.commentPath = commentPath;
    EventYield yield(&state.abortRequested);
    const CodeTextOutcome outcome =
        codeTextFor(language->currentText(), numbersPerLineText, state.BaytTablosu, format, yield);
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

}  // namespace pixmint
