#pragma once

#include "byte_layout.h"
#include "picture_editor.h"
#include "pixel_grid.h"

#include <QWidget>

class QButtonGroup;
class QRect;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QUndoStack;

namespace pixmint {

class DialogService;
class PixelCanvas;
struct CanvasButton;

// "Düzenle": the pixel editor. The window that opens it hands over a one-bit picture, the
// byte layout its table is written in and a title (the file, the glyph), and takes the
// edited picture back from pictureApplied when "Uygula" is pressed. The canvas `Tuval`
// opens at the largest zoom at which the picture fits, with the pencil chosen; every
// stroke, shape, drag and command is one step of the undo history ("Geri Al", Ctrl+Z;
// "Yinele", Ctrl+Y or Ctrl+Shift+Z). The status line names the pixel under the cursor and
// the table entry and bit that hold it in the layout. Closing with edits not applied asks
// first; closing then gives them up (the picture is the one last applied or opened again).
class Form6 : public QWidget, public PictureEditor {
    Q_OBJECT
public:
    explicit Form6(DialogService& dialogs, QWidget* parent = nullptr);
    ~Form6() override;

    // Starts editing the picture (cells that are not 0 count as dark) afresh: the undo
    // history is emptied and the zoom fitted, the picture's top left in view. Edits not
    // applied are dropped without a question: the opener asks first if it should.
    void edit(const PixelGrid& picture, ByteLayout layout, const QString& title);
    const PixelGrid& picture() const;
    ByteLayout layout() const { return m_layout; }
    // True while the picture differs by any step from the one last applied (or opened).
    bool hasUnappliedEdits() const override;
    // edit, then the window shown, raised and active.
    void open(const PixelGrid& picture, ByteLayout layout, const QString& title) override;
    void follow(const PixelGrid& picture, ByteLayout layout, const QString& title) override;
    bool closeEditor() override { return close(); }

    // "Uygula": gives the edited picture back.
    void Uygula_Click();

Q_SIGNALS:
    void pictureApplied(const pixmint::PixelGrid& picture);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildToolButtons();
    void buildCommandButtons();
    void buildShiftButtons();
    QPushButton* addCanvasButton(const CanvasButton& command, const QRect& geometry);
    void buildZoomControl();
    void buildHistoryButtons();
    void connectCanvas();
    void placeWorkArea();
    void fitZoom();
    void showHistory();
    void showSelectionCommands();
    void showPixel(QPoint pixel);
    void showSize();

    DialogService& m_dialogs;
    ByteLayout m_layout = ByteLayout::PagesLsbTop;
    PixelGrid m_applied;  // the picture as last applied or opened
    bool m_fitPending = true;

    QUndoStack* m_history = nullptr;
    QButtonGroup* m_tools = nullptr;
    QScrollArea* m_area = nullptr;
    PixelCanvas* m_canvas = nullptr;
    QList<QPushButton*> m_selectionCommands;
    QSpinBox* m_zoom = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_redo = nullptr;
    QPushButton* m_apply = nullptr;
    QLabel* m_status = nullptr;
};

}  // namespace pixmint
