#include "pixel_edit.h"

#include <algorithm>
#include <bit>

namespace pixmint {
namespace {

constexpr int kWordBits = 64;

int wordsFor(int width)
{
    return (width + kWordBits - 1) / kWordBits;
}

std::size_t at(qint64 index)
{
    return static_cast<std::size_t>(index);
}

}  // namespace

template <typename Visit>
void PixelEdit::forEachChange(Visit visit) const
{
    for (int r = 0; r < m_rect.height(); ++r) {
        const qint64 first = qint64(r) * m_wordsPerRow;
        for (int w = 0; w < m_wordsPerRow; ++w) {
            std::uint64_t bits = m_words[at(first + w)];
            while (bits) {
                const int bit = std::countr_zero(bits);
                bits &= bits - 1;
                visit(m_rect.x() + w * kWordBits + bit, m_rect.y() + r);
            }
        }
    }
}

bool PixelEdit::changes(int x, int y) const
{
    if (!m_rect.contains(x, y))
        return false;
    const int column = x - m_rect.x();
    const std::uint64_t word =
        m_words[at(qint64(y - m_rect.y()) * m_wordsPerRow + column / kWordBits)];
    return (word >> (column % kWordBits)) & 1U;
}

qint64 PixelEdit::changedCount() const
{
    qint64 count = 0;
    for (const std::uint64_t word : m_words)
        count += std::popcount(word);
    return count;
}

void PixelEdit::apply(PixelGrid& picture) const
{
    forEachChange([&picture](int x, int y) { picture.row(y)[x] ^= 1U; });
}

void PixelEdit::merge(const PixelEdit& next)
{
    if (next.isEmpty())
        return;
    if (isEmpty()) {
        *this = next;
        return;
    }
    PixelEditBuilder both(m_rect.united(next.m_rect));
    forEachChange([&both](int x, int y) { both.toggle(x, y); });
    next.forEachChange([&both](int x, int y) { both.toggle(x, y); });
    *this = both.take();
}

PixelEditBuilder::PixelEditBuilder(QRect area)
{
    if (area.isEmpty())
        return;
    m_edit.m_rect = area;
    m_edit.m_wordsPerRow = wordsFor(area.width());
    m_edit.m_words.assign(at(qint64(area.height()) * m_edit.m_wordsPerRow), 0);
}

void PixelEditBuilder::markRun(int x, int y, int count)
{
    int column = x - m_edit.m_rect.x();
    std::uint64_t* row =
        m_edit.m_words.data() + at(qint64(y - m_edit.m_rect.y()) * m_edit.m_wordsPerRow);
    while (count > 0) {
        const int offset = column % kWordBits;
        const int taken = std::min(count, kWordBits - offset);
        const std::uint64_t bits =
            taken == kWordBits ? ~std::uint64_t{0} : ((std::uint64_t{1} << taken) - 1) << offset;
        row[column / kWordBits] |= bits;
        column += taken;
        count -= taken;
    }
}

PixelEdit PixelEditBuilder::take()
{
    PixelEdit& edit = m_edit;
    const QRect area = edit.m_rect;
    int top = area.height();
    int bottom = -1;
    int left = area.width();
    int right = -1;
    for (int r = 0; r < area.height(); ++r) {
        const qint64 first = qint64(r) * edit.m_wordsPerRow;
        for (int w = 0; w < edit.m_wordsPerRow; ++w) {
            const std::uint64_t bits = edit.m_words[at(first + w)];
            if (!bits)
                continue;
            top = std::min(top, r);
            bottom = r;
            left = std::min(left, w * kWordBits + std::countr_zero(bits));
            right = std::max(right, w * kWordBits + kWordBits - 1 - std::countl_zero(bits));
        }
    }
    if (bottom < 0)
        return {};
    const QRect tight(area.x() + left, area.y() + top, right - left + 1, bottom - top + 1);
    if (tight == area)
        return std::move(edit);
    PixelEditBuilder shrunk(tight);
    edit.forEachChange([&shrunk](int x, int y) { shrunk.mark(x, y); });
    return std::move(shrunk.m_edit);
}

PixelGrid edited(PixelGrid picture, const PixelEdit& edit)
{
    edit.apply(picture);
    return picture;
}

}  // namespace pixmint
