#include "display_presets.h"

namespace pixmint {

namespace {

DisplayPreset module(const char* name, const char16_t* text, int width, int height,
                     ByteLayout layout, Polarity polarity, Screen screen = Screen::Paper)
{
    DisplayPreset preset;
    preset.name = QString::fromLatin1(name);
    preset.text = QString::fromUtf16(text);
    preset.width = width;
    preset.height = height;
    preset.layout = layout;
    preset.polarity = polarity;
    preset.screen = screen;
    return preset;
}

DisplayPreset call(const char* name, const char16_t* text, ByteLayout layout, Polarity polarity,
                   const char16_t* cCall, const char16_t* arduinoCall,
                   Screen screen = Screen::Paper)
{
    // A call draws or copies a picture of any size; 128 × 64, the size of the SSD1306
    // modules these libraries are used with most, is the one the preset starts with.
    DisplayPreset preset = module(name, text, 128, 64, layout, polarity, screen);
    preset.cCall = QString::fromUtf16(cCall);
    preset.arduinoCall = QString::fromUtf16(arduinoCall);
    return preset;
}

}  // namespace

const QList<DisplayPreset>& displayPresets()
{
    using enum ByteLayout;
    using enum Polarity;
    using enum Screen;
    static const QList<DisplayPreset> presets = {
        module("ssd1306-128x64", u"SSD1306 128 × 64 (OLED)", 128, 64, PagesLsbTop, Lit, Oled),
        module("ssd1306-128x32", u"SSD1306 128 × 32 (OLED)", 128, 32, PagesLsbTop, Lit, Oled),
        module("sh1106-128x64", u"SH1106 128 × 64 (OLED)", 128, 64, PagesLsbTop, Lit, Oled),
        module("ssd1309-128x64", u"SSD1309 128 × 64 (OLED)", 128, 64, PagesLsbTop, Lit, Oled),
        module("st7565-128x64", u"ST7565 128 × 64 (LCD)", 128, 64, PagesLsbTop, Dark, Stn),
        module("st7567-128x64", u"ST7567 128 × 64 (LCD)", 128, 64, PagesLsbTop, Dark, Stn),
        module("uc1701-128x64", u"UC1701 128 × 64 (LCD)", 128, 64, PagesLsbTop, Dark, Stn),
        module("ks0108-128x64", u"KS0108 128 × 64 (LCD)", 128, 64, PagesLsbTop, Dark, Stn),
        module("pcd8544-84x48", u"PCD8544 84 × 48 (Nokia 5110)", 84, 48, PagesLsbTop, Dark, Stn),
        module("st7920-128x64", u"ST7920 128 × 64 (LCD)", 128, 64, RowsMsbLeft, Dark, Stn),
        module("t6963c-240x128", u"T6963C 240 × 128 (LCD)", 240, 128, RowsMsbLeft, Dark, Stn),
        module("ls013b7dh03-128x128", u"Sharp LS013B7DH03 128 × 128 (bellek LCD)", 128, 128,
               RowsLsbLeft, Lit, MemoryLcd),
        module("ssd1680-128x296", u"SSD1680 128 × 296 (e-kağıt)", 128, 296, RowsMsbLeft, Lit,
               EPaper),
        // GFX is C++ only. The C table is not in AVR flash, so its call takes the overload
        // that reads RAM; drawXBitmap has none, and the comment says so.
        call("gfx-drawbitmap", u"Adafruit GFX drawBitmap", RowsMsbLeft, Dark,
             u"display.drawBitmap(0, 0, (uint8_t *){name}, {width}, {height}, SSD1306_WHITE);",
             u"display.drawBitmap(0, 0, {name}, {width}, {height}, SSD1306_WHITE);"),
        call("gfx-drawxbitmap", u"Adafruit GFX drawXBitmap", RowsLsbLeft, Dark,
             u"display.drawXBitmap(0, 0, {name}, {width}, {height}, SSD1306_WHITE); "
             u"(AVR'de yalnız flash'tan okur: Arduino dilini seçin)",
             u"display.drawXBitmap(0, 0, {name}, {width}, {height}, SSD1306_WHITE);"),
        // u8g2's C interface for C, its C++ one for Arduino; the Arduino table is in flash,
        // which drawXBMP reads and drawXBM does not. drawBitmap reads RAM only.
        call("u8g2-drawxbm", u"u8g2 drawXBM", RowsLsbLeft, Dark,
             u"u8g2_DrawXBM(&u8g2, 0, 0, {width}, {height}, {name});",
             u"u8g2.drawXBMP(0, 0, {width}, {height}, {name});"),
        call("u8g2-drawbitmap", u"u8g2 drawBitmap", RowsMsbLeft, Dark,
             u"u8g2_DrawBitmap(&u8g2, 0, 0, {rowBytes}, {height}, {name});",
             u"u8g2.drawBitmap(0, 0, {rowBytes}, {height}, {name}); "
             u"(AVR'de flash'tan okumaz: tabloyu RAM'e kopyalayın)"),
        // The bytes reach the OLED's RAM untouched, so a set bit is a lit pixel. C has no
        // Adafruit library: a u8g2 full frame buffer of an SSD1306 holds the same pages.
        call("ssd1306-framebuffer", u"SSD1306 çerçeve belleği (memcpy)", PagesLsbTop, Lit,
             u"memcpy(u8g2_GetBufferPtr(&u8g2), {name}, sizeof({name})); u8g2_SendBuffer(&u8g2);",
             u"memcpy_P(display.getBuffer(), {name}, sizeof({name})); display.display();", Oled),
    };
    return presets;
}

ScreenColours screenColours(Screen screen)
{
    switch (screen) {
    case Screen::Oled:
        return {0xFF000000, 0xFFD8ECFF};  // pale blue-white dots on black
    case Screen::Stn:
        return {0xFF1E2B33, 0xFFB5C99A};  // dark dots on yellow-green glass
    case Screen::MemoryLcd:
        return {0xFF262626, 0xFFC9CCC4};  // reflective silver-grey
    case Screen::EPaper:
        return {0xFF1A1A1A, 0xFFEDEDE6};
    case Screen::Paper:
        break;
    }
    return {0xFF000000, 0xFFFFFFFF};
}

PixelGrid cellsWithPolarity(const PixelGrid& dark, Polarity polarity)
{
    PixelGrid cells = dark;
    if (polarity == Polarity::Lit) {
        for (int y = 0; y < cells.height(); ++y) {
            std::uint8_t* row = cells.row(y);
            for (int x = 0; x < cells.width(); ++x)
                row[x] = row[x] ? 0 : 1;
        }
    }
    return cells;
}

const DisplayPreset* displayPresetNamed(const QString& name)
{
    for (const DisplayPreset& preset : displayPresets()) {
        if (preset.name.compare(name, Qt::CaseInsensitive) == 0)
            return &preset;
    }
    return nullptr;
}

QString displayPresetList()
{
    QString list;
    for (const DisplayPreset& preset : displayPresets()) {
        list += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                    .arg(preset.name, QString::number(preset.width), QString::number(preset.height),
                         layoutRecord(preset.layout).option,
                         QString::number(preset.polarity == Polarity::Lit ? 1 : 0), preset.text);
    }
    return list;
}

QString libraryCallComment(const DisplayPreset& preset, const QString& tableName, int width,
                           int height, bool arduino)
{
    if (!preset.isLibraryCall())
        return QString();
    QString line = arduino ? preset.arduinoCall : preset.cCall;
    // The name last: a table's name could itself hold one of the other placeholders.
    line.replace(QStringLiteral("{width}"), QString::number(width))
        .replace(QStringLiteral("{height}"), QString::number(height))
        .replace(QStringLiteral("{rowBytes}"), QString::number((qint64(width) + 7) / 8))
        .replace(QStringLiteral("{name}"), tableName);
    return QStringLiteral("// ") + line;
}

}  // namespace pixmint
