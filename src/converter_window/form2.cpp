#include "form2.h"

#include "code_saving.h"
#include "dialog_service.h"
#include "format_detection.h"
#include "language_presets.h"
#include "program_state.h"
#include "recoding.h"
#include "run_error.h"
#include "single_byte_text.h"
#include "window_style.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Dosya Dönüştür"));
    setFont(windowFont());
    resize(607, 430);
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
    buildGroup(0, QStringLiteral("Kaynak Dosya Bilgileri"), {8, 336, 249, 89});
    buildGroup(1, QStringLiteral("Hedef Dosya Bilgileri"), {344, 336, 249, 89});
    buildTabOrder();

    connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void Form2::buildGroup(int index, const QString& title, const QRect& geometry)
{
    Group& g = m_groups[index];
    g.frame = new QGroupBox(title, this);
    g.frame->setObjectName(indexedName("Frame1", index));
    place(g.frame, geometry);
    QWidget* f = g.frame;
    makeLabel(f, indexedName("Label5", index), QStringLiteral("Komut :"), {176, 8, 36, 13});
    makeLabel(f, indexedName("Label3", index), QStringLiteral("Kullanılan Dil :"), {8, 32, 66, 13});
    makeLabel(f, indexedName("Label7", index), QStringLiteral("Sayı Biçimi :"), {8, 56, 56, 13});
    g.language = makeList(f, indexedName("Combo1", index), languageNames(), {88, 24, 73, 21});
    g.command = makeList(f, indexedName("Combo2", index),
                         {QStringLiteral("Dt"), QStringLiteral("retlw")}, {168, 24, 73, 21});
    g.boxes.prefix = makeBox(f, indexedName("ÖnEk", index), QStringLiteral("0X"), {88, 48, 33, 19});
    g.boxes.suffix = makeBox(f, indexedName("ArkaEk", index), QString(), {128, 48, 25, 19});
    g.boxes.separator =
        makeBox(f, indexedName("Ayraç", index), QStringLiteral(","), {160, 48, 25, 19});
    g.boxes.sample =
        makeBox(f, indexedName("Görünüş", index), QStringLiteral("FF"), {192, 48, 49, 19});
    onLanguageEdited(g.language, [this, index] {
        ListeOluştur(m_groups[index].language, m_groups[index].command, index);
    });
}

void Form2::buildTabOrder()
{
    const Group& s = m_groups[0];
    const Group& t = m_groups[1];
    const QList<QWidget*> order = {
        m_text1,           m_command1,        m_text2,        m_command2,     m_command3,
        s.boxes.sample,    s.boxes.separator, s.boxes.suffix, s.boxes.prefix, s.language,
        s.command,         t.command,         t.language,     t.boxes.prefix, t.boxes.suffix,
        t.boxes.separator, t.boxes.sample,    m_command4};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form2::ListeOluştur(QComboBox* Dil, QComboBox* Liste, int index)
{
    applyLanguagePreset(Dil, Liste, m_groups[index].boxes);
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
    if (chosen->isEmpty())
        return;
    try {
        const QString text = readSingleByteFile(*chosen, kMaxOpenedBytes);
        if (longestLine(text) > kMaxOpenedLine) {
            m_dialogs.showMessage(QStringLiteral("Hata"), lineTooLongMessage(*chosen));
            return;
        }
        showCodeText(m_text1, text);
    } catch (const FileTooLarge&) {
        m_dialogs.showMessage(QStringLiteral("Hata"), fileTooLargeMessage(*chosen));
    } catch (const RunError& error) {
        m_dialogs.showMessage(error.title(), error.description());
    }
}

void Form2::KoduTespitEt()
{
    const DetectedFormat detected = pixmint::KoduTespitEt(m_text1->toPlainText());
    Group& source = m_groups[0];
    if (detected.languageIndex >= 0)
        source.language->setCurrentIndex(detected.languageIndex);
    ListeOluştur(source.language, source.command, 0);
    if (detected.selectRetlw && source.command->count() > 1)
        source.command->setCurrentIndex(1);
}

void Form2::KodaUyarla(QComboBox* Dil, QComboBox* Liste, QPlainTextEdit* Metin)
{
    layOutCodeInto(Dil, Liste, Metin, m_groups[1].boxes, QStringLiteral("16"), m_state.DosyaYolu,
                   m_state, m_dialogs);
}

void Form2::convert(bool invert)
{
    if (m_state.busy)
        return;
    BusyGuard busy(m_state);
    m_running = true;
    const Group& source = m_groups[0];
    SourceFormat format;
    format.language = source.language->currentText();
    format.command = source.command->currentText();
    format.prefix = source.boxes.prefix->text();
    format.suffix = source.boxes.suffix->text();
    format.separator = source.boxes.separator->text();
    const int notInverted =
        Kodu_dönüştür(m_text1->toPlainText(), format, m_state.BaytTablosu, invert);
    try {
        KodaUyarla(m_groups[1].language, m_groups[1].command, m_text2);
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
    KoduTespitEt();
}

void Form2::Command2_Click()
{
    convert(false);
}

void Form2::Command3_Click()
{
    if (!m_state.busy)
        KoduKaydet(withCrLf(m_text2->toPlainText()), m_dialogs, m_groups[1].language->currentText(),
                   m_state);
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
