#pragma once

#include "byte_layout.h"
#include "pixel_grid.h"

#include <QList>
#include <QString>

namespace pixmint {

// What a set bit of the table shows.
//  - Dark: a set bit is a dark pixel. The STN LCDs turn a dot on for a set bit, and on their
//    usual positive glass an "on" dot is dark; the drawing calls draw their colour where a bit
//    is set. The default of the picture road.
//  - Lit: a set bit is a light pixel: an OLED's lit pixel, the white of e-paper and of a Sharp
//    memory LCD. The grid is exchanged dark for light just before packing, so that the module
//    shows the picture as it looks.
enum class Polarity { Dark, Lit };

// The glass of a module, which gives the colours of its previews. A library call draws on
// whatever display it is given: its previews stay black on white (Paper).
enum class Screen { Paper, Oled, Stn, MemoryLcd, EPaper };

// A dark and a light pixel of a screen, as 0xAARRGGBB.
struct ScreenColours {
    quint32 dark;
    quint32 light;
};
ScreenColours screenColours(Screen screen);

// The grid as the table's bits take it: a dark grid (1 = dark) as it is for Dark, every cell
// exchanged dark for light for Lit. Bits past the grid are not its cells: packing leaves them 0.
PixelGrid cellsWithPolarity(const PixelGrid& dark, Polarity polarity);

// A display module or a library call of the "Ekran" list and of pixmint-cli's --display.
// A module row sets the size, layout and polarity its controller takes when the table is sent
// to its RAM as it is; a library-call row also names the call the code text's last comment
// shows. docs/displays.md gives the datasheet passage or driver line behind every row.
struct DisplayPreset {
    QString name;  // what --display takes: "ssd1306-128x64"
    QString text;  // the window's list: "SSD1306 128 × 64 (OLED)"
    int width = 0;
    int height = 0;
    ByteLayout layout = ByteLayout::PagesLsbTop;
    Polarity polarity = Polarity::Dark;
    Screen screen = Screen::Paper;
    // The call for the C and for the Arduino language, empty for a module. In the templates
    // {name} stands for the table's name, {width} and {height} for the picture's size, and
    // {rowBytes} for ceil(width / 8), the bytes a row takes (u8g2's drawBitmap counts bytes).
    QString cCall;
    QString arduinoCall;

    bool isLibraryCall() const { return !cCall.isEmpty(); }
};

// Every preset, in the window's order ("Özel", nothing set, comes before them and is none).
const QList<DisplayPreset>& displayPresets();

// The preset of that --display name, letter case aside; nullptr when there is none.
const DisplayPreset* displayPresetNamed(const QString& name);

// The text of `pixmint-cli --display list`: a line per preset, "name TAB width TAB height TAB
// layout word TAB 1 when lit else 0 TAB window text", each ending in "\n".
QString displayPresetList();

// The last comment line of a C or Arduino code text for a library-call preset, such as
// "// display.drawBitmap(0, 0, logo, 128, 64, SSD1306_WHITE);", without a line end; empty for
// a module preset.
QString libraryCallComment(const DisplayPreset& preset, const QString& tableName, int width,
                           int height, bool arduino);

}  // namespace pixmint
