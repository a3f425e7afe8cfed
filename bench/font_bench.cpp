// The font road from a TrueType file: the 216 codes that Windows-1254 defines from 32 on,
// at 16 pixels, rendered with the TrueType interpreter, placed, packed and written as code
// text, into each format; and the two halves apart (the rendering, the packing and text).
//
//   pixmint_font_bench [FONT] [--benchmark_repetitions=5 ...]

#include "font_road.h"
#include "font_sample.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace pixmint;

QString fontPath = QStringLiteral(PIXMINT_BENCH_FONT);

FontRoadRequest request(FontFormat format)
{
    FontRoadRequest r;
    r.glyphs.source.path = fontPath;
    r.glyphs.size = 16;
    r.glyphs.characters.charset = Charset::Windows1254;
    r.format = format;
    r.textFormat = presetFormat(QStringLiteral("C"));
    return r;
}

void BM_FontRoad(benchmark::State& state)
{
    const FontRoadRequest r = request(static_cast<FontFormat>(state.range(0)));
    for (auto _ : state) {
        FontRoadOutcome outcome = runFontRoad(r);
        if (!outcome.failure.isEmpty() || outcome.glyphs.glyphs.size() != 216) {
            state.SkipWithError("the road failed");
            break;
        }
        benchmark::DoNotOptimize(outcome.code.code.text.size());
    }
}
BENCHMARK(BM_FontRoad)->Arg(0)->Arg(1)->Arg(2)->ArgName("format")->Unit(benchmark::kMillisecond);

void BM_RenderGlyphs(benchmark::State& state)
{
    const FontRoadRequest r = request(FontFormat::Cells);
    for (auto _ : state) {
        Checked<FontGlyphs> glyphs = renderFontGlyphs(r.glyphs);
        benchmark::DoNotOptimize(glyphs.ok());
    }
}
BENCHMARK(BM_RenderGlyphs)->Unit(benchmark::kMillisecond);

void BM_TablesTextAndSample(benchmark::State& state)
{
    const FontRoadRequest r = request(static_cast<FontFormat>(state.range(0)));
    const Checked<FontGlyphs> glyphs = renderFontGlyphs(r.glyphs);
    for (auto _ : state) {
        FontRoadOutcome outcome = runFontRoad(r, glyphs.value());
        benchmark::DoNotOptimize(
            sampleDrawing(outcome.tables, QStringLiteral("Merhaba Dünya 123")).width());
    }
}
BENCHMARK(BM_TablesTextAndSample)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("format")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strncmp(argv[1], "--", 2) != 0) {
        fontPath = QString::fromLocal8Bit(argv[1]);
        --argc;
        ++argv;
        argv[0] = argv[-1];
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
