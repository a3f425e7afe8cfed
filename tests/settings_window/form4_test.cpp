#include "form4.h"
#include "event_yield.h"
#include "form1.h"
#include "layout_drawing.h"
#include "picture_box.h"
#include "picture_road.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "table_procedures.h"
#include "test_paths.h"
#include "window_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace pixmint {
namespace {

using testing::ScriptedDialogs;

// The settings window as a person meets it: opened with Command8 of a real main window.
class Form4Test : public ::testing::Test {
public:
    void SetUp() override
    {
        m_main = std::make_unique<Form1>(m_state, m_dialogs);
        m_main->setSettingsWindowFactory([this](QWidget* main) {
            ++m_made;
            return new Form4(m_state, main);
        });
        m_main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
        click("Command8");
        m_form = m_main->settingsWindow();
        ASSERT_NE(m_form, nullptr);
        QApplication::processEvents();
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        QWidget* window = m_form;
        if (!window || !window->findChild<T*>(QString::fromUtf8(name)))
            window = m_main.get();
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox* list(const char* name) const { return control<QComboBox>(name); }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton);
        QApplication::processEvents();
    }
    QString command8() const { return control<QPushButton>("Command8")->text(); }
    const PictureSettings& settings() const { return m_state.picture.settings(); }
    QImage preview() const { return control<PictureBox>("Önizleme")->image(); }
    QString previewNote() const { return control<QLabel>("ÖnizlemeBilgisi")->text(); }

    void loadPicture(int width, int height)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.fillRect(width / 10, height / 8, width / 3, height / 2, QColor(60, 60, 60));
        painter.fillRect(width / 2, height / 3, width / 3, height / 2, QColor(160, 160, 160));
        painter.end();
        const QString path = m_dir.filePath(QStringLiteral("resim.png"));
        ASSERT_TRUE(picture.save(path));
        m_dialogs.queueFile(path);
        testing::click(m_main.get(), "Command1");
        QApplication::processEvents();
    }

    QTemporaryDir m_dir;
    ProgramState m_state;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form1> m_main;
    QWidget* m_form = nullptr;
    int m_made = 0;
};

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

TEST_F(Form4Test, EveryControlHasItsNameKindAndTextAndNoCaptionIsCutOff)
{
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Görüntü Ayarları"));
    const struct {
        const char* name;
        const char* kind;
    } rows[] = {
        {"Döndürme", "QComboBox"},
        {"Aynala", "QCheckBox"},
        {"Ölçekleme", "QComboBox"},
        {"Yöntem", "QComboBox"},
        {"Eşik", "QSpinBox"},
        {"EşikKaydırıcı", "QSlider"},
        {"Düzen", "QComboBox"},
        {"Önizleme", "pixmint::PictureBox"},
        {"DüzenÇizimi", "pixmint::LayoutDrawing"},
        {"Varsayılanlar", "pixmint::CommandButton"},
        {"Ekran", "QComboBox"},
        {"Kutupluluk", "QComboBox"},
    };
    for (const auto& row : rows) {
        const QWidget* w = m_form->findChild<QWidget*>(QString::fromUtf8(row.name));
        ASSERT_NE(w, nullptr) << row.name;
        EXPECT_STREQ(w->metaObject()->className(), row.kind) << row.name;
    }
    EXPECT_EQ(items(list("Döndürme")),
              (QStringList{QStringLiteral("0°"), QStringLiteral("90°"), QStringLiteral("180°"),
                           QStringLiteral("270°")}));
    EXPECT_EQ(items(list("Ölçekleme")), (QStringList{QStringLiteral("Siyah kazanır (çizimler)"),
                                                     QStringLiteral("Ortalama (fotoğraflar)")}));
    EXPECT_EQ(items(list("Yöntem")),
              (QStringList{QStringLiteral("Eşik"), QStringLiteral("Otomatik eşik"),
                           QStringLiteral("Floyd–Steinberg"), QStringLiteral("Atkinson"),
                           QStringLiteral("Bayer 8×8")}));
    EXPECT_EQ(items(list("Düzen")),
              (QStringList{QStringLiteral("Sayfa, bit 0 üstte (KS0108, SSD1306, ST7565)"),
                           QStringLiteral("Sayfa, bit 7 üstte"),
                           QStringLiteral("Satır, bit 7 solda (ST7920, Adafruit GFX)"),
                           QStringLiteral("Satır, bit 0 solda (XBM, u8g2)")}));
    QStringList displays = {QStringLiteral("Özel")};
    for (const DisplayPreset& preset : displayPresets())
        displays << preset.text;
    EXPECT_EQ(items(list("Ekran")), displays);
    EXPECT_EQ(items(list("Kutupluluk")),
              (QStringList{QStringLiteral("Koyu: 1 olan bit koyu nokta (LCD)"),
                           QStringLiteral("Aydınlık: 1 olan bit yanan nokta (OLED, e-kağıt)")}));
    for (const char* name : {"Döndürme", "Ölçekleme", "Yöntem", "Düzen", "Ekran", "Kutupluluk"})
        EXPECT_FALSE(list(name)->isEditable()) << name;
    // The keyboard goes down the settings, then to the display and its polarity.
    const QStringList keyboard = {QStringLiteral("Döndürme"),  QStringLiteral("Aynala"),
                                  QStringLiteral("Ölçekleme"), QStringLiteral("Yöntem"),
                                  QStringLiteral("Eşik"),      QStringLiteral("EşikKaydırıcı"),
                                  QStringLiteral("Düzen"),     QStringLiteral("Varsayılanlar"),
                                  QStringLiteral("Ekran"),     QStringLiteral("Kutupluluk")};
    QStringList visited;
    QWidget* next = control("Döndürme");
    for (int step = 0; step < 200 && visited.size() < keyboard.size(); ++step) {
        if (keyboard.contains(next->objectName()) && !visited.contains(next->objectName()))
            visited << next->objectName();
        next = next->nextInFocusChain();
    }
    EXPECT_EQ(visited, keyboard);
    EXPECT_EQ(control<QSpinBox>("Eşik")->maximum(), 255);
    EXPECT_EQ(control<QSlider>("EşikKaydırıcı")->maximum(), 255);

    // Every caption fits its control (a wrapped text its height), and no two controls overlap.
    const QList<QWidget*> shown = m_form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : shown) {
        const std::string name = w->objectName().toStdString();
        const auto* label = qobject_cast<QLabel*>(w);
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
        } else if (label || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << name << ": caption cut off";
        }
        for (QWidget* other : shown) {
            if (w != other && w->isVisible() && other->isVisible()) {
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << name << " overlaps " << other->objectName().toStdString();
            }
        }
        EXPECT_TRUE(m_form->rect().contains(w->geometry())) << name << " sticks out";
    }
}

TEST_F(Form4Test, OpensOnceAndKeepsItsSettingsWhileTheProgramRuns)
{
    click("Command8");
    EXPECT_EQ(m_made, 1);
    EXPECT_EQ(command8(), QStringLiteral("Görüntü Ayarları"));
    list("Döndürme")->setCurrentIndex(1);
    EXPECT_EQ(settings().rotation, Rotation::Quarter);
    EXPECT_EQ(command8(), QStringLiteral("Görüntü Ayarları *"));

    m_form->close();
    EXPECT_FALSE(m_form->isVisible());
    click("Command8");
    EXPECT_EQ(m_made, 1);
    EXPECT_EQ(m_main->settingsWindow(), m_form);
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(list("Döndürme")->currentText(), QStringLiteral("90°"));
    EXPECT_EQ(settings().rotation, Rotation::Quarter);

    // It closes with the main window.
    m_main->close();
    EXPECT_FALSE(m_form->isVisible());
}

TEST_F(Form4Test, EveryControlSetsItsSettingAndVarsayılanlarRestoresThemAll)
{
    struct Row {
        const char* what;
        std::function<void(Form4Test&)> act;
        std::function<bool(const PictureSettings&)> holds;
    };
    const Row rows[] = {
        {"Döndürme 180°", [](Form4Test& t) { t.list("Döndürme")->setCurrentIndex(2); },
         [](const PictureSettings& s) { return s.rotation == Rotation::Half; }},
        {"Aynala", [](Form4Test& t) { t.control<QCheckBox>("Aynala")->click(); },
         [](const PictureSettings& s) { return s.mirror; }},
        {"Ölçekleme", [](Form4Test& t) { t.list("Ölçekleme")->setCurrentIndex(1); },
         [](const PictureSettings& s) { return s.scaling == Scaling::Average; }},
        {"Yöntem Bayer", [](Form4Test& t) { t.list("Yöntem")->setCurrentIndex(4); },
         [](const PictureSettings& s) { return s.method == Method::Bayer; }},
        {"Eşik", [](Form4Test& t) { t.control<QSpinBox>("Eşik")->setValue(200); },
         [](const PictureSettings& s) { return s.threshold == 200; }},
        {"EşikKaydırıcı", [](Form4Test& t) { t.control<QSlider>("EşikKaydırıcı")->setValue(30); },
         [](const PictureSettings& s) { return s.threshold == 30; }},
        // A display sets the main window's size, the layout and the polarity of its row.
        {"Ekran SSD1306 128 × 32", [](Form4Test& t) { t.list("Ekran")->setCurrentIndex(2); },
         [](const PictureSettings& s) {
             return s.display == QStringLiteral("ssd1306-128x32") &&
                    s.layout == ByteLayout::PagesLsbTop && s.polarity == Polarity::Lit;
         }},
        {"Kutupluluk Koyu", [](Form4Test& t) { t.list("Kutupluluk")->setCurrentIndex(0); },
         [](const PictureSettings& s) {
             return s.polarity == Polarity::Dark && s.display == QStringLiteral("ssd1306-128x32");
         }},
        {"Düzen", [](Form4Test& t) { t.list("Düzen")->setCurrentIndex(2); },
         [](const PictureSettings& s) { return s.layout == ByteLayout::RowsMsbLeft; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.act(*this);
        EXPECT_TRUE(row.holds(settings()));
        EXPECT_EQ(command8(), QStringLiteral("Görüntü Ayarları *"));
    }
    EXPECT_EQ(control<QLineEdit>("BmpEn")->text(), QStringLiteral("128"));
    EXPECT_EQ(control<QLineEdit>("BmpYükseklik")->text(), QStringLiteral("32"));
    EXPECT_EQ(list("Ekran")->currentText(), QStringLiteral("SSD1306 128 × 32 (OLED)"));
    list("Ekran")->setCurrentIndex(0);
    EXPECT_EQ(settings().display, QString());
    EXPECT_EQ(settings().layout, ByteLayout::RowsMsbLeft);
    list("Ekran")->setCurrentIndex(static_cast<int>(displayPresets().size()));
    EXPECT_EQ(settings().display, displayPresets().back().name);
    // The spin box and the slider follow each other; the drawing and its text the layout.
    EXPECT_EQ(control<QSpinBox>("Eşik")->value(), 30);
    control<QSpinBox>("Eşik")->setValue(90);
    EXPECT_EQ(control<QSlider>("EşikKaydırıcı")->value(), 90);
    list("Düzen")->setCurrentIndex(2);
    EXPECT_EQ(control<LayoutDrawing>("DüzenÇizimi")->byteLayout(), ByteLayout::RowsMsbLeft);
    EXPECT_TRUE(
        control<QLabel>("DüzenAçıklaması")->text().contains(QStringLiteral("bit 7 en solda")));

    click("Varsayılanlar");
    EXPECT_TRUE(settings().isDefault());
    EXPECT_EQ(command8(), QStringLiteral("Görüntü Ayarları"));
    for (const char* name : {"Döndürme", "Ölçekleme", "Yöntem", "Düzen", "Ekran", "Kutupluluk"})
        EXPECT_EQ(list(name)->currentIndex(), 0) << name;
    EXPECT_FALSE(control<QCheckBox>("Aynala")->isChecked());
    EXPECT_EQ(control<QSlider>("EşikKaydırıcı")->value(), 127);
    EXPECT_EQ(control<LayoutDrawing>("DüzenÇizimi")->byteLayout(), ByteLayout::PagesLsbTop);
}

TEST_F(Form4Test, DitheringMethodsAreOfferedOnlyWithAverageScaling)
{
    auto offered = [this] {
        QStringList texts;
        const auto* model = qobject_cast<QStandardItemModel*>(list("Yöntem")->model());
        for (int i = 0; i < model->rowCount(); ++i) {
            if (model->item(i)->isEnabled())
                texts << model->item(i)->text();
        }
        return texts;
    };
    EXPECT_EQ(offered(), (QStringList{QStringLiteral("Eşik"), QStringLiteral("Otomatik eşik")}));
    list("Ölçekleme")->setCurrentIndex(1);
    EXPECT_EQ(offered().size(), 5);
    list("Yöntem")->setCurrentIndex(2);
    EXPECT_EQ(settings().method, Method::FloydSteinberg);
    list("Ölçekleme")->setCurrentIndex(0);
    EXPECT_EQ(settings().method, Method::Threshold);
    EXPECT_EQ(list("Yöntem")->currentText(), QStringLiteral("Eşik"));
    // Otsu's method finds its own threshold: the threshold controls rest meanwhile.
    list("Yöntem")->setCurrentIndex(1);
    EXPECT_FALSE(control<QSpinBox>("Eşik")->isEnabled());
    EXPECT_FALSE(control<QSlider>("EşikKaydırıcı")->isEnabled());
}

// The preview is the road's picture at the target size, whole factor enlarged: for each
// settings value it must be what the road makes of the preview's copy with those settings,
// drawn back from the table in their layout.
TEST_F(Form4Test, PreviewFollowsThePictureTheSizeAndTheSettings)
{
    EXPECT_TRUE(preview().isNull());
    EXPECT_EQ(previewNote(), QStringLiteral("Önizleme için ana pencerede bir resim yükleyin."));
    loadPicture(300, 200);
    EXPECT_EQ(preview().size(), QSize(384, 192));
    EXPECT_EQ(previewNote(), QStringLiteral("128 × 64 piksel, 3 kat büyütülmüş"));

    auto roadPicture = [this](const PictureSettings& s, QSize scaled) {
        const PreviewSource& source = m_state.picture.preview();
        PictureRoadRequest request;
        request.path = source.path;
        request.settings = s;
        EventYield none;
        const PictureRoadOutcome outcome = runPictureRoad(
            request, [&] { return source.pictureFor(s.scaling); }, nullptr, none);
        return outcome.target.scaled(scaled).convertToFormat(QImage::Format_RGB32);
    };
    PictureSettings turned;
    turned.rotation = Rotation::Quarter;
    turned.mirror = true;
    PictureSettings dithered;
    dithered.scaling = Scaling::Average;
    dithered.method = Method::FloydSteinberg;
    dithered.layout = ByteLayout::RowsMsbLeft;
    PictureSettings light;
    light.threshold = 30;
    light.layout = ByteLayout::PagesMsbTop;
    for (const PictureSettings& s : {turned, dithered, light}) {
        m_state.picture.setSettings(s);
        QApplication::processEvents();
        EXPECT_EQ(preview().convertToFormat(QImage::Format_RGB32), roadPicture(s, {384, 192}))
            << static_cast<int>(s.layout);
    }

    // With an OLED chosen the preview is the module: the picture's light pixels lit, on black.
    PictureSettings oled;
    oled.display = QStringLiteral("ssd1306-128x64");
    oled.polarity = Polarity::Lit;
    m_state.picture.setSettings(oled);
    QApplication::processEvents();
    const QImage shown = preview().convertToFormat(QImage::Format_RGB32);
    const QImage road = roadPicture(oled, {384, 192});
    const ScreenColours glass = screenColours(Screen::Oled);
    ASSERT_EQ(shown.size(), road.size());
    for (int y = 0; y < road.height(); ++y) {
        for (int x = 0; x < road.width(); ++x) {
            const bool isLight = road.pixel(x, y) == qRgb(255, 255, 255);
            ASSERT_EQ(shown.pixel(x, y), isLight ? glass.light : glass.dark) << x << "," << y;
        }
    }

    control<QLineEdit>("BmpEn")->setText(QStringLiteral("64"));
    QApplication::processEvents();
    EXPECT_EQ(preview().size(), QSize(192, 192));
    control<QLineEdit>("BmpEn")->setText(QStringLiteral("0"));
    QApplication::processEvents();
    EXPECT_TRUE(preview().isNull());
    EXPECT_TRUE(previewNote().startsWith(QStringLiteral("En ve yükseklik 1 ile 16384")));
}

}  // namespace
}  // namespace pixmint
