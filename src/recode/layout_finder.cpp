#include "layout_finder.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace pixmint {

namespace {

constexpr int minWidth = 8;
constexpr int maxWidth = 4096;
constexpr int minHeight = 8;
// Enough pixels to tell a natural picture from a sheared one; a larger table is scored on a
// band of this many pixels from its middle.
constexpr qint64 maxScoredPixels = qint64(1) << 19;

// What the priors add to a reading's score (1 − bits per pixel), chosen on the tuning part of
// the evaluation set: a stated width, a stated width and height, a leading width and height
// that give the rest's count exactly (as strong as a stated size), the blank side of the
// bytes (see lastSideInk), and a step per layout in the records' order, so that readings the
// bytes cannot tell apart fall to the commoner layout.
constexpr double statedWidthBonus = 0.02;
constexpr double statedSizeBonus = 0.02;
constexpr double headerBonus = statedWidthBonus + statedSizeBonus;
constexpr double lastSideWeight = 0.01;
constexpr double layoutStep = 1e-4;

// The cost in bits of a 0 after c0 zeros and c1 ones in the same context (the
// Krichevsky–Trofimov estimate); the cost of a 1 is the same with the counts exchanged.
class CodeCosts {
public:
    CodeCosts()
    {
        for (int c0 = 0; c0 < 256; ++c0) {
            for (int c1 = 0; c1 < 256; ++c1)
                m_cost[std::size_t(c0)][std::size_t(c1)] =
                    static_cast<float>(-std::log2((c0 + 0.5) / (c0 + c1 + 1.0)));
        }
    }
    float cost(int bit, std::uint8_t zeros, std::uint8_t ones) const
    {
        return bit ? m_cost[ones][zeros] : m_cost[zeros][ones];
    }

private:
    std::array<std::array<float, 256>, 256> m_cost{};
};

const CodeCosts& codeCosts()
{
    static const CodeCosts costs;
    return costs;
}

// The context models a picture is coded with: each foretells a pixel from some of the pixels
// before it (rows above, pixels to the left), with counts that learn as they go.
//  - near: the 4 nearest (left, and the three above); it learns fast, for small pictures;
//  - wide: 10 pixels of the two rows above and the two to the left;
//  - period: the 4 nearest, and the pixels 2 and 4 to the left and 2 and 4 above, for pictures
//    dithered with a pattern that repeats every 4 or 8 pixels (Bayer's): there a pixel's
//    threshold is nearly that of the pixels 4 away, and unlike that of its neighbours, so a
//    reading whose rows are the picture's rows two by two, or whose bytes are mirrored, can
//    foretell its neighbours as well as the right one, and only the pixels 4 away tell.
// Rows holds the last 5 rows, each with a margin of 4 pixels outside the picture.
struct Rows {
    static constexpr int margin = 4;
    static constexpr int depth = 5;
    Rows(int width, std::uint8_t background)
        : stride(std::size_t(width + 2 * margin)),
          cells(depth * stride, background),
          outside(background)
    {
    }
    // Makes row y all outside, margins included.
    void clear(qint64 y)
    {
        std::uint8_t* start = row(y, 0) - margin;
        std::fill(start, start + stride, outside);
    }
    // Row y − back (back 0 to 4) of the ring, indexable from −4 to width + 3.
    std::uint8_t* row(qint64 y, int back)
    {
        const auto slot = std::size_t(((y - back) % depth + depth) % depth);
        return cells.data() + slot * stride + margin;
    }
    std::size_t stride;
    std::vector<std::uint8_t> cells;
    std::uint8_t outside;
};

struct Model {
    std::vector<std::uint8_t> counts;  // zeros and ones of each context
    double bits = 0;
    explicit Model(int contextBits) : counts(std::size_t(2) << contextBits, 0) {}
    void code(unsigned context, int bit, const CodeCosts& costs)
    {
        std::uint8_t& zeros = counts[2 * std::size_t{context}];
        std::uint8_t& ones = counts[2 * std::size_t{context} + 1];
        bits += costs.cost(bit, zeros, ones);
        std::uint8_t& seen = bit ? ones : zeros;
        if (seen == 255) {
            zeros = static_cast<std::uint8_t>(zeros / 2);
            ones = static_cast<std::uint8_t>(ones / 2);
        }
        ++seen;
    }
};

// How many bits a pixel of the picture takes, on average, with the context model that codes
// it best. A picture read in its own layout and width is the one whose pixels its
// neighbours foretell best: a wrong width shears it, a wrong bit order breaks its lines at
// every byte, and both cost bits. Pixels outside the picture count as `outside`. Codes the
// rows firstRow to firstRow + rows − 1 only.
double bitsPerPixel(const std::uint8_t* bytes, qint64 count, ByteLayout layout, int width,
                    qint64 firstRow, qint64 rows, std::uint8_t outside)
{
    Rows ring(width, outside);
    const CodeCosts& costs = codeCosts();
    Model near(4), wide(10), period(8);
    for (qint64 y = firstRow; y < firstRow + rows; ++y) {
        std::uint8_t* current = ring.row(y, 0);
        unpackRow(bytes, count, width, layout, y, current);
        const std::uint8_t* up1 = ring.row(y, 1);
        const std::uint8_t* up2 = ring.row(y, 2);
        const std::uint8_t* up4 = ring.row(y, 4);
        for (int x = 0; x < width; ++x) {
            const int bit = current[x];
            const unsigned nearest = unsigned(up1[x - 1]) << 3 | unsigned(up1[x]) << 2 |
                                     unsigned(up1[x + 1]) << 1 | unsigned(current[x - 1]);
            near.code(nearest, bit, costs);
            wide.code(unsigned(up2[x - 1]) << 9 | unsigned(up2[x]) << 8 |
                          unsigned(up2[x + 1]) << 7 | unsigned(up1[x - 2]) << 6 |
                          unsigned(up1[x + 2]) << 5 | unsigned(current[x - 2]) << 4 | nearest,
                      bit, costs);
            period.code(unsigned(current[x - 4]) << 7 | unsigned(up4[x]) << 6 |
                            unsigned(current[x - 2]) << 5 | unsigned(up2[x]) << 4 | nearest,
                        bit, costs);
        }
        ring.clear(y + 1);
    }
    const double pixels = double(width) * double(rows);
    const double bits = std::min({near.bits, wide.bits, period.bits});
    return pixels > 0 ? bits / pixels : 1.0;
}

struct Candidate {
    ByteLayout layout;
    int width = 0;
    int height = 0;
    int skip = 0;
    bool header = false;
};

// True when the bits past the picture (the columns right of the width in a row layout, the
// rows below the height in a page layout) are all 0, as every writer leaves them.
bool padIsClear(const std::uint8_t* bytes, qint64 count, const Candidate& candidate)
{
    const int width = candidate.width;
    if (isRowLayout(candidate.layout)) {
        const int pad = (8 - width % 8) % 8;
        if (pad == 0)
            return true;
        const qint64 perRow = (width + 7) / 8;
        // The pad bits of the last byte of a row: bit pad-1 … 0 with the most significant
        // bit on the left, bits 7 … 8 − pad with the least significant.
        const unsigned mask = candidate.layout == ByteLayout::RowsMsbLeft
                                  ? (1U << pad) - 1
                                  : (0xFFU << (8 - pad)) & 0xFFU;
        for (qint64 entry = perRow - 1; entry < count; entry += perRow) {
            if (bytes[entry] & mask)
                return false;
        }
        return true;
    }
    const int pad = (8 - candidate.height % 8) % 8;
    if (pad == 0)
        return true;
    const unsigned mask = candidate.layout == ByteLayout::PagesLsbTop ? (0xFFU << (8 - pad)) & 0xFFU
                                                                      : (1U << pad) - 1;
    for (qint64 entry = count - width; entry < count; ++entry) {
        if (entry >= 0 && (bytes[entry] & mask))
            return false;
    }
    return true;
}

class Candidates {
public:
    explicit Candidates(const Bytes& bytes) : m_bytes(bytes) {}

    // Every reading of the bytes after skip at the widths the count allows.
    void addCounted(int skip, bool header)
    {
        const qint64 count = qint64(m_bytes.size()) - skip;
        for (const LayoutRecord& record : layoutRecords()) {
            if (isRowLayout(record.layout)) {
                for (qint64 perRow = 1; perRow * 8 <= maxWidth; ++perRow) {
                    if (count % perRow == 0 && count / perRow >= minHeight)
                        add({record.layout, int(perRow * 8), int(count / perRow), skip, header});
                }
            } else {
                for (qint64 width = minWidth; width <= std::min<qint64>(maxWidth, count); ++width) {
                    if (count % width == 0)
                        add({record.layout, int(width), int(count / width * 8), skip, header});
                }
            }
        }
    }

    // The readings at a stated width (and height, when it is not 0) that the count allows.
    void addStated(int width, int height)
    {
        if (width < 1 || width > maxWidth)
            return;
        const auto count = qint64(m_bytes.size());
        for (const LayoutRecord& record : layoutRecords()) {
            const qint64 band =
                entryCount(record.layout, width, isRowLayout(record.layout) ? 1 : 8);
            if (count % band != 0)
                continue;
            const qint64 fullHeight = count / band * (isRowLayout(record.layout) ? 1 : 8);
            const bool heightFits = height > 0 && entryCount(record.layout, width, height) == count;
            add({record.layout, width, int(heightFits ? height : fullHeight), 0, false});
        }
    }

    // A width and height stored before the picture, when they give the rest's count exactly.
    void addHeaders()
    {
        const Bytes& b = m_bytes;
        const auto count = qint64(b.size());
        struct Header {
            int skip;
            int first;
            int second;
        };
        QList<Header> headers;
        if (count > 2)
            headers.append({2, b[0], b[1]});
        if (count > 4) {
            headers.append({4, b[0] | b[1] << 8, b[2] | b[3] << 8});
            headers.append({4, b[0] << 8 | b[1], b[2] << 8 | b[3]});
        }
        for (const Header& header : headers) {
            for (const auto& [width, height] :
                 {std::pair{header.first, header.second}, std::pair{header.second, header.first}}) {
                if (width < 1 || height < 1 || width > maxWidth)
                    continue;
                for (const LayoutRecord& record : layoutRecords()) {
                    if (entryCount(record.layout, width, height) == count - header.skip)
                        add({record.layout, width, height, header.skip, true});
                }
            }
        }
    }

    const std::vector<Candidate>& list() const { return m_list; }

private:
    void add(const Candidate& candidate)
    {
        const std::uint8_t* data = m_bytes.data() + candidate.skip;
        const qint64 count = qint64(m_bytes.size()) - candidate.skip;
        if (!padIsClear(data, count, candidate))
            return;
        for (Candidate& known : m_list) {
            if (known.layout == candidate.layout && known.width == candidate.width &&
                known.skip == candidate.skip) {
                // The same bytes: keep the height that a hint or a header states.
                if (candidate.height < known.height)
                    known.height = candidate.height;
                known.header = known.header || candidate.header;
                return;
            }
        }
        m_list.push_back(candidate);
    }

    const Bytes& m_bytes;
    std::vector<Candidate> m_list;
};

int layoutOrder(ByteLayout layout)
{
    const QList<LayoutRecord>& records = layoutRecords();
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (records[i].layout == layout)
            return int(i);
    }
    return 0;
}

// The set bits of the bytes after a skip: all of them, and bits 0 and 7 alone.
struct Ink {
    qint64 count = 0;
    qint64 ones = 0;
    qint64 low = 0;
    qint64 high = 0;
};

Ink inkOf(const Bytes& bytes, int skip)
{
    Ink ink;
    for (std::size_t i = std::size_t(skip); i < bytes.size(); ++i) {
        ink.ones += std::popcount(bytes[i]);
        ink.low += bytes[i] & 1;
        ink.high += bytes[i] >> 7;
    }
    ink.count = qint64(bytes.size()) - skip;
    return ink;
}

double scoreOf(const Bytes& bytes, const Candidate& candidate, const Ink& ink)
{
    const std::uint8_t* data = bytes.data() + candidate.skip;
    const qint64 count = qint64(bytes.size()) - candidate.skip;
    const int band = isRowLayout(candidate.layout) ? 1 : 8;
    const qint64 bandPixels = qint64(candidate.width) * band;
    const qint64 bands = (candidate.height + band - 1) / band;
    const qint64 scoredBands = std::clamp<qint64>(maxScoredPixels / bandPixels, 1, bands);
    const qint64 firstRow = (bands - scoredBands) / 2 * band;
    const qint64 rows = std::min<qint64>(scoredBands * band, candidate.height - firstRow);
    // Outside the picture is its own background, so that a light drawing on a dark ground
    // does not pay for a frame of light around it.
    const std::uint8_t outside = ink.ones * 2 > ink.count * 8 ? 1 : 0;
    return 1.0 -
           bitsPerPixel(data, count, candidate.layout, candidate.width, firstRow, rows, outside);
}

// How much more often the last pixel of a byte (the bottom of a page, the right of a row's
// byte) is dark than its first, from −1 to 1. Writers pad at the bottom and the right, and a
// glyph keeps its blank row and column there: when the neighbours cannot tell a bit order
// from its mirror (a picture one page high or one byte wide), the reading with the blank
// side last is the one meant.
double lastSideInk(const Candidate& candidate, const Ink& ink)
{
    if (ink.count <= 0)
        return 0;
    const BitPlace firstPixel = bitPlace(candidate.layout, candidate.width, 0, 0);
    const double difference = double(firstPixel.bit == 0 ? ink.high - ink.low : ink.low - ink.high);
    return difference / double(ink.count);
}

bool isMirrorPair(const Candidate& a, const Candidate& b)
{
    if (a.layout == b.layout || isRowLayout(a.layout) != isRowLayout(b.layout) ||
        a.width != b.width || a.height != b.height || a.skip != b.skip)
        return false;
    return isRowLayout(a.layout) ? a.width <= 8 : a.height <= 8;
}

bool states(const LayoutHints& hints, const Candidate& candidate, bool withHeight)
{
    for (const StatedSize& size : hints.sizes) {
        if (size.width == candidate.width && (!withHeight || size.height == candidate.height))
            return true;
    }
    if (withHeight)
        return hints.heights.contains(candidate.height) && hints.widths.contains(candidate.width);
    return hints.widths.contains(candidate.width);
}

}  // namespace

std::vector<LayoutGuess> findLayouts(const Bytes& bytes, const LayoutHints& hints)
{
    Candidates candidates(bytes);
    candidates.addCounted(0, false);
    for (const StatedSize& size : hints.sizes)
        candidates.addStated(size.width, size.height);
    for (const int width : hints.widths)
        candidates.addStated(width, hints.heights.isEmpty() ? 0 : hints.heights.front());
    candidates.addHeaders();

    const std::vector<Candidate>& list = candidates.list();
    std::vector<Ink> inks;  // by skip
    for (const Candidate& candidate : list) {
        if (std::size_t(candidate.skip) >= inks.size())
            inks.resize(std::size_t(candidate.skip) + 1, Ink{-1, 0, 0, 0});
        if (inks[std::size_t(candidate.skip)].count < 0)
            inks[std::size_t(candidate.skip)] = inkOf(bytes, candidate.skip);
    }
    std::vector<double> natural(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        natural[i] = scoreOf(bytes, list[i], inks[std::size_t(list[i].skip)]);
    // A picture one page high read with the other bit order is the same picture upside down,
    // and one a byte wide is its mirror: the bytes cannot tell them apart, only the coding
    // order, so both readings share one score and the priors below choose.
    for (std::size_t i = 0; i < list.size(); ++i) {
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (isMirrorPair(list[i], list[j]))
                natural[i] = natural[j] = (natural[i] + natural[j]) / 2;
        }
    }
    std::vector<LayoutGuess> guesses;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Candidate& candidate = list[i];
        double score = natural[i];
        if (states(hints, candidate, false))
            score += statedWidthBonus;
        if (states(hints, candidate, true))
            score += statedSizeBonus;
        if (candidate.header)
            score += headerBonus;
        score -= lastSideWeight * lastSideInk(candidate, inks[std::size_t(candidate.skip)]);
        score -= layoutStep * layoutOrder(candidate.layout);
        guesses.push_back(
            {candidate.layout, candidate.width, candidate.height, candidate.skip, score});
    }
    std::stable_sort(guesses.begin(), guesses.end(),
                     [](const LayoutGuess& a, const LayoutGuess& b) { return a.score > b.score; });
    return guesses;
}

namespace {

// The lines before a table's first number that may speak of it, and the line itself.
constexpr int hintLinesBefore = 8;

bool isPictureSide(int value)
{
    return value >= 1 && value <= maxWidth;
}

void addUnique(QList<int>& list, int value)
{
    if (isPictureSide(value) && !list.contains(value))
        list.append(value);
}

void addSize(LayoutHints& hints, int width, int height)
{
    const StatedSize size{width, height};
    if (isPictureSide(width) && isPictureSide(height) && !hints.sizes.contains(size))
        hints.sizes.append(size);
}

// "128x64", "128 X 64", "128×64", "128*64": a number not part of a word or of a hexadecimal
// literal (so not "0x40"), then the other.
void addSizePairs(LayoutHints& hints, const QString& text)
{
    static const QRegularExpression pair(
        QStringLiteral("(?<![0-9A-Za-z.])([1-9][0-9]{0,4})\\s*[xX\\x{00D7}*]\\s*([1-9][0-9]{0,4})"
                       "(?![0-9A-Za-z.])"));
    for (const QRegularExpressionMatch& m : pair.globalMatch(text))
        addSize(hints, m.captured(1).toInt(), m.captured(2).toInt());
}

// "width: 128", "Width = 128", "height 64" in a comment or a line of code.
void addSidesNamed(LayoutHints& hints, const QString& text)
{
    static const QRegularExpression side(
        QStringLiteral("\\b(width|height)\\b[ \\t:=]{0,12}([0-9]{1,5})\\b"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& m : side.globalMatch(text)) {
        const bool width = m.captured(1).compare(QStringLiteral("width"), Qt::CaseInsensitive) == 0;
        addUnique(width ? hints.widths : hints.heights, m.captured(2).toInt());
    }
}

// NAME[a][b]: a page table of a pages b wide, or a row table of a rows of b bytes.
void addDeclaredSize(LayoutHints& hints, const QString& text, const QString& name)
{
    if (name.isEmpty())
        return;
    const QRegularExpression declaration(
        QRegularExpression::escape(name) +
        QStringLiteral("\\s*\\[\\s*([0-9]*)\\s*\\]\\s*\\[\\s*([0-9]+)\\s*\\]"));
    const QRegularExpressionMatch m = declaration.match(text);
    if (!m.hasMatch())
        return;
    const int inner = m.captured(2).toInt();
    if (m.captured(1).isEmpty()) {
        // NAME[][b]: only the inner part is stated.
        addUnique(hints.widths, inner);
        addUnique(hints.widths, inner * 8);
        return;
    }
    const int outer = m.captured(1).toInt();
    addSize(hints, inner, outer * 8);
    addSize(hints, inner * 8, outer);
}

// "#define logo_width 128" and "#define LOGO_HEIGHT 64" for a table whose name begins with
// the define's (logo_bits, logo_bmp).
void addDefines(LayoutHints& hints, const QString& text, const QString& name)
{
    if (name.isEmpty())
        return;
    static const QRegularExpression define(
        QStringLiteral("^[ \\t]*#[ \\t]*define[ \\t]+([A-Za-z0-9_]*?)_?(width|height|w|h)"
                       "[ \\t]+\\(?([0-9]{1,5})\\)?[ \\t]*(?://.*|/\\*.*)?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : define.globalMatch(text)) {
        const QString prefix = m.captured(1);
        const QString side = m.captured(2).toLower();
        if (prefix.isEmpty() || !name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        // A one-letter side needs its underscore: "LOGO_W", not "LOGOW".
        if (side.size() == 1 && text.at(m.capturedStart(2) - 1) != QLatin1Char('_'))
            continue;
        addUnique(side.startsWith(QLatin1Char('w')) ? hints.widths : hints.heights,
                  m.captured(3).toInt());
    }
}

}  // namespace

LayoutHints layoutHints(QStringView text, const FoundTable& table)
{
    LayoutHints hints;
    const QString whole = text.toString();
    QStringList lines = whole.split(QLatin1Char('\n'));
    const qsizetype last = std::clamp<qsizetype>(table.line, 1, lines.size());
    const qsizetype first = std::max<qsizetype>(1, last - hintLinesBefore);
    const QString near = lines.mid(first - 1, last - first + 1).join(QLatin1Char('\n'));
    addSizePairs(hints, table.name);
    addDeclaredSize(hints, near, table.name);
    addSizePairs(hints, near);
    addSidesNamed(hints, near);
    addDefines(hints, whole, table.name);
    return hints;
}

}  // namespace pixmint
