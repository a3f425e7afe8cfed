#include "form6.h"

#include "dialog_service.h"
#include "pixel_canvas.h"
#include "window_style.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>

#include <functional>

namespace pixmint {
namespace {

// The steps the history keeps; the oldest go first.
constexpr int kHistorySteps = 500;

// The left column of controls and the gap around the canvas.
constexpr int kColumnLeft = 8;
constexpr int kColumnWidth = 128;
constexpr int kAreaLeft = kColumnLeft + kColumnWidth + 8;
constexpr int kStatusHeight = 16;

// A step of the canvas in the undo history. The canvas has applied it already when it is
// pushed, so its first redo does nothing. The steps of one gesture merge into one.
class CanvasCommand : public QUndoCommand {
public:
    CanvasCommand(PixelCanvas* canvas, const CanvasStep& step)
        : QUndoCommand(step.name), m_canvas(canvas), m_edit(step.edit), m_gesture(step.gesture)
    {
    }

    int id() const override { return 1; }
    void undo() override { m_canvas->applyEdit(m_edit); }
    void redo() override
    {
        if (m_applied)
            m_applied = false;
        else
            m_canvas->applyEdit(m_edit);
    }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const CanvasCommand*>(other);
        if (next->m_gesture != m_gesture)
            return false;
        m_edit.merge(next->m_edit);
        // A drag that came back to where it began changed nothing: no step.
        setObsolete(m_edit.isEmpty());
        return true;
    }

private:
    PixelCanvas* m_canvas;
    PixelEdit m_edit;
    quint64 m_gesture;
    bool m_applied = true;
};

// "x 12, y 5 — bayt 140, bit 5": the pixel and the entry and bit that hold it.
QString pixelPlaceText(QPoint pixel, ByteLayout layout, int width)
{
    const BitPlace place = bitPlace(layout, width, pixel.x(), pixel.y());
    return QStringLiteral("x %1, y %2 — bayt %3, bit %4")
        .arg(pixel.x())
        .arg(pixel.y())
        .arg(place.entry)
        .arg(place.bit);
}

QPushButton* makeColumnButton(QWidget* parent, const QString& name, const QString& caption,
                              const QString& tip, int y)
{
    QPushButton* button = makeButton(parent, name, caption, {kColumnLeft, y, kColumnWidth, 25});
    button->setToolTip(tip);
    return button;
}

}  // namespace

Form6::Form6(DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs)
{
    setUpWindow(this, QStringLiteral("Form6"), QStringLiteral("Düzenle"), {800, 560},
                WindowSize::Resizable);
    setMinimumSize(480, 560);
    m_history = new QUndoStack(this);
    m_history->setUndoLimit(kHistorySteps);

    m_canvas = new PixelCanvas;
    m_canvas->setObjectName(QStringLiteral("Tuval"));
    m_area = new QScrollArea(this);
    m_area->setObjectName(QStringLiteral("TuvalAlanı"));
    m_area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_area->setBackgroundRole(QPalette::Dark);
    m_area->setWidget(m_canvas);
    m_status = makeLabel(this, QStringLiteral("Durum"), QString(), {});

    buildToolButtons();
    buildCommandButtons();
    buildShiftButtons();
    buildZoomControl();
    buildHistoryButtons();
    connectCanvas();
    placeWorkArea();
    showHistory();
    showSelectionCommands();
    showSize();
}

Form6::~Form6()
{
    // The history and the canvas go with the window's children, after this class is gone:
    // what they signal then must reach nothing of it.
    m_history->disconnect(this);
    m_canvas->disconnect(this);
}

void Form6::buildToolButtons()
{
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Araçlar"),
              {kColumnLeft, 8, kColumnWidth, 13});
    m_tools = new QButtonGroup(this);
    int y = 24;
    for (const CanvasToolRecord& record : canvasToolRecords()) {
        QPushButton* button = makeColumnButton(this, record.name, record.text, record.tip, y);
        button->setCheckable(true);
        button->setChecked(record.tool == CanvasTool::Pencil);
        m_tools->addButton(button, static_cast<int>(record.tool));
        y += 28;
    }
    connect(m_tools, &QButtonGroup::idClicked, this, [this](int id) {
        m_canvas->setTool(static_cast<CanvasTool>(id));
        m_canvas->setFocus();
    });
}

// A button that runs a command on the canvas and gives the canvas the focus back.
struct CanvasButton {
    const char* name;
    QString text;
    QString tip;
    std::function<void(PixelCanvas&)> run;
    bool needsSelection = false;
};

QPushButton* Form6::addCanvasButton(const CanvasButton& command, const QRect& geometry)
{
    QPushButton* button = makeButton(this, QString::fromUtf8(command.name), command.text, geometry);
    button->setToolTip(command.tip);
    connect(button, &QPushButton::clicked, this, [this, run = command.run] {
        run(*m_canvas);
        m_canvas->setFocus();
    });
    if (command.needsSelection)
        m_selectionCommands.append(button);
    return button;
}

void Form6::buildCommandButtons()
{
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Seçim"),
              {kColumnLeft, 198, kColumnWidth, 13});
    const QList<CanvasButton> commands = {
        {"Kes", QStringLiteral("Kes"), QStringLiteral("Seçimi panoya al, yerini aç (Ctrl+X)"),
         [](PixelCanvas& canvas) { canvas.cut(); }, true},
        {"Kopyala", QStringLiteral("Kopyala"), QStringLiteral("Seçimi panoya kopyala (Ctrl+C)"),
         [](PixelCanvas& canvas) { canvas.copy(); }, true},
        {"Yapıştır", QStringLiteral("Yapıştır"),
         QStringLiteral("Panodaki resmi seçimin köşesine, seçim yoksa görünen sol üst köşeye "
                        "yapıştır (Ctrl+V)"),
         [](PixelCanvas& canvas) { canvas.paste(); }, false},
        {"SeçimiTersle", QStringLiteral("Seçimi Tersle"),
         QStringLiteral("Seçimdeki koyu pikselleri açık, açıkları koyu yap"),
         [](PixelCanvas& canvas) { canvas.invertSelection(); }, true},
        {"TümünüTersle", QStringLiteral("Tümünü Tersle"), QStringLiteral("Bütün resmi tersle"),
         [](PixelCanvas& canvas) { canvas.invertAll(); }, false},
    };
    int y = 214;
    for (const CanvasButton& command : commands) {
        addCanvasButton(command, {kColumnLeft, y, kColumnWidth, 25});
        y += 28;
    }
}

void Form6::buildShiftButtons()
{
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Kaydır (Ctrl + ok tuşları)"),
              {kColumnLeft, 360, kColumnWidth, 13});
    const auto shift = [](int dx, int dy) {
        return [dx, dy](PixelCanvas& canvas) { canvas.shift(dx, dy); };
    };
    const QString wraps = QStringLiteral(": kenardan çıkan piksel karşı kenardan girer");
    const QList<CanvasButton> shifts = {
        {"SolaKaydır", QStringLiteral("←"), QStringLiteral("Sola kaydır (Ctrl+Sol)") + wraps,
         shift(-1, 0)},
        {"SağaKaydır", QStringLiteral("→"), QStringLiteral("Sağa kaydır (Ctrl+Sağ)") + wraps,
         shift(1, 0)},
        {"YukarıKaydır", QStringLiteral("↑"), QStringLiteral("Yukarı kaydır (Ctrl+Yukarı)") + wraps,
         shift(0, -1)},
        {"AşağıKaydır", QStringLiteral("↓"), QStringLiteral("Aşağı kaydır (Ctrl+Aşağı)") + wraps,
         shift(0, 1)},
    };
    int x = kColumnLeft;
    for (const CanvasButton& command : shifts) {
        addCanvasButton(command, {x, 376, 29, 25});
        x += 33;
    }
}

void Form6::buildZoomControl()
{
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Büyütme :"),
              {kColumnLeft, 416, 60, 13});
    m_zoom = new QSpinBox(this);
    m_zoom->setObjectName(QStringLiteral("Büyütme"));
    m_zoom->setRange(PixelCanvas::kMinZoom, PixelCanvas::kMaxZoom);
    m_zoom->setSuffix(QStringLiteral(" ×"));
    m_zoom->setToolTip(QStringLiteral("Ctrl + fare tekerleği de büyütür"));
    place(m_zoom, {kColumnLeft + 72, 412, kColumnWidth - 72, 21});
    m_zoom->setValue(m_canvas->zoom());
    connect(m_zoom, &QSpinBox::valueChanged, m_canvas, &PixelCanvas::setZoom);
}

void Form6::buildHistoryButtons()
{
    m_undo = makeButton(this, QStringLiteral("GeriAl"), QStringLiteral("Geri Al"),
                        {kColumnLeft, 444, kColumnWidth, 25});
    m_redo = makeButton(this, QStringLiteral("Yinele"), QStringLiteral("Yinele"),
                        {kColumnLeft, 472, kColumnWidth, 25});
    m_apply = makeButton(this, QStringLiteral("Uygula"), QStringLiteral("Uygula"),
                         {kColumnLeft, 512, kColumnWidth, 25});
    m_apply->setToolTip(QStringLiteral("Düzenlenen resmi açan pencereye ver"));
    // After a click the keys go to the canvas again (Ctrl + arrows, Ctrl+C …).
    connect(m_undo, &QPushButton::clicked, this, [this] {
        m_history->undo();
        m_canvas->setFocus();
    });
    connect(m_redo, &QPushButton::clicked, this, [this] {
        m_history->redo();
        m_canvas->setFocus();
    });
    connect(m_apply, &QPushButton::clicked, this, &Form6::Uygula_Click);

    // The keys work wherever the focus is in the window.
    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* redo = new QAction(this);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addActions({undo, redo});
    connect(undo, &QAction::triggered, m_history, &QUndoStack::undo);
    connect(redo, &QAction::triggered, m_history, &QUndoStack::redo);
    connect(m_history, &QUndoStack::indexChanged, this, &Form6::showHistory);
    connect(m_history, &QUndoStack::cleanChanged, this, &Form6::showHistory);
}

void Form6::connectCanvas()
{
    connect(m_canvas, &PixelCanvas::stepMade, this,
            [this](const CanvasStep& step) { m_history->push(new CanvasCommand(m_canvas, step)); });
    connect(m_canvas, &PixelCanvas::zoomChanged, m_zoom, &QSpinBox::setValue);
    connect(m_canvas, &PixelCanvas::selectionChanged, this, &Form6::showSelectionCommands);
    connect(m_canvas, &PixelCanvas::pixelHovered, this, &Form6::showPixel);
    connect(m_canvas, &PixelCanvas::hoverLeft, this, &Form6::showSize);
}

void Form6::edit(const PixelGrid& picture, ByteLayout layout, const QString& title)
{
    m_layout = layout;
    setWindowTitle(title.isEmpty() ? QStringLiteral("Düzenle")
                                   : QStringLiteral("Düzenle — ") + title);
    m_history->clear();
    m_canvas->setPicture(picture);
    m_applied = m_canvas->picture();
    m_fitPending = true;
    if (isVisible())
        fitZoom();
    showSize();
}

void Form6::open(const PixelGrid& picture, ByteLayout layout, const QString& title)
{
    edit(picture, layout, title);
    show();
    raise();
    activateWindow();
}

void Form6::follow(const PixelGrid& picture, ByteLayout layout, const QString& title)
{
    if (isVisible())
        edit(picture, layout, title);
}

const PixelGrid& Form6::picture() const
{
    return m_canvas->picture();
}

bool Form6::hasUnappliedEdits() const
{
    return !m_history->isClean();
}

void Form6::Uygula_Click()
{
    m_history->setClean();
    m_applied = m_canvas->picture();
    Q_EMIT pictureApplied(m_applied);
}

void Form6::closeEvent(QCloseEvent* event)
{
    if (hasUnappliedEdits() &&
        m_dialogs.showMessage(QStringLiteral("Düzenle"),
                              QStringLiteral("Değişiklikler uygulanmadı. Kapatılsın mı?"),
                              MessageButtons::YesNo) != MessageAnswer::Yes) {
        event->ignore();
        return;
    }
    // The edits not applied are given up: the picture is the one last applied again.
    if (hasUnappliedEdits()) {
        m_history->clear();
        m_canvas->setPicture(m_applied);
    }
    event->accept();
}

void Form6::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeWorkArea();
}

void Form6::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_fitPending)
        fitZoom();
    m_canvas->setFocus();
}

void Form6::placeWorkArea()
{
    const int width = std::max(0, this->width() - kAreaLeft - 8);
    m_area->setGeometry(kAreaLeft, 8, width, height() - 8 - kStatusHeight - 12);
    m_status->setGeometry(kAreaLeft, height() - kStatusHeight - 6, width, kStatusHeight);
}

void Form6::fitZoom()
{
    m_fitPending = false;
    const PixelGrid& shown = m_canvas->picture();
    m_canvas->setZoom(
        PixelCanvas::fittingZoom({shown.width(), shown.height()}, m_area->maximumViewportSize()));
    m_area->horizontalScrollBar()->setValue(0);
    m_area->verticalScrollBar()->setValue(0);
}

void Form6::showHistory()
{
    const bool undoable = m_history->canUndo();
    const bool redoable = m_history->canRedo();
    m_undo->setEnabled(undoable);
    m_redo->setEnabled(redoable);
    m_undo->setToolTip(undoable ? QStringLiteral("Geri Al: ") + m_history->undoText()
                                : QStringLiteral("Geri Al"));
    m_redo->setToolTip(redoable ? QStringLiteral("Yinele: ") + m_history->redoText()
                                : QStringLiteral("Yinele"));
}

void Form6::showSelectionCommands()
{
    const bool selected = !m_canvas->selection().isEmpty();
    for (QPushButton* button : m_selectionCommands)
        button->setEnabled(selected);
}

void Form6::showPixel(QPoint pixel)
{
    m_status->setText(pixelPlaceText(pixel, m_layout, m_canvas->picture().width()));
}

void Form6::showSize()
{
    const PixelGrid& shown = m_canvas->picture();
    m_status->setText(QStringLiteral("%1 × %2 piksel, %3")
                          .arg(shown.width())
                          .arg(shown.height())
                          .arg(layoutRecord(m_layout).text));
}

}  // namespace pixmint
