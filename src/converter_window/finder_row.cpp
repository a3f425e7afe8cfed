#include "finder_row.h"

#include "picture_box.h"
#include "table_drawing.h"
#include "window_style.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace pixmint {
namespace {

// The table after its leading entries.
Bytes pictureBytes(const Bytes& table, qsizetype skip)
{
    const auto first = table.begin() + std::min<qsizetype>(skip, qsizetype(table.size()));
    return Bytes(first, table.end());
}

}  // namespace

FinderRow::FinderRow(QWidget* window, const FinderRowLayout& layout) : QObject(window)
{
    makeLabel(window, QStringLiteral("Label11"), QStringLiteral("En :"), layout.widthLabel);
    m_width = new QSpinBox(window);
    m_width->setObjectName(QStringLiteral("TabloEn"));
    m_width->setRange(1, kMaxDrawingWidth);
    m_width->setValue(128);
    place(m_width, layout.widthBox);
    makeLabel(window, QStringLiteral("Label12"), QStringLiteral("Düzen :"), layout.layoutLabel);
    m_layout = new QComboBox(window);
    m_layout->setObjectName(QStringLiteral("TabloDüzen"));
    for (const LayoutRecord& record : layoutRecords())
        m_layout->addItem(record.text);
    place(m_layout, layout.layoutList);
    m_find = makeButton(window, QStringLiteral("DüzeniBul"), QStringLiteral("Düzeni bul"),
                        layout.findButton);
    m_edit =
        makeButton(window, QStringLiteral("Düzenle"), QStringLiteral("Düzenle"), layout.editButton);
    m_picture = new PictureBox(window);
    m_picture->setObjectName(QStringLiteral("TabloResmi"));
    place(m_picture, layout.picture);

    connect(m_width, &QSpinBox::valueChanged, this, [this] { draw(); });
    connect(m_layout, &QComboBox::currentIndexChanged, this, [this] { draw(); });
    connect(m_find, &QPushButton::clicked, this, [this] { findLayout(); });
}

int FinderRow::width() const
{
    return m_width->value();
}

ByteLayout FinderRow::layout() const
{
    return layoutRecords().value(std::max(0, m_layout->currentIndex())).layout;
}

void FinderRow::setTable(const Bytes& table, const LayoutHints& hints)
{
    if (table == m_table && hints == m_hints) {
        draw();
        return;
    }
    m_table = table;
    m_hints = hints;
    m_skip = 0;
    findLayout();
}

void FinderRow::replaceTable(const Bytes& table)
{
    m_table = table;
    draw();
}

void FinderRow::clear()
{
    m_table.clear();
    m_hints = {};
    m_skip = 0;
    m_picture->clear();
}

void FinderRow::findLayout()
{
    const std::vector<LayoutGuess> guesses = findLayouts(m_table, m_hints);
    if (!guesses.empty()) {
        const LayoutGuess& best = guesses.front();
        m_setting = true;
        m_width->setValue(best.width);
        for (int i = 0; i < layoutRecords().size(); ++i) {
            if (layoutRecords()[i].layout == best.layout)
                m_layout->setCurrentIndex(i);
        }
        m_skip = best.skip;
        m_setting = false;
    }
    draw();
}

PixelGrid FinderRow::tablePicture() const
{
    const Bytes bytes = pictureBytes(m_table, m_skip);
    return bytes.empty() ? PixelGrid() : unpackedGrid(bytes, width(), layout());
}

void FinderRow::draw()
{
    if (m_setting)
        return;
    Bytes bytes = pictureBytes(m_table, m_skip);
    if (bytes.empty()) {
        m_picture->clear();
        return;
    }
    // Only the rows that fit the box are drawn, at the largest whole factor that fits.
    const QSize room = m_picture->innerSize();
    const int w = width();
    const qint64 height = unpackedHeight(qint64(bytes.size()), w, layout());
    const int scale = int(std::clamp<qint64>(
        std::min<qint64>(room.width() / w, room.height() / std::max<qint64>(1, height)), 1,
        kMaxDrawingScale));
    const qint64 rows = std::min<qint64>(height, room.height() / scale + 8);
    bytes.resize(
        std::size_t(std::min<qint64>(qint64(bytes.size()), entryCount(layout(), w, int(rows)))));
    const Checked<QImage> drawing = drawTable(bytes, w, scale, layout());
    if (drawing.ok())
        m_picture->setImage(drawing.value());
    else
        m_picture->clear();
}

}  // namespace pixmint
