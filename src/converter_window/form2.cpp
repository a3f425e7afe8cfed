#include "form2.h"

#include "code_output.h"
#include "code_save_flow.h"
#include "code_saving.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "finder_row.h"
#include "format_group.h"
#include "include_reading.h"
#include "program_state.h"
#include "recode_road.h"
#include "run_error.h"
#include "smart_reading.h"
#include "smart_row.h"
#include "window_style.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace pixmint {
Form2::Form2(ProgramState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_dialogs(dialogs)
{
    setUpWindow(this, QStringLiteral("Form2"), QStringLiteral("Dosya Dönüştür"), {607, 641},
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
    m_finder = new FinderRow(this, {{8, 464, 24, 13},
                                    {36, 460, 57, 21},
                                    {104, 464, 44, 13},
                                    {152, 460, 272, 21},
                                    {432, 460, 77, 21},
                                    {516, 460, 77, 21},
                                    {8, 488, 585, 145}});
    buildTabOrder();

    connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(m_command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(m_command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(m_smart->checkBox(), &QCheckBox::toggled, this, [this] { smartToggled(); });
    connect(m_smart->list(), &QComboBox::activated, this, [this] {
        showChosenFormat();
        showTable(false);
    });
    connect(m_finder->editButton(), &QPushButton::clicked, this, [this] { Düzenle_Click(); });
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
    QList<QWidget*> order = {
        m_text1,          m_command1,       m_text2,          m_command2,          m_command3,
        s.sampleBox(),    s.separatorBox(), s.suffixBox(),    s.prefixBox(),       s.languageList(),
        s.commandList(),  t.commandList(),  t.languageList(), t.prefixBox(),       t.suffixBox(),
        t.separatorBox(), t.sampleBox(),    m_command4,       m_smart->checkBox(), m_smart->list()};
    order << m_finder->widthBox() << m_finder->layoutList() << m_finder->findButton()
          << m_finder->editButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
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
    const IncludeText read = readIncludeFile(path, kPaneLimits);
    if (!read.ok()) {
        m_dialogs.showMessage(read.failureTitle, read.failure);
        return false;
    }
    showCodeText(m_text1, read.text);
    return true;
}

void Form2::readSource()
{
    if (!m_smart->isOn()) {
        m_smart->clear();
        KoduTespitEt();
    } else {
        m_smart->read(m_text1->toPlainText());
        showChosenFormat();
    }
    showTable(false);
}

void Form2::showTable(bool invert)
{
    const DrawnTable table = tableToDraw(recodeRequest(invert), 0);
    if (table.failed || table.bytes.empty())
        m_finder->clear();
    else
        m_finder->setTable(table.bytes, table.hints);
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

void Form2::KoduTespitEt()
{
    m_groups[0]->applyDetection(m_text1->toPlainText());
}

RecodeRequest Form2::recodeRequest(bool invert)
{
    RecodeRequest request;
    request.text = m_text1->toPlainText();
    request.commentPath = m_state.DosyaYolu;
    request.smart = m_smart->isOn();
    if (request.smart) {
        // The list follows the text as it is now, and the road takes the tables it found.
        m_smart->read(request.text);
        request.tables = m_smart->tables();
        request.choice = m_smart->choice();
    } else {
        request.source = m_groups[0]->format();
    }
    request.invert = invert;
    request.target = m_groups[1]->formatForLayout();
    return request;
}

void Form2::KodaUyarla(QPlainTextEdit* Metin, bool invert)
{
    if (m_state.busy)
        return;
    BusyGuard busy(m_state);
    const RecodeRequest request = recodeRequest(invert);
    m_running = true;
    try {
        EventYield yield(&m_state.abortRequested);
        RecodeOutcome outcome = runRecodeRoad(request, yield);
        for (const RoadMessage& message : outcome.beforeText)
            m_dialogs.showMessage(message.title, message.text);
        if (outcome.tableRead) {
            m_state.BaytTablosu = std::move(outcome.table);
            showTable(invert);
        }
        if (outcome.laidOut)
            showCodeText(Metin, outcome.code.text, yield);
        for (const RoadMessage& message : outcome.afterText)
            m_dialogs.showMessage(message.title, message.text);
    } catch (const WorkAborted&) {
        // the window is closing
    }
    m_running = false;
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
    KodaUyarla(m_text2, false);
}

void Form2::Command3_Click()
{
    if (!m_state.busy)
        KoduKaydet(withCrLf(m_text2->toPlainText()), m_dialogs,
                   m_groups[1]->languageList()->currentText(), m_state);
}

void Form2::Command4_Click()
{
    KodaUyarla(m_text2, true);
}

void Form2::Düzenle_Click()
{
    if (m_state.busy || !m_makeEditor)
        return;
    const PixelGrid picture = m_finder->tablePicture();
    if (picture.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"),
                              QStringLiteral("Önce bayt tablosu olan bir dosya açın."));
        return;
    }
    if (!m_editor) {
        m_editor = m_makeEditor(this, [this](const PixelGrid& edited) { applyEdited(edited); });
    } else if (!editsMayBeDropped(m_editor, m_dialogs)) {
        return;
    }
    const QString title = m_openedPath.isEmpty() ? QString() : QFileInfo(m_openedPath).fileName();
    m_editor->open(picture, m_finder->layout(), title);
}

void Form2::applyEdited(const PixelGrid& picture)
{
    if (m_state.busy)
        return;
    const Bytes table =
        withEditedPicture(m_finder->table(), m_finder->skip(), picture, m_finder->layout());
    m_state.BaytTablosu = twoDigitTexts(table);
    m_finder->replaceTable(table);
    const CodeTextOutcome code =
        codeTextFor(m_groups[1]->formatForLayout(), m_state.BaytTablosu, m_state.DosyaYolu);
    if (!code.failure.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), code.failure);
        return;
    }
    showCodeText(m_text2, code.code.text);
}

void Form2::closeEvent(QCloseEvent* event)
{
    // The editor's edits not applied would go with the window: it asks first.
    if (m_editor && !m_editor->closeEditor()) {
        event->ignore();
        return;
    }
    // A run of this window still under way stops at its next yield.
    if (m_running)
        m_state.abortRequested = true;
    event->accept();
}

}  // namespace pixmint
