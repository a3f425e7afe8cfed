#pragma once

#include "idle_redraw.h"
#include "picture_settings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace pixmint {

class LayoutDrawing;
class PictureBox;
struct ProgramState;

// "Görüntü Ayarları": the picture settings that "Dönüştür" and "Resmi Tersle" of the main
// window read, with a live preview of the loaded picture at the target size and a drawing
// of the chosen layout's bit order. It edits the settings of the program state at once;
// the main window makes it once and closing only hides it, so it keeps the settings while
// the program runs.
class Form4 : public QWidget {
    Q_OBJECT
public:
    explicit Form4(ProgramState& state, QWidget* parent = nullptr);

    // "Varsayılanlar": every setting back to its default.
    void Varsayılanlar_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildSettingControls();
    void buildThresholdControls();
    void buildPreviewControls();
    void buildDisplayControls();
    void buildTabOrder();
    void connectHandlers();
    // The settings the controls show, as the session should hold them.
    PictureSettings settingsOfControls() const;
    void takeSettings();
    // "Ekran": a preset sets the main window's size, the layout and the polarity; "Özel"
    // (row 0) only forgets the preset.
    void chooseDisplay(int row);
    void showSettings();
    void showLayout();
    // The preview is drawn once the events of a change are handled, so that a slider drag
    // draws it once per turn of the event loop, and not at all while the window is hidden.
    void schedulePreview();
    void drawPreview();

    ProgramState& m_state;

    // The settings: the four lists, then the other controls.
    QComboBox* m_rotation = nullptr;
    QComboBox* m_scaling = nullptr;
    QComboBox* m_method = nullptr;
    QComboBox* m_layout = nullptr;
    bool m_showingSettings = false;  // while the controls are set from the settings
    QCheckBox* m_mirror = nullptr;
    QSpinBox* m_threshold = nullptr;
    QSlider* m_thresholdSlider = nullptr;
    QPushButton* m_defaults = nullptr;
    QComboBox* m_display = nullptr;  // "Özel", then every display preset
    QComboBox* m_polarity = nullptr;

    // The preview and the drawing of the layout.
    IdleRedraw m_previewRedraw{this, [this] { drawPreview(); }};
    PictureBox* m_preview = nullptr;
    QLabel* m_previewNote = nullptr;
    LayoutDrawing* m_layoutDrawing = nullptr;
    QLabel* m_layoutNote = nullptr;
};

}  // namespace pixmint
