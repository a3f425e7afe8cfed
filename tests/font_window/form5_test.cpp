#include "form5.h"
#include "editors.h"

#include "font_road.h"
#include "font_sample.h"
#include "form1.h"
#include "glyph_map.h"
#include "picture_box.h"
#include "program_state.h"
#include "sample_picture.h"
#include "scripted_dialogs.h"
#include "single_byte_text.h"
#include "test_paths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::ScriptedDialogs;

QString testFont(const char* name)
{
    return testing::testData(QStringLiteral("fonts/") + QString::fromUtf8(name));
}

// The font window as a person meets it: opened with Command9 of a real main window, a test
// font chosen with "Dosyadan…".
class Form5Test : public ::testing::Test {
public:
    void SetUp() override
    {
        m_main = std::make_unique<Form1>(m_state, m_dialogs);
        m_main->setFontWindowFactory([this](QWidget* main) {
            ++m_made;
            return new Form5(m_state, m_dialogs, main);
        });
        m_main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
        QTest::mouseClick(m_main->findChild<QPushButton*>(QStringLiteral("Command9")),
                          Qt::LeftButton);
        m_form = qobject_cast<Form5*>(m_main->fontWindow());
        ASSERT_NE(m_form, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_form));
        QApplication::processEvents();
    }

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = m_form->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void chooseFont(const char* name)
    {
        m_dialogs.queueFile(testFont(name));
        QTest::mouseClick(control<QPushButton>("Dosyadan"), Qt::LeftButton);
        settle();
    }
    static void settle()
    {
        QApplication::processEvents();
        QApplication::processEvents();
    }
    void choose(const char* list, int index)
    {
        control<QComboBox>(list)->setCurrentIndex(index);
        settle();
    }
    QImage preview() const { return control<PictureBox>("Önizleme")->image(); }
    QString note() const { return control<QLabel>("ÖnizlemeBilgisi")->text(); }
    // The preview the window should show for its request: the road's tables, drawn back.
    QImage expectedPreview() const
    {
        const FontRoadRequest request = m_form->request();
        const FontRoadOutcome outcome = runFontRoad(request);
        EXPECT_EQ(outcome.failure, QString());
        int factor = 0;
        return enlargedSample(
            sampleDrawing(outcome.tables, control<QLineEdit>("ÖrnekMetin")->text()),
            control<PictureBox>("Önizleme")->innerSize(), factor);
    }

    ProgramState m_state;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form1> m_main;
    Form5* m_form = nullptr;
    int m_made = 0;
};

TEST_F(Form5Test, EveryControlHasItsNameKindAndPlaceAndNoCaptionIsCutOff)
{
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Yazı Tipi"));
    EXPECT_EQ(m_form->objectName(), QStringLiteral("Form5"));
    const struct {
        const char* name;
        const char* kind;
    } rows[] = {
        {"Aile", "QComboBox"},
        {"Biçem", "QComboBox"},
        {"Dosyadan", "pixmint::CommandButton"},
        {"DosyaAdı", "QLabel"},
        {"Yüz", "QSpinBox"},
        {"Boyut", "QSpinBox"},
        {"SatıraSığdır", "QCheckBox"},
        {"SatırYüksekliği", "QSpinBox"},
        {"Karakterler", "QComboBox"},
        {"KarakterMetni", "QLineEdit"},
        {"Biçim", "QComboBox"},
        {"Düzen", "QComboBox"},
        {"Yumuşatma", "QCheckBox"},
        {"YumuşatmaEşiği", "QSpinBox"},
        {"Frame1", "pixmint::FormatGroup"},
        {"Combo1", "QComboBox"},
        {"Combo2", "QComboBox"},
        {"ÖnEk", "QLineEdit"},
        {"ArkaEk", "QLineEdit"},
        {"Ayraç", "QLineEdit"},
        {"Görünüş", "QLineEdit"},
        {"Dönüştür", "pixmint::CommandButton"},
        {"Kaydet", "pixmint::CommandButton"},
        {"ÖrnekMetin", "QLineEdit"},
        {"Önizleme", "pixmint::PictureBox"},
        {"ÖnizlemeBilgisi", "QLabel"},
        {"HaritaAlanı", "QScrollArea"},
        {"KarakterHaritası", "pixmint::GlyphMap"},
        {"Kod", "QPlainTextEdit"},
    };
    QList<QWidget*> placed;
    for (const auto& row : rows) {
        QWidget* w = control(row.name);
        if (!w)
            continue;
        EXPECT_STREQ(w->metaObject()->className(), row.kind) << row.name;
        if (w->parentWidget() == m_form) {
            EXPECT_TRUE(m_form->rect().contains(w->geometry())) << row.name;
            placed << w;
        }
    }
    for (QWidget* w : m_form->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        const bool oneLine = label ? !label->wordWrap() : qobject_cast<QCheckBox*>(w) != nullptr;
        if (oneLine) {
            EXPECT_GE(w->width(), w->sizeHint().width())
                << w->objectName().toStdString() << ": caption cut off";
        }
    }
    // The lists of fixed texts show each of them whole.
    for (const char* list : {"Karakterler", "Biçim", "Düzen"}) {
        QComboBox* c = control<QComboBox>(list);
        EXPECT_GE(c->width(), c->sizeHint().width()) << list;
    }
    for (QWidget* a : placed) {
        for (QWidget* b : placed) {
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
        }
    }
}

TEST_F(Form5Test, Command9OpensTheOneWindowWhichClosingHides)
{
    QPushButton* command9 = m_main->findChild<QPushButton*>(QStringLiteral("Command9"));
    EXPECT_EQ(command9->text(), QStringLiteral("Yazı Tipi"));
    EXPECT_EQ(command9->geometry(), QRect(592, 488, 73, 33));
    chooseFont("5x7.pcf.gz");
    m_form->close();
    QTest::mouseClick(command9, Qt::LeftButton);
    EXPECT_EQ(m_main->fontWindow(), m_form);
    EXPECT_EQ(m_made, 1);
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_form->request().glyphs.source.path, testFont("5x7.pcf.gz"));
}

TEST_F(Form5Test, TabFollowsTheKeyboardOrder)
{
    chooseFont("5x7.pcf.gz");
    control<QCheckBox>("SatıraSığdır")->setChecked(true);
    control<QCheckBox>("Yumuşatma")->setChecked(true);
    choose("Karakterler", 3);
    const QStringList expected = {QStringLiteral("Biçem"),
                                  QStringLiteral("Dosyadan"),
                                  QStringLiteral("Yüz"),
                                  QStringLiteral("SatıraSığdır"),
                                  QStringLiteral("SatırYüksekliği"),
                                  QStringLiteral("Karakterler"),
                                  QStringLiteral("KarakterMetni"),
                                  QStringLiteral("Biçim"),
                                  QStringLiteral("Düzen"),
                                  QStringLiteral("Yumuşatma"),
                                  QStringLiteral("YumuşatmaEşiği"),
                                  QStringLiteral("Combo1"),
                                  QStringLiteral("Combo2"),
                                  QStringLiteral("ÖnEk"),
                                  QStringLiteral("ArkaEk"),
                                  QStringLiteral("Ayraç"),
                                  QStringLiteral("Görünüş"),
                                  QStringLiteral("Dönüştür"),
                                  QStringLiteral("Kaydet"),
                                  QStringLiteral("ÖrnekMetin"),
                                  QStringLiteral("HaritaAlanı"),
                                  QStringLiteral("Kod")};
    control("Aile")->setFocus(Qt::TabFocusReason);
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        while (w && w->objectName().isEmpty())
            w = w->parentWidget();
        seen << (w ? w->objectName() : QString());
    }
    // The style list is disabled for a file and the size box while fitting: skipped.
    QStringList shown = expected;
    shown.removeAll(QStringLiteral("Biçem"));
    EXPECT_EQ(seen.mid(0, shown.size()), shown);
}

// Every change redraws the sample from the packed numbers at once: the window shows what
// the road's tables draw back.
TEST_F(Form5Test, ThePreviewFollowsEveryChange)
{
    chooseFont("5x7.pcf.gz");
    EXPECT_EQ(control<QLabel>("DosyaAdı")->text(), QStringLiteral("Dosya: 5x7.pcf.gz"));
    EXPECT_EQ(control<QSpinBox>("Boyut")->value(), 7);  // the bitmap font's own size
    ASSERT_FALSE(preview().isNull());
    EXPECT_EQ(preview(), expectedPreview());
    EXPECT_TRUE(note().contains(QStringLiteral("Örnek metinde tabloda olmayan karakterler: ü")))
        << note().toStdString();

    const QImage ascii = preview();
    choose("Karakterler", 2);  // Türkçe: the ü is there now
    EXPECT_NE(preview(), ascii);
    EXPECT_EQ(preview(), expectedPreview());
    EXPECT_FALSE(note().contains(QStringLiteral("olmayan")));

    const std::function<void()> changes[] = {
        [this] { choose("Biçim", 1); },
        [this] { choose("Biçim", 2); },
        [this] { choose("Düzen", 3); },
        [this] { control<QLineEdit>("ÖrnekMetin")->setText(QStringLiteral("İğne 0")); },
        [this] {
            // An include file's font: Adafruit's own Tom Thumb, from its GFXfont.
            m_dialogs.queueFile(
                testing::testData(QStringLiteral("../third_party/adafruit-gfx/Fonts/TomThumb.h")));
            QTest::mouseClick(control<QPushButton>("Dosyadan"), Qt::LeftButton);
            EXPECT_FALSE(control<QSpinBox>("Yüz")->isEnabled());
            EXPECT_FALSE(control<QSpinBox>("Boyut")->isEnabled());
        },
        [this] { chooseFont("DejaVuSansMono.ttf"); },
        [this] { control<QSpinBox>("Boyut")->setValue(11); },
        [this] { control<QCheckBox>("Yumuşatma")->setChecked(true); },
        [this] { control<QSpinBox>("YumuşatmaEşiği")->setValue(40); },
        [this] { control<QCheckBox>("SatıraSığdır")->setChecked(true); },
        [this] {
            choose("Karakterler", 4);
            control<QLineEdit>("KarakterMetni")->setText(QStringLiteral("İğne0"));
        },
    };
    QImage before = preview();
    for (const auto& change : changes) {
        change();
        settle();
        EXPECT_EQ(preview(), expectedPreview());
        before = preview();
    }
    EXPECT_EQ(m_form->glyphCount(), 5);

    // A size the bitmap font lacks: the preview says so and shows nothing.
    chooseFont("5x7.pcf.gz");
    control<QCheckBox>("SatıraSığdır")->setChecked(false);
    control<QSpinBox>("Boyut")->setValue(8);
    settle();
    EXPECT_TRUE(preview().isNull());
    EXPECT_EQ(note(), QStringLiteral("Bu yazı tipinin boyutları: 7"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

// "Dönüştür" writes the road's text with the group's settings; "Kaydet" saves it in
// Windows-1254 with CR LF. A GFX font in Asm is refused and the pane keeps its text.
TEST_F(Form5Test, DönüştürWritesTheRoadsTextAndKaydetSavesIt)
{
    chooseFont("5x7.pcf.gz");
    choose("Karakterler", 2);
    QTest::mouseClick(control<QPushButton>("Dönüştür"), Qt::LeftButton);
    const FontRoadOutcome outcome = runFontRoad(m_form->request());
    QString expected = outcome.code.code.text;
    EXPECT_TRUE(expected.startsWith(QStringLiteral(";") + testFont("5x7.pcf.gz") +
                                    QStringLiteral(", 7 piksel\r\nFixed_7\r\n")));
    EXPECT_EQ(control<QPlainTextEdit>("Kod")->toPlainText(),
              QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("font.inc"));
    m_dialogs.queueFile(saved);
    QTest::mouseClick(control<QPushButton>("Kaydet"), Qt::LeftButton);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), encodeWindows1254(expected));

    choose("Biçim", 2);
    m_dialogs.clearCalls();
    QTest::mouseClick(control<QPushButton>("Dönüştür"), Qt::LeftButton);
    const testing::DialogCall message = m_dialogs.onlyMessage();
    EXPECT_EQ(message.title, QStringLiteral("Hata"));
    EXPECT_EQ(message.text,
              QStringLiteral("Adafruit GFX biçimi yalnız C ve Arduino dillerinde yazılır."));
    EXPECT_EQ(control<QPlainTextEdit>("Kod")->toPlainText(),
              expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// The map shows every glyph drawn back from the tables; a double click asks to edit one,
// and replaced pixels stay until what decides the glyphs changes, which asks first.
TEST_F(Form5Test, TheMapOpensAGlyphAndKeepsItsEditsUntilAsked)
{
    chooseFont("5x7.pcf.gz");
    choose("Karakterler", 4);
    control<QLineEdit>("KarakterMetni")->setText(QStringLiteral("AB"));
    settle();
    auto* map = control<GlyphMap>("KarakterHaritası");
    ASSERT_EQ(map->glyphs().size(), 2);
    EXPECT_EQ(map->glyphs()[1].caption, QStringLiteral("0x42 B"));
    EXPECT_EQ(map->glyphs()[1].picture, m_form->glyphPicture(1));

    QList<int> asked;
    QObject::connect(m_form, &Form5::glyphEditRequested, m_form,
                     [&](int index) { asked << index; });
    QTest::mouseDClick(map, Qt::LeftButton, {}, map->glyphBox(1).center());
    EXPECT_EQ(asked, QList<int>{1});

    PixelGrid dot(5, m_form->glyphPicture(1).height());
    dot.set(2, 2, 1);
    m_form->replaceGlyph(1, dot);
    EXPECT_TRUE(map->glyphs()[1].edited);
    EXPECT_EQ(map->glyphs()[1].picture, dot);

    // A new format keeps the edit; new characters ask, and "No" keeps the edit and the text.
    choose("Biçim", 1);
    EXPECT_TRUE(map->glyphs()[1].edited);
    m_dialogs.queueAnswer(MessageAnswer::No);
    control<QLineEdit>("KarakterMetni")->setText(QStringLiteral("ABC"));
    settle();
    EXPECT_EQ(m_dialogs.onlyMessage().text,
              QStringLiteral("Düzenlenen karakterler kaybolacak. Devam edilsin mi?"));
    EXPECT_EQ(control<QLineEdit>("KarakterMetni")->text(), QStringLiteral("AB"));
    EXPECT_EQ(map->glyphs().size(), 2);
    EXPECT_TRUE(map->glyphs()[1].edited);

    m_dialogs.clearCalls();
    m_dialogs.queueAnswer(MessageAnswer::Yes);
    control<QLineEdit>("KarakterMetni")->setText(QStringLiteral("ABC"));
    settle();
    EXPECT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(map->glyphs().size(), 3);
    EXPECT_FALSE(map->glyphs()[1].edited);
}

// A double click opens the editor on the glyph's cell; "Uygula" replaces the glyph, and the
// code text is the road's of the glyphs with that glyph replaced. Another glyph, or new
// characters, while the editor holds edits not applied ask first.
TEST_F(Form5Test, ADoubleClickEditsTheGlyphAndUygulaReplacesIt)
{
    m_form->setEditorFactory(testing::realEditors(m_dialogs));
    chooseFont("5x7.pcf.gz");
    choose("Karakterler", 4);
    control<QLineEdit>("KarakterMetni")->setText(QStringLiteral("AB"));
    settle();
    auto* map = control<GlyphMap>("KarakterHaritası");
    QTest::mouseDClick(map, Qt::LeftButton, {}, map->glyphBox(1).center());
    Form6* editor = testing::editorWindow(m_form->editor());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    const PixelGrid glyph = m_form->glyphPicture(1);
    EXPECT_EQ(editor->picture(), glyph);
    EXPECT_EQ(editor->layout(), m_form->request().layout);

    PixelGrid edited = glyph;
    edited.set(0, 0, 1 - glyph.at(0, 0));
    testing::paint(editor, {{0, 0}}, glyph.at(0, 0) ? Qt::RightButton : Qt::LeftButton);
    ASSERT_EQ(editor->picture(), edited);
    testing::apply(editor);
    EXPECT_TRUE(map->glyphs()[1].edited);
    EXPECT_EQ(m_form->glyphPicture(1), edited);

    QTest::mouseClick(control<QPushButton>("Dönüştür"), Qt::LeftButton);
    FontRoadRequest road = m_form->request();
    FontGlyphs glyphs = renderFontGlyphs(road.glyphs).value();
    replaceGlyphPixels(glyphs, 1, edited);
    const FontRoadOutcome outcome = runFontRoad(road, glyphs);
    EXPECT_EQ(
        control<QPlainTextEdit>("Kod")->toPlainText(),
        QString(outcome.code.code.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(drawnGlyph(outcome.tables, 1), edited);

    // Edits not applied: another glyph asks ("No" keeps them), and so do new characters.
    testing::paint(editor, {{1, 1}}, edited.at(1, 1) ? Qt::RightButton : Qt::LeftButton);
    m_dialogs.clearCalls();
    m_dialogs.queueAnswer(MessageAnswer::No);
    QTest::mouseDClick(map, Qt::LeftButton, {}, map->glyphBox(0).center());
    EXPECT_EQ(m_dialogs.onlyMessage().text,
              QStringLiteral("Düzenlemeler kaybolacak. Devam edilsin mi?"));
    EXPECT_TRUE(editor->hasUnappliedEdits());
    EXPECT_NE(editor->picture(), m_form->glyphPicture(0));
    m_dialogs.clearCalls();
    m_dialogs.queueAnswer(MessageAnswer::No);
    control<QLineEdit>("KarakterMetni")->setText(QStringLiteral("ABC"));
    settle();
    EXPECT_EQ(m_dialogs.onlyMessage().text,
              QStringLiteral("Düzenlenen karakterler kaybolacak. Devam edilsin mi?"));
    EXPECT_TRUE(editor->hasUnappliedEdits());
    EXPECT_FALSE(m_dialogs.hasUnusedAnswers());
}

}  // namespace
}  // namespace pixmint
