#include "format_group.h"

#include "format_detection.h"
#include "smart_reading.h"
#include "window_style.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

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

}  // namespace

bool isRealFocusChange(const QEvent* focusEvent)
{
    const auto reason = static_cast<const QFocusEvent*>(focusEvent)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

FormatGroup::FormatGroup(const FormatGroupLayout& layout, QWidget* parent)
    : QGroupBox(layout.title, parent)
{
    const auto name = [&layout](const char* base) {
        return layout.index < 0 ? QString::fromUtf8(base) : indexedName(base, layout.index);
    };
    setObjectName(name("Frame1"));
    place(this, layout.frame);
    makeLabel(this, name("Label3"), QStringLiteral("Kullanılan Dil :"), layout.language.label);
    m_language = makeList(this, name("Combo1"), languageNames(), layout.language.control);
    makeLabel(this, name("Label5"), QStringLiteral("Komut :"), layout.command.label);
    m_command = makeList(this, name("Combo2"), {QStringLiteral("Dt"), QStringLiteral("retlw")},
                         layout.command.control);
    if (!layout.numbersPerLine.control.isEmpty()) {
        makeLabel(this, name("Label6"), QStringLiteral("Sütun Sayısı :"),
                  layout.numbersPerLine.label);
        m_numbersPerLine =
            makeBox(this, name("SütunSayısı"), QStringLiteral("16"), layout.numbersPerLine.control);
    }
    makeLabel(this, name("Label7"), QStringLiteral("Sayı Biçimi :"), layout.prefix.label);
    m_prefix = makeBox(this, name("ÖnEk"), QStringLiteral("0X"), layout.prefix.control);
    m_suffix = makeBox(this, name("ArkaEk"), QString(), layout.suffix);
    if (!layout.separator.label.isEmpty())
        makeLabel(this, name("Label9"), QStringLiteral("Sayı Ayracı :"), layout.separator.label);
    m_separator = makeBox(this, name("Ayraç"), QStringLiteral(","), layout.separator.control);
    m_sample = makeBox(this, name("Görünüş"), layout.sampleText, layout.sample);

    // The list hands its focus to its edit line; whichever holds it reports the loss.
    connect(m_language->lineEdit(), &QLineEdit::textEdited, this, [this] { ListeOluştur(); });
    auto* watcher = new FocusLossWatcher(m_language, [this] { ListeOluştur(); });
    m_language->installEventFilter(watcher);
    m_language->lineEdit()->installEventFilter(watcher);
}

NumberFormat FormatGroup::format() const
{
    NumberFormat format;
    format.language = m_language->currentText();
    format.command = m_command->currentText();
    format.prefix = m_prefix->text();
    format.suffix = m_suffix->text();
    format.separator = m_separator->text();
    format.sample = m_sample->text();
    if (m_numbersPerLine)
        format.numbersPerLine = m_numbersPerLine->text();
    return format;
}

NumberFormat FormatGroup::formatForLayout()
{
    const int index = m_command->currentIndex();
    if (languageNamed(m_language->currentText()) && m_command->count() > 0 &&
        (index < 0 || m_command->itemText(index) != m_command->currentText())) {
        m_command->setCurrentIndex(0);
        m_command->setEditText(m_command->itemText(0));
    }
    return format();
}

void FormatGroup::ListeOluştur()
{
    showFormat(withLanguagePresets(format(), m_language->currentText()));
}

void FormatGroup::applyDetection(const QString& codeText)
{
    showFormat(withDetectedFormat(format(), codeText));
}

void FormatGroup::applyTable(const FoundTable& table)
{
    showFormat(withTableFormat(format(), table));
}

void FormatGroup::showFormat(const NumberFormat& format)
{
    if (m_language->currentText() != format.language) {
        const int entry = m_language->findText(format.language, Qt::MatchExactly);
        if (entry >= 0)
            m_language->setCurrentIndex(entry);
        else
            m_language->setEditText(format.language);
    }
    m_command->clear();
    m_command->setEditText(QString());
    const Language* language = languageNamed(format.language);
    if (!language)
        return;
    const QStringList commands = language->commandTexts();
    m_command->addItems(commands);
    m_prefix->setText(format.prefix);
    m_suffix->setText(format.suffix);
    m_separator->setText(format.separator);
    m_sample->setText(format.sample);
    if (m_numbersPerLine)
        m_numbersPerLine->setText(format.numbersPerLine);
    const qsizetype command = commands.indexOf(format.command);
    m_command->setCurrentIndex(static_cast<int>(std::max<qsizetype>(0, command)));
    if (command < 0 && !format.command.isEmpty())
        m_command->setEditText(format.command);
    // A narrow list shows the beginning of a long entry.
    m_command->lineEdit()->setCursorPosition(0);
}

}  // namespace pixmint
