#pragma once

#include "byte_layout.h"
#include "layout_finder.h"

#include <QObject>
#include <QRect>

class QComboBox;
class QPushButton;
class QSpinBox;
class QWidget;

namespace pixmint {

class PictureBox;

// Where the controls of the layout finder's row sit in the window.
struct FinderRowLayout {
    QRect widthLabel;
    QRect widthBox;
    QRect layoutLabel;
    QRect layoutList;
    QRect findButton;
    QRect editButton;
    QRect picture;
};

// The converter window's row of the layout finder: the width "En" (`TabloEn`), the layout
// "Düzen" (`TabloDüzen`), "Düzeni bul" (`DüzeniBul`), "Düzenle" (`Düzenle`, which the window
// runs) and the picture of the table the row holds (`TabloResmi`), drawn at that width and
// in that layout after the leading entries the finder found to be no picture, enlarged by
// the largest whole factor at which it fits (only what fits is drawn).
class FinderRow : public QObject {
    Q_OBJECT
public:
    FinderRow(QWidget* window, const FinderRowLayout& layout);

    QSpinBox* widthBox() const { return m_width; }
    QComboBox* layoutList() const { return m_layout; }
    QPushButton* findButton() const { return m_find; }
    QPushButton* editButton() const { return m_edit; }
    PictureBox* picture() const { return m_picture; }

    int width() const;
    ByteLayout layout() const;
    // The leading entries of the table that are no picture (a width and height before it).
    qsizetype skip() const { return m_skip; }
    const Bytes& table() const { return m_table; }

    // Takes a table that was read: another table than the one held starts at the finder's
    // best reading (the boxes keep their values when there is none); the same one keeps them.
    void setTable(const Bytes& table, const LayoutHints& hints);
    // Takes the table back with its picture edited: the boxes keep their values.
    void replaceTable(const Bytes& table);
    // Forgets the table: the picture is empty.
    void clear();
    // "Düzeni bul": the finder's best reading of the table into the boxes.
    void findLayout();
    // The picture of the table at the boxes' width and layout (no elements without a table).
    PixelGrid tablePicture() const;

private:
    void draw();

    QSpinBox* m_width = nullptr;
    QComboBox* m_layout = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_edit = nullptr;
    PictureBox* m_picture = nullptr;
    Bytes m_table;
    LayoutHints m_hints;
    qsizetype m_skip = 0;
    bool m_setting = false;  // the boxes are being set together: draw once, afterwards
};

}  // namespace pixmint
