#include "form5.h"

#include "code_layout.h"
#include "code_output.h"
#include "code_save_flow.h"
#include "code_saving.h"
#include "dialog_service.h"
#include "event_yield.h"
#include "font_characters.h"
#include "font_road.h"
#include "font_sample.h"
#include "format_group.h"
#include "glyph_map.h"
#include "picture_box.h"
#include "program_state.h"
#include "sample_picture.h"
#include "window_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

namespace pixmint {
namespace {

// The entries of the characters list after the character sets.
const QString kListEntry = QStringLiteral("Liste");
const QString kTextEntry = QStringLiteral("Metin");
const QString kDefaultFamily = QStringLiteral("DejaVu Sans Mono");
const QString kDefaultSample = QStringLiteral("Merhaba Dünya 123");

template <typename Control>
Control* named(Control* control, const char* name, const QRect& geometry)
{
    control->setObjectName(QString::fromUtf8(name));
    place(control, geometry);
    return control;
}

QComboBox* makeChoiceList(QWidget* parent, const char* name, const QStringList& texts,
                          const QRect& geometry)
{
    auto* list = named(new QComboBox(parent), name, geometry);
    list->addItems(texts);
    return list;
}

QSpinBox* makeSpin(QWidget* parent, const char* name, int lowest, int highest, int value,
                   const QRect& geometry)
{
    auto* spin = named(new QSpinBox(parent), name, geometry);
    spin->setRange(lowest, highest);
    spin->setValue(value);
    return spin;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QString::fromUtf8(name));
    place(check, geometry, true);
    return check;
}

QLabel* makeHint(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* hint = named(new QLabel(parent), name, geometry);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setStyleSheet(QStringLiteral("color: #555555"));
    return hint;
}

QStringList characterEntries()
{
    QStringList entries;
    for (const CharsetRecord& record : charsetRecords())
        entries << record.text;
    return entries << kListEntry << kTextEntry;
}

QStringList formatEntries()
{
    QStringList entries;
    for (const FontFormatRecord& record : fontFormatRecords())
        entries << record.text;
    return entries;
}

QStringList layoutEntries()
{
    QStringList entries;
    for (const LayoutRecord& record : layoutRecords())
        entries << record.text;
    return entries;
}

// The regular style of a family's list: "Regular", "Book" and their kind, else the first.
int regularStyle(const QStringList& styles)
{
    for (const char* regular : {"Regular", "Book", "Normal", "Roman", "Medium"}) {
        const qsizetype at = styles.indexOf(QString::fromLatin1(regular));
        if (at >= 0)
            return static_cast<int>(at);
    }
    return 0;
}

// The characters of the sample text that the tables hold no glyph for.
QString charactersNotInTables(const FontTables& tables, const FontGlyphs& glyphs,
                              const QString& sample)
{
    QString missing;
    for (const char32_t character : sample.toUcs4()) {
        const std::optional<int> code = sampleCode(character, tables.windows1254Codes);
        const QString shown = shownCharacter(character);
        if ((!code || glyphs.indexOfCode(*code) < 0) && !missing.contains(shown))
            missing += shown;
    }
    return missing;
}

}  // namespace

Form5::Form5(ProgramState& state, DialogService& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_dialogs(dialogs)
{
    setUpWindow(this, QStringLiteral("Form5"), QStringLiteral("Yazı Tipi"), {880, 600},
                WindowSize::Fixed);
    buildSourceControls();
    buildSizeControls();
    buildCharacterControls();
    buildOutputControls();
    buildPreviewControls();
    buildTabOrder();
    showControlStates();
    connectHandlers();
}

void Form5::buildSourceControls()
{
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Yazı tipi :"), {8, 12, 80, 13});
    const QStringList families = QFontDatabase::families();
    m_family = makeChoiceList(this, "Aile", families, {96, 8, 264, 21});
    m_family->setCurrentIndex(std::max<int>(0, static_cast<int>(families.indexOf(kDefaultFamily))));
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Biçem :"), {8, 40, 80, 13});
    m_style = makeChoiceList(this, "Biçem", {}, {96, 36, 144, 21});
    fillStyles();
    m_fromFile = makeButton(this, QStringLiteral("Dosyadan"), QStringLiteral("Dosyadan…"),
                            {248, 35, 112, 23});
    m_fileName = makeHint(this, "DosyaAdı", {96, 62, 264, 13});
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Yüz :"), {8, 84, 80, 13});
    m_face = makeSpin(this, "Yüz", 0, 9999, 0, {96, 80, 56, 21});
}

void Form5::buildSizeControls()
{
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Boyut :"), {8, 112, 80, 13});
    m_size = makeSpin(this, "Boyut", 1, kMaxFontSize, 8, {96, 108, 80, 21});
    m_size->setSuffix(QStringLiteral(" piksel"));
    m_fit = makeCheck(this, "SatıraSığdır", QStringLiteral("Satıra sığdır"), {184, 110, 104, 17});
    m_fitRows = makeSpin(this, "SatırYüksekliği", 1, kMaxFontSize, 8, {304, 108, 56, 21});
}

void Form5::buildCharacterControls()
{
    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Karakterler :"), {8, 140, 80, 13});
    m_characters = makeChoiceList(this, "Karakterler", characterEntries(), {96, 136, 264, 21});
    m_characterText = makeBox(this, QStringLiteral("KarakterMetni"), QString(), {96, 162, 264, 19});
    m_characterText->setPlaceholderText(QStringLiteral("32-126,0x11E,U+015F ya da bir metin"));
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Biçim :"), {8, 192, 80, 13});
    m_format = makeChoiceList(this, "Biçim", formatEntries(), {96, 188, 264, 21});
    makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Düzen :"), {8, 220, 80, 13});
    m_layout = makeChoiceList(this, "Düzen", layoutEntries(), {96, 216, 264, 21});
    m_smoothing =
        makeCheck(this, "Yumuşatma", QStringLiteral("Yumuşatma eşiği"), {96, 246, 128, 17});
    m_threshold = makeSpin(this, "YumuşatmaEşiği", 0, kMaxThreshold, 127, {232, 244, 56, 21});
}

void Form5::buildOutputControls()
{
    FormatGroupLayout layout;
    layout.title = QStringLiteral("Convert Bilgileri");
    layout.frame = {0, 272, 161, 145};
    layout.language = {{8, 32, 66, 13}, {80, 24, 73, 21}};
    layout.command = {{8, 56, 36, 13}, {80, 48, 73, 21}};
    layout.prefix = {{8, 80, 56, 13}, {72, 72, 33, 19}};
    layout.suffix = {112, 72, 33, 19};
    layout.separator = {{8, 104, 64, 16}, {72, 96, 73, 19}};
    layout.sample = {8, 120, 137, 19};
    layout.sampleText = QStringLiteral("0xFF,");
    m_textFormat = new FormatGroup(layout, this);
    m_convert = makeButton(this, QStringLiteral("Dönüştür"), QStringLiteral("Dönüştür"),
                           {192, 288, 80, 33});
    m_save =
        makeButton(this, QStringLiteral("Kaydet"), QStringLiteral("Kaydet"), {280, 288, 80, 33});
    m_code = makeCodePane(this, QStringLiteral("Kod"), QString(), {8, 424, 864, 168});
}

void Form5::buildPreviewControls()
{
    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Örnek metin :"), {368, 12, 80, 13});
    m_sample = makeBox(this, QStringLiteral("ÖrnekMetin"), kDefaultSample, {456, 8, 416, 19});
    m_preview = named(new PictureBox(this), "Önizleme", {368, 32, 504, 128});
    m_previewNote = makeHint(this, "ÖnizlemeBilgisi", {368, 164, 504, 40});
    makeLabel(this, QStringLiteral("Label9"),
              QStringLiteral("Karakter haritası (düzenlemek için çift tıklayın)"),
              {368, 208, 504, 13});
    m_mapArea = named(new QScrollArea(this), "HaritaAlanı", {368, 224, 504, 192});
    m_mapArea->setWidgetResizable(true);
    m_mapArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_map = new GlyphMap;
    m_map->setObjectName(QStringLiteral("KarakterHaritası"));
    m_mapArea->setWidget(m_map);
}

void Form5::buildTabOrder()
{
    const FormatGroup& f = *m_textFormat;
    const QList<QWidget*> order = {m_family,      m_style,          m_fromFile,
                                   m_face,        m_size,           m_fit,
                                   m_fitRows,     m_characters,     m_characterText,
                                   m_format,      m_layout,         m_smoothing,
                                   m_threshold,   f.languageList(), f.commandList(),
                                   f.prefixBox(), f.suffixBox(),    f.separatorBox(),
                                   f.sampleBox(), m_convert,        m_save,
                                   m_sample,      m_mapArea,        m_code};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form5::connectHandlers()
{
    connect(m_family, &QComboBox::currentIndexChanged, this, [this] {
        if (m_showing)
            return;
        // A family chosen: no file any more.
        m_filePath.clear();
        fillStyles();
        showControlStates();
        schedulePreview();
    });
    for (QComboBox* list : {m_style, m_characters, m_format, m_layout}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            showControlStates();
            schedulePreview();
        });
    }
    for (QSpinBox* spin : {m_face, m_size, m_fitRows, m_threshold})
        connect(spin, &QSpinBox::valueChanged, this, &Form5::schedulePreview);
    for (QCheckBox* check : {m_fit, m_smoothing}) {
        connect(check, &QCheckBox::toggled, this, [this] {
            showControlStates();
            schedulePreview();
        });
    }
    for (QLineEdit* box : {m_characterText, m_sample})
        connect(box, &QLineEdit::textChanged, this, &Form5::schedulePreview);
    connect(m_fromFile, &QPushButton::clicked, this, &Form5::Dosyadan_Click);
    connect(m_convert, &QPushButton::clicked, this, &Form5::Dönüştür_Click);
    connect(m_save, &QPushButton::clicked, this, &Form5::Kaydet_Click);
    connect(m_map, &GlyphMap::glyphActivated, this, &Form5::glyphEditRequested);
    connect(m_map, &GlyphMap::glyphActivated, this, &Form5::editGlyph);
}

void Form5::fillStyles()
{
    const bool showing = m_showing;
    m_showing = true;
    m_style->clear();
    if (m_family->currentIndex() >= 0) {
        const QStringList styles = QFontDatabase::styles(m_family->currentText());
        m_style->addItems(styles);
        m_style->setCurrentIndex(regularStyle(styles));
    }
    m_showing = showing;
}

void Form5::showControlStates()
{
    const int kind = m_characters->currentIndex();
    m_characterText->setEnabled(kind >= charsetRecords().size());
    // An include file's font comes at its own size, drawn already.
    const bool rendered = !isIncludeFontFile(m_filePath);
    m_size->setEnabled(rendered && !m_fit->isChecked());
    m_fit->setEnabled(rendered);
    m_fitRows->setEnabled(rendered && m_fit->isChecked());
    m_smoothing->setEnabled(rendered);
    m_threshold->setEnabled(rendered && m_smoothing->isChecked());
    m_face->setEnabled(rendered && !m_filePath.isEmpty());
    m_style->setEnabled(m_filePath.isEmpty());
    // A GFX font has its own bit order.
    const bool gfx = fontFormatRecords().value(m_format->currentIndex()).format == FontFormat::Gfx;
    m_layout->setEnabled(!gfx);
    m_fileName->setText(m_filePath.isEmpty()
                            ? QString()
                            : QStringLiteral("Dosya: ") + QFileInfo(m_filePath).fileName());
}

FontGlyphRequest Form5::glyphRequest() const
{
    FontGlyphRequest request;
    if (m_filePath.isEmpty()) {
        request.source.family = m_family->currentText();
        request.source.style = m_style->currentText();
    } else {
        request.source.path = m_filePath;
        request.source.face = m_face->value();
        // A font that an include file holds: its first GFX font or cell font.
        request.source.includeFile = isIncludeFontFile(m_filePath);
    }
    if (m_fit->isChecked())
        request.fitHeight = m_fitRows->value();
    else
        request.size = m_size->value();
    const int kind = m_characters->currentIndex();
    const qsizetype sets = charsetRecords().size();
    if (kind >= 0 && kind < sets) {
        request.characters.charset = charsetRecords()[kind].charset;
    } else {
        request.characters.kind =
            kind == sets ? CharacterChoice::Kind::List : CharacterChoice::Kind::Text;
        request.characters.text = m_characterText->text();
    }
    if (m_smoothing->isChecked())
        request.threshold = m_threshold->value();
    return request;
}

FontRoadRequest Form5::request() const
{
    FontRoadRequest request;
    request.glyphs = glyphRequest();
    request.format = fontFormatRecords().value(m_format->currentIndex()).format;
    request.layout = layoutRecords().value(m_layout->currentIndex()).layout;
    request.textFormat = m_textFormat->format();
    return request;
}

void Form5::showGlyphRequest(const FontGlyphRequest& request)
{
    m_showing = true;
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_face),      QSignalBlocker(m_size),       QSignalBlocker(m_fit),
        QSignalBlocker(m_fitRows),   QSignalBlocker(m_characters), QSignalBlocker(m_characterText),
        QSignalBlocker(m_smoothing), QSignalBlocker(m_threshold),  QSignalBlocker(m_style)};
    m_filePath = request.source.path;
    if (m_filePath.isEmpty()) {
        m_family->setCurrentIndex(m_family->findText(request.source.family));
        fillStyles();
        m_style->setCurrentIndex(m_style->findText(request.source.style));
    } else {
        m_family->setCurrentIndex(-1);
        m_style->clear();
        m_face->setValue(request.source.face);
    }
    m_fit->setChecked(request.fitHeight.has_value());
    if (request.fitHeight)
        m_fitRows->setValue(*request.fitHeight);
    if (request.size)
        m_size->setValue(*request.size);
    const CharacterChoice& characters = request.characters;
    const int sets = static_cast<int>(charsetRecords().size());
    int kind = characters.kind == CharacterChoice::Kind::List ? sets : sets + 1;
    for (int i = 0; i < sets; ++i) {
        if (characters.kind == CharacterChoice::Kind::Charset &&
            charsetRecords()[i].charset == characters.charset)
            kind = i;
    }
    m_characters->setCurrentIndex(kind);
    m_characterText->setText(characters.text);
    m_smoothing->setChecked(request.threshold.has_value());
    if (request.threshold)
        m_threshold->setValue(*request.threshold);
    m_showing = false;
    showControlStates();
}

void Form5::Dosyadan_Click()
{
    FileDialogRequest dialog;
    const QString includes = includeFontPatterns().join(u';');
    dialog.filter = QStringLiteral(
                        "Yazı tipleri (*.TTF;*.OTF;*.TTC;*.PCF;*.PCF.GZ;*.BDF;*.FON;*.FNT)|"
                        "*.TTF;*.OTF;*.TTC;*.PCF;*.PCF.GZ;*.BDF;*.FON;*.FNT|"
                        "Include dosyalarındaki yazı tipleri (%1)|%1|Tüm dosyalar (*.*)|*.*")
                        .arg(includes);
    const std::optional<QString> chosen = m_dialogs.chooseOpenFile(dialog);
    if (!chosen || chosen->isEmpty())
        return;
    m_showing = true;
    m_filePath = *chosen;
    m_family->setCurrentIndex(-1);
    m_style->clear();
    m_face->setValue(0);
    // A bitmap font comes at its own sizes: the first is chosen.
    FontSource file;
    file.path = m_filePath;
    const QList<int> sizes = bitmapSizes(file);
    if (!sizes.isEmpty() && sizes.front() >= 1 && sizes.front() <= kMaxFontSize)
        m_size->setValue(sizes.front());
    m_showing = false;
    showControlStates();
    schedulePreview();
}

void Form5::Dönüştür_Click()
{
    if (m_state.busy)
        return;
    drawPreview();
    FontRoadRequest road = request();
    road.textFormat = m_textFormat->formatForLayout();
    if (!m_glyphs.ok()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), m_glyphs.failure());
        return;
    }
    const FontRoadOutcome outcome = runFontRoad(road, m_glyphs.value());
    if (!outcome.failure.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Hata"), outcome.failure);
        return;
    }
    EventYield none;
    showCodeOutcome(outcome.code, m_code, m_dialogs, none);
}

void Form5::Kaydet_Click()
{
    if (!m_state.busy)
        KoduKaydet(withCrLf(m_code->toPlainText()), m_dialogs,
                   m_textFormat->languageList()->currentText(), m_state);
}

qsizetype Form5::glyphCount() const
{
    return m_glyphs.ok() ? m_glyphs->glyphs.size() : 0;
}

PixelGrid Form5::glyphPicture(qsizetype index) const
{
    if (index < 0 || index >= glyphCount())
        return PixelGrid();
    return pixmint::glyphPicture(m_glyphs.value(), index, request().format);
}

void Form5::replaceGlyph(qsizetype index, const PixelGrid& picture)
{
    if (index < 0 || index >= glyphCount())
        return;
    replaceGlyphPixels(m_glyphs.value(), index, picture);
    drawPreview();
}

void Form5::editGlyph(int index)
{
    if (m_state.busy || !m_makeEditor || index < 0 || index >= glyphCount())
        return;
    if (!m_editor) {
        m_editor = m_makeEditor(
            this, [this](const PixelGrid& edited) { replaceGlyph(m_editedGlyph, edited); });
    } else if (!editsMayBeDropped(m_editor, m_dialogs)) {
        return;
    }
    m_editedGlyph = index;
    const FontGlyph& glyph = m_glyphs->glyphs[index];
    m_editor->open(glyphPicture(index), request().layout,
                   QStringLiteral("%1 (%2)")
                       .arg(QString::number(glyph.code, 16).toUpper().rightJustified(2, u'0'))
                       .arg(QString::fromUcs4(&glyph.character, 1)));
}

void Form5::schedulePreview()
{
    if (!m_showing)
        m_previewRedraw.schedule();
}

void Form5::closeEvent(QCloseEvent* event)
{
    if (m_editor && !m_editor->closeEditor()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Form5::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    schedulePreview();
}

bool Form5::renderIfChanged()
{
    const FontGlyphRequest wanted = glyphRequest();
    if (m_renderedRequest && *m_renderedRequest == wanted)
        return true;
    // Edited glyphs, and the edits the editor holds of one, are lost with a new rendering.
    const bool edited =
        (m_glyphs.ok() && std::any_of(m_glyphs->glyphs.cbegin(), m_glyphs->glyphs.cend(),
                                      [](const FontGlyph& g) { return g.edited; })) ||
        (m_editor && m_editor->hasUnappliedEdits());
    if (edited && m_renderedRequest) {
        const MessageAnswer answer = m_dialogs.showMessage(
            QStringLiteral("Yazı Tipi"),
            QStringLiteral("Düzenlenen karakterler kaybolacak. Devam edilsin mi?"),
            MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) {
            showGlyphRequest(*m_renderedRequest);
            return false;
        }
    }
    m_glyphs = renderFontGlyphs(wanted);
    m_renderedRequest = wanted;
    if (m_editor && m_editedGlyph >= 0 && m_editedGlyph < glyphCount())
        m_editor->follow(glyphPicture(m_editedGlyph), request().layout, QString());
    return true;
}

void Form5::drawPreview()
{
    renderIfChanged();
    if (!m_glyphs.ok()) {
        m_tables = Checked<FontTables>::failed(m_glyphs.failure());
        m_preview->clear();
        m_map->setGlyphs({});
        showPreviewNote({m_glyphs.failure()});
        return;
    }
    const FontRoadRequest wanted = request();
    const FontGlyphs& glyphs = m_glyphs.value();
    m_tables = packFontTables(glyphs, wanted.format, wanted.layout);
    if (!m_tables.ok()) {
        m_preview->clear();
        m_map->setGlyphs({});
        showPreviewNote({m_tables.failure()});
        return;
    }
    const FontTables& tables = m_tables.value();
    int factor = 1;
    QImage sample =
        enlargedSample(sampleDrawing(tables, m_sample->text()), m_preview->innerSize(), factor);
    if (sample.isNull())
        m_preview->clear();
    else
        m_preview->setImage(std::move(sample));
    QList<MappedGlyph> mapped;
    mapped.reserve(glyphs.glyphs.size());
    for (qsizetype i = 0; i < glyphs.glyphs.size(); ++i) {
        const FontGlyph& glyph = glyphs.glyphs[i];
        mapped << MappedGlyph{drawnGlyph(tables, i), glyphComment(glyph.code, glyph.character),
                              glyph.edited};
    }
    m_map->setGlyphs(std::move(mapped));

    QString size =
        wanted.format == FontFormat::Cells
            ? QStringLiteral("Hücre %1 × %2 piksel").arg(tables.cellWidth).arg(tables.cellHeight)
            : QStringLiteral("Yükseklik %1 piksel").arg(tables.cellHeight);
    QStringList lines = {size + QStringLiteral(", %1 karakter, boyut %2 piksel; örnek %3 kat "
                                               "büyütülmüş.")
                                    .arg(glyphs.glyphs.size())
                                    .arg(glyphs.size)
                                    .arg(factor)};
    lines += glyphs.warnings + tables.warnings;
    const QString absent = charactersNotInTables(tables, glyphs, m_sample->text());
    if (!absent.isEmpty())
        lines << QStringLiteral("Örnek metinde tabloda olmayan karakterler: ") + absent;
    showPreviewNote(lines);
}

void Form5::showPreviewNote(const QStringList& lines)
{
    QStringList shown = lines;
    for (QString& line : shown)
        line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    m_previewNote->setText(shown.join(QLatin1Char('\n')));
}

}  // namespace pixmint
