#include "picture_edits.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace pixmint {
namespace {

QRect wholeOf(const PixelGrid& picture)
{
    return {0, 0, picture.width(), picture.height()};
}

// Marks (x, y) when it lies in the clip and the picture holds another value there.
class Painter {
public:
    Painter(const PixelGrid& picture, QRect reach)
        : m_picture(picture), m_clip(reach.intersected(wholeOf(picture))), m_builder(m_clip)
    {
    }

    bool inside(int x, int y) const { return m_clip.contains(x, y); }
    const QRect& clip() const { return m_clip; }
    void paint(int x, int y, std::uint8_t value)
    {
        if (inside(x, y))
            m_builder.markIf(x, y, m_picture.at(x, y) != value);
    }
    PixelEdit take() { return m_builder.take(); }

private:
    const PixelGrid& m_picture;
    QRect m_clip;
    PixelEditBuilder m_builder;
};

int wrapped(int value, int size)
{
    const int rest = value % size;
    return rest < 0 ? rest + size : rest;
}

}  // namespace

PixelGrid oneBitPicture(PixelGrid picture)
{
    for (int y = 0; y < picture.height(); ++y) {
        std::uint8_t* cells = picture.row(y);
        for (int x = 0; x < picture.width(); ++x)
            cells[x] = cells[x] ? 1 : 0;
    }
    return picture;
}

QRect cornersRect(QPoint a, QPoint b)
{
    // Not QRect::normalized(): it reads a rectangle of negative width in its own way.
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

PixelEdit lineEdit(const PixelGrid& picture, QPoint from, QPoint to, std::uint8_t value)
{
    Painter painter(picture, cornersRect(from, to));
    if (painter.clip().isEmpty())
        return {};
    // Bresenham's line, stepping one pixel along the longer axis at a time.
    const qint64 dx = std::abs(qint64(to.x()) - from.x());
    const qint64 dy = -std::abs(qint64(to.y()) - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    qint64 error = dx + dy;
    int x = from.x();
    int y = from.y();
    for (;;) {
        painter.paint(x, y, value);
        if (x == to.x() && y == to.y())
            break;
        const qint64 twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
    return painter.take();
}

PixelEdit rectangleEdit(const PixelGrid& picture, QRect rect, std::uint8_t value, bool filled)
{
    Painter painter(picture, rect);
    const QRect& clip = painter.clip();
    if (filled) {
        for (int y = clip.top(); y <= clip.bottom(); ++y) {
            for (int x = clip.left(); x <= clip.right(); ++x)
                painter.paint(x, y, value);
        }
        return painter.take();
    }
    // The border only: rows and columns of the rectangle's edges that fall in the clip.
    for (int x = clip.left(); x <= clip.right(); ++x) {
        painter.paint(x, rect.top(), value);
        painter.paint(x, rect.bottom(), value);
    }
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        painter.paint(rect.left(), y, value);
        painter.paint(rect.right(), y, value);
    }
    return painter.take();
}

PixelEdit floodFillEdit(const PixelGrid& picture, QPoint seed, std::uint8_t value)
{
    const QRect whole = wholeOf(picture);
    if (!whole.contains(seed))
        return {};
    const std::uint8_t region = picture.at(seed.x(), seed.y());
    if (region == value)
        return {};
    // Scan-line fill: each span of the region is marked whole, and the rows above and below
    // it are searched for spans still to do.
    const int width = picture.width();
    std::vector<std::uint8_t> done(static_cast<std::size_t>(width) *
                                   static_cast<std::size_t>(picture.height()));
    auto fresh = [&](int x, int y) {
        return picture.at(x, y) == region &&
               !done[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                     static_cast<std::size_t>(x)];
    };
    PixelEditBuilder builder(whole);
    std::vector<QPoint> pending{seed};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!fresh(p.x(), p.y()))
            continue;
        int left = p.x();
        int right = p.x();
        while (left > 0 && fresh(left - 1, p.y()))
            --left;
        while (right + 1 < width && fresh(right + 1, p.y()))
            ++right;
        for (int x = left; x <= right; ++x)
            done[static_cast<std::size_t>(p.y()) * static_cast<std::size_t>(width) +
                 static_cast<std::size_t>(x)] = 1;
        builder.markRun(left, p.y(), right - left + 1);
        for (const int y : {p.y() - 1, p.y() + 1}) {
            if (y < 0 || y >= picture.height())
                continue;
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool open = fresh(x, y);
                if (open && !inRun)
                    pending.emplace_back(x, y);
                inRun = open;
            }
        }
    }
    return builder.take();
}

PixelEdit invertEdit(const PixelGrid& picture, QRect area)
{
    const QRect clip = area.intersected(wholeOf(picture));
    PixelEditBuilder builder(clip);
    for (int y = clip.top(); y <= clip.bottom(); ++y)
        builder.markRun(clip.left(), y, clip.width());
    return builder.take();
}

PixelEdit shiftEdit(const PixelGrid& picture, int dx, int dy)
{
    if (picture.isEmpty())
        return {};
    const int width = picture.width();
    const int height = picture.height();
    dx = wrapped(dx, width);
    dy = wrapped(dy, height);
    PixelEditBuilder builder(wholeOf(picture));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* cells = picture.row(y);
        const std::uint8_t* from = picture.row(wrapped(y - dy, height));
        // Pixel x comes from x − dx, the first dx from the end of the row.
        for (int x = 0; x < dx; ++x)
            builder.markIf(x, y, cells[x] != from[x - dx + width]);
        for (int x = dx; x < width; ++x)
            builder.markIf(x, y, cells[x] != from[x - dx]);
    }
    return builder.take();
}

PixelGrid copiedPixels(const PixelGrid& picture, QRect area)
{
    const QRect clip = area.intersected(wholeOf(picture));
    if (clip.isEmpty())
        return {};
    PixelGrid copy(clip.width(), clip.height());
    for (int y = 0; y < clip.height(); ++y) {
        const std::uint8_t* cells = picture.row(clip.y() + y) + clip.x();
        std::copy(cells, cells + clip.width(), copy.row(y));
    }
    return copy;
}

PixelEdit placeEdit(const PixelGrid& picture, QRect hole, const PixelGrid& patch, QPoint at)
{
    const QRect placed(at, QSize(patch.width(), patch.height()));
    Painter painter(picture, hole.united(placed));
    const QRect& clip = painter.clip();
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        for (int x = clip.left(); x <= clip.right(); ++x) {
            if (placed.contains(x, y))
                painter.paint(x, y, patch.at(x - at.x(), y - at.y()));
            else if (hole.contains(x, y))
                painter.paint(x, y, 0);
        }
    }
    return painter.take();
}

PixelEdit DraggedChange::step(const PixelEdit& whole)
{
    PixelEdit step = m_whole;
    step.merge(whole);
    m_whole = whole;
    return step;
}

}  // namespace pixmint
