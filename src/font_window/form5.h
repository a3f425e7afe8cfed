#pragma once

#include "font_glyphs.h"
#include "font_request.h"
#include "font_tables.h"
#include "idle_redraw.h"
#include "picture_editor.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace pixmint {

class DialogService;
class FormatGroup;
class GlyphMap;
class PictureBox;
struct ProgramState;

// "Yazı Tipi": a font into glyph tables. The font (an installed family or a file), its size
// or the rows to fit, the characters, the format, the layout and the rendering are read into
// a request at every change; the sample text is drawn at once from the packed numbers, as the
// display shows it, with the map of every chosen glyph. "Dönüştür" writes the code text with
// the format group's settings into the window's own pane, "Kaydet" saves it. The main window
// makes it once; closing only hides it.
class Form5 : public QWidget {
    Q_OBJECT
public:
    Form5(ProgramState& state, DialogService& dialogs, QWidget* parent = nullptr);

    // What the controls ask for now (the request "Dönüştür" runs).
    FontRoadRequest request() const;

    // The glyphs of the preview: their pictures as the map shows them in the chosen format,
    // and a way to replace them (an editor opened by a double click on the map gives the
    // edited picture back). Replaced pixels stay until the source, the size, the characters
    // or the rendering change; such a change asks first. Nothing happens for an index out
    // of range or while no glyphs are shown.
    qsizetype glyphCount() const;
    PixelGrid glyphPicture(qsizetype index) const;
    void replaceGlyph(qsizetype index, const PixelGrid& picture);

    // The pixel editor a double click on the map opens on its glyph's cell ("Uygula"
    // replaces the glyph); made at its first use. Until it is set a double click only
    // emits glyphEditRequested.
    void setEditorFactory(EditorFactory factory) { m_makeEditor = std::move(factory); }
    PictureEditor* editor() const { return m_editor; }

Q_SIGNALS:
    // A double click on glyph `index` of the map.
    void glyphEditRequested(int index);

protected:
    void showEvent(QShowEvent* event) override;
    // Closing hides the window; the editor's edits not applied ask first.
    void closeEvent(QCloseEvent* event) override;

private:
    // The commands, as their buttons run them.
    void Dosyadan_Click();  // "Dosyadan…": a font file instead of a family
    void Dönüştür_Click();
    void Kaydet_Click();

    void buildSourceControls();
    void buildSizeControls();
    void buildCharacterControls();
    void buildOutputControls();
    void buildPreviewControls();
    void buildTabOrder();
    void connectHandlers();
    void fillStyles();
    FontGlyphRequest glyphRequest() const;
    // Sets the controls of the glyph request (their handlers do not run).
    void showGlyphRequest(const FontGlyphRequest& request);
    void showControlStates();
    // The preview follows the events of a change once they are handled.
    void schedulePreview();
    void drawPreview();
    // Renders the glyphs again when what decides them changed; false when the person kept
    // the edited glyphs (the controls are then set back).
    bool renderIfChanged();
    // The editor on glyph `index`, after asking when it would lose its edits.
    void editGlyph(int index);
    void showPreviewNote(const QStringList& lines);

    ProgramState& m_state;
    DialogService& m_dialogs;

    QComboBox* m_family = nullptr;
    QComboBox* m_style = nullptr;
    QPushButton* m_fromFile = nullptr;
    QLabel* m_fileName = nullptr;
    QSpinBox* m_face = nullptr;
    QSpinBox* m_size = nullptr;
    QCheckBox* m_fit = nullptr;
    QSpinBox* m_fitRows = nullptr;
    QComboBox* m_characters = nullptr;
    QLineEdit* m_characterText = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_layout = nullptr;
    QCheckBox* m_smoothing = nullptr;
    QSpinBox* m_threshold = nullptr;
    FormatGroup* m_textFormat = nullptr;
    QPushButton* m_convert = nullptr;
    QPushButton* m_save = nullptr;
    QLineEdit* m_sample = nullptr;
    PictureBox* m_preview = nullptr;
    QLabel* m_previewNote = nullptr;
    QScrollArea* m_mapArea = nullptr;
    GlyphMap* m_map = nullptr;
    QPlainTextEdit* m_code = nullptr;

    EditorFactory m_makeEditor;
    PictureEditor* m_editor = nullptr;  // owned by the window as its child
    qsizetype m_editedGlyph = -1;       // the glyph the editor holds

    QString m_filePath;  // the font file chosen with "Dosyadan…"; empty: the family
    bool m_showing = false;
    IdleRedraw m_previewRedraw{this, [this] { drawPreview(); }};
    // The glyphs of the last request that rendered, or why it did not.
    std::optional<FontGlyphRequest> m_renderedRequest;
    Checked<FontGlyphs> m_glyphs = Checked<FontGlyphs>::failed(QString());
    Checked<FontTables> m_tables = Checked<FontTables>::failed(QString());
};

}  // namespace pixmint
