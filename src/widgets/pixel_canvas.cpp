#include "pixel_canvas.h"

#include "dithering.h"
#include "pixel_reading.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace pixmint {
namespace {

constexpr QRgb kDark = qRgb(24, 24, 24);
constexpr QRgb kLight = qRgb(255, 255, 255);
const QColor kGrid(176, 176, 176);

// The zooms Ctrl + wheel steps through; the zoom box of the window takes any in between.
constexpr std::array kWheelZooms = {1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 20, 24, 32};

int floorDivision(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

const CanvasToolRecord& toolRecord(CanvasTool tool)
{
    for (const CanvasToolRecord& record : canvasToolRecords()) {
        if (record.tool == tool)
            return record;
    }
    return canvasToolRecords().front();
}

// A picture from the clipboard as one-bit pixels, at most `limit` large from its top-left
// corner: what is transparent counts as the light background, the rest is dark or light by
// the program's one rule.
PixelGrid pixelsOf(const QImage& image, QSize limit)
{
    const QSize size = image.size().boundedTo(limit);
    if (size.isEmpty())
        return {};
    QImage flat(size, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    return PikselleriOku(flat, size.width(), size.height(), false);
}

// The pixel of the rectangle nearest to the point.
QPoint clampedInto(QRect rect, QPoint point)
{
    return {std::clamp(point.x(), rect.left(), rect.right()),
            std::clamp(point.y(), rect.top(), rect.bottom())};
}

QString shiftName(int dx, int dy)
{
    if (dx < 0)
        return QStringLiteral("Sola Kaydır");
    if (dx > 0)
        return QStringLiteral("Sağa Kaydır");
    return dy < 0 ? QStringLiteral("Yukarı Kaydır") : QStringLiteral("Aşağı Kaydır");
}

}  // namespace

const QList<CanvasToolRecord>& canvasToolRecords()
{
    static const QList<CanvasToolRecord> records = {
        {CanvasTool::Pencil, QStringLiteral("Kalem"), QStringLiteral("Kalem"),
         QStringLiteral("Kalem: sol tuş koyu, sağ tuş açık boyar")},
        {CanvasTool::Line, QStringLiteral("Çizgi"), QStringLiteral("Çizgi"),
         QStringLiteral("Çizgi: basılan yerden bırakılan yere düz çizgi")},
        {CanvasTool::Rectangle, QStringLiteral("Dikdörtgen"), QStringLiteral("Dikdörtgen"),
         QStringLiteral("Dikdörtgen: köşeden köşeye çerçeve")},
        {CanvasTool::FilledRectangle, QStringLiteral("DoluDikdörtgen"),
         QStringLiteral("Dolu Dikdörtgen"), QStringLiteral("Dolu Dikdörtgen: köşeden köşeye")},
        {CanvasTool::Fill, QStringLiteral("Doldur"), QStringLiteral("Doldur"),
         QStringLiteral("Doldur: tıklanan pikselle aynı renkteki bitişik alanı boyar")},
        {CanvasTool::Select, QStringLiteral("Seç"), QStringLiteral("Seç"),
         QStringLiteral("Seç: dikdörtgen seçim; seçimin içinden sürükleyince taşır")},
    };
    return records;
}

PixelCanvas::PixelCanvas(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The right button paints light: no context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    resizeToPicture();
}

void PixelCanvas::setPicture(const PixelGrid& picture)
{
    endGesture();
    setDown();
    m_picture = oneBitPicture(picture);
    m_selection = {};
    resizeToPicture();
    update();
    Q_EMIT selectionChanged();
}

void PixelCanvas::setTool(CanvasTool tool)
{
    endGesture();
    setDown();
    m_tool = tool;
}

void PixelCanvas::setZoom(int zoom)
{
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    resizeToPicture();
    update();
    Q_EMIT zoomChanged(zoom);
}

int PixelCanvas::fittingZoom(QSize picture, QSize area)
{
    for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
        const int grid = zoom >= 4 ? 1 : 0;
        if (qint64(picture.width()) * zoom + grid <= area.width() &&
            qint64(picture.height()) * zoom + grid <= area.height())
            return zoom;
    }
    return kMinZoom;
}

QPoint PixelCanvas::pixelAt(QPoint position) const
{
    return {floorDivision(position.x(), m_zoom), floorDivision(position.y(), m_zoom)};
}

QPoint PixelCanvas::centreOf(QPoint pixel) const
{
    return pixel * m_zoom + QPoint(m_zoom / 2, m_zoom / 2);
}

QRect PixelCanvas::canvasRect(QRect pixels) const
{
    return {pixels.x() * m_zoom, pixels.y() * m_zoom, pixels.width() * m_zoom,
            pixels.height() * m_zoom};
}

void PixelCanvas::resizeToPicture()
{
    const int grid = showsGrid() ? 1 : 0;
    setFixedSize(m_picture.width() * m_zoom + grid, m_picture.height() * m_zoom + grid);
}

QSize PixelCanvas::sizeHint() const
{
    return size();
}

void PixelCanvas::selectAll()
{
    endGesture();
    setDown();
    setSelection(wholePicture());
}

void PixelCanvas::clearSelection()
{
    endGesture();
    setDown();
    setSelection({});
}

void PixelCanvas::setSelection(QRect selection)
{
    if (selection == m_selection)
        return;
    // The outline lies on the grid lines around the pixels.
    update(canvasRect(m_selection).adjusted(-1, -1, 2, 2));
    m_selection = selection;
    update(canvasRect(m_selection).adjusted(-1, -1, 2, 2));
    Q_EMIT selectionChanged();
}

void PixelCanvas::repaintPixels(QRect pixels)
{
    update(canvasRect(pixels).adjusted(-1, -1, 1, 1));
}

void PixelCanvas::makeStep(const PixelEdit& edit, const QString& name, quint64 gesture)
{
    if (edit.isEmpty())
        return;
    edit.apply(m_picture);
    repaintPixels(edit.bounds());
    Q_EMIT stepMade({edit, name, gesture ? gesture : ++m_gestureNumber});
}

void PixelCanvas::endGesture()
{
    m_gesture = Gesture::None;
    m_button = Qt::NoButton;
    m_shape = DraggedChange();
}

void PixelCanvas::setDown()
{
    m_lifted.reset();
}

void PixelCanvas::applyEdit(const PixelEdit& edit)
{
    endGesture();
    setDown();
    edit.apply(m_picture);
    repaintPixels(edit.bounds());
}

void PixelCanvas::cut()
{
    const QRect selected = selectionInPicture();
    if (selected.isEmpty())
        return;
    copy();
    endGesture();
    setDown();
    makeStep(rectangleEdit(m_picture, selected, 0, true), QStringLiteral("Kes"));
}

void PixelCanvas::copy() const
{
    const QRect selected = selectionInPicture();
    if (selected.isEmpty())
        return;
    QGuiApplication::clipboard()->setImage(
        blackAndWhitePicture(copiedPixels(m_picture, selected), selected.size(), false));
}

void PixelCanvas::paste()
{
    const PixelGrid patch =
        pixelsOf(QGuiApplication::clipboard()->image(), {m_picture.width(), m_picture.height()});
    QPoint at = selectionInPicture().topLeft();
    if (selectionInPicture().isEmpty()) {
        // The first pixel wholly in view.
        const QRect seen = visibleRegion().boundingRect();
        at = seen.isEmpty() ? QPoint()
                            : clampedInto(wholePicture(),
                                          pixelAt(seen.topLeft() + QPoint(m_zoom - 1, m_zoom - 1)));
    }
    paste(patch, at);
}

void PixelCanvas::paste(const PixelGrid& patch, QPoint at)
{
    if (patch.isEmpty() || m_picture.isEmpty())
        return;
    endGesture();
    setDown();
    m_lifted = Lifted{DraggedChange(m_picture), QRect(), patch, at};
    makeStep(m_lifted->change.step(placeEdit(m_picture, {}, patch, at)),
             QStringLiteral("Yapıştır"));
    setSelection(QRect(at, QSize(patch.width(), patch.height())));
}

void PixelCanvas::deleteSelection()
{
    const QRect selected = selectionInPicture();
    endGesture();
    setDown();
    makeStep(rectangleEdit(m_picture, selected, 0, true), QStringLiteral("Sil"));
}

void PixelCanvas::invertSelection()
{
    const QRect selected = selectionInPicture();
    endGesture();
    setDown();
    makeStep(invertEdit(m_picture, selected), QStringLiteral("Seçimi Tersle"));
}

void PixelCanvas::invertAll()
{
    endGesture();
    setDown();
    makeStep(invertEdit(m_picture, wholePicture()), QStringLiteral("Tümünü Tersle"));
}

void PixelCanvas::shift(int dx, int dy)
{
    endGesture();
    setDown();
    makeStep(shiftEdit(m_picture, dx, dy), shiftName(dx, dy));
}

void PixelCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::Window));
    const QRect pixels =
        QRect(pixelAt(area.topLeft()), pixelAt(area.bottomRight())).intersected(wholePicture());
    if (pixels.isEmpty())
        return;
    QImage image(pixels.size(), QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const std::uint8_t* cells = m_picture.row(pixels.y() + y) + pixels.x();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            line[x] = cells[x] ? kDark : kLight;
    }
    painter.drawImage(canvasRect(pixels), image);
    if (showsGrid()) {
        painter.setPen(kGrid);
        const QRect drawn = canvasRect(pixels);
        for (int x = pixels.left(); x <= pixels.right() + 1; ++x)
            painter.drawLine(x * m_zoom, drawn.top(), x * m_zoom, drawn.bottom() + 1);
        for (int y = pixels.top(); y <= pixels.bottom() + 1; ++y)
            painter.drawLine(drawn.left(), y * m_zoom, drawn.right() + 1, y * m_zoom);
    }
    if (!m_selection.isEmpty()) {
        // Black dashes on white, seen on dark and light pixels alike.
        const QRect outline = canvasRect(m_selection);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(outline);
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(outline);
    }
}

void PixelCanvas::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    const bool paints =
        button == Qt::LeftButton || (button == Qt::RightButton && m_tool != CanvasTool::Select);
    if (m_gesture != Gesture::None || !paints || m_picture.isEmpty()) {
        event->accept();
        return;
    }
    beginGesture(event, pixelAt(event->position().toPoint()));
}

void PixelCanvas::beginGesture(QMouseEvent* event, QPoint pixel)
{
    m_button = event->button();
    m_value = m_button == Qt::LeftButton ? 1 : 0;
    m_anchor = pixel;
    m_last = pixel;
    const quint64 number = ++m_gestureNumber;
    const QString& name = toolRecord(m_tool).text;
    if (m_tool == CanvasTool::Select) {
        if (m_selection.contains(pixel)) {
            liftSelection();
            m_gesture = Gesture::Drag;
            m_dragFrom = m_lifted->at;
            return;
        }
        setDown();
        m_gesture = Gesture::Band;
        const QPoint inside = clampedInto(wholePicture(), pixel);
        m_anchor = inside;
        m_last = inside;
        setSelection(QRect(inside, QSize(1, 1)));
        return;
    }
    setDown();
    switch (m_tool) {
    case CanvasTool::Pencil:
        m_gesture = Gesture::Stroke;
        makeStep(lineEdit(m_picture, pixel, pixel, m_value), name, number);
        break;
    case CanvasTool::Fill:
        makeStep(floodFillEdit(m_picture, pixel, m_value), name, number);
        break;
    default:
        m_gesture = Gesture::Shape;
        m_shape = DraggedChange(m_picture);
        makeStep(m_shape.step(shapeTo(pixel)), name, number);
        break;
    }
}

void PixelCanvas::continueGesture(QPoint pixel)
{
    if (pixel == m_last)
        return;
    const QString& name = toolRecord(m_tool).text;
    switch (m_gesture) {
    case Gesture::Stroke:
        makeStep(lineEdit(m_picture, m_last, pixel, m_value), name, m_gestureNumber);
        break;
    case Gesture::Shape:
        makeStep(m_shape.step(shapeTo(pixel)), name, m_gestureNumber);
        break;
    case Gesture::Drag:
        dragTo(pixel);
        break;
    case Gesture::Band:
        setSelection(cornersRect(m_anchor, pixel).intersected(wholePicture()));
        break;
    case Gesture::None:
        break;
    }
    m_last = pixel;
}

PixelEdit PixelCanvas::shapeTo(QPoint pixel) const
{
    const PixelGrid& start = m_shape.start();
    if (m_tool == CanvasTool::Line)
        return lineEdit(start, m_anchor, pixel, m_value);
    return rectangleEdit(start, cornersRect(m_anchor, pixel), m_value,
                         m_tool == CanvasTool::FilledRectangle);
}

void PixelCanvas::liftSelection()
{
    if (m_lifted)
        return;
    const QRect hole = selectionInPicture();
    m_lifted =
        Lifted{DraggedChange(m_picture), hole, copiedPixels(m_picture, hole), hole.topLeft()};
    setSelection(hole);
}

void PixelCanvas::dragTo(QPoint pixel)
{
    Lifted& lifted = *m_lifted;
    const QPoint at = m_dragFrom + (pixel - m_anchor);
    if (at == lifted.at)
        return;
    lifted.at = at;
    makeStep(lifted.change.step(placeEdit(lifted.change.start(), lifted.hole, lifted.patch, at)),
             QStringLiteral("Taşı"), m_gestureNumber);
    setSelection(QRect(at, QSize(lifted.patch.width(), lifted.patch.height())));
}

void PixelCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = pixelAt(event->position().toPoint());
    reportHover(pixel);
    if (m_gesture != Gesture::None)
        continueGesture(pixel);
}

void PixelCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_gesture == Gesture::None || event->button() != m_button)
        return;
    continueGesture(pixelAt(event->position().toPoint()));
    // A click of the selection tool beside the selection, without a drag, selects nothing.
    const bool click = m_gesture == Gesture::Band && m_last == m_anchor;
    endGesture();
    if (click)
        setSelection({});
}

void PixelCanvas::reportHover(QPoint pixel)
{
    if (wholePicture().contains(pixel)) {
        if (m_hovered != pixel) {
            m_hovered = pixel;
            Q_EMIT pixelHovered(pixel);
        }
    } else if (m_hovered) {
        m_hovered.reset();
        Q_EMIT hoverLeft();
    }
}

void PixelCanvas::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (m_hovered) {
        m_hovered.reset();
        Q_EMIT hoverLeft();
    }
}

void PixelCanvas::wheelEvent(QWheelEvent* event)
{
    const int turn = event->angleDelta().y();
    if (!(event->modifiers() & Qt::ControlModifier) || turn == 0) {
        event->ignore();  // the scroll area scrolls
        return;
    }
    int zoom = m_zoom;
    if (turn > 0) {
        const auto* next = std::upper_bound(kWheelZooms.begin(), kWheelZooms.end(), m_zoom);
        zoom = next == kWheelZooms.end() ? kMaxZoom : *next;
    } else {
        const auto* next = std::lower_bound(kWheelZooms.begin(), kWheelZooms.end(), m_zoom);
        zoom = next == kWheelZooms.begin() ? kMinZoom : *(next - 1);
    }
    zoomAround(zoom, event->position().toPoint());
    event->accept();
}

void PixelCanvas::zoomAround(int zoom, QPoint position)
{
    // The pixel under the cursor stays under it when the canvas scrolls in an area.
    const QPointF pixel = QPointF(position) / m_zoom;
    QScrollArea* area = nullptr;
    if (QWidget* viewport = parentWidget())
        area = qobject_cast<QScrollArea*>(viewport->parentWidget());
    const QPoint inView = area ? mapTo(area->viewport(), position) : position;
    setZoom(zoom);
    if (area) {
        area->horizontalScrollBar()->setValue(static_cast<int>(std::lround(pixel.x() * m_zoom)) -
                                              inView.x());
        area->verticalScrollBar()->setValue(static_cast<int>(std::lround(pixel.y() * m_zoom)) -
                                            inView.y());
    }
}

void PixelCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::ControlModifier ||
        event->modifiers() == (Qt::ControlModifier | Qt::KeypadModifier)) {
        const int dx = (event->key() == Qt::Key_Right) - (event->key() == Qt::Key_Left);
        const int dy = (event->key() == Qt::Key_Down) - (event->key() == Qt::Key_Up);
        if (dx || dy) {
            shift(dx, dy);
            return;
        }
    }
    if (event->matches(QKeySequence::Cut))
        cut();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::Paste))
        paste();
    else if (event->matches(QKeySequence::Delete))
        deleteSelection();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->key() == Qt::Key_Escape && !m_selection.isEmpty())
        clearSelection();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace pixmint
