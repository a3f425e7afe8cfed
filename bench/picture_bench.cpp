// The picture road step by step, from a 4000 × 3000 picture (a 12-megapixel photo) to
// the 128 × 64 of a common display and to a large 1024 × 1024 target.

#include "code_layout.h"
#include "fitting.h"
#include "monochrome.h"
#include "picture_loading.h"
#include "pixel_reading.h"
#include "table_procedures.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using namespace pixmint;

// Smooth gradients with some shapes on them, like a photo with edges.
const QImage& photo()
{
    static const QImage picture = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb(x * 255 / 4000, y * 255 / 3000, (x ^ y) & 0xFF);
        }
        QPainter painter(&image);
        painter.setBrush(Qt::black);
        for (int i = 0; i < 40; ++i)
            painter.drawEllipse(i * 97 % 3800, i * 61 % 2800, 150 + i * 3, 120 + i * 2);
        return image;
    }();
    return picture;
}

const QImage& blackAndWhite()
{
    static const QImage picture = [] {
        QImage image = photo();
        SiyahBeyazYap(image, false);
        return image;
    }();
    return picture;
}

QSize targetOf(const benchmark::State& state)
{
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

void BM_LoadJpeg(benchmark::State& state)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "jpg").write(photo());
    for (auto _ : state)
        benchmark::DoNotOptimize(loadPictureFromData(bytes));
    state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void BM_SiyahBeyazYap(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QImage picture = photo().copy();
        state.ResumeTiming();
        SiyahBeyazYap(picture, false);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void BM_ResmiAktar(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ResmiAktar(blackAndWhite(), targetOf(state), true));
}

void BM_SmoothPreview(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(smoothPreview(photo(), targetOf(state), true));
}

void BM_PikselleriOku(benchmark::State& state)
{
    const QSize size = targetOf(state);
    const QImage target = ResmiAktar(blackAndWhite(), size, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(PikselleriOku(target, size.width(), size.height(), false));
}

PixelGrid gridOf(QSize size)
{
    return PikselleriOku(ResmiAktar(blackAndWhite(), size, true), size.width(), size.height(),
                         false);
}

void BM_BaytlaraCevir(benchmark::State& state)
{
    const PixelGrid grid = gridOf(targetOf(state));
    QStringList table;
    for (auto _ : state) {
        BaytlaraÇevir(grid, table);
        benchmark::DoNotOptimize(table.size());
    }
}

void BM_BuildCodeText(benchmark::State& state)
{
    QStringList table;
    BaytlaraÇevir(gridOf(targetOf(state)), table);
    NumberFormat format = presetFormat(QStringLiteral("CCS"));
    format.command = QStringLiteral("const char resim[]");
    format.prefix = QStringLiteral("0x");
    for (auto _ : state)
        benchmark::DoNotOptimize(codeTextFor(format, table, QStringLiteral("C:\\resim\\foto.jpg")));
}

#define TARGETS Args({128, 64})->Args({1024, 1024})->Unit(benchmark::kMillisecond)

BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SiyahBeyazYap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResmiAktar)->TARGETS;
BENCHMARK(BM_SmoothPreview)->TARGETS;
BENCHMARK(BM_PikselleriOku)->TARGETS;
BENCHMARK(BM_BaytlaraCevir)->TARGETS;
BENCHMARK(BM_BuildCodeText)->TARGETS;

}  // namespace

int main(int argc, char** argv)
{
    // QPainter and the picture plugins want an application object; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
