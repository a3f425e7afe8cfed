#pragma once

// The tables that pixmint-cli wrote at build time for this test, each beside the
// black-and-white picture that the same run converted: NAME.h holds the table NAME, NAME.bmp
// the picture.

#include "line_pages_lsb_top.h"
#include "line_rows_lsb_left.h"
#include "line_rows_lsb_left_arduino.h"
#include "line_rows_msb_left.h"
#include "logo_pages_lsb_top.h"
#include "logo_rows_lsb_left.h"
#include "logo_rows_msb_left.h"
#include "logo_rows_msb_left_arduino.h"
#include "photo_pages_lsb_top.h"
#include "photo_rows_lsb_left.h"
#include "photo_rows_msb_left.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace pixmint::testing {

struct LibraryTable {
    const char* name = nullptr;
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
};

// The table NAME of NAME.h.
#define PIXMINT_LIBRARY_TABLE(name) (::pixmint::testing::LibraryTable{#name, name, sizeof(name)})

// The picture the table was made from, as the tool saved it: black is a dark pixel.
class ConvertedPicture {
public:
    explicit ConvertedPicture(const LibraryTable& table)
        : m_image(QStringLiteral(PIXMINT_LIBRARY_TABLES "/") + QString::fromLatin1(table.name) +
                  QStringLiteral(".bmp"))
    {
    }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    bool dark(int x, int y) const { return qGray(m_image.pixel(x, y)) < 128; }

private:
    QImage m_image;
};

// Empty when shown(x, y) equals expected(x, y) at every pixel of the width × height area;
// otherwise the first pixel that differs and how many do.
template <typename Shown, typename Expected>
std::string pixelDifferences(int width, int height, Shown shown, Expected expected)
{
    int count = 0;
    std::ostringstream first;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool s = shown(x, y);
            const bool e = expected(x, y);
            if (s != e && count++ == 0)
                first << "(" << x << ", " << y << ") shows " << s << ", should be " << e;
        }
    }
    if (count == 0)
        return {};
    return first.str() + "; " + std::to_string(count) + " pixels differ";
}

}  // namespace pixmint::testing
