#pragma once

#include "picture_road.h"
#include "preview_source.h"

#include <QImage>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;

namespace pixmint {

class DialogService;
class EventYield;
class FormatGroup;
class PictureBox;
struct ProgramState;

// The controls of the main window that the picture commands work with.
struct PictureControls {
    PictureBox* sourcePreview = nullptr;  // Picture1(0)
    PictureBox* targetPreview = nullptr;  // Picture1(1)
    PictureBox* workPicture = nullptr;    // Picture2: the loaded picture at its own size
    PictureBox* targetPicture = nullptr;  // Picture3: width × height, black and white
    QLineEdit* width = nullptr;
    QLineEdit* height = nullptr;
    QCheckBox* fitSource = nullptr;
    QCheckBox* fitTarget = nullptr;
    QProgressBar* progress = nullptr;
    FormatGroup* format = nullptr;   // Frame1: the language and number format
    QPlainTextEdit* code = nullptr;  // Text1
};

// A picture decoded for a command, with what is made of it off the window's thread.
struct DecodedPicture {
    QImage picture;             // null when the file does not read
    QImage sourcePreview;       // for Picture1(0)
    PreviewSource previewCopy;  // for the settings window's preview ("Resim Yükle" only)
};

// The commands that carry a picture along its road: load, convert (or convert inverted)
// and save the converted picture. They read the boxes, decide which box receives what, and
// leave the work to the picture routines.
class PictureCommands {
public:
    PictureCommands(ProgramState& state, DialogService& dialogs, const PictureControls& controls);

    // "Resim Yükle": clearPictures runs as soon as the dialog closes, whatever its outcome.
    // The picture is decoded off the window's thread, with the busy flag set meanwhile.
    void load(const std::function<void()>& clearPictures);
    // "Dönüştür" and, with invert, "Resmi Tersle".
    void convert(bool invert);
    // "Resmi Kaydet".
    void savePicture();
    // "Uygula" of the editor: the edited picture becomes the converted one, as if a
    // conversion had made it (the previews, the grid, the byte table in the settings'
    // layout and the code text in Frame1's format); the loaded picture stays.
    void applyEdited(const PixelGrid& picture);

    static QString openFilter();
    static QString saveFilter();

private:
    // Decodes the picture on a worker thread while the windows keep processing events.
    // Throws WorkAborted when the main window closes meanwhile.
    DecodedPicture decodeInBackground(const QString& path, bool withPreviewCopy);
    PictureRoadRequest roadRequest(bool invert) const;
    // Shows what a conversion made, and keeps its grid and table.
    void showOutcome(PictureRoadOutcome&& outcome, EventYield& yield);
    // The converted part of it: the target picture, the grid, the table and the code.
    void showConverted(PictureRoadOutcome&& outcome, EventYield& yield);

    ProgramState& m_state;
    DialogService& m_dialogs;
    PictureControls m_controls;
};

}  // namespace pixmint
