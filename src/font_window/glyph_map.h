#pragma once

#include "pixel_grid.h"

#include <QList>
#include <QString>
#include <QWidget>

namespace pixmint {

// One glyph as the map shows it: its picture drawn back from the tables, and what its
// tooltip says.
struct MappedGlyph {
    PixelGrid picture;
    QString caption;      // "0x41 A"
    bool edited = false;  // its pixels were replaced: the map frames it
};

// The map of every chosen glyph: the pictures in rows, each enlarged by a whole factor,
// left to right in code order, as many to a row as the width holds. Its height grows with
// the glyphs (it lives in a scroll area). A double click on a glyph asks for it to be
// edited (glyphActivated with its index).
class GlyphMap : public QWidget {
    Q_OBJECT
public:
    explicit GlyphMap(QWidget* parent = nullptr);

    void setGlyphs(QList<MappedGlyph> glyphs);
    const QList<MappedGlyph>& glyphs() const { return m_glyphs; }
    // The index of the glyph whose box holds the point, or -1.
    int glyphAt(QPoint point) const;
    // The box of glyph `index` in the map's own coordinates.
    QRect glyphBox(int index) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void glyphActivated(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void arrange();

    QList<MappedGlyph> m_glyphs;
    int m_scale = 2;
    QSize m_box;  // every glyph's box, the largest picture enlarged, with a margin
    int m_columns = 1;
};

}  // namespace pixmint
