// How fast the font window's preview (the sample drawn from the packed numbers, and the glyph
// map) follows a change. The real Form5 runs on the offscreen platform with a font file; each
// change is timed from the change to the end of the event-loop turns that redraw the preview.
//
//   pixmint_font_preview_bench [FONT] [--rounds=N]

#include "bench_support.h"
#include "dialog_service.h"
#include "form5.h"
#include "picture_box.h"
#include "program_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace pixmint;

using bench::median;
using bench::ms;

// Opens the one font file it was given; every message box passes.
class FileDialogs : public DialogService {
public:
    explicit FileDialogs(QString path) : m_path(std::move(path)) {}
    std::optional<QString> chooseOpenFile(const FileDialogRequest&) override { return m_path; }
    std::optional<QString> chooseSaveFile(const FileDialogRequest&) override
    {
        return std::nullopt;
    }
    MessageAnswer showMessage(const QString&, const QString&, MessageButtons) override
    {
        return MessageAnswer::Yes;
    }

private:
    QString m_path;
};

struct Change {
    const char* name;
    std::function<void()> make;
    std::vector<double> times;
};

template <typename T>
T* control(QWidget& form, const char* name)
{
    return form.findChild<T*>(QString::fromUtf8(name));
}

std::vector<Change> changes(QWidget& form, int round)
{
    auto* size = control<QSpinBox>(form, "Boyut");
    auto* characters = control<QComboBox>(form, "Karakterler");
    auto* format = control<QComboBox>(form, "Biçim");
    auto* layout = control<QComboBox>(form, "Düzen");
    auto* sample = control<QLineEdit>(form, "ÖrnekMetin");
    auto* smoothing = control<QCheckBox>(form, "Yumuşatma");
    auto* threshold = control<QSpinBox>(form, "YumuşatmaEşiği");
    auto* fit = control<QCheckBox>(form, "SatıraSığdır");
    auto* rows = control<QSpinBox>(form, "SatırYüksekliği");
    const bool odd = round % 2;
    return {
        {"size 16 / 15", [=] { size->setValue(odd ? 15 : 16); }, {}},
        {"Türkçe (Windows-1254)", [=] { characters->setCurrentIndex(2); }, {}},
        {"format widths", [=] { format->setCurrentIndex(1); }, {}},
        {"format gfx", [=] { format->setCurrentIndex(2); }, {}},
        {"format cells", [=] { format->setCurrentIndex(0); }, {}},
        {"layout rows-msb-left / pages", [=] { layout->setCurrentIndex(odd ? 0 : 2); }, {}},
        {"sample text typed", [=] { sample->setText(sample->text() + QStringLiteral("ş")); }, {}},
        {"smoothing threshold", [=] { smoothing->setChecked(true); }, {}},
        {"threshold 80 / 90", [=] { threshold->setValue(odd ? 90 : 80); }, {}},
        {"smoothing off", [=] { smoothing->setChecked(false); }, {}},
        {"fit 16 rows",
         [=] {
             rows->setValue(16);
             fit->setChecked(true);
         },
         {}},
        {"fit off", [=] { fit->setChecked(false); }, {}},
        {"ASCII", [=] { characters->setCurrentIndex(0); }, {}},
    };
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench::CommonOptions options;
    options.rounds = 10;
    for (int i = 1; i < argc; ++i)
        bench::readCommonOption(argv[i], options);
    const QString font = options.path.isEmpty() ? QStringLiteral(PIXMINT_BENCH_FONT) : options.path;
    ProgramState state;
    FileDialogs dialogs(font);
    Form5 form(state, dialogs);
    form.show();
    control<QPushButton>(form, "Dosyadan")->click();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    std::vector<Change> list = changes(form, 0);
    std::vector<double> all;
    for (int round = 0; round < options.rounds; ++round) {
        std::vector<Change> made = changes(form, round);
        for (std::size_t i = 0; i < made.size(); ++i) {
            QElapsedTimer clock;
            clock.start();
            made[i].make();
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            list[i].times.push_back(ms(clock.nsecsElapsed()));
            all.push_back(list[i].times.back());
        }
    }
    std::printf("font preview after a change, %s, %d rounds:\n", qUtf8Printable(font),
                options.rounds);
    for (const Change& change : list) {
        std::printf("  %-32s median %6.1f ms  max %6.1f ms\n", change.name, median(change.times),
                    *std::max_element(change.times.begin(), change.times.end()));
    }
    std::printf("all changes: median %.1f ms, max %.1f ms (goal: within 30 ms)\n", median(all),
                *std::max_element(all.begin(), all.end()));
    const auto* preview = form.findChild<PictureBox*>(QStringLiteral("Önizleme"));
    return preview && !preview->isEmpty() ? 0 : 1;
}
