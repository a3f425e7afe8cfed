// The layout finder on large tables: a 16 KB and a 1 MB page table of a drawing, and a
// table of 1 000 000 bytes, whose many divisors give the most readings to score.

#include "byte_layout.h"
#include "layout_finder.h"
#include "pixel_grid.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pixmint;

// A drawing of rings and slanted lines, width × height pixels.
PixelGrid drawing(int width, int height)
{
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = grid.row(y);
        for (int x = 0; x < width; ++x) {
            const int cx = x % 97 - 48;
            const int cy = y % 61 - 30;
            const int r2 = cx * cx + cy * cy;
            const bool ring = r2 > 400 && r2 < 700;
            const bool line = (x + 2 * y) % 53 < 3;
            row[x] = ring || line ? 1 : 0;
        }
    }
    return grid;
}

Bytes pageTable(int width, int height, qint64 count)
{
    Bytes bytes = packedBytes(drawing(width, height), ByteLayout::PagesLsbTop);
    bytes.resize(static_cast<std::size_t>(count), 0);
    return bytes;
}

void BM_FindLayouts(benchmark::State& state, int width, int height, qint64 count)
{
    const Bytes bytes = pageTable(width, height, count);
    std::size_t readings = 0;
    for (auto _ : state) {
        const std::vector<LayoutGuess> guesses = findLayouts(bytes);
        readings = guesses.size();
        benchmark::DoNotOptimize(guesses.data());
    }
    state.counters["readings"] = static_cast<double>(readings);
}

BENCHMARK_CAPTURE(BM_FindLayouts, table_16KB, 256, 512, 16384)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindLayouts, table_1MB, 2048, 4096, 1048576)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindLayouts, table_1000000, 2000, 4000, 1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
