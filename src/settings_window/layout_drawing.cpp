#include "layout_drawing.h"

#include "window_style.h"

#include <QPainter>

namespace pixmint {
namespace {

// Room around the grid for the byte indexes: left and right for rows, above and below for
// pages.
constexpr int kSideMargin = 40;
constexpr int kEndMargin = 16;

}  // namespace

LayoutDrawing::LayoutDrawing(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void LayoutDrawing::showLayout(ByteLayout layout, int width, int height)
{
    m_layout = layout;
    m_width = width;
    m_height = height;
    update();
}

QRect LayoutDrawing::cellRect(int x, int y) const
{
    const int cellWidth = (width() - 2 * kSideMargin) / kCells;
    const int cellHeight = (height() - 2 * kEndMargin) / kCells;
    const int left = (width() - cellWidth * kCells) / 2;
    const int top = (height() - cellHeight * kCells) / 2;
    return {left + x * cellWidth, top + y * cellHeight, cellWidth, cellHeight};
}

QColor LayoutDrawing::cellColour(int x, int y) const
{
    if (x >= m_width || y >= m_height)
        return QColor(0xd0, 0xd0, 0xd0);
    // Neighbouring bytes take turns between two tints.
    const bool odd = bitPlace(m_layout, m_width, x, y).entry % 2;
    return odd ? QColor(0xfb, 0xe3, 0xb6) : QColor(0xc9, 0xe2, 0xf5);
}

void LayoutDrawing::paintCells(QPainter& painter) const
{
    QFont digits = windowFont();
    digits.setPixelSize(9);
    painter.setFont(digits);
    for (int y = 0; y < kCells; ++y) {
        for (int x = 0; x < kCells; ++x) {
            const QRect cell = cellRect(x, y);
            painter.fillRect(cell, cellColour(x, y));
            painter.setPen(QColor(0x9a, 0x9a, 0x9a));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(Qt::black);
            painter.drawText(cell, Qt::AlignCenter,
                             QString::number(bitPlace(m_layout, m_width, x, y).bit));
        }
    }
}

void LayoutDrawing::paintByteFrames(QPainter& painter) const
{
    // A thick line wherever two neighbouring pixels belong to different bytes, and around
    // the grid.
    painter.setPen(QPen(Qt::black, 2));
    for (int y = 0; y < kCells; ++y) {
        for (int x = 0; x < kCells; ++x) {
            const QRect cell = cellRect(x, y);
            const qint64 entry = bitPlace(m_layout, m_width, x, y).entry;
            if (x == kCells - 1 || bitPlace(m_layout, m_width, x + 1, y).entry != entry)
                painter.drawLine(cell.topRight() + QPoint(1, 0), cell.bottomRight() + QPoint(1, 1));
            if (y == kCells - 1 || bitPlace(m_layout, m_width, x, y + 1).entry != entry)
                painter.drawLine(cell.bottomLeft() + QPoint(0, 1),
                                 cell.bottomRight() + QPoint(1, 1));
            if (x == 0)
                painter.drawLine(cell.topLeft(), cell.bottomLeft() + QPoint(0, 1));
            if (y == 0)
                painter.drawLine(cell.topLeft(), cell.topRight() + QPoint(1, 0));
        }
    }
}

void LayoutDrawing::paintByteIndexes(QPainter& painter) const
{
    QFont numbers = windowFont();
    numbers.setPixelSize(9);
    painter.setFont(numbers);
    painter.setPen(Qt::black);
    auto label = [&](int x, int y, const QRect& room) {
        const qint64 entry = bitPlace(m_layout, m_width, x, y).entry;
        painter.drawText(room, Qt::AlignCenter, QString::number(entry));
    };
    const int last = kCells - 1;
    if (isRowLayout(m_layout)) {
        // The first byte of each row on the left, the second on the right.
        for (int y = 0; y < kCells; ++y) {
            const QRect first = cellRect(0, y);
            const QRect second = cellRect(last, y);
            label(0, y,
                  QRect(first.left() - kSideMargin, first.top(), kSideMargin - 4, first.height()));
            label(last, y,
                  QRect(second.right() + 4, second.top(), kSideMargin - 4, second.height()));
        }
        return;
    }
    // The bytes of the first page above the grid, those of the second page below it; the
    // pages named on the left.
    for (int page = 0; page < kCells / 8; ++page) {
        const QRect first = cellRect(0, page * 8).united(cellRect(0, page * 8 + 7));
        painter.drawText(
            QRect(first.left() - kSideMargin, first.top(), kSideMargin - 4, first.height()),
            Qt::AlignCenter, QStringLiteral("sayfa\n%1").arg(page));
    }
    for (int x = 0; x < kCells; ++x) {
        const QRect top = cellRect(x, 0);
        const QRect bottom = cellRect(x, last);
        label(x, 0, QRect(top.left() - 4, top.top() - kEndMargin, top.width() + 8, kEndMargin));
        label(x, last,
              QRect(bottom.left() - 4, bottom.bottom() + 1, bottom.width() + 8, kEndMargin));
    }
}

void LayoutDrawing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCells(painter);
    paintByteFrames(painter);
    paintByteIndexes(painter);
}

}  // namespace pixmint
