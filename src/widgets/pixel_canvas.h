#pragma once

#include "picture_edits.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <optional>

namespace pixmint {

// What the mouse does on the canvas.
enum class CanvasTool { Pencil, Line, Rectangle, FilledRectangle, Fill, Select };

// The record of a tool: the name of its button, its caption and its tip.
struct CanvasToolRecord {
    CanvasTool tool;
    QString name;  // "Kalem"
    QString text;  // "Kalem"
    QString tip;
};

// The tools in the order the editor shows them, the pencil first.
const QList<CanvasToolRecord>& canvasToolRecords();

// One step the canvas made to its picture, already applied: the edit, the step's name as
// the undo buttons show it ("Kalem"), and the gesture it is part of. The steps of one
// gesture (the moves of one stroke, of one drag) share the number: merged they are one step
// of the undo history.
struct CanvasStep {
    PixelEdit edit;
    QString name;
    quint64 gesture = 0;
};

// A one-bit picture enlarged 1 to 32 times with a pixel grid, edited with the mouse: the
// pencil (left button dark, right button light; so the other drawing tools), line,
// rectangle outlined or filled, flood fill, and a rectangular selection that is cut,
// copied (to the system clipboard as a picture), pasted and moved by dragging. The pixels a
// selection is carried over stay as they were: each drag is computed from the picture as it
// was when the selection was lifted, until another edit sets it down. Ctrl + arrow keys
// shift everything by one pixel (wrapping round), Ctrl + wheel zooms. The canvas is as large
// as the enlarged picture; put it in a QScrollArea to scroll it. It repaints only what an
// edit changed.
class PixelCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 32;

    explicit PixelCanvas(QWidget* parent = nullptr);

    // The picture to edit, every cell that is not 0 taken as dark. The selection is dropped
    // and a gesture under way ends.
    void setPicture(const PixelGrid& picture);
    const PixelGrid& picture() const { return m_picture; }

    CanvasTool tool() const { return m_tool; }
    void setTool(CanvasTool tool);

    int zoom() const { return m_zoom; }
    // Taken into 1 … 32.
    void setZoom(int zoom);
    // The largest whole zoom (1 … 32) at which a picture of that size, its grid included,
    // fits into the area.
    static int fittingZoom(QSize picture, QSize area);
    // The pixel under a point of the canvas (it may lie outside the picture), and the
    // centre of a pixel on the canvas.
    QPoint pixelAt(QPoint position) const;
    QPoint centreOf(QPoint pixel) const;

    // The selected rectangle in pixels; empty when nothing is selected. A moved selection
    // may reach beyond the picture.
    QRect selection() const { return m_selection; }
    void selectAll();
    void clearSelection();

    // An edit made elsewhere (the undo history going back or forth), applied and painted.
    // A gesture under way ends, and a lifted selection is set down.
    void applyEdit(const PixelEdit& edit);

    // The commands; each that changes the picture reports it as a step. Those on the
    // selection do nothing without one. A paste lands at the selection's corner, or at the
    // top-left pixel in view, and becomes the selection, lifted, so that it can be dragged.
    void cut();
    void copy() const;
    void paste();
    void paste(const PixelGrid& patch, QPoint at);
    void deleteSelection();
    void invertSelection();
    void invertAll();
    void shift(int dx, int dy);

    QSize sizeHint() const override;

Q_SIGNALS:
    void stepMade(const pixmint::CanvasStep& step);
    void pixelHovered(QPoint pixel);  // a pixel of the picture under the cursor
    void hoverLeft();                 // the cursor is on no pixel of the picture
    void zoomChanged(int zoom);
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Gesture { None, Stroke, Shape, Drag, Band };
    // A selection lifted off the picture: the picture as it was, the hole it left there,
    // its pixels and where they lie now.
    struct Lifted {
        DraggedChange change;
        QRect hole;
        PixelGrid patch;
        QPoint at;
    };

    bool showsGrid() const { return m_zoom >= 4; }
    QRect canvasRect(QRect pixels) const;
    QRect wholePicture() const { return {0, 0, m_picture.width(), m_picture.height()}; }
    QRect selectionInPicture() const { return m_selection.intersected(wholePicture()); }
    void resizeToPicture();
    void setSelection(QRect selection);
    void repaintPixels(QRect pixels);
    // Applies a step of a gesture (or of a command when gesture is 0) and reports it.
    void makeStep(const PixelEdit& edit, const QString& name, quint64 gesture = 0);
    void endGesture();
    void setDown();

    void beginGesture(QMouseEvent* event, QPoint pixel);
    void continueGesture(QPoint pixel);
    PixelEdit shapeTo(QPoint pixel) const;
    void liftSelection();
    void dragTo(QPoint pixel);
    void reportHover(QPoint pixel);
    void zoomAround(int zoom, QPoint position);

    PixelGrid m_picture;
    CanvasTool m_tool = CanvasTool::Pencil;
    int m_zoom = 1;
    QRect m_selection;
    std::optional<Lifted> m_lifted;

    // The gesture under way: its kind, the button that began it, its number, the value it
    // paints, the pixel where it began and the last one it reached; a shape's drag from the
    // picture as it began; where a dragged selection lay when the drag began.
    Gesture m_gesture = Gesture::None;
    Qt::MouseButton m_button = Qt::NoButton;
    quint64 m_gestureNumber = 0;
    std::uint8_t m_value = 1;
    QPoint m_anchor;
    QPoint m_last;
    DraggedChange m_shape;
    QPoint m_dragFrom;
    std::optional<QPoint> m_hovered;
};

}  // namespace pixmint
