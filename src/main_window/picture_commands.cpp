#include "picture_commands.h"

#include "background_work.h"
#include "code_output.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "fitting.h"
#include "format_group.h"
#include "monochrome.h"
#include "picture_box.h"
#include "picture_loading.h"
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

DecodedPicture PictureCommands::decodeInBackground(const QString& path, bool withPreviewCopy)
{
    const QSize frame = m_controls.sourcePreview->innerSize();
    const bool fit = m_controls.fitSource->isChecked();
    std::function<DecodedPicture()> work = [path, frame, fit, withPreviewCopy] {
        DecodedPicture decoded;
        decoded.picture = loadPicture(path);
        if (!decoded.picture.isNull()) {
            decoded.sourcePreview = smoothPreview(decoded.picture, frame, fit);
            if (withPreviewCopy)
                decoded.previewCopy = reducedForPreview(decoded.picture, path);
        }
        return decoded;
    };
    return waitForBackgroundWork(std::move(work), &m_state.abortRequested);
}

void PictureCommands::load(const std::function<void()>& clearPictures)
{
    FileDialogRequest request;
    request.filter = openFilter();
    m_state.ResimYolu.clear();
    const std::optional<QString> chosen = m_dialogs.chooseOpenFile(request);
    clearPictures();
    m_state.loadedPicture = QImage();
    m_state.convertedPicture = QImage();
    m_state.picture.setPreview({});
    m_state.ResimYolu = chosen.value_or(QString());
    if (m_state.ResimYolu.isEmpty())
        return;
    DecodedPicture decoded;
    try {
        BusyGuard busy(m_state);
        decoded = decodeInBackground(m_state.ResimYolu, true);
    } catch (const WorkAborted&) {
        return;  // the window is closing
    }
    if (decoded.picture.isNull()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), unreadablePictureMessage(m_state.ResimYolu));
        m_state.ResimYolu.clear();
        return;
    }
    m_controls.sourcePreview->setImage(std::move(decoded.sourcePreview));
    m_state.loadedPicture = std::move(decoded.picture);
    m_controls.workPicture->setImage(m_state.loadedPicture);
    m_state.picture.setPreview(std::move(decoded.previewCopy));
}

PictureRoadRequest PictureCommands::roadRequest(bool invert) const
{
    PictureRoadRequest request;
    request.path = m_state.ResimYolu;
    request.target = readTargetSize(m_controls.width->text(), m_controls.height->text());
    request.invert = invert;
    request.settings = m_state.picture.settings();
    request.fit = m_controls.fitTarget->isChecked();
    request.format = readTextFormat(m_controls.format->formatForLayout());
    return request;
}

void PictureCommands::convert(bool invert)
{
    const PictureRoadRequest request = roadRequest(invert);
    QString failure;
    try {
        BusyGuard busy(m_state);
        EventYield yield(&m_state.abortRequested);
        ProgressBarSink progress(m_controls.progress);
        const PictureDecoder decode = [&] {
            // Every conversion decodes the file anew, so the old picture goes first: two
            // decoded pictures never sit in memory together.
            m_state.loadedPicture = QImage();
            m_controls.workPicture->clear();
            DecodedPicture decoded = decodeInBackground(request.path, false);
            if (!decoded.picture.isNull()) {
                m_controls.sourcePreview->setImage(std::move(decoded.sourcePreview));
                yield.tickNow();
            }
            return std::move(decoded.picture);
        };
        PictureRoadOutcome outcome = runPictureRoad(request, decode, &progress, yield);
        failure = outcome.failure;
        if (failure.isEmpty())
            showOutcome(std::move(outcome), yield);
    } catch (const WorkAborted&) {
        return;  // the window is closing: nothing more to show
    } catch (const RunError& error) {
        m_dialogs.showMessage(error.title(), error.description());
        return;
    }
    if (!failure.isEmpty())
        m_dialogs.showMessage(QStringLiteral("Hata"), failure);
}

void PictureCommands::showOutcome(PictureRoadOutcome&& outcome, EventYield& yield)
{
    m_state.loadedPicture = std::move(outcome.work);
    m_controls.workPicture->setImage(m_state.loadedPicture);
    showConverted(std::move(outcome), yield);
}

void PictureCommands::applyEdited(const PixelGrid& picture)
{
    if (m_state.busy)
        return;
    EventYield none;
    PictureRoadOutcome outcome = editedPictureOutcome(picture, roadRequest(false), none);
    if (!outcome.failure.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), outcome.failure);
        return;
    }
    showConverted(std::move(outcome), none);
}

void PictureCommands::showConverted(PictureRoadOutcome&& outcome, EventYield& yield)
{
    PictureBox* preview = m_controls.targetPreview;
    preview->setImage(
        ResmiAktar(outcome.target, preview->innerSize(), m_controls.fitTarget->isChecked(), yield));
    m_state.convertedPicture = std::move(outcome.target);
    m_controls.targetPicture->resize(m_state.convertedPicture.size());
    m_controls.targetPicture->setImage(m_state.convertedPicture);
    m_state.PikselDizisi = std::move(outcome.grid);
    m_state.BaytTablosu = twoDigitTexts(outcome.bytes);
    showCodeOutcome(outcome.code, m_controls.code, m_dialogs, yield);
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
    QImage surface = m_state.convertedPicture;
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
