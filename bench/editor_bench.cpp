// How fast the pixel editor follows the mouse and its commands on a 1024 × 1024 picture. The
// real Form6 runs on the offscreen platform; each mouse move of a pencil stroke is timed
// from the event to the end of the event-loop turns that merge it into the history and paint
// it, at several zooms; then the commands that change the whole picture (invert, shift,
// flood fill) and their undo, each with its painting, and the same edits in the core alone.
// Last, "Uygula" of an editor opened from the main window: from the click to the end of the
// event-loop turns that show the new table and picture there.
//
//   pixmint_editor_bench [--rounds=N]

#include "bench_support.h"
#include "dialog_service.h"
#include "form1.h"
#include "form6.h"
#include "picture_edits.h"
#include "pixel_canvas.h"
#include "program_state.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <vector>

namespace {

using namespace pixmint;

using bench::median;
using bench::ms;

constexpr int kSide = 1024;

class YesDialogs : public DialogService {
public:
    std::optional<QString> chooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&) override { return {}; }
    MessageAnswer showMessage(const QString&, const QString&, MessageButtons) override
    {
        return MessageAnswer::Yes;
    }
};

// Light, with a dark frame every 128 pixels and a fifth of the pixels dark at random.
PixelGrid benchPicture()
{
    std::mt19937 random(1024);
    PixelGrid picture(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool frame = x % 128 == 0 || y % 128 == 0;
            picture.set(x, y, frame || random() % 5 == 0 ? 1 : 0);
        }
    }
    return picture;
}

void mouse(PixelCanvas* canvas, QEvent::Type type, QPoint pixel, Qt::MouseButton button)
{
    const QPointF at = canvas->centreOf(pixel);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Notes when the canvas begins to paint.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QElapsedTimer& clock) : m_clock(clock) {}
    qint64 paintStarted = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && paintStarted < 0)
            paintStarted = m_clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer& m_clock;
};

struct Timing {
    double painted = 0;  // from the event to the end of painting, waits of the loop included
    double cpu = 0;      // the processor time of the same, which other programs do not stretch
};

// The processor time this thread has used, in ns.
qint64 threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Runs the work, then turns the event loop until the canvas has painted what it changed
// (the window system asks for the painting on a timer of its own). Nothing when the work
// changed nothing: the canvas then paints nothing.
std::optional<Timing> timed(PixelCanvas* canvas, const std::function<bool()>& work)
{
    QElapsedTimer clock;
    PaintWatch watch(clock);
    canvas->installEventFilter(&watch);
    const qint64 cpuStart = threadTime();
    clock.start();
    const bool changed = work();
    std::optional<Timing> timing;
    if (changed) {
        while (watch.paintStarted < 0 && clock.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const qint64 end = clock.nsecsElapsed();
        if (watch.paintStarted >= 0)
            timing = Timing{ms(end), ms(threadTime() - cpuStart)};
    }
    canvas->removeEventFilter(&watch);
    return timing;
}

// The time of core work alone, in ms.
double timed(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return ms(clock.nsecsElapsed());
}

void print(const char* what, const std::vector<double>& times)
{
    if (times.empty())
        return;
    std::printf("  %-44s median %7.2f ms  max %7.2f ms  (%zu)\n", what, median(times),
                *std::max_element(times.begin(), times.end()), times.size());
}

// The timings of a kind of event: the work of each, and the time until it was painted.
struct Timings {
    std::vector<double> painted;
    std::vector<double> cpu;

    void add(const std::optional<Timing>& timing)
    {
        if (timing) {
            painted.push_back(timing->painted);
            cpu.push_back(timing->cpu);
        }
    }
    void print(const QByteArray& what) const
    {
        ::print((what + ", event to painted").constData(), painted);
        ::print((what + ", processor time").constData(), cpu);
    }
};

// Runs the work and tells whether the canvas made a step meanwhile.
bool madeStep(PixelCanvas* canvas, const std::function<void()>& work)
{
    bool made = false;
    const auto noted = QObject::connect(canvas, &PixelCanvas::stepMade, [&made] { made = true; });
    work();
    QObject::disconnect(noted);
    return made;
}

// Strokes of 300 moves, two pixels a move, zigzagging through the part of the picture in
// view; each move that changes a pixel is timed. Each stroke is taken back afterwards so
// that the next one starts alike.
void timeStrokes(Form6& form, PixelCanvas* canvas, int rounds)
{
    auto* undo = form.findChild<QPushButton*>(QStringLiteral("GeriAl"));
    std::printf("pencil stroke on %d x %d, one mouse move each:\n", kSide, kSide);
    for (const int zoom : {1, 4, 16}) {
        canvas->setZoom(zoom);
        QCoreApplication::processEvents();
        const int reach = std::min(kSide, 560 / zoom) - 2;
        Timings timings;
        for (int round = 0; round < rounds; ++round) {
            mouse(canvas, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton);
            for (int i = 1; i <= 300; ++i) {
                const QPoint pixel(1 + (2 * i) % reach, 1 + (3 * i / reach) % reach);
                timings.add(timed(canvas, [&] {
                    return madeStep(
                        canvas, [&] { mouse(canvas, QEvent::MouseMove, pixel, Qt::LeftButton); });
                }));
            }
            mouse(canvas, QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton);
            undo->click();
            QCoreApplication::processEvents();
        }
        timings.print(QByteArray("zoom ") + QByteArray::number(zoom));
    }
}

// The commands that change the whole picture, through the window, and their undo.
void timeCommands(Form6& form, PixelCanvas* canvas, int rounds)
{
    canvas->setZoom(1);
    QCoreApplication::processEvents();
    auto* undo = form.findChild<QPushButton*>(QStringLiteral("GeriAl"));
    auto* invert = form.findChild<QPushButton*>(QStringLiteral("TümünüTersle"));
    struct Command {
        const char* name;
        std::function<void()> run;
        Timings timings;
        Timings undoTimings;
    };
    std::vector<Command> commands = {
        {"Tümünü Tersle", [&] { invert->click(); }, {}, {}},
        {"Ctrl+Sağ", [&] { canvas->shift(1, 0); }, {}, {}},
        {"Ctrl+Aşağı", [&] { canvas->shift(0, 1); }, {}, {}},
    };
    for (int round = 0; round < rounds; ++round) {
        for (Command& command : commands) {
            command.timings.add(timed(canvas, [&] { return madeStep(canvas, command.run); }));
            command.undoTimings.add(timed(canvas, [&] {
                undo->click();
                return true;
            }));
        }
    }
    std::printf("whole-picture commands through the window (zoom 1), and Geri Al:\n");
    for (const Command& command : commands) {
        command.timings.print(command.name);
        command.undoTimings.print(QByteArray(command.name) + " undone");
    }
}

// The edits alone: made, applied, reverted.
void timeCore(int rounds)
{
    const PixelGrid start = benchPicture();
    const PixelGrid light(kSide, kSide);
    std::vector<double> invert, shift, fill, apply, merge;
    for (int round = 0; round < rounds; ++round) {
        PixelGrid picture = start;
        PixelEdit edit;
        invert.push_back(timed([&] { edit = invertEdit(picture, QRect(0, 0, kSide, kSide)); }));
        apply.push_back(timed([&] { edit.apply(picture); }));
        apply.push_back(timed([&] { edit.revert(picture); }));
        shift.push_back(timed([&] { edit = shiftEdit(picture, 1, 0); }));
        fill.push_back(timed([&] { edit = floodFillEdit(light, {512, 512}, 1); }));
        PixelEdit stroke;
        merge.push_back(timed([&] {
            for (int i = 0; i < 1000; ++i)
                stroke.merge(lineEdit(light, {i, i}, {i + 1, i + 1}, 1));
        }));
    }
    std::printf("core, %d x %d:\n", kSide, kSide);
    print("invertEdit, whole picture", invert);
    print("apply or revert, 1048576 pixels", apply);
    print("shiftEdit by one", shift);
    print("floodFillEdit, whole light picture", fill);
    print("1000 segments merged into one stroke", merge);
}

// "Uygula" of the editor that the main window's "Düzenle" opened on a light 1024 × 1024
// picture, with a pixel painted each round: the whole road of the main window (packing, the
// code text in its pane, the converted picture in its boxes), clock and processor time.
void timeMainWindowApply(DialogService& dialogs, int rounds)
{
    ProgramState state;
    Form1 main(state, dialogs);
    main.setEditorFactory([&dialogs](QWidget* opener, AppliedPicture applied) {
        auto* editor = new Form6(dialogs, opener);
        QObject::connect(editor, &Form6::pictureApplied, opener, std::move(applied));
        return static_cast<PictureEditor*>(editor);
    });
    main.findChild<QLineEdit*>(QStringLiteral("BmpEn"))->setText(QString::number(kSide));
    main.findChild<QLineEdit*>(QStringLiteral("BmpYükseklik"))->setText(QString::number(kSide));
    main.show();
    main.findChild<QPushButton*>(QStringLiteral("Command10"))->click();
    auto* editor = dynamic_cast<Form6*>(main.editor());
    auto* canvas = editor->findChild<PixelCanvas*>(QStringLiteral("Tuval"));
    auto* apply = editor->findChild<QPushButton*>(QStringLiteral("Uygula"));
    auto* code = main.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QCoreApplication::processEvents();
    std::vector<double> clock, cpu;
    for (int round = 0; round < rounds; ++round) {
        mouse(canvas, QEvent::MouseButtonPress, {round + 1, 1}, Qt::LeftButton);
        mouse(canvas, QEvent::MouseButtonRelease, {round + 1, 1}, Qt::LeftButton);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        const qint64 cpuStart = threadTime();
        timer.start();
        apply->click();
        QCoreApplication::processEvents();
        clock.push_back(ms(timer.nsecsElapsed()));
        cpu.push_back(ms(threadTime() - cpuStart));
    }
    std::printf("Uygula from the main window's Düzenle, %d x %d (%lld bytes of code text):\n",
                kSide, kSide, static_cast<long long>(code->toPlainText().size()));
    print("click to shown, clock", clock);
    print("click to shown, processor time", cpu);
    main.close();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::CommonOptions options;
    options.rounds = 3;
    for (int i = 1; i < argc; ++i)
        bench::readCommonOption(argv[i], options);

    YesDialogs dialogs;
    Form6 form(dialogs);
    form.edit(benchPicture(), ByteLayout::PagesLsbTop, QStringLiteral("bench"));
    form.show();
    QCoreApplication::processEvents();
    auto* canvas = form.findChild<PixelCanvas*>(QStringLiteral("Tuval"));
    std::printf("opening zoom %d\n", canvas->zoom());
    timeStrokes(form, canvas, options.rounds);
    timeCommands(form, canvas, options.rounds);
    timeCore(options.rounds);
    timeMainWindowApply(dialogs, options.rounds);
    return form.picture() == oneBitPicture(benchPicture()) ? 0 : 1;
}
