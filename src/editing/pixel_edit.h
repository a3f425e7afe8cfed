#pragma once

#include "pixel_grid.h"

#include <QRect>

#include <cstdint>
#include <vector>

namespace pixmint {

// One change of a one-bit picture (every cell 0 or 1), kept as the pixels it turns over:
// each marked pixel goes from light to dark or from dark to light. Applying and reverting
// are then the same exact step, and a change of a few pixels of a large picture stays a few
// bits: the marks are held one bit a pixel over the smallest rectangle that holds them.
// An edit belongs to the picture it was made from; the picture must be at least as large as
// bounds() reaches.
class PixelEdit {
public:
    PixelEdit() = default;  // changes nothing

    bool isEmpty() const { return m_rect.isEmpty(); }
    // The smallest rectangle that holds every changed pixel; empty when nothing changes.
    QRect bounds() const { return m_rect; }
    bool changes(int x, int y) const;
    qint64 changedCount() const;

    // Turns the picture it was made from into the edited one; revert turns it back.
    void apply(PixelGrid& picture) const;
    void revert(PixelGrid& picture) const { apply(picture); }

    // This edit followed by `next`, as one edit: a pixel that both change is left as it was.
    void merge(const PixelEdit& next);

    bool operator==(const PixelEdit&) const = default;

private:
    friend class PixelEditBuilder;

    // Calls visit(x, y) for every marked pixel, row by row.
    template <typename Visit>
    void forEachChange(Visit visit) const;

    QRect m_rect;
    int m_wordsPerRow = 0;
    std::vector<std::uint64_t> m_words;  // row r of the rectangle from word r · m_wordsPerRow
};

// Collects the pixels of an edit within an area known ahead (the area a shape can reach).
class PixelEditBuilder {
public:
    explicit PixelEditBuilder(QRect area);

    // (x, y) must lie in the area, and so must the run of `count` pixels from it.
    void mark(int x, int y)
    {
        std::uint64_t bit = 0;
        word(x, y, bit) |= bit;
    }
    // Marks (x, y) when `yes`, without a branch that random pictures would mispredict.
    void markIf(int x, int y, bool yes)
    {
        std::uint64_t bit = 0;
        std::uint64_t& bits = word(x, y, bit);
        bits |= bit & (std::uint64_t{0} - std::uint64_t{yes});
    }
    void toggle(int x, int y)
    {
        std::uint64_t bit = 0;
        word(x, y, bit) ^= bit;
    }
    void markRun(int x, int y, int count);
    // The marks as an edit, its rectangle shrunk to the marks.
    PixelEdit take();

private:
    static constexpr int kWordBits = 64;

    std::uint64_t& word(int x, int y, std::uint64_t& bit)
    {
        const int column = x - m_edit.m_rect.x();
        bit = std::uint64_t{1} << (column % kWordBits);
        return m_edit.m_words[static_cast<std::size_t>(
            qint64(y - m_edit.m_rect.y()) * m_edit.m_wordsPerRow + column / kWordBits)];
    }

    PixelEdit m_edit;
};

// The picture with the edit applied.
PixelGrid edited(PixelGrid picture, const PixelEdit& edit);

}  // namespace pixmint
