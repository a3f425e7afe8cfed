#pragma once

#include "byte_layout.h"
#include "smart_reading.h"

#include <QList>
#include <QStringView>

#include <vector>

namespace pixmint {

// A width and height that a file states together ("128x64", "[128*64/8]", "[8][128]").
struct StatedSize {
    int width = 0;
    int height = 0;
    bool operator==(const StatedSize&) const = default;
};

// What a file says of the picture of one of its tables. Every number is at least 1.
struct LayoutHints {
    QList<StatedSize> sizes;  // pairs, in the order found
    QList<int> widths;        // widths stated alone ("width: 128", "#define logo_width 128")
    QList<int> heights;       // heights stated alone
    bool operator==(const LayoutHints&) const = default;
};

// The sizes that the text around a table found by smart reading states: the table's name
// ("logo_128x64"), its declared size ("[128*64/8]", "[64][16]": a two-part size [a][b] is read
// both as a page table of a pages b wide and as a row table of a rows of b bytes), comments
// and lines near its first number ("128 x 64", "width: 128") and the #define lines of the
// file whose name begins like the table's ("#define WiFi_Logo_width 60" for WiFi_Logo_bits).
LayoutHints layoutHints(QStringView text, const FoundTable& table);

// One reading of a table: its layout, the picture's width and height, how many leading
// bytes are not picture (a width and height stored before it) and how natural the picture
// looks. Higher scores are better; a picture as plain as a blank one scores near 1, noise
// near 0.
struct LayoutGuess {
    ByteLayout layout = ByteLayout::PagesLsbTop;
    int width = 0;
    int height = 0;
    int skip = 0;
    double score = 0;
    bool operator==(const LayoutGuess&) const = default;
};

// Every reading of the table worth scoring, best first (ties keep the order of the layouts'
// records). Read in each layout: the widths from 8 to 4096 that the count allows with a
// picture at least 8 rows high (a page layout: widths that divide the count; a row layout:
// whole bytes a row, so widths 8, 16, … whose byte count divides it), the widths the hints
// state (a row width that is not a whole number of bytes only when its pad bits are all 0),
// and the same after a leading width and height (bytes W, H or H, W, or their 16-bit forms
// in either byte order) that tell the rest's size exactly. A table too small to hold a
// picture of 8 × 8 pixels gives only the stated readings, or none. The work is bounded: a
// large table is scored on a band of about 64 KB from its middle.
std::vector<LayoutGuess> findLayouts(const Bytes& bytes, const LayoutHints& hints = {});

}  // namespace pixmint
