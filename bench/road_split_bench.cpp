// The road of `pixmint-cli picture` on a picture file, split in two: decoding the file, and
// everything after it (black and white, stretching, reading the grid, packing the pages and
// laying out the Asm code text): the picture road on the decoded picture.
//
//   pixmint_road_split_bench PICTURE [--width=128] [--height=64] [benchmark options]

#include "event_yield.h"
#include "picture_loading.h"
#include "picture_road.h"

#include <QCoreApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

using namespace pixmint;

QString g_path;
int g_width = 128;
int g_height = 64;

void BM_Decode(benchmark::State& state)
{
    for (auto _ : state) {
        QImage picture = loadPicture(g_path);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void BM_RoadAfterDecode(benchmark::State& state)
{
    const QImage decoded = loadPicture(g_path);
    PictureRoadRequest request;
    request.path = g_path;
    request.target = TargetSize{g_width, g_height};
    for (auto _ : state) {
        // The road works on the decoded picture in place; each round gets a fresh copy.
        state.PauseTiming();
        QImage picture = decoded.copy();
        state.ResumeTiming();
        EventYield none;
        const PictureRoadOutcome outcome = runPictureRoad(
            request, [&picture] { return std::move(picture); }, nullptr, none);
        benchmark::DoNotOptimize(outcome.code.code.text.constData());
    }
}

BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RoadAfterDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

// Takes --width=N and --height=N out of the arguments.
bool takeSize(const char* argument)
{
    for (auto [name, value] : {std::pair{"--width=", &g_width}, {"--height=", &g_height}}) {
        if (std::strncmp(argument, name, std::strlen(name)) == 0) {
            *value = std::atoi(argument + std::strlen(name));
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (takeSize(argv[i]))
            continue;
        if (g_path.isEmpty() && argv[i][0] != '-')
            g_path = QString::fromLocal8Bit(argv[i]);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    if (g_path.isEmpty() || loadPicture(g_path).isNull()) {
        std::fprintf(stderr, "usage: %s PICTURE [--width=N] [--height=N] [benchmark options]\n",
                     argv[0]);
        return 2;
    }
    if (targetSizeProblem(g_width, g_height)) {
        std::fprintf(stderr, "%s: width or height out of bounds\n", argv[0]);
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
