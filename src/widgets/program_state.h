#pragma once

#include "picture_session.h"
#include "pixel_grid.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace pixmint {

// The values the whole program shares. `main` owns the one object, made before the main
// window and destroyed after it, and hands it to the windows by reference; it outlives
// every window.
struct ProgramState {
    QString ResimYolu;       // the picture file last chosen in a picture dialog
    QString DosyaYolu;       // the include file last opened or chosen for saving
    PixelGrid PikselDizisi;  // the pixels of the last converted picture
    // The pictures of the picture road; the main window's hidden boxes Picture2 and Picture3
    // only show them.
    QImage loadedPicture;     // as decoded (and turned by the last conversion), at its own size
    QImage convertedPicture;  // width × height, black and white; "Resmi Kaydet" saves it
    QStringList BaytTablosu;  // the byte table, written by whichever command ran last
    PictureSession picture;   // the picture settings and the loaded picture's preview copy

    // One command at a time: true while a conversion or a converter run is under way;
    // every command button of both windows then does nothing.
    bool busy = false;
    // Set when the window that runs the work is closing; the work stops at its next yield.
    bool abortRequested = false;
};

// Marks the state busy for the life of the guard.
class BusyGuard {
public:
    explicit BusyGuard(ProgramState& state) : m_state(state)
    {
        m_state.busy = true;
        m_state.abortRequested = false;
    }
    ~BusyGuard() { m_state.busy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    ProgramState& m_state;
};

}  // namespace pixmint
