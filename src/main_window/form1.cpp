#include "form1.h"

#include "code_output.h"
#include "code_save_flow.h"
#include "code_saving.h"
#include "dialog_service.h"
#include "format_group.h"
#include "number_reading.h"
#include "picture_box.h"
#include "picture_commands.h"
#include "program_state.h"
#include "target_size.h"
#include "window_style.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace pixmint {
namespace {

// The editor's title: the picture file's name, or nothing before a picture is loaded.
QString pictureTitle(const QString& path)
{
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

}  // namespace

Form1::Form1(ProgramState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs)
{
    setUpWindow(this, QStringLiteral("Form1"), QStringLiteral("Pixmint Resim Dönüştürücü"),
                {680, 664}, WindowSize::Resizable);
    buildControls();
    buildTabOrder();
    connectHandlers();

    PictureControls controls;
    controls.sourcePreview = m_picture1[0];
    controls.targetPreview = m_picture1[1];
    controls.workPicture = m_picture2;
    controls.targetPicture = m_picture3;
    controls.width = m_bmpEn;
    controls.height = m_bmpYükseklik;
    controls.fitSource = m_check1;
    controls.fitTarget = m_check2;
    controls.progress = m_progressBar1;
    controls.format = m_format;
    controls.code = m_text1;
    m_pictureCommands = std::make_unique<PictureCommands>(state, dialogs, controls);

    // The focus starts in the first box of the keyboard order, its whole text selected.
    m_bmpEn->setFocus(Qt::OtherFocusReason);
    m_bmpEn->selectAll();
}

Form1::~Form1()
{
    delete m_form2;
    delete m_form3;
    delete m_form4;
    delete m_form5;
}

void Form1::buildControls()
{
    addCommand(1, QStringLiteral("Resim Yükle"), {8, 8, 137, 41}, &Form1::Command1_Click);
    // The titles and "Resmi Kaydet" end where the previews below them begin.
    makeLabel(this, QStringLiteral("Label4(0)"), QStringLiteral("Kaynak Resim"), {168, 8, 177, 16});
    m_picture1[0] = new PictureBox(this);
    m_picture1[0]->setObjectName(QStringLiteral("Picture1(0)"));
    place(m_picture1[0], {168, 24, 249, 209});
    // The target title stops where "Resmi Kaydet" begins.
    makeLabel(this, QStringLiteral("Label4(1)"), QStringLiteral("Hedef Resim"), {432, 8, 112, 16});
    m_picture1[1] = new PictureBox(this);
    m_picture1[1]->setObjectName(QStringLiteral("Picture1(1)"));
    place(m_picture1[1], {424, 24, 249, 209});
    addCommand(5, QStringLiteral("Resmi Kaydet"), {552, 8, 89, 16}, &Form1::Command5_Click);
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("En :"), {8, 64, 19, 13});
    const TargetSize display;
    m_bmpEn =
        makeBox(this, QStringLiteral("BmpEn"), QString::number(display.width), {64, 56, 81, 19});
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Yükseklik :"), {8, 88, 52, 13});
    m_bmpYükseklik = makeBox(this, QStringLiteral("BmpYükseklik"), QString::number(display.height),
                             {64, 80, 81, 19});
    buildSettingsFrame();
    m_check1 = new QCheckBox(QStringLiteral("Çerçeveye Sığdır"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(true);
    place(m_check1, {168, 236, 249, 13}, true);
    m_check2 = new QCheckBox(QStringLiteral("Çerçeveye Sığdır"), this);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_check2->setChecked(true);
    place(m_check2, {424, 240, 137, 13}, true);
    m_progressBar1 = new QProgressBar(this);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setRange(0, 100);
    m_progressBar1->setValue(0);
    m_progressBar1->setTextVisible(false);
    place(m_progressBar1, {168, 256, 505, 25});
    m_text1 =
        makeCodePane(this, QStringLiteral("Text1"), QStringLiteral("Text1"), {0, 288, 585, 377});
    buildCommandColumn();
    buildWorkSurfaces();
    for (PictureBox* preview : m_picture1)
        preview->setFocusPolicy(Qt::StrongFocus);
}

void Form1::buildWorkSurfaces()
{
    m_picture2 = new PictureBox(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    place(m_picture2, {168, 288, 297, 361});
    m_picture2->hide();
    m_picture3 = new PictureBox(this, false);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    place(m_picture3, {368, 32, 128, 64});
    m_picture3->hide();
}

void Form1::buildCommandColumn()
{
    addCommand(2, QStringLiteral("Dönüştür"), {592, 288, 73, 33}, &Form1::Command2_Click);
    addCommand(6, QStringLiteral("Dosya Dönüştür"), {592, 328, 73, 33}, &Form1::Command6_Click);
    addCommand(3, QStringLiteral("Kaydet"), {592, 368, 73, 33}, &Form1::Command3_Click);
    addCommand(4, QStringLiteral("Resmi Tersle"), {592, 408, 73, 33}, &Form1::Command4_Click);
    addCommand(8, QStringLiteral("Görüntü Ayarları"), {592, 448, 73, 33}, &Form1::Command8_Click);
    addCommand(9, QStringLiteral("Yazı Tipi"), {592, 488, 73, 33}, &Form1::Command9_Click);
    addCommand(10, QStringLiteral("Düzenle"), {592, 528, 73, 33}, &Form1::Command10_Click);
    addCommand(7, QStringLiteral("Hakkında"), {592, 592, 81, 33}, &Form1::Command7_Click);
}

void Form1::buildSettingsFrame()
{
    FormatGroupLayout layout;
    layout.title = QStringLiteral("Convert Bilgileri");
    layout.frame = {0, 112, 161, 169};
    layout.language = {{8, 32, 66, 13}, {80, 24, 73, 21}};
    layout.command = {{8, 56, 36, 13}, {80, 48, 73, 21}};
    layout.numbersPerLine = {{8, 80, 64, 13}, {96, 72, 49, 19}};
    layout.prefix = {{8, 104, 56, 13}, {72, 96, 33, 19}};
    layout.suffix = {112, 96, 33, 19};
    // The label stays clear of the separator box beside it and the sample box below it.
    layout.separator = {{8, 128, 64, 16}, {72, 120, 73, 19}};
    layout.sample = {8, 144, 137, 19};
    layout.sampleText = QStringLiteral("0xFF,");
    m_format = new FormatGroup(layout, this);
}

void Form1::buildTabOrder()
{
    const FormatGroup& f = *m_format;
    const QList<QWidget*> order = {m_bmpEn,          m_bmpYükseklik,        m_picture1[0],
                                   m_picture1[1],    m_command[2],          m_command[3],
                                   m_command[4],     m_command[8],          m_command[9],
                                   m_command[10],    m_command[1],          m_text1,
                                   m_command[5],     m_command[6],          m_check1,
                                   m_check2,         f.numbersPerLineBox(), f.commandList(),
                                   f.languageList(), f.prefixBox(),         f.suffixBox(),
                                   f.separatorBox(), f.sampleBox(),         m_command[7]};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::connectHandlers()
{
    for (QLineEdit* box : {m_bmpEn, m_bmpYükseklik, m_format->numbersPerLineBox()})
        box->installEventFilter(this);
    // The settings window previews at the size typed here, and its settings mark Command8.
    PictureSession& session = m_state.picture;
    for (QLineEdit* box : {m_bmpEn, m_bmpYükseklik}) {
        connect(box, &QLineEdit::textChanged, this,
                [this] { m_state.picture.setTargetSize(m_bmpEn->text(), m_bmpYükseklik->text()); });
    }
    session.setTargetSize(m_bmpEn->text(), m_bmpYükseklik->text());
    // The "Ekran" list of the settings window types a display's size into the boxes.
    connect(&session, &PictureSession::targetSizeAsked, this, [this](int width, int height) {
        m_bmpEn->setText(QString::number(width));
        m_bmpYükseklik->setText(QString::number(height));
    });
    connect(&session, &PictureSession::settingsChanged, this, &Form1::showSettingsState);
    showSettingsState();
}

void Form1::showSettingsState()
{
    const QString caption = QStringLiteral("Görüntü Ayarları");
    m_command[8]->setText(m_state.picture.settings().isDefault() ? caption
                                                                 : caption + QStringLiteral(" *"));
}

void Form1::addCommand(int number, const QString& caption, const QRect& geometry,
                       void (Form1::*click)())
{
    QPushButton* button =
        makeButton(this, QStringLiteral("Command%1").arg(number), caption, geometry);
    connect(button, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    m_command[number] = button;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    const bool focusIn = event->type() == QEvent::FocusIn;
    const bool focusOut = event->type() == QEvent::FocusOut;
    if ((focusIn || focusOut) && isRealFocusChange(event)) {
        if (watched == m_bmpEn || watched == m_bmpYükseklik) {
            auto* box = static_cast<QLineEdit*>(watched);
            if (focusIn)
                box->selectAll();
            else
                checkAfterFocusLoss(box);
        } else if (watched == m_format->numbersPerLineBox() && focusOut) {
            checkAfterFocusLoss(m_format->numbersPerLineBox());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::checkAfterFocusLoss(QLineEdit* box)
{
    // The check runs once the focus has settled: the box has then finished its own
    // focus-loss handling (which drops its selection), and the focus can be put back.
    if (!m_checking)
        QTimer::singleShot(0, this, [this, box] { MetinKontrol(box); });
}

void Form1::MetinKontrol(QLineEdit* Metin)
{
    if (m_checking)
        return;
    const QString text = Metin->text();
    if (text.isEmpty())
        return;
    const std::optional<int> number = readWholeNumber(text);
    if (number && *number % 8 == 0)
        return;
    m_checking = true;
    m_dialogs.showMessage(QStringLiteral("Hata"),
                          QStringLiteral("Belirtilen Sayı 8 ve katları şeklinde olmalıdır"));
    Metin->setFocus(Qt::OtherFocusReason);
    Metin->selectAll();
    m_checking = false;
}

void Form1::KodaUyarla(QPlainTextEdit* Metin)
{
    layOutCodeInto(*m_format, Metin, m_state.ResimYolu, m_state, m_dialogs);
}

void Form1::ResimleriSil(QWidget* window)
{
    for (PictureBox* box : window->findChildren<PictureBox*>())
        box->clear();
}

void Form1::Command1_Click()
{
    if (!m_state.busy)
        m_pictureCommands->load([this] { ResimleriSil(this); });
}

void Form1::Command2_Click()
{
    convert(false);
}

void Form1::Command3_Click()
{
    if (!m_state.busy)
        KoduKaydet(withCrLf(m_text1->toPlainText()), m_dialogs,
                   m_format->languageList()->currentText(), m_state);
}

void Form1::Command4_Click()
{
    convert(true);
}

void Form1::convert(bool invert)
{
    if (m_state.busy || !editsMayBeDropped(m_editor, m_dialogs))
        return;
    m_pictureCommands->convert(invert);
    // The editor shows the picture of the conversion when it is open.
    if (m_editor && !m_state.PikselDizisi.isEmpty())
        m_editor->follow(m_state.PikselDizisi, m_state.picture.settings().layout,
                         pictureTitle(m_state.ResimYolu));
}

void Form1::Command5_Click()
{
    if (!m_state.busy)
        m_pictureCommands->savePicture();
}

void Form1::Command6_Click()
{
    if (!m_state.busy)
        showWindow(m_form2, m_makeConverter, true);
}

void Form1::Command7_Click()
{
    if (!m_state.busy)
        showWindow(m_form3, m_makeAbout, true);
}

void Form1::Command8_Click()
{
    // The settings window keeps what it shows while the program runs: closing only hides it.
    if (!m_state.busy)
        showWindow(m_form4, m_makeSettings, false);
}

void Form1::Command9_Click()
{
    // The font window keeps its font and settings while the program runs, as Form4 does.
    if (!m_state.busy)
        showWindow(m_form5, m_makeFont, false);
}
void Form1::Command10_Click()
{
    if (m_state.busy || !m_makeEditor)
        return;
    PixelGrid picture = m_state.PikselDizisi;
    if (picture.isEmpty()) {
        const Checked<TargetSize> size = readTargetSize(m_bmpEn->text(), m_bmpYükseklik->text());
        if (!size.ok()) {
            m_dialogs.showMessage(QStringLiteral("Hata"), size.failure());
            return;
        }
        picture = PixelGrid(size->width, size->height);
    }
    if (!m_editor) {
        m_editor = m_makeEditor(
            this, [this](const PixelGrid& edited) { m_pictureCommands->applyEdited(edited); });
    } else if (!editsMayBeDropped(m_editor, m_dialogs)) {
        return;
    }
    m_editor->open(picture, m_state.picture.settings().layout, pictureTitle(m_state.ResimYolu));
}

void Form1::showWindow(QPointer<QWidget>& window, const WindowFactory& factory, bool remakeClosed)
{
    if (!factory)
        return;
    if (remakeClosed && window && !window->isVisible()) {
        delete window;
        window = nullptr;
    }
    if (!window)
        window = factory(this);
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Every other window closes with this one. An editor's edits not applied would end with
    // the program: each editor asks first, and keeping one keeps the program running.
    const bool othersClosed = (!m_editor || m_editor->closeEditor()) &&
                              (!m_form2 || m_form2->close()) && (!m_form5 || m_form5->close());
    if (!othersClosed) {
        event->ignore();
        return;
    }
    // Work still under way stops at its next yield.
    m_state.abortRequested = true;
    if (m_form3)
        m_form3->close();
    if (m_form4)
        m_form4->close();
    event->accept();
    Q_EMIT closed();
}

}  // namespace pixmint
