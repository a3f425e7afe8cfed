#include "form3.h"

#include "window_style.h"

#include <QLabel>
#include <QPainter>

namespace pixmint {
namespace {

// The mark shown on the LCD of the picture, one character per pixel ('#' dark).
const char* const kMark[] = {
    ".........................................", "..####..###.#...#.#...#.###.#...#.#####..",
    "..#...#..#..#...#.##.##..#..##..#...#....", "..#...#..#...#.#..#.#.#..#..#.#.#...#....",
    "..####...#....#...#.#.#..#..#..##...#....", "..#......#...#.#..#...#..#..#...#...#....",
    "..#......#..#...#.#...#..#..#...#...#....", "..#.....###.#...#.#...#.###.#...#...#....",
    ".........................................", ".........................................",
    "..#####################################..", "..####...###...###...###...###...###..#..",
    "..##...#...#...#...#...#...#...#...#..#..", "..####...###...###...###...###...###..#..",
    "..#####################################..", ".........................................",
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  bool wrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, geometry, !wrap);
    return label;
}

}  // namespace

QImage aboutPicture()
{
    QImage picture(606, 583, QImage::Format_RGB32);
    picture.fill(QColor(0x2b, 0x33, 0x3a));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The module's board and its glass.
    painter.setBrush(QColor(0x1d, 0x6b, 0x3a));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(23, 60, 560, 463), 24, 24);
    painter.setBrush(QColor(0x9c, 0xc2, 0x4f));
    painter.drawRoundedRect(QRectF(53, 120, 500, 343), 10, 10);
    // The mark in square pixels, with the faint grid of the unlit ones.
    const int rows = static_cast<int>(std::size(kMark));
    const int columns = static_cast<int>(std::strlen(kMark[0]));
    const qreal cell = 480.0 / columns;
    const QPointF origin(303 - columns * cell / 2, 291.5 - rows * cell / 2);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            const bool dark = kMark[y][x] == '#';
            painter.setBrush(dark ? QColor(0x1e, 0x2a, 0x14) : QColor(0x92, 0xb8, 0x48));
            painter.drawRect(
                QRectF(origin.x() + x * cell, origin.y() + y * cell, cell - 2, cell - 2));
        }
    }
    // The connector pins along the top edge.
    painter.setBrush(QColor(0xd4, 0xaf, 0x37));
    for (int pin = 0; pin < 20; ++pin)
        painter.drawRect(QRectF(113 + pin * 19.5, 66, 10, 26));
    return picture;
}

Form3::Form3(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setUpWindow(this, QStringLiteral("Form3"), QStringLiteral("Hakkında"), {415, 214},
                WindowSize::Fixed);
    makeLabel(this, "Label1", QStringLiteral("Adı Soyadı : Pixmint Geliştiricileri"),
              {56, 32, 122, 13}, false);
    makeLabel(this, "Label2", QStringLiteral("Yazılım Dili : C++"), {56, 72, 121, 13}, false);
    makeLabel(this, "Label3", QStringLiteral("Versiyon : ") + QStringLiteral(PIXMINT_VERSION_TEXT),
              {56, 104, 70, 13}, false);
    QLabel* notice = makeLabel(this, "Label4", QString(), {8, 144, 393, 65}, true);
    // The notice is set as the window loads, before it is first drawn.
    notice->setText(QStringLiteral(
        "Bu program özgür yazılımdır; olduğu gibi, hiçbir garanti verilmeden sunulur."));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setScaledContents(true);
    image->setPixmap(QPixmap::fromImage(aboutPicture()));
    place(image, {280, 8, 118, 119});
}

}  // namespace pixmint
