#include "form1.h"
#include "code_saving.h"
#include "code_texts.h"
#include "editors.h"
#include "picture_commands.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "test_paths.h"
#include "window_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::DialogCall;
using testing::ScriptedDialogs;

using Form1Test = testing::WindowTest<Form1>;

// Where two controls would overlap by a pixel, the label or button is one pixel smaller.
struct ControlRow {
    const char* name;
    const char* kind;
    const char* text;
    QRect geometry;
    bool mayWiden;  // labels and check boxes may be widened to their text
};

QString textOf(QWidget* w)
{
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* c = qobject_cast<QCheckBox*>(w))
        return c->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* t = qobject_cast<QPlainTextEdit*>(w))
        return t->toPlainText();
    return {};
}

TEST_F(Form1Test, EveryControlHasItsNameKindTextAndPlace)
{
    const QList<ControlRow> rows = {
        {"Command1", "pixmint::CommandButton", "Resim Yükle", {8, 8, 137, 41}, false},
        {"Label4(0)", "QLabel", "Kaynak Resim", {168, 8, 177, 16}, true},
        {"Picture1(0)", "pixmint::PictureBox", "", {168, 24, 249, 209}, false},
        {"Label4(1)", "QLabel", "Hedef Resim", {432, 8, 112, 16}, true},
        {"Picture1(1)", "pixmint::PictureBox", "", {424, 24, 249, 209}, false},
        {"Command5", "pixmint::CommandButton", "Resmi Kaydet", {552, 8, 89, 16}, false},
        {"Label1", "QLabel", "En :", {8, 64, 19, 13}, true},
        {"BmpEn", "QLineEdit", "128", {64, 56, 81, 19}, false},
        {"Label2", "QLabel", "Yükseklik :", {8, 88, 52, 13}, true},
        {"BmpYükseklik", "QLineEdit", "64", {64, 80, 81, 19}, false},
        {"Frame1", "pixmint::FormatGroup", "Convert Bilgileri", {0, 112, 161, 169}, false},
        {"Label3", "QLabel", "Kullanılan Dil :", {8, 32, 66, 13}, true},
        {"Combo1", "QComboBox", "Asm", {80, 24, 73, 21}, false},
        {"Label5", "QLabel", "Komut :", {8, 56, 36, 13}, true},
        {"Combo2", "QComboBox", "Dt", {80, 48, 73, 21}, false},
        {"Label6", "QLabel", "Sütun Sayısı :", {8, 80, 64, 13}, true},
        {"SütunSayısı", "QLineEdit", "16", {96, 72, 49, 19}, false},
        {"Label7", "QLabel", "Sayı Biçimi :", {8, 104, 56, 13}, true},
        {"ÖnEk", "QLineEdit", "0X", {72, 96, 33, 19}, false},
        {"ArkaEk", "QLineEdit", "", {112, 96, 33, 19}, false},
        {"Label9", "QLabel", "Sayı Ayracı :", {8, 128, 64, 16}, true},
        {"Ayraç", "QLineEdit", ",", {72, 120, 73, 19}, false},
        {"Görünüş", "QLineEdit", "0xFF,", {8, 144, 137, 19}, false},
        {"Check1", "QCheckBox", "Çerçeveye Sığdır", {168, 236, 249, 13}, true},
        {"Check2", "QCheckBox", "Çerçeveye Sığdır", {424, 240, 137, 13}, true},
        {"ProgressBar1", "QProgressBar", "", {168, 256, 505, 25}, false},
        {"Text1", "QPlainTextEdit", "Text1", {0, 288, 585, 377}, false},
        {"Command2", "pixmint::CommandButton", "Dönüştür", {592, 288, 73, 33}, false},
        {"Command6", "pixmint::CommandButton", "Dosya Dönüştür", {592, 328, 73, 33}, false},
        {"Command3", "pixmint::CommandButton", "Kaydet", {592, 368, 73, 33}, false},
        {"Command4", "pixmint::CommandButton", "Resmi Tersle", {592, 408, 73, 33}, false},
        {"Command8", "pixmint::CommandButton", "Görüntü Ayarları", {592, 448, 73, 33}, false},
        {"Command9", "pixmint::CommandButton", "Yazı Tipi", {592, 488, 73, 33}, false},
        {"Command10", "pixmint::CommandButton", "Düzenle", {592, 528, 73, 33}, false},
        {"Command7", "pixmint::CommandButton", "Hakkında", {592, 592, 81, 33}, false},
        {"Picture2", "pixmint::PictureBox", "", {168, 288, 297, 361}, false},
        {"Picture3", "pixmint::PictureBox", "", {368, 32, 128, 64}, false},
    };
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Pixmint Resim Dönüştürücü"));
    EXPECT_EQ(m_form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(m_form->size(), QSize(680, 664));
    QList<QWidget*> shown;
    for (const ControlRow& row : rows) {
        QWidget* w = control(QString::fromUtf8(row.name));
        if (!w)
            continue;
        EXPECT_STREQ(w->metaObject()->className(), row.kind) << row.name;
        EXPECT_EQ(textOf(w), QString::fromUtf8(row.text)) << row.name;
        const QRect g = w->geometry();
        EXPECT_EQ(g.topLeft(), row.geometry.topLeft()) << row.name;
        EXPECT_EQ(g.height(), row.geometry.height()) << row.name;
        if (row.mayWiden) {
            EXPECT_GE(g.width(), row.geometry.width()) << row.name;
            EXPECT_GE(g.width(), w->sizeHint().width()) << row.name << ": caption cut off";
        } else {
            EXPECT_EQ(g.width(), row.geometry.width()) << row.name;
        }
        if (w->isVisibleTo(m_form.get()))
            shown << w;
    }
    EXPECT_FALSE(control(QStringLiteral("Picture2"))->isVisible());
    EXPECT_FALSE(control(QStringLiteral("Picture3"))->isVisible());
    // No two visible controls of the same parent overlap.
    for (QWidget* a : shown) {
        for (QWidget* b : shown) {
            if (a != b && a->parentWidget() == b->parentWidget() && a != b->parentWidget()) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " overlaps "
                    << b->objectName().toStdString();
            }
        }
    }
    auto items = [](QComboBox* c) {
        QStringList list;
        for (int i = 0; i < c->count(); ++i)
            list << c->itemText(i);
        return list;
    };
    EXPECT_EQ(
        items(combo("Combo1")),
        (QStringList{QStringLiteral("Asm"), QStringLiteral("CCS"), QStringLiteral("Proton Basic"),
                     QStringLiteral("C"), QStringLiteral("Arduino")}));
    EXPECT_EQ(items(combo("Combo2")), (QStringList{QStringLiteral("Dt"), QStringLiteral("retlw")}));
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("Check1"))->isChecked());
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("Check2"))->isChecked());
}

TEST_F(Form1Test, FocusStartsInTheWidthBoxAndTabFollowsTheKeyboardOrder)
{
    EXPECT_EQ(focusName(), QStringLiteral("BmpEn"));
    EXPECT_EQ(box("BmpEn")->selectedText(), QStringLiteral("128"));

    const QStringList expected = {QStringLiteral("BmpEn"),       QStringLiteral("BmpYükseklik"),
                                  QStringLiteral("Picture1(0)"), QStringLiteral("Picture1(1)"),
                                  QStringLiteral("Command2"),    QStringLiteral("Command3"),
                                  QStringLiteral("Command4"),    QStringLiteral("Command8"),
                                  QStringLiteral("Command9"),    QStringLiteral("Command10"),
                                  QStringLiteral("Command1"),    QStringLiteral("Text1"),
                                  QStringLiteral("Command5"),    QStringLiteral("Command6"),
                                  QStringLiteral("Check1"),      QStringLiteral("Check2"),
                                  QStringLiteral("SütunSayısı"), QStringLiteral("Combo2"),
                                  QStringLiteral("Combo1"),      QStringLiteral("ÖnEk"),
                                  QStringLiteral("ArkaEk"),      QStringLiteral("Ayraç"),
                                  QStringLiteral("Görünüş"),     QStringLiteral("Command7"),
                                  QStringLiteral("BmpEn")};
    QStringList seen = {focusName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focusName();
    }
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(m_dialogs.calls().isEmpty());
}

TEST_F(Form1Test, TypingALanguageAppliesItsPresetsAtEachKeystroke)
{
    QComboBox* language = combo("Combo1");
    QComboBox* command = combo("Combo2");
    box("ÖnEk")->setText(QStringLiteral("x"));
    focus(language);
    language->lineEdit()->selectAll();
    QTest::keyClick(language->lineEdit(), Qt::Key_Backspace);
    QStringList commandTexts;
    for (const QChar c : QStringLiteral("Proton Basic")) {
        QTest::keyClicks(language->lineEdit(), QString(c));
        commandTexts << (command->count() ? command->itemText(0) : QStringLiteral("-"));
        if (language->currentText() != QStringLiteral("Proton Basic")) {
            EXPECT_EQ(box("ÖnEk")->text(), QStringLiteral("x"))
                << language->currentText().toStdString();
        }
    }
    EXPECT_EQ(commandTexts, QStringList(12, QStringLiteral("-")).mid(0, 11)
                                << QStringLiteral("CData"));
    EXPECT_EQ(command->currentText(), QStringLiteral("CData"));
    EXPECT_EQ(box("ÖnEk")->text(), QStringLiteral("$"));
    EXPECT_EQ(box("ArkaEk")->text(), QString());
    EXPECT_EQ(box("Ayraç")->text(), QStringLiteral(","));
    EXPECT_EQ(box("Görünüş")->text(), QStringLiteral("$FF,"));
    EXPECT_EQ(box("SütunSayısı")->text(), QStringLiteral("16"));

    typeInto(language, QStringLiteral("ccs"));
    EXPECT_EQ(command->count(), 1);
    EXPECT_EQ(command->currentText(), QStringLiteral("Resim[]="));
    EXPECT_EQ(box("ÖnEk")->text(), QStringLiteral("0X"));
    EXPECT_EQ(box("Görünüş")->text(), QStringLiteral("0XFF,"));

    typeInto(language, QStringLiteral("arduino"));
    EXPECT_EQ(command->count(), 1);
    EXPECT_EQ(command->currentText(), QStringLiteral("resim[]="));
    EXPECT_EQ(box("ÖnEk")->text(), QStringLiteral("0x"));
    EXPECT_EQ(box("Görünüş")->text(), QStringLiteral("0xFF,"));

    typeInto(language, QStringLiteral("Asm "));
    EXPECT_EQ(command->count(), 0);
    EXPECT_EQ(command->currentText(), QString());
    EXPECT_EQ(box("ÖnEk")->text(), QStringLiteral("0X"));
}

TEST_F(Form1Test, LeavingTheLanguageBoxAppliesItsPresetsAgain)
{
    QComboBox* language = combo("Combo1");
    typeInto(language, QStringLiteral("Proton Basic"));
    box("ÖnEk")->setText(QStringLiteral("0x"));
    box("SütunSayısı")->setText(QStringLiteral("8"));
    focus(language);
    focus(box("Ayraç"));
    EXPECT_EQ(box("ÖnEk")->text(), QStringLiteral("$"));
    EXPECT_EQ(box("SütunSayısı")->text(), QStringLiteral("16"));

    // Picking an entry from the list alone applies nothing until the box is left.
    focus(language);
    language->setCurrentIndex(1);
    EXPECT_EQ(combo("Combo2")->currentText(), QStringLiteral("CData"));
    focus(box("Ayraç"));
    EXPECT_EQ(combo("Combo2")->currentText(), QStringLiteral("Resim[]="));
    EXPECT_TRUE(m_dialogs.calls().isEmpty());
}

TEST_F(Form1Test, SizeAndColumnBoxesMustHoldMultiplesOfEight)
{
    const QString message = QStringLiteral("Belirtilen Sayı 8 ve katları şeklinde olmalıdır");
    const QList<std::pair<const char*, QString>> cases = {
        {"BmpEn", QString()},
        {"BmpEn", QStringLiteral("128")},
        {"BmpEn", QStringLiteral("0")},
        {"BmpEn", QStringLiteral("-8")},
        {"BmpEn", QStringLiteral("100")},
        {"BmpEn", QStringLiteral("12")},
        {"BmpEn", QStringLiteral("-4")},
        {"SütunSayısı", QStringLiteral("10")},
        {"BmpYükseklik", QStringLiteral("12.5")},
        {"BmpYükseklik", QStringLiteral("abc")},
        {"BmpYükseklik", QStringLiteral("16.0")},
    };
    for (const auto& [name, text] : cases) {
        m_dialogs.clearCalls();
        QLineEdit* checked = box(name);
        focus(checked);
        checked->setText(text);
        focus(box("Görünüş"));
        const bool passes = text.isEmpty() || text == QStringLiteral("128") ||
                            text == QStringLiteral("0") || text == QStringLiteral("-8") ||
                            text == QStringLiteral("16.0");
        const auto messages = m_dialogs.messages();
        if (passes) {
            EXPECT_TRUE(messages.isEmpty()) << name << " " << text.toStdString();
            EXPECT_EQ(focusName(), QStringLiteral("Görünüş"));
            continue;
        }
        const DialogCall shown = m_dialogs.onlyMessage();
        EXPECT_EQ(shown.title, QStringLiteral("Hata")) << name << " " << text.toStdString();
        EXPECT_EQ(shown.text, message);
        EXPECT_EQ(focusName(), QString::fromUtf8(name)) << text.toStdString();
        EXPECT_EQ(checked->text(), text);
        EXPECT_EQ(checked->selectedText(), text);
        checked->setText(QStringLiteral("8"));
    }
}

TEST_F(Form1Test, TwoFailingBoxesGiveOneMessageNotAnEndlessPair)
{
    box("BmpYükseklik")->setText(QStringLiteral("100"));
    focus(box("BmpEn"));
    box("BmpEn")->setText(QStringLiteral("12"));
    focus(box("BmpYükseklik"));
    QApplication::processEvents();
    EXPECT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(focusName(), QStringLiteral("BmpEn"));
}

TEST_F(Form1Test, CodeTextAndSaveOfAFilledTable)
{
    m_state.BaytTablosu = {QStringLiteral("00"), QStringLiteral("7F"), QStringLiteral("FF"),
                           QStringLiteral("18")};
    m_state.ResimYolu = QStringLiteral("C:\\logo.bmp");
    box("SütunSayısı")->setText(QStringLiteral("2"));
    auto* text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
    m_form->KodaUyarla(text1);
    EXPECT_EQ(text1->toPlainText(),
              QStringLiteral(";C:\\logo.bmp\n\tDt\t0X00,0X7F\n\tDt\t0XFF,0X18\n"));
    EXPECT_TRUE(m_dialogs.calls().isEmpty());

    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("logo.inc"));
    m_dialogs.queueFile(target);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    QFile saved(target), golden(testing::testData(QStringLiteral("golden/asm-dt-2.inc")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), golden.readAll());
    EXPECT_EQ(m_state.DosyaYolu, target);
}

TEST_F(Form1Test, CodeTextMessages)
{
    m_state.BaytTablosu = {QStringLiteral("00"), QStringLiteral("7F"), QStringLiteral("FF")};
    auto* text1 = control<QPlainTextEdit>(QStringLiteral("Text1"));
    QComboBox* command = combo("Combo2");
    // A typed command that is not in the list gives way to the first entry.
    command->setEditText(QStringLiteral("Tablo"));
    box("SütunSayısı")->setText(QStringLiteral("2"));
    m_form->KodaUyarla(text1);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("HATA :9"));
    EXPECT_EQ(m_dialogs.messages()[0].text, QStringLiteral("Dizin aralık dışında"));
    EXPECT_EQ(text1->toPlainText(), QStringLiteral(";\n\tDt\t0X00,0X7F\n\tDt\t0XFF\n"));

    struct Case {
        QString language;
        QString perLine;
        QString message;
    };
    const QList<Case> cases = {
        {QStringLiteral("Pascal"), QStringLiteral("2"),
         QStringLiteral(
             "Bilinmeyen dil: \"Pascal\". Asm, CCS, Proton Basic, C veya Arduino kullanın.")},
        {QStringLiteral("Asm"), QStringLiteral("iki"),
         QStringLiteral("Sütun Sayısı bir tam sayı olmalıdır.")},
    };
    for (const Case& c : cases) {
        m_dialogs.clearCalls();
        text1->setPlainText(QStringLiteral("önceki"));
        combo("Combo1")->setEditText(c.language);
        box("SütunSayısı")->setText(c.perLine);
        m_form->KodaUyarla(text1);
        const DialogCall shown = m_dialogs.onlyMessage();
        EXPECT_EQ(shown.title, QStringLiteral("Hata"));
        EXPECT_EQ(shown.text, c.message);
        EXPECT_EQ(text1->toPlainText(), QStringLiteral("önceki"));
    }
}

TEST_F(Form1Test, SecondaryWindowsOpenOnceAndCloseWithTheMainWindow)
{
    QTest::mouseClick(control<QPushButton>(QStringLiteral("Command6")), Qt::LeftButton);
    EXPECT_EQ(m_form->converterWindow(), nullptr);

    int made = 0;
    m_form->setConverterWindowFactory([&](QWidget*) {
        ++made;
        auto* w = new QWidget(nullptr, Qt::Window);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        return w;
    });
    testing::click(m_form.get(), "Command6");
    testing::click(m_form.get(), "Command6");
    EXPECT_EQ(made, 1);
    QWidget* first = m_form->converterWindow();
    ASSERT_NE(first, nullptr);
    first->close();
    testing::click(m_form.get(), "Command6");
    EXPECT_EQ(made, 2);
    ASSERT_TRUE(m_form->converterWindow()->isVisible());

    bool closed = false;
    QObject::connect(m_form.get(), &Form1::closed, [&] { closed = true; });
    m_form->close();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(m_form->converterWindow()->isVisible());
}

// Makes an empty secondary window of the given name.
WindowFactory namedWindow(const char* name)
{
    return [name](QWidget* main) {
        auto* window = new QWidget(main, Qt::Window);
        window->setObjectName(QString::fromLatin1(name));
        return window;
    };
}

// Every button, clicked by its name, runs its own command: the first thing each command
// shows tells them apart. A white picture is loaded, so "Dönüştür" gives 00 bytes and
// "Resmi Tersle" FF bytes; a file dialog that opens is cancelled.
TEST(Form1Wiring, EveryButtonRunsItsOwnCommand)
{
    QTemporaryDir dir;
    const QString white = dir.filePath(QStringLiteral("white.png"));
    QImage picture(16, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(white));
    const struct {
        const char* button;
        std::optional<DialogCall::Kind> dialog;
        QString filter;      // of the dialog that opens
        QString entry;       // every entry of the byte table afterwards
        const char* window;  // the window that appears
    } rows[] = {
        {"Command1", DialogCall::Open, PictureCommands::openFilter(), {}, nullptr},
        {"Command2", std::nullopt, {}, QStringLiteral("00"), nullptr},
        {"Command3", DialogCall::Save, codeSaveFilter(), {}, nullptr},
        {"Command4", std::nullopt, {}, QStringLiteral("FF"), nullptr},
        {"Command5", DialogCall::Save, PictureCommands::saveFilter(), {}, nullptr},
        {"Command6", std::nullopt, {}, {}, "Form2"},
        {"Command7", std::nullopt, {}, {}, "Form3"},
        {"Command8", std::nullopt, {}, {}, "Form4"},
        {"Command9", std::nullopt, {}, {}, "Form5"},
        {"Command10", std::nullopt, {}, {}, "Form6"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        ProgramState state;
        ScriptedDialogs dialogs;
        Form1 form(state, dialogs);
        form.setConverterWindowFactory(namedWindow("Form2"));
        form.setAboutWindowFactory(namedWindow("Form3"));
        form.setSettingsWindowFactory(namedWindow("Form4"));
        form.setFontWindowFactory(namedWindow("Form5"));
        form.setEditorFactory(testing::realEditors(dialogs));
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.findChild<QLineEdit*>(QStringLiteral("BmpEn"))->setText(QStringLiteral("16"));
        form.findChild<QLineEdit*>(QStringLiteral("BmpYükseklik"))->setText(QStringLiteral("8"));
        dialogs.queueFile(white);
        testing::click(&form, "Command1");
        dialogs.clearCalls();
        if (row.dialog)
            dialogs.queueFile(std::nullopt);

        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(row.button)),
                          Qt::LeftButton);
        EXPECT_EQ(dialogs.calls().size(), row.dialog ? 1 : 0);
        if (row.dialog && !dialogs.calls().isEmpty()) {
            EXPECT_EQ(dialogs.calls()[0].kind, *row.dialog);
            EXPECT_EQ(dialogs.calls()[0].request.filter, row.filter);
        }
        if (!row.entry.isEmpty()) {
            EXPECT_EQ(state.BaytTablosu, QStringList(16, row.entry));
        }
        QStringList shown;
        for (const QWidget* window : {form.converterWindow(), form.aboutWindow(),
                                      form.settingsWindow(), form.fontWindow()}) {
            if (window)
                shown << window->objectName();
        }
        if (Form6* editor = testing::editorWindow(form.editor()); editor && editor->isVisible())
            shown << editor->objectName();
        EXPECT_EQ(shown.join(QLatin1Char(' ')), QString::fromLatin1(row.window));
    }
}

// "Düzenle" opens the editor on a light picture of the typed size before any conversion;
// "Uygula" makes the edited picture the converted one, packed in the settings' layout, and
// "Resmi Kaydet" saves it. Converting again while edits are not applied asks first.
TEST_F(Form1Test, DüzenleMakesTheEditedPictureTheConvertedOneAndAsksBeforeLosingEdits)
{
    m_form->setEditorFactory(testing::realEditors(m_dialogs));
    box("BmpEn")->setText(QStringLiteral("16"));
    box("BmpYükseklik")->setText(QStringLiteral("8"));
    PictureSettings settings;
    settings.layout = ByteLayout::RowsMsbLeft;
    m_state.picture.setSettings(settings);
    testing::click(m_form.get(), "Command10");
    Form6* editor = testing::editorWindow(m_form->editor());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->picture(), PixelGrid(16, 8));
    EXPECT_EQ(editor->layout(), ByteLayout::RowsMsbLeft);

    testing::paint(editor, {{0, 0}, {9, 7}});
    PixelGrid edited(16, 8);
    edited.set(0, 0, 1);
    edited.set(9, 7, 1);
    ASSERT_EQ(editor->picture(), edited);
    testing::apply(editor);
    EXPECT_EQ(m_state.PikselDizisi, edited);
    const QStringList table = twoDigitTexts(packedBytes(edited, ByteLayout::RowsMsbLeft));
    EXPECT_EQ(m_state.BaytTablosu, table);
    EXPECT_EQ(table.first(), QStringLiteral("80"));
    EXPECT_EQ(pane("Text1")->toPlainText(),
              testing::codeText(presetFormat(QStringLiteral("Asm")), table, QString())
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(m_state.convertedPicture.size(), QSize(16, 8));
    EXPECT_EQ(m_state.convertedPicture.pixel(9, 7), qRgb(0, 0, 0));
    EXPECT_EQ(m_state.convertedPicture.pixel(1, 0), qRgb(255, 255, 255));
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("edited.bmp"));
    m_dialogs.queueFile(saved);
    testing::click(m_form.get(), "Command5");
    EXPECT_EQ(QImage(saved).convertToFormat(QImage::Format_RGB32),
              m_state.convertedPicture.convertToFormat(QImage::Format_RGB32));

    // Edits not applied: "Dönüştür" and "Resmi Tersle" ask; No keeps everything.
    testing::paint(editor, {{5, 5}});
    m_dialogs.clearCalls();
    for (const char* command : {"Command2", "Command4"}) {
        m_dialogs.queueAnswer(MessageAnswer::No);
        testing::click(m_form.get(), command);
        const DialogCall asked = m_dialogs.onlyMessage();
        EXPECT_EQ(asked.text, QStringLiteral("Düzenlemeler kaybolacak. Devam edilsin mi?"));
        EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
        m_dialogs.clearCalls();
    }
    EXPECT_EQ(m_state.BaytTablosu, table);
    EXPECT_TRUE(editor->hasUnappliedEdits());
    // Yes goes on: the saved picture converts to the same table (the round trip), and the
    // editor starts afresh on it.
    m_dialogs.queueAnswer(MessageAnswer::Yes);
    testing::click(m_form.get(), "Command2");
    EXPECT_EQ(m_dialogs.calls().size(), 1);
    EXPECT_EQ(m_state.ResimYolu, saved);
    EXPECT_EQ(m_state.BaytTablosu, table);
    EXPECT_FALSE(editor->hasUnappliedEdits());
    EXPECT_EQ(editor->picture(), edited);

    // Closing the program with edits not applied asks the editor's question; No keeps both.
    testing::paint(editor, {{6, 6}});
    m_dialogs.clearCalls();
    m_dialogs.queueAnswer(MessageAnswer::No);
    bool closed = false;
    QObject::connect(m_form.get(), &Form1::closed, [&] { closed = true; });
    m_form->close();
    EXPECT_EQ(m_dialogs.onlyMessage().text,
              QStringLiteral("Değişiklikler uygulanmadı. Kapatılsın mı?"));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(m_dialogs.hasUnusedAnswers());
}

}  // namespace
}  // namespace pixmint
