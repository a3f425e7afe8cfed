#include "form2.h"

#include "code_output.h"
#include "code_save_flow.h"
#include "code_saving.h"
#include "dialog_service.h"
#include "format_group.h"
#include "program_state.h"
#include "recoding.h"
#include "run_error.h"
#include "single_byte_text.h"
#include "smart_reading.h"
#include "smart_row.h"
#include "window_style.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pixmint {
namespace {

// A text pane lays out a very long line slowly (seconds for a few megabytes) and a huge file
// takes much memory: larger files are left to pixmint-cli.
constexpr qint64 kMaxOpenedBytes = 16 * 1024 * 1024;
constexpr qsizetype kMaxOpenedLine = 65536;

qsizetype longestLine(const QString& text)
{
    qsizetype longest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')) {
            longest = std::max(longest, i - start);
            start = i + 1;
        }
    }
    return longest;
}

QString fileTooLargeMessage(const QString& path)
{
    return QStringLiteral("Dosya çok büyük:\r\n") + path +
           QStringLiteral(
               "\r\nBu pencere en fazla 16 MB açar; daha büyük dosyalar için "
               "pixmint-cli recode kullanın.");
}

QString lineTooLongMessage(const QString& path)
{
    return QStringLiteral("Dosyada çok uzun bir satır var:\r\n") + path +
           QStringLiteral(
               "\r\nBu pencere en fazla 65536 karakterlik satırları açar; bu dosya "
               "için pixmint-cli recode kullanın.");
}

}  // namespace

Form2::Form2(ProgramState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_dialogs(dialogs)
{
    setUpWindow(this, QStringLiteral("Form2"), QStringLiteral("Dosya Dönüştür"), {607, 458},
                WindowSize::Resizable);
    m_text1 = makeCodePane(this, QStringLiteral("Text1"), QString(), {8, 8, 289, 321});
    m_text2 = makeCodePane(this, QStringLiteral("Text2"), QString(), {312, 8, 281, 321});
    m_command1 =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("Aç"), {264, 336, 73, 17});
    m_command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Dönüştür"),
                            {264, 360, 73, 17});
    m_command3 =
        makeButton(this, QStringLiteral("Command3"), QStringLiteral("Kaydet"), {264, 384, 73, 17});
    m_command4 =
        makeButton(this, QStringLiteral("Command4"), QStringLiteral("Tersle"), {264, 408, 73, 17});
    m_groups[0] = buildGroup(0, QStringLiteral("Kaynak Dosya Bilgileri"), {8, 336, 249, 89});
    m_groups[1] = buildGroup(1, QStringLiteral("Hedef Dosya Bilgileri"), {344, 336, 249, 89});
    m_smart = new SmartRow(this, {{8, 434, 110, 17}, {128, 436, 40, 13}, {176, 432, 417, 21}});
    buildTabOrder();

    connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_smart->checkBox(), &QCheckBox::toggled, this, [this] { smartToggled(); });
    connect(m_smart->list(), &QComboBox::activated, this, [this] { showChosenFormat(); });
}

FormatGroup* Form2::buildGroup(int index, const QString& title, const QRect& geometry)
{
    FormatGroupLayout layout;
    layout.title = title;
    layout.frame = geometry;
    layout.index = index;
    layout.language = {{8, 32, 66, 13}, {88, 24, 73, 21}};
    layout.command = {{176, 8, 36, 13}, {168, 24, 73, 21}};
    layout.prefix = {{8, 56, 56, 13}, {88, 48, 33, 19}};
    layout.suffix = {128, 48, 25, 19};
    layout.separator = {{}, {160, 48, 25, 19}};
    layout.sample = {192, 48, 49, 19};
    layout.sampleText = QStringLiteral("FF");
    return new FormatGroup(layout, this);
}

void Form2::buildTabOrder()
{
    const FormatGroup& s = *m_groups[0];
    const FormatGroup& t = *m_groups[1];
    const QList<QWidget*> order = {
        m_text1,          m_command1,       m_text2,          m_command2,          m_command3,
        s.sampleBox(),    s.separatorBox(), s.suffixBox(),    s.prefixBox(),       s.languageList(),
        s.commandList(),  t.commandList(),  t.languageList(), t.prefixBox(),       t.suffixBox(),
        t.separatorBox(), t.sampleBox(),    m_command4,       m_smart->checkBox(), m_smart->list()};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form2::ListeOluştur(int index)
{
    m_groups[index]->applyPresets();
}

void Form2::metindosyası_Ac()
{
    m_state.DosyaYolu.clear();
    FileDialogRequest request;
    request.filter = QStringLiteral(
        "Include Dosyaları (*.asm;*.inc;*.h;*.c;*.bas)|*.asm;*.inc;*.h;*.c;*.bas|"
        "Tüm metindosyasılar|*.*");
    const std::optional<QString> chosen = m_dialogs.chooseOpenFile(request);
    if (!chosen)
        return;
    m_state.DosyaYolu = *chosen;
    if (!chosen->isEmpty() && loadFile(*chosen))
        m_openedPath = *chosen;
}

bool Form2::loadFile(const QString& path)
{
    try {
        const QString text = readSingleByteFile(path, kMaxOpenedBytes);
        if (longestLine(text) > kMaxOpenedLine) {
            m_dialogs.showMessage(QStringLiteral("Hata"), lineTooLongMessage(path));
            return false;
        }
        showCodeText(m_text1, text);
        return true;
    } catch (const FileTooLarge&) {
        m_dialogs.showMessage(QStringLiteral("Hata"), fileTooLargeMessage(path));
    } catch (const RunError& error) {
        m_dialogs.showMessage(error.title(), error.description());
    }
    return false;
}

void Form2::readSource()
{
    if (!m_smart->isOn()) {
        m_smart->clear();
        KoduTespitEt();
        return;
    }
    m_smart->read(m_text1->toPlainText());
    showChosenFormat();
}

void Form2::smartToggled()
{
    if (m_state.busy)
        return;
    if (!m_openedPath.isEmpty())
        loadFile(m_openedPath);
    readSource();
}

void Form2::showChosenFormat()
{
    if (const FoundTable* table = m_smart->shownTable())
        m_groups[0]->applyTable(*table);
}

bool Form2::takeSmartTable()
{
    m_smart->read(m_text1->toPlainText());
    ChosenTable chosen = chooseTable(m_smart->tables(), m_smart->choice());
    if (!chosen.failure.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), chosen.failure);
        return false;
    }
    if (!chosen.leftOut.isEmpty())
        m_dialogs.showMessage(QStringLiteral("Hata"), chosen.leftOut);
    m_state.BaytTablosu = std::move(chosen.entries);
    return true;
}

void Form2::KoduTespitEt()
{
    m_groups[0]->applyDetection(m_text1->toPlainText());
}

void Form2::KodaUyarla(QPlainTextEdit* Metin)
{
    layOutCodeInto(*m_groups[1], Metin, m_state.DosyaYolu, m_state, m_dialogs);
}

void Form2::convert(bool invert)
{
    if (m_state.busy)
        return;
    BusyGuard busy(m_state);
    int notInverted = 0;
    if (!m_smart->isOn()) {
        notInverted = Kodu_dönüştür(m_text1->toPlainText(), m_groups[0]->format(),
                                    m_state.BaytTablosu, invert);
    } else if (!takeSmartTable()) {
        return;
    } else if (invert) {
        notInverted = invertEntries(m_state.BaytTablosu);
    }
    m_running = true;
    try {
        KodaUyarla(m_text2);
    } catch (const WorkAborted&) {
        m_running = false;
        return;  // the window is closing
    }
    m_running = false;
    if (notInverted > 0)
        m_dialogs.showMessage(QStringLiteral("Hata"), notInvertedMessage(notInverted));
}

void Form2::Command1_Click()
{
    if (m_state.busy)
        return;
    metindosyası_Ac();
    readSource();
}

void Form2::Command2_Click()
{
    convert(false);
}

void Form2::Command3_Click()
{
    if (!m_state.busy)
        KoduKaydet(withCrLf(m_text2->toPlainText()), m_dialogs,
                   m_groups[1]->languageList()->currentText(), m_state);
}

void Form2::Command4_Click()
{
    convert(true);
}

void Form2::closeEvent(QCloseEvent* event)
{
    // A run of this window still under way stops at its next yield.
    if (m_running)
        m_state.abortRequested = true;
    event->accept();
}

}  // namespace pixmint
