#pragma once

#include <cstdint>
#include <vector>

namespace pixmint {

// The pixel grid: one value per pixel, 1 for dark and 0 for light, column x from the
// left and row y from the top. A grid without elements has width and height 0.
class PixelGrid {
public:
    PixelGrid() = default;
    PixelGrid(int width, int height)
        : m_width(width),
          m_height(height),
          m_cells(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_cells.empty(); }

    std::uint8_t at(int x, int y) const { return m_cells[index(x, y)]; }
    void set(int x, int y, std::uint8_t value) { m_cells[index(x, y)] = value; }
    // Row y as a contiguous run of width values.
    std::uint8_t* row(int y) { return m_cells.data() + index(0, y); }
    const std::uint8_t* row(int y) const { return m_cells.data() + index(0, y); }

    bool operator==(const PixelGrid&) const = default;

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
               static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_cells;
};

}  // namespace pixmint
