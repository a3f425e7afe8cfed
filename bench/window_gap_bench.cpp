// How long the main window goes without processing events while "Resim Yükle" loads a
// picture and "Dönüştür" converts it. The real Form1 runs on the offscreen platform; a
// repeating 1 ms timer notes the time whenever the event loop gets a turn, and the gaps
// between those notes are what a person would feel as a window that does not react.
//
// Both commands decode the file. The first gap of a round (from the click to the first turn
// of the event loop) is reported apart, next to the times of decoding alone (loadPicture on
// the same file) and of the smooth scaling of the source preview: where the decoding runs
// in the window's own thread, the first gap holds it. The longest gap of the whole command,
// first gap included, is what a person feels.
//
//   pixmint_window_gap_bench PICTURE [--rounds=N] [--width=128] [--height=64] [--per-line=16]
//                            [--scaling=black-wins|average] [--method=threshold|otsu|…]

#include "bench_support.h"
#include "dialog_service.h"
#include "fitting.h"
#include "form1.h"
#include "picture_box.h"
#include "picture_loading.h"
#include "program_state.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// Presses the window's button of that name, as a person does.
void clickButton(QWidget& window, const char* name)
{
    window.findChild<QPushButton*>(QString::fromUtf8(name))->click();
}

using namespace pixmint;

// Answers the open dialog with the picture, cancels every other file dialog, and lets
// message boxes pass (printing them, since a message means the round did not convert).
class BenchDialogs : public DialogService {
public:
    explicit BenchDialogs(QString path) : m_path(std::move(path)) {}

    std::optional<QString> chooseOpenFile(const FileDialogRequest&) override { return m_path; }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&) override
    {
        return std::nullopt;
    }
    MessageAnswer showMessage(const QString& title, const QString& text,
                              MessageButtons buttons) override
    {
        std::fprintf(stderr, "message box \"%s\": %s\n", qUtf8Printable(title),
                     qUtf8Printable(text));
        ++messages;
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }

    int messages = 0;

private:
    QString m_path;
};

using bench::median;
using bench::ms;

struct Round {
    double total = 0;       // the whole command
    double firstGap = 0;    // from the start to the first turn of the event loop
    double longestGap = 0;  // the longest gap of the command, the first one included
    int turns = 0;          // turns of the event loop seen during the command
};

// Runs one command from the event loop, as a click would run it, with the ticker going.
Round timeCommand(const std::function<void()>& command)
{
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> notes;
    notes.reserve(100000);
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] { notes.push_back(clock.nsecsElapsed()); });

    qint64 start = 0;
    qint64 end = 0;
    QEventLoop loop;
    QTimer::singleShot(20, [&] {
        start = clock.nsecsElapsed();
        command();
        end = clock.nsecsElapsed();
        loop.quit();
    });
    ticker.start();
    loop.exec();
    ticker.stop();

    std::vector<qint64> during{start};
    for (qint64 note : notes) {
        if (note > start && note < end)
            during.push_back(note);
    }
    during.push_back(end);

    Round round;
    round.total = ms(end - start);
    round.turns = static_cast<int>(during.size()) - 2;
    round.firstGap = ms(during[1] - during[0]);
    for (std::size_t i = 1; i < during.size(); ++i)
        round.longestGap = std::max(round.longestGap, ms(during[i] - during[i - 1]));
    return round;
}

// Times the command over the rounds and prints each round and the medians.
bool timeRounds(const char* name, int rounds, const BenchDialogs& dialogs,
                const std::function<void()>& command)
{
    std::vector<double> totals, firstGaps, longestGaps;
    std::printf("%s\nround  total_ms  first_gap_ms  longest_gap_ms  turns\n", name);
    for (int i = 0; i < rounds; ++i) {
        const Round round = timeCommand(command);
        if (dialogs.messages > 0)
            return false;
        std::printf("%5d  %8.1f  %12.1f  %14.1f  %5d\n", i + 1, round.total, round.firstGap,
                    round.longestGap, round.turns);
        totals.push_back(round.total);
        firstGaps.push_back(round.firstGap);
        longestGaps.push_back(round.longestGap);
    }
    std::printf(
        "median %s: %.1f ms, first gap %.1f ms, longest gap %.1f ms (worst round %.1f ms)\n", name,
        median(totals), median(firstGaps), median(longestGaps),
        *std::max_element(longestGaps.begin(), longestGaps.end()));
    return true;
}

struct Options : bench::CommonOptions {
    QString perLine = QStringLiteral("16");
    PictureSettings settings;
};

Options readOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        if (bench::readCommonOption(argv[i], o))
            continue;
        const QString value = QString::fromLocal8Bit(
            std::strchr(argv[i], '=') ? std::strchr(argv[i], '=') + 1 : argv[i]);
        if (std::strncmp(argv[i], "--per-line=", 11) == 0)
            o.perLine = value;
        else if (std::strncmp(argv[i], "--scaling=", 10) == 0)
            o.settings.scaling = choiceNamed(scalingChoices(), value).value_or(o.settings.scaling);
        else if (std::strncmp(argv[i], "--method=", 9) == 0)
            o.settings.method = choiceNamed(methodChoices(), value).value_or(o.settings.method);
    }
    return o;
}

// Times fn on the picture once per round; the medians are printed for comparison with the
// first gaps.
template <typename Fn>
double medianTime(int rounds, Fn fn)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer clock;
        clock.start();
        fn();
        times.push_back(ms(clock.nsecsElapsed()));
    }
    return median(times);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options o = readOptions(argc, argv);
    const QImage picture = o.path.isEmpty() ? QImage() : loadPicture(o.path);
    if (picture.isNull()) {
        std::fprintf(stderr,
                     "usage: %s PICTURE [--rounds=N] [--width=N] [--height=N] [--per-line=N] "
                     "[--scaling=WORD] [--method=WORD]\n",
                     argv[0]);
        return 2;
    }
    ProgramState state;
    state.picture.setSettings(o.settings);
    BenchDialogs dialogs(o.path);
    Form1 form(state, dialogs);
    form.findChild<QLineEdit*>(QStringLiteral("BmpEn"))->setText(o.width);
    form.findChild<QLineEdit*>(QStringLiteral("BmpYükseklik"))->setText(o.height);
    form.findChild<QLineEdit*>(QStringLiteral("SütunSayısı"))->setText(o.perLine);
    form.show();
    const QSize frame = form.findChild<PictureBox*>(QStringLiteral("Picture1(0)"))->innerSize();
    const double decode = medianTime(o.rounds, [&] { loadPicture(o.path); });
    const double preview = medianTime(o.rounds, [&] { smoothPreview(picture, frame, true); });

    QCoreApplication::processEvents();
    if (!timeRounds("Resim Yükle", o.rounds, dialogs, [&] { clickButton(form, "Command1"); }) ||
        !timeRounds("Dönüştür", o.rounds, dialogs, [&] { clickButton(form, "Command2"); })) {
        return 1;
    }
    std::printf("median decode alone (loadPicture): %.1f ms\n", decode);
    std::printf("median preview scaling alone: %.1f ms\n", preview);
    return 0;
}
