#include "glyph_map.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace pixmint {
namespace {

constexpr int kMargin = 3;
// A glyph's box is at most this wide and high on screen: larger glyphs are drawn smaller.
constexpr int kLargestBox = 64;

}  // namespace

GlyphMap::GlyphMap(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF4));
    setPalette(colours);
}

void GlyphMap::setGlyphs(QList<MappedGlyph> glyphs)
{
    m_glyphs = std::move(glyphs);
    int width = 1;
    int height = 1;
    for (const MappedGlyph& glyph : m_glyphs) {
        width = std::max(width, glyph.picture.width());
        height = std::max(height, glyph.picture.height());
    }
    m_scale = std::clamp(kLargestBox / std::max(width, height), 1, 3);
    m_box = QSize(width * m_scale + 2 * kMargin, height * m_scale + 2 * kMargin);
    arrange();
    update();
}

void GlyphMap::arrange()
{
    m_columns = std::max(1, width() / std::max(1, m_box.width()));
    const int rows = (static_cast<int>(m_glyphs.size()) + m_columns - 1) / m_columns;
    setMinimumHeight(std::max(1, rows * m_box.height()));
    updateGeometry();
}

QSize GlyphMap::sizeHint() const
{
    return QSize(width(), minimumHeight());
}

void GlyphMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int columns = std::max(1, width() / std::max(1, m_box.width()));
    if (columns != m_columns)
        arrange();
}

QRect GlyphMap::glyphBox(int index) const
{
    return QRect(QPoint(index % m_columns * m_box.width(), index / m_columns * m_box.height()),
                 m_box);
}

int GlyphMap::glyphAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= m_columns * m_box.width())
        return -1;
    const int index = point.y() / m_box.height() * m_columns + point.x() / m_box.width();
    return index < m_glyphs.size() ? index : -1;
}

void GlyphMap::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (int i = 0; i < m_glyphs.size(); ++i) {
        const QRect box = glyphBox(i);
        if (!box.intersects(dirty))
            continue;
        const MappedGlyph& glyph = m_glyphs[i];
        const QRect cell(box.topLeft() + QPoint(kMargin, kMargin),
                         QSize(glyph.picture.width(), glyph.picture.height()) * m_scale);
        painter.fillRect(cell, Qt::white);
        for (int y = 0; y < glyph.picture.height(); ++y) {
            for (int x = 0; x < glyph.picture.width(); ++x) {
                if (glyph.picture.at(x, y))
                    painter.fillRect(cell.x() + x * m_scale, cell.y() + y * m_scale, m_scale,
                                     m_scale, Qt::black);
            }
        }
        if (glyph.edited) {
            painter.setPen(QPen(QColor(0xE0, 0x70, 0x00), 1));
            painter.drawRect(box.adjusted(1, 1, -2, -2));
        }
    }
}

void GlyphMap::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = glyphAt(event->position().toPoint());
    if (index >= 0)
        Q_EMIT glyphActivated(index);
    QWidget::mouseDoubleClickEvent(event);
}

bool GlyphMap::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = glyphAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), m_glyphs[index].caption, this, glyphBox(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace pixmint
