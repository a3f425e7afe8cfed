#include "form4.h"

#include "layout_drawing.h"
#include "picture_box.h"
#include "picture_road.h"
#include "program_state.h"
#include "settings_preview.h"
#include "window_style.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>

namespace pixmint {
namespace {

// A list that is not editable, holding the window texts of the choices in their order.
template <typename T>
QComboBox* makeChoiceList(QWidget* parent, const char* name, const QList<Choice<T>>& choices,
                          const QRect& geometry)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(name));
    for (const Choice<T>& choice : choices)
        list->addItem(choice.text);
    place(list, geometry);
    return list;
}

template <typename T>
T chosenValue(const QComboBox* list, const QList<Choice<T>>& choices)
{
    return choices.value(std::max(0, list->currentIndex())).value;
}

template <typename T>
void showChoice(QComboBox* list, const QList<Choice<T>>& choices, T value)
{
    for (qsizetype i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value)
            list->setCurrentIndex(static_cast<int>(i));
    }
}

// A grey explanation under a control, wrapped onto as many lines as its height holds.
QLabel* makeHint(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* hint = new QLabel(text, parent);
    hint->setObjectName(name);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setStyleSheet(QStringLiteral("color: #555555"));
    place(hint, geometry);
    return hint;
}

// Names a new control and places it.
template <typename Control>
Control* named(Control* control, const char* name, const QRect& geometry)
{
    control->setObjectName(QString::fromUtf8(name));
    place(control, geometry);
    return control;
}

// A control that sets a grey level, 0 to 255.
template <typename Control>
Control* makeLevelControl(Control* control, const char* name, const QRect& geometry)
{
    control->setRange(0, 255);
    return named(control, name, geometry);
}

}  // namespace

Form4::Form4(ProgramState& state, QWidget* parent) : QWidget(parent, Qt::Window), m_state(state)
{
    setUpWindow(this, QStringLiteral("Form4"), QStringLiteral("Görüntü Ayarları"), {784, 584},
                WindowSize::Fixed);
    buildSettingControls();
    buildThresholdControls();
    buildPreviewControls();
    buildDisplayControls();
    buildTabOrder();
    showSettings();
    showLayout();
    connectHandlers();
}

void Form4::buildSettingControls()
{
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Döndürme :"), {8, 12, 80, 13});
    m_rotation = makeChoiceList(this, "Döndürme", rotationChoices(), {96, 8, 80, 21});
    m_mirror = new QCheckBox(QStringLiteral("Aynala"), this);
    m_mirror->setObjectName(QStringLiteral("Aynala"));
    place(m_mirror, {96, 38, 64, 17}, true);
    makeHint(this, QStringLiteral("Label2"), QStringLiteral("sol ile sağ yer değiştirir"),
             {176, 40, 192, 13});
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Ölçekleme :"), {8, 68, 80, 13});
    m_scaling = makeChoiceList(this, "Ölçekleme", scalingChoices(), {96, 64, 272, 21});
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Yöntem :"), {8, 96, 80, 13});
    m_method = makeChoiceList(this, "Yöntem", methodChoices(), {96, 92, 272, 21});
    makeHint(this, QStringLiteral("Label5"),
             QStringLiteral("Floyd–Steinberg, Atkinson ve Bayer yalnız ortalama ölçeklemeyle "
                            "seçilebilir."),
             {96, 116, 272, 28});
    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Düzen :"), {8, 200, 80, 13});
    m_layout = makeChoiceList(this, "Düzen", layoutChoices(), {96, 196, 272, 21});
    m_defaults = makeButton(this, QStringLiteral("Varsayılanlar"), QStringLiteral("Varsayılanlar"),
                            {96, 228, 100, 25});
}

void Form4::buildThresholdControls()
{
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("Eşik :"), {8, 152, 80, 13});
    m_threshold = makeLevelControl(new QSpinBox(this), "Eşik", {96, 148, 56, 21});
    m_thresholdSlider =
        makeLevelControl(new QSlider(Qt::Horizontal, this), "EşikKaydırıcı", {160, 150, 208, 18});
    m_thresholdSlider->setPageStep(16);
    makeHint(this, QStringLiteral("Label7"),
             QStringLiteral("Gri düzeyi eşikten büyük pikseller beyaz olur."), {96, 172, 272, 13});
}

void Form4::buildPreviewControls()
{
    makeLabel(this, QStringLiteral("Label9"),
              QStringLiteral("Önizleme: yüklenen resmin tablosu, ekranda göründüğü gibi"),
              {388, 8, 388, 13});
    m_preview = named(new PictureBox(this), "Önizleme", {388, 24, 388, 212});
    m_previewNote =
        makeHint(this, QStringLiteral("ÖnizlemeBilgisi"), QString(), {388, 240, 388, 13});
    makeLabel(this, QStringLiteral("Label10"),
              QStringLiteral("Bayt düzeni: ekranın sol üst köşesindeki baytlar"),
              {8, 268, 368, 13});
    m_layoutDrawing = named(new LayoutDrawing(this), "DüzenÇizimi", {8, 284, 368, 236});
    m_layoutNote =
        makeHint(this, QStringLiteral("DüzenAçıklaması"), QString(), {388, 284, 388, 236});
    m_layoutNote->setStyleSheet(QString());
}

void Form4::buildDisplayControls()
{
    makeLabel(this, QStringLiteral("Label11"), QStringLiteral("Ekran :"), {8, 532, 80, 13});
    m_display = named(new QComboBox(this), "Ekran", {96, 528, 272, 21});
    m_display->addItem(QStringLiteral("Özel"));
    for (const DisplayPreset& preset : displayPresets())
        m_display->addItem(preset.text);
    makeLabel(this, QStringLiteral("Label12"), QStringLiteral("Kutupluluk :"), {388, 532, 80, 13});
    m_polarity = makeChoiceList(this, "Kutupluluk", polarityChoices(), {476, 528, 300, 21});
    makeHint(this, QStringLiteral("Label13"),
             QStringLiteral("Ekran, ana penceredeki boyutu, düzeni ve kutupluluğu ayarlar; "
                            "sonra her biri değiştirilebilir."),
             {96, 556, 680, 13});
}

void Form4::buildTabOrder()
{
    const QList<QWidget*> order = {m_rotation,        m_mirror, m_scaling,  m_method,  m_threshold,
                                   m_thresholdSlider, m_layout, m_defaults, m_display, m_polarity};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form4::connectHandlers()
{
    for (QComboBox* list : {m_rotation, m_scaling, m_method, m_layout, m_polarity})
        connect(list, &QComboBox::currentIndexChanged, this, &Form4::takeSettings);
    connect(m_display, &QComboBox::currentIndexChanged, this, &Form4::chooseDisplay);
    connect(m_mirror, &QCheckBox::toggled, this, &Form4::takeSettings);
    connect(m_threshold, &QSpinBox::valueChanged, this, [this](int value) {
        m_thresholdSlider->setValue(value);
        takeSettings();
    });
    connect(m_thresholdSlider, &QSlider::valueChanged, m_threshold, &QSpinBox::setValue);
    connect(m_defaults, &QPushButton::clicked, this, &Form4::Varsayılanlar_Click);

    PictureSession& session = m_state.picture;
    connect(&session, &PictureSession::settingsChanged, this, [this] {
        showSettings();
        showLayout();
        schedulePreview();
    });
    connect(&session, &PictureSession::pictureChanged, this, &Form4::schedulePreview);
    connect(&session, &PictureSession::targetChanged, this, [this] {
        showLayout();
        schedulePreview();
    });
}

PictureSettings Form4::settingsOfControls() const
{
    PictureSettings settings;
    settings.rotation = chosenValue(m_rotation, rotationChoices());
    settings.mirror = m_mirror->isChecked();
    settings.scaling = chosenValue(m_scaling, scalingChoices());
    settings.method = chosenValue(m_method, methodChoices());
    settings.threshold = m_threshold->value();
    settings.layout = chosenValue(m_layout, layoutChoices());
    settings.polarity = chosenValue(m_polarity, polarityChoices());
    settings.display = m_state.picture.settings().display;
    // The dithering methods need average scaling: without it the method falls back.
    if (settings.scaling == Scaling::BlackWins && needsAverageScaling(settings.method))
        settings.method = Method::Threshold;
    return settings;
}

void Form4::takeSettings()
{
    if (m_showingSettings)
        return;
    m_state.picture.setSettings(settingsOfControls());
    showSettings();
}

void Form4::chooseDisplay(int row)
{
    if (m_showingSettings)
        return;
    PictureSession& session = m_state.picture;
    PictureSettings settings = session.settings();
    settings.display.clear();
    if (row > 0 && row <= displayPresets().size()) {
        const DisplayPreset& preset = displayPresets()[row - 1];
        settings.display = preset.name;
        settings.layout = preset.layout;
        settings.polarity = preset.polarity;
        session.askForTargetSize(preset.width, preset.height);
    }
    session.setSettings(settings);
    showSettings();
}

void Form4::showSettings()
{
    const PictureSettings& settings = m_state.picture.settings();
    m_showingSettings = true;
    showChoice(m_rotation, rotationChoices(), settings.rotation);
    m_mirror->setChecked(settings.mirror);
    showChoice(m_scaling, scalingChoices(), settings.scaling);
    // The dithering methods are offered only with average scaling.
    auto* methods = qobject_cast<QStandardItemModel*>(m_method->model());
    for (qsizetype i = 0; i < methodChoices().size(); ++i) {
        const bool offered =
            settings.scaling == Scaling::Average || !needsAverageScaling(methodChoices()[i].value);
        methods->item(static_cast<int>(i))->setEnabled(offered);
    }
    showChoice(m_method, methodChoices(), settings.method);
    m_threshold->setValue(settings.threshold);
    m_thresholdSlider->setValue(settings.threshold);
    // Otsu's method finds its own threshold.
    m_threshold->setEnabled(settings.method != Method::Otsu);
    m_thresholdSlider->setEnabled(settings.method != Method::Otsu);
    showChoice(m_layout, layoutChoices(), settings.layout);
    showChoice(m_polarity, polarityChoices(), settings.polarity);
    const DisplayPreset* preset = displayPresetNamed(settings.display);
    m_display->setCurrentIndex(preset ? static_cast<int>(preset - displayPresets().data()) + 1 : 0);
    m_showingSettings = false;
}

void Form4::showLayout()
{
    const PictureSession& session = m_state.picture;
    // Until the boxes hold a size the road takes, the drawing shows the default display.
    const TargetSize size = session.target().ok() ? session.target().value() : TargetSize{};
    const ByteLayout layout = session.settings().layout;
    m_layoutDrawing->showLayout(layout, size.width, size.height);
    m_layoutNote->setText(layoutExplanation(layout, size.width, size.height));
}

void Form4::Varsayılanlar_Click()
{
    m_state.picture.setSettings(PictureSettings{});
}

void Form4::schedulePreview()
{
    m_previewRedraw.schedule();
}

void Form4::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    schedulePreview();
}

void Form4::drawPreview()
{
    const PictureSession& session = m_state.picture;
    SettingsPreview preview = makeSettingsPreview(session.preview(), session.settings(),
                                                  session.target(), m_preview->innerSize());
    if (preview.picture.isNull())
        m_preview->clear();
    else
        m_preview->setImage(std::move(preview.picture));
    m_previewNote->setText(preview.note);
}

}  // namespace pixmint
