#include "picture_commands.h"

#include "code_output.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "fitting.h"
#include "format_group.h"
#include "monochrome.h"
#include "picture_box.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "program_state.h"
#include "run_error.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>

namespace pixmint {
namespace {

// Shows the progress of the black-and-white conversion on the window's progress bar.
class ProgressBarSink : public ProgressSink {
public:
    explicit ProgressBarSink(QProgressBar* bar) : m_bar(bar) {}
    void setMaximum(qint64 maximum) override
    {
        m_bar->setMaximum(static_cast<int>(std::min<qint64>(maximum, INT_MAX)));
    }
    void setValue(qint64 value) override
    {
        m_bar->setValue(static_cast<int>(std::min<qint64>(value, m_bar->maximum())));
    }

private:
    QProgressBar* m_bar;
};

}  // namespace

PictureCommands::PictureCommands(ProgramState& state, DialogService& dialogs,
                                 const PictureControls& controls)
    : m_state(state), m_dialogs(dialogs), m_controls(controls)
{
}

QString PictureCommands::openFilter()
{
    return QStringLiteral(
        "Images (*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO)|*.BMP;*.JPG;*.JPEG;*.PNG;*.GIF;*.ICO");
}

QString PictureCommands::saveFilter()
{
    return QStringLiteral(
        "Resim Dosyaları(*.bmp;*.gif;*.jpg;*.png)|*.bmp;*.gif;*.jpg;*.png|"
        "Tüm resimdosyasılar(*.*)|*.*");
}

void PictureCommands::showSource(const QImage& picture)
{
    PictureBox* preview = m_controls.sourcePreview;
    preview->setImage(
        smoothPreview(picture, preview->innerSize(), m_controls.fitSource->isChecked()));
}

void PictureCommands::load(const std::function<void()>& clearPictures)
{
    FileDialogRequest request;
    request.filter = openFilter();
    m_state.ResimYolu.clear();
    const std::optional<QString> chosen = m_dialogs.chooseOpenFile(request);
    clearPictures();
    m_state.ResimYolu = chosen.value_or(QString());
    if (m_state.ResimYolu.isEmpty())
        return;
    QImage picture = loadPicture(m_state.ResimYolu);
    if (picture.isNull()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), unreadablePictureMessage(m_state.ResimYolu));
        m_state.ResimYolu.clear();
        return;
    }
    showSource(picture);
    m_controls.workPicture->setImage(std::move(picture));
}

void PictureCommands::convert(bool invert)
{
    PictureRoadRequest request;
    request.path = m_state.ResimYolu;
    request.widthText = m_controls.width->text();
    request.heightText = m_controls.height->text();
    request.invert = invert;
    request.format = m_controls.format->formatForLayout();
    PictureRoadOutcome outcome;
    try {
        BusyGuard busy(m_state);
        EventYield yield(&m_state.abortRequested);
        ProgressBarSink progress(m_controls.progress);
        const PictureDecoder decode = [&] {
            // The work surface is never shown and every conversion decodes the file anew, so
            // its old picture goes first: two decoded pictures never sit in memory together.
            m_controls.workPicture->clear();
            QImage picture = loadPicture(request.path);
            if (!picture.isNull()) {
                showSource(picture);
                yield.tickNow();
            }
            return picture;
        };
        outcome = runPictureRoad(request, decode, &progress, yield);
        if (outcome.failure.isEmpty()) {
            PictureBox* preview = m_controls.targetPreview;
            preview->setImage(ResmiAktar(outcome.target, preview->innerSize(),
                                         m_controls.fitTarget->isChecked(), yield));
        }
    } catch (const WorkAborted&) {
        return;  // the window is closing: nothing more to show
    } catch (const RunError& error) {
        m_dialogs.showMessage(error.title(), error.description());
        return;
    }
    if (!outcome.failure.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), outcome.failure);
        return;
    }
    m_controls.workPicture->setImage(std::move(outcome.work));
    m_controls.targetPicture->resize(outcome.target.size());
    m_controls.targetPicture->setImage(std::move(outcome.target));
    m_state.PikselDizisi = std::move(outcome.grid);
    m_state.BaytTablosu = std::move(outcome.table);
    showCodeOutcome(outcome.code, m_controls.code, m_dialogs);
}

void PictureCommands::savePicture()
{
    FileDialogRequest request;
    request.defaultExtension = QStringLiteral(".jpg");
    request.filter = saveFilter();
    m_state.ResimYolu.clear();
    const std::optional<QString> chosen = m_dialogs.chooseSaveFile(request);
    m_state.ResimYolu = chosen.value_or(QString());
    if (m_state.ResimYolu.isEmpty())
        return;
    // The file is a BMP whatever its name says; before any conversion the surface is blank.
    QImage surface = m_controls.targetPicture->image();
    if (surface.isNull()) {
        surface = QImage(m_controls.targetPicture->size(), QImage::Format_RGB32);
        surface.fill(Qt::white);
    }
    try {
        pixmint::savePicture(surface, "BMP", m_state.ResimYolu);
    } catch (const RunError& error) {
        // A failed save must not look like a success.
        m_dialogs.showMessage(error.title(), error.description());
    }
}

}  // namespace pixmint
