#include "picture_commands.h"

#include "dialog_service.h"
#include "event_yield.h"
#include "fitting.h"
#include "monochrome.h"
#include "number_reading.h"
#include "page_packing.h"
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
                                 const PictureControls& controls, std::function<void()> layOutCode)
    : m_state(state), m_dialogs(dialogs), m_controls(controls), m_layOutCode(std::move(layOutCode))
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
    if (m_state.ResimYolu.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), QStringLiteral("Önce bir resim yükleyin."));
        return;
    }
    const qint64 width = leadingNumber(m_controls.width->text());
    const qint64 height = leadingNumber(m_controls.height->text());
    if (const std::optional<QString> problem = targetSizeProblem(width, height)) {
        m_dialogs.showMessage(QStringLiteral("Hata"), *problem);
        return;
    }
    BusyGuard busy(m_state);
    try {
        EventYield yield(&m_state.abortRequested);
        // The work surface is never shown and every conversion decodes the file anew, so
        // its old picture goes first: two decoded pictures never sit in memory together.
        m_controls.workPicture->clear();
        QImage picture = loadPicture(m_state.ResimYolu);
        if (picture.isNull()) {
            m_dialogs.showMessage(QStringLiteral("Hata"),
                                  unreadablePictureMessage(m_state.ResimYolu));
            return;
        }
        showSource(picture);
        yield.tickNow();
        ProgressBarSink progress(m_controls.progress);
        ConvertedPicture converted = convertPicture(
            picture, static_cast<int>(width), static_cast<int>(height), invert, &progress, yield);
        m_controls.workPicture->setImage(std::move(picture));
        PictureBox* preview = m_controls.targetPreview;
        preview->setImage(ResmiAktar(converted.target, preview->innerSize(),
                                     m_controls.fitTarget->isChecked(), yield));
        m_controls.targetPicture->resize(converted.target.size());
        m_controls.targetPicture->setImage(std::move(converted.target));
        m_state.PikselDizisi = std::move(converted.grid);
        BaytlaraÇevir(m_state.PikselDizisi, m_state.BaytTablosu, yield);
        m_layOutCode();
    } catch (const WorkAborted&) {
        // The window is closing: nothing more to show.
    } catch (const RunError& error) {
        m_dialogs.showMessage(error.title(), error.description());
    }
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
