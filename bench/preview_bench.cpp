// How fast the preview of the settings window follows a change of a setting. The real
// Form4 runs on the offscreen platform with the preview's copy of the picture, made once as
// "Resim Yükle" makes it; each change of a setting is timed from the change to the end of
// the event-loop turns that redraw the preview.
//
//   pixmint_preview_bench PICTURE [--rounds=N] [--width=128] [--height=64]

#include "bench_support.h"
#include "form4.h"
#include "picture_box.h"
#include "picture_loading.h"
#include "preview_source.h"
#include "program_state.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace pixmint;

using bench::median;
using bench::ms;

struct Change {
    const char* name;
    PictureSettings settings;
    std::vector<double> times;
};

std::vector<Change> changes()
{
    std::vector<Change> list;
    PictureSettings s;
    list.push_back({"defaults", s, {}});
    s.rotation = Rotation::Quarter;
    list.push_back({"rotation 90", s, {}});
    s.mirror = true;
    list.push_back({"mirror", s, {}});
    s.threshold = 90;
    list.push_back({"threshold 90", s, {}});
    s.method = Method::Otsu;
    list.push_back({"otsu", s, {}});
    s.scaling = Scaling::Average;
    list.push_back({"average, otsu", s, {}});
    s.method = Method::FloydSteinberg;
    list.push_back({"average, floyd-steinberg", s, {}});
    s.method = Method::Atkinson;
    list.push_back({"average, atkinson", s, {}});
    s.method = Method::Bayer;
    list.push_back({"average, bayer", s, {}});
    s.layout = ByteLayout::RowsMsbLeft;
    list.push_back({"average, bayer, rows-msb-left", s, {}});
    return list;
}

using Options = bench::CommonOptions;

Options readOptions(int argc, char** argv)
{
    Options options;
    options.rounds = 10;
    for (int i = 1; i < argc; ++i)
        bench::readCommonOption(argv[i], options);
    return options;
}

// The copy, made once per loaded picture (on the worker thread that decodes it), timed.
PreviewSource timedCopy(const QImage& picture, const QString& path)
{
    std::vector<double> copies;
    PreviewSource source;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        source = reducedForPreview(picture, path);
        copies.push_back(ms(clock.nsecsElapsed()));
    }
    std::printf(
        "picture %d x %d (%.1f MB as RGB32); copy %d x %d, factor %d, 2 x %.1f MB; made "
        "in %.1f ms (median of 3)\n",
        picture.width(), picture.height(), picture.sizeInBytes() / 1048576.0,
        source.averaged.width(), source.averaged.height(), source.factor,
        source.averaged.sizeInBytes() / 1048576.0, median(copies));
    return source;
}

// Makes every change once per round and prints the times.
void timeChanges(PictureSession& session, const Options& options)
{
    std::vector<Change> list = changes();
    std::vector<double> all;
    for (int round = 0; round < options.rounds; ++round) {
        for (Change& change : list) {
            QElapsedTimer clock;
            clock.start();
            session.setSettings(change.settings);
            // The preview is drawn on the next turn of the event loop, and painted on the one
            // after.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            change.times.push_back(ms(clock.nsecsElapsed()));
            all.push_back(change.times.back());
        }
    }
    std::printf("preview update after a change, %s x %s, %d rounds:\n",
                qUtf8Printable(options.width), qUtf8Printable(options.height), options.rounds);
    for (const Change& change : list) {
        std::printf("  %-32s median %6.1f ms  max %6.1f ms\n", change.name, median(change.times),
                    *std::max_element(change.times.begin(), change.times.end()));
    }
    std::printf("all changes: median %.1f ms, max %.1f ms\n", median(all),
                *std::max_element(all.begin(), all.end()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = readOptions(argc, argv);
    QImage picture = options.path.isEmpty() ? QImage() : loadPicture(options.path);
    if (picture.isNull()) {
        std::fprintf(stderr, "usage: %s PICTURE [--rounds=N] [--width=N] [--height=N]\n", argv[0]);
        return 2;
    }
    ProgramState state;
    state.picture.setTargetSize(options.width, options.height);
    state.picture.setPreview(timedCopy(picture, options.path));
    picture = QImage();
    Form4 form(state);
    form.show();
    QCoreApplication::processEvents();
    timeChanges(state.picture, options);
    const auto* preview = form.findChild<PictureBox*>(QStringLiteral("Önizleme"));
    return preview && !preview->isEmpty() ? 0 : 1;
}
