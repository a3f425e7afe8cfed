#include "byte_layout.h"

#include "event_yield.h"
#include "hex_digits.h"
#include "run_error.h"

#include <algorithm>

namespace pixmint {
namespace {

bool isMsbFirst(ByteLayout layout)
{
    return layout == ByteLayout::PagesMsbTop || layout == ByteLayout::RowsMsbLeft;
}

// Bit n of an entry of eight pixels counted from the top or the left.
int bitOf(int n, bool msbFirst)
{
    return 1 << (msbFirst ? 7 - n : n);
}

void packPages(const PixelGrid& grid, bool msbFirst, QStringList& packed, EventYield& yield)
{
    const int width = grid.width();
    const int height = grid.height();
    for (int top = 0; top < height; top += 8) {
        const int rows = std::min(8, height - top);
        for (int x = 0; x < width; ++x) {
            int value = 0;
            for (int j = 0; j < rows; ++j) {
                if (grid.at(x, top + j))
                    value |= bitOf(j, msbFirst);
                yield.tick();
            }
            packed.append(twoHexDigits(value));
        }
    }
}

void packRows(const PixelGrid& grid, bool msbFirst, QStringList& packed, EventYield& yield)
{
    const int width = grid.width();
    for (int y = 0; y < grid.height(); ++y) {
        const std::uint8_t* cells = grid.row(y);
        for (int left = 0; left < width; left += 8) {
            const int pixels = std::min(8, width - left);
            int value = 0;
            for (int i = 0; i < pixels; ++i) {
                if (cells[left + i])
                    value |= bitOf(i, msbFirst);
                yield.tick();
            }
            packed.append(twoHexDigits(value));
        }
    }
}

qint64 entriesPerRow(int width)
{
    return (qint64(width) + 7) / 8;
}

}  // namespace

void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table, EventYield& yield)
{
    if (grid.isEmpty())
        throw RunError(IndexOutOfRange);
    QStringList packed;
    if (isRowLayout(layout)) {
        packed.reserve(entriesPerRow(grid.width()) * grid.height());
        packRows(grid, isMsbFirst(layout), packed, yield);
    } else {
        packed.reserve(qsizetype(grid.width()) * ((grid.height() + 7) / 8));
        packPages(grid, isMsbFirst(layout), packed, yield);
    }
    table = std::move(packed);
}

void packBytes(const PixelGrid& grid, ByteLayout layout, QStringList& table)
{
    EventYield none;
    packBytes(grid, layout, table, none);
}

qint64 unpackedHeight(qint64 count, int width, ByteLayout layout)
{
    if (isRowLayout(layout))
        return (count + entriesPerRow(width) - 1) / entriesPerRow(width);
    return (count + width - 1) / width * 8;
}

void unpackRow(const std::uint8_t* bytes, qint64 count, int width, ByteLayout layout, qint64 y,
               std::uint8_t* cells)
{
    const bool msbFirst = isMsbFirst(layout);
    const auto entry = [&](qint64 index) { return index < count ? bytes[index] : 0; };
    for (int x = 0; x < width; ++x) {
        const int value = isRowLayout(layout) ? entry(y * entriesPerRow(width) + x / 8)
                                              : entry(y / 8 * width + x);
        const int n = isRowLayout(layout) ? x % 8 : static_cast<int>(y % 8);
        cells[x] = (value & bitOf(n, msbFirst)) ? 1 : 0;
    }
}

}  // namespace pixmint
