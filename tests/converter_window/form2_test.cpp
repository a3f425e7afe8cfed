#include "form2.h"
#include "code_layout.h"
#include "code_saving.h"
#include "code_texts.h"
#include "editors.h"
#include "form1.h"
#include "picture_box.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "table_drawing.h"
#include "test_paths.h"
#include "window_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::DialogCall;
using testing::ScriptedDialogs;

class Form2Test : public testing::WindowTest<Form2> {
protected:
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    void open(const QString& path)
    {
        m_dialogs.queueFile(path);
        testing::click(m_form.get(), "Command1");
    }
    void typeLanguage(const char* list, const QString& text) { typeInto(combo(list), text); }
    QString sourceGroup() const
    {
        return QStringList{combo("Combo1(0)")->currentText(), combo("Combo2(0)")->currentText(),
                           box("ÖnEk(0)")->text(), box("ArkaEk(0)")->text(),
                           box("Ayraç(0)")->text()}
            .join(QLatin1Char('|'));
    }

    QTemporaryDir m_dir;
};

TEST_F(Form2Test, ControlsStartWithTheirDesignValuesInTheKeyboardOrder)
{
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Dosya Dönüştür"));
    EXPECT_EQ(m_form->size(), QSize(607, 641));
    struct Row {
        const char* name;
        QRect geometry;
        const char* text;
    };
    const QList<Row> rows = {
        {"Text1", {8, 8, 289, 321}, ""},
        {"Text2", {312, 8, 281, 321}, ""},
        {"Command1", {264, 336, 73, 17}, "Aç"},
        {"Command2", {264, 360, 73, 17}, "Dönüştür"},
        {"Command3", {264, 384, 73, 17}, "Kaydet"},
        {"Command4", {264, 408, 73, 17}, "Tersle"},
        {"Frame1(0)", {8, 336, 249, 89}, "Kaynak Dosya Bilgileri"},
        {"Frame1(1)", {344, 336, 249, 89}, "Hedef Dosya Bilgileri"},
        {"Akıllı", {8, 434, 110, 17}, "Akıllı okuma"},
        {"Label10", {128, 436, 40, 13}, "Tablo :"},
        {"Tablo", {176, 432, 417, 21}, "Tümü"},
        {"Label11", {8, 464, 24, 13}, "En :"},
        {"Label12", {104, 464, 44, 13}, "Düzen :"},
        {"TabloDüzen", {152, 460, 272, 21}, "Sayfa, bit 0 üstte (KS0108, SSD1306, ST7565)"},
        {"DüzeniBul", {432, 460, 77, 21}, "Düzeni bul"},
        {"Düzenle", {516, 460, 77, 21}, "Düzenle"},
        {"TabloResmi", {8, 488, 585, 145}, ""},
    };
    EXPECT_EQ(control<QSpinBox>(QStringLiteral("TabloEn"))->geometry(), QRect(36, 460, 57, 21));
    EXPECT_TRUE(control<PictureBox>(QStringLiteral("TabloResmi"))->isEmpty());
    for (const Row& row : rows) {
        QWidget* w = control(QString::fromUtf8(row.name));
        EXPECT_EQ(w->geometry(), row.geometry) << row.name;
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            text = g->title();
        else if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            text = c->currentText();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            text = p->toPlainText();
        EXPECT_EQ(text, QString::fromUtf8(row.text)) << row.name;
        if (qobject_cast<QLabel*>(w)) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << row.name << ": caption cut off";
        } else if (qobject_cast<QPushButton*>(w)) {
            EXPECT_LT(w->fontMetrics().horizontalAdvance(text) + 8, w->width()) << row.name;
        }
    }
    const QList<Row> inFrame = {
        {"Label5", {176, 8, 36, 13}, "Komut :"},
        {"Label3", {8, 32, 66, 13}, "Kullanılan Dil :"},
        {"Label7", {8, 56, 56, 13}, "Sayı Biçimi :"},
        {"Combo1", {88, 24, 73, 21}, "Asm"},
        {"Combo2", {168, 24, 73, 21}, "Dt"},
        {"ÖnEk", {88, 48, 33, 19}, "0X"},
        {"ArkaEk", {128, 48, 25, 19}, ""},
        {"Ayraç", {160, 48, 25, 19}, ","},
        {"Görünüş", {192, 48, 49, 19}, "FF"},
    };
    for (int index : {0, 1}) {
        for (const Row& row : inFrame) {
            const QString name = QString::fromUtf8(row.name) + QStringLiteral("(%1)").arg(index);
            QWidget* w = control(name);
            EXPECT_EQ(w->parentWidget()->objectName(), QStringLiteral("Frame1(%1)").arg(index));
            EXPECT_EQ(w->pos(), row.geometry.topLeft()) << name.toStdString();
            if (auto* l = qobject_cast<QLabel*>(w)) {
                EXPECT_EQ(l->text(), QString::fromUtf8(row.text));
                EXPECT_GE(l->width(), l->sizeHint().width()) << name.toStdString();
            } else if (auto* c = qobject_cast<QComboBox*>(w)) {
                EXPECT_EQ(c->currentText(), QString::fromUtf8(row.text));
                EXPECT_EQ(c->size(), row.geometry.size());
            } else {
                EXPECT_EQ(static_cast<QLineEdit*>(w)->text(), QString::fromUtf8(row.text));
                EXPECT_EQ(w->size(), row.geometry.size());
            }
        }
    }
    EXPECT_EQ(combo("Combo2(1)")->itemText(1), QStringLiteral("retlw"));
    for (const char* list : {"Combo1(0)", "Combo1(1)"}) {
        EXPECT_EQ(combo(list)->count(), 5) << list;
        EXPECT_EQ(combo(list)->itemText(3), QStringLiteral("C")) << list;
        EXPECT_EQ(combo(list)->itemText(4), QStringLiteral("Arduino")) << list;
    }
    EXPECT_FALSE(m_form->findChild<QCheckBox*>(QStringLiteral("Akıllı"))->isChecked());
    EXPECT_FALSE(combo("Tablo")->isEditable());

    const QStringList order = {
        QStringLiteral("Text1"),      QStringLiteral("Command1"),   QStringLiteral("Text2"),
        QStringLiteral("Command2"),   QStringLiteral("Command3"),   QStringLiteral("Görünüş(0)"),
        QStringLiteral("Ayraç(0)"),   QStringLiteral("ArkaEk(0)"),  QStringLiteral("ÖnEk(0)"),
        QStringLiteral("Combo1(0)"),  QStringLiteral("Combo2(0)"),  QStringLiteral("Combo2(1)"),
        QStringLiteral("Combo1(1)"),  QStringLiteral("ÖnEk(1)"),    QStringLiteral("ArkaEk(1)"),
        QStringLiteral("Ayraç(1)"),   QStringLiteral("Görünüş(1)"), QStringLiteral("Command4"),
        QStringLiteral("Akıllı"),     QStringLiteral("Tablo"),      QStringLiteral("TabloEn"),
        QStringLiteral("TabloDüzen"), QStringLiteral("DüzeniBul"),  QStringLiteral("Düzenle")};
    pane("Text1")->setFocus(Qt::TabFocusReason);
    QStringList seen;
    for (int i = 0; i < order.size(); ++i) {
        seen << focusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(seen, order);
}

TEST_F(Form2Test, OpeningDetectsTheFormatIntoTheSourceGroup)
{
    struct Case {
        const char* name;
        QByteArray text;
        QString group;
    };
    const QList<Case> cases = {
        {"asm dt", ";C:\\logo.bmp\r\n\tDt\t0X00,0X7F,0XFF\r\n", QStringLiteral("Asm|Dt|0X||,")},
        {"retlw with DT in the path", ";C:\\DTler\\logo.bmp\r\n\tRetlw\t0X00\r\n",
         QStringLiteral("Asm|Retlw|0X||,")},
        {"proton", "'x\r\n\tCData\t$00,$01,$02\r\n\r\n", QStringLiteral("Proton Basic|CData|$||,")},
        {"ccs with other markers", "//DT CDATA RETLW\r\n   const int  Resim[]={\r\n};\r\n",
         QStringLiteral("CCS|Resim[]=|0X||,")},
        {"lower-case marker", "\tcdata\t$01\n", QStringLiteral("Proton Basic|CData|$||,")},
    };
    for (const Case& c : cases) {
        m_dialogs.clearCalls();
        const QString path = writeFile(QStringLiteral("in.inc"), c.text);
        open(path);
        EXPECT_EQ(sourceGroup(), c.group) << c.name;
        EXPECT_EQ(m_state.DosyaYolu, path);
        EXPECT_TRUE(m_dialogs.messages().isEmpty()) << c.name;
    }
    EXPECT_EQ(
        m_dialogs.calls()[0].request.filter,
        QStringLiteral("Include Dosyaları (*.asm;*.inc;*.h;*.c;*.bas)|*.asm;*.inc;*.h;*.c;*.bas|"
                       "Tüm metindosyasılar|*.*"));

    // No marker: the language stays and its presets are applied again.
    box("ÖnEk(0)")->setText(QStringLiteral("#"));
    open(writeFile(QStringLiteral("none.inc"), "1,2,3\r\n"));
    EXPECT_EQ(sourceGroup(), QStringLiteral("Proton Basic|CData|$||,"));
}

TEST_F(Form2Test, CancelAndFailureKeepTheSourceText)
{
    open(writeFile(QStringLiteral("a.inc"), "\tDt\t0X01,0X02,0X03\r\n"));
    const QString text = pane("Text1")->toPlainText();
    box("ÖnEk(0)")->setText(QStringLiteral("#"));
    m_dialogs.queueFile(std::nullopt);
    testing::click(m_form.get(), "Command1");
    EXPECT_TRUE(m_state.DosyaYolu.isEmpty());
    EXPECT_EQ(pane("Text1")->toPlainText(), text);
    EXPECT_EQ(box("ÖnEk(0)")->text(), QStringLiteral("0X"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    const QString missing = m_dir.filePath(QStringLiteral("yok.inc"));
    open(missing);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].title, QStringLiteral("Hata :53"));
    EXPECT_EQ(m_state.DosyaYolu, missing);
    EXPECT_EQ(pane("Text1")->toPlainText(), text);
}

// Files the text pane cannot show in reasonable time are refused with a message; the pane
// keeps its text and DosyaYolu names the chosen file, as after any failed open.
TEST_F(Form2Test, HugeFilesAndHugeLinesAreRefused)
{
    open(writeFile(QStringLiteral("a.inc"), "\tDt\t0X01,0X02,0X03\r\n"));
    const QString text = pane("Text1")->toPlainText();
    const QString huge = m_dir.filePath(QStringLiteral("huge.inc"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(16 * 1024 * 1024 + 1));
    file.close();
    QByteArray longLine(70000, '1');
    longLine.prepend("\tDt\t");
    const QList<std::pair<QString, QString>> cases = {
        {huge, QStringLiteral("Dosya çok büyük:")},
        {writeFile(QStringLiteral("long.inc"), "\tDt\t0X01\n" + longLine),
         QStringLiteral("Dosyada çok uzun bir satır var:")},
    };
    for (const auto& [path, message] : cases) {
        m_dialogs.clearCalls();
        open(path);
        const DialogCall shown = m_dialogs.onlyMessage();
        EXPECT_EQ(shown.title, QStringLiteral("Hata"));
        EXPECT_TRUE(shown.text.startsWith(message));
        EXPECT_EQ(pane("Text1")->toPlainText(), text);
        EXPECT_EQ(m_state.DosyaYolu, path);
    }
}

TEST_F(Form2Test, EditingOneGroupNeverTouchesTheOther)
{
    box("ÖnEk(0)")->setText(QStringLiteral("s"));
    box("ÖnEk(1)")->setText(QStringLiteral("t"));
    // "c" is the language C, whose presets stay while "cc" matches no language.
    typeLanguage("Combo1(1)", QStringLiteral("cc"));
    EXPECT_EQ(combo("Combo2(1)")->count(), 0);
    EXPECT_EQ(box("ÖnEk(1)")->text(), QStringLiteral("0x"));
    QTest::keyClicks(combo("Combo1(1)")->lineEdit(), QStringLiteral("s"));
    EXPECT_EQ(combo("Combo2(1)")->currentText(), QStringLiteral("Resim[]="));
    EXPECT_EQ(box("ÖnEk(1)")->text(), QStringLiteral("0X"));
    EXPECT_EQ(box("Görünüş(1)")->text(), QStringLiteral("0XFF,"));
    EXPECT_EQ(box("ÖnEk(0)")->text(), QStringLiteral("s"));
    EXPECT_EQ(combo("Combo2(0)")->currentText(), QStringLiteral("Dt"));

    typeLanguage("Combo1(0)", QStringLiteral("proton basic"));
    EXPECT_EQ(box("ÖnEk(0)")->text(), QStringLiteral("$"));
    EXPECT_EQ(box("ÖnEk(1)")->text(), QStringLiteral("0X"));
}

// The main window's "Asm"/"Dt" text of a 128 × 64 picture, read back, written as Proton Basic
// and back again as Asm, keeps every number.
TEST_F(Form2Test, RoundTripThroughTheOtherLanguages)
{
    QStringList table;
    for (int i = 0; i < 1024; ++i)
        table << QStringLiteral("%1")
                     .arg(QRandomGenerator::global()->bounded(256), 2, 16, QLatin1Char('0'))
                     .toUpper();
    const QString asmText = testing::codeText(presetFormat(QStringLiteral("Asm")), table,
                                              QStringLiteral("C:\\Resimler\\logo.bmp"));
    const QString path = writeFile(QStringLiteral("logo.inc"), asmText.toLatin1());

    open(path);
    typeLanguage("Combo1(1)", QStringLiteral("Proton Basic"));
    testing::click(m_form.get(), "Command2");
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(m_state.BaytTablosu, table);
    const QStringList lines = pane("Text2")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + 64 + 2);
    EXPECT_EQ(lines[0], QLatin1Char('\'') + path);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\tCData\t$") + table[0] + QLatin1Char(',')));
    EXPECT_EQ(lines[1].count(QLatin1Char('$')), 16);

    // Saved as Proton Basic, read again and written as Asm: the same numbers.
    m_dialogs.queueFile(m_dir.filePath(QStringLiteral("logo.bas")));
    testing::click(m_form.get(), "Command3");
    EXPECT_EQ(m_dialogs.calls().last().request.fileName, QStringLiteral("logo.inc"));
    open(m_dir.filePath(QStringLiteral("logo.bas")));
    EXPECT_EQ(combo("Combo1(0)")->currentText(), QStringLiteral("Proton Basic"));
    typeLanguage("Combo1(1)", QStringLiteral("Asm"));
    testing::click(m_form.get(), "Command2");
    EXPECT_EQ(m_state.BaytTablosu, table);
    QString expected = asmText;
    expected.replace(QStringLiteral("C:\\Resimler\\logo.bmp"),
                     m_dir.filePath(QStringLiteral("logo.bas")));
    EXPECT_EQ(pane("Text2")->toPlainText(),
              expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(Form2Test, InvertingTwiceGivesTheSameTextAndReportsWhatCannotBeInverted)
{
    open(writeFile(QStringLiteral("t.inc"),
                   "\tDt\t0X00,0X3F,0XFF,0XZZ\r\n\tDt\t0XA,0X100,0X01\r\n"));
    testing::click(m_form.get(), "Command4");
    const QString first = pane("Text2")->toPlainText();
    EXPECT_EQ(m_state.BaytTablosu,
              (QStringList{QStringLiteral("FF"), QStringLiteral("C0"), QStringLiteral("00"),
                           QStringLiteral("ZZ"), QStringLiteral("F5"), QStringLiteral("100"),
                           QStringLiteral("FE")}));
    QStringList titles;
    for (const DialogCall& call : m_dialogs.messages())
        titles << call.title + QLatin1Char(':') + call.text;
    EXPECT_EQ(
        titles,
        (QStringList{QStringLiteral("HATA :9:Dizin aralık dışında"),
                     QStringLiteral("Hata:2 sayı terslenemedi; bunlar olduğu gibi bırakıldı.")}));
    testing::click(m_form.get(), "Command4");
    EXPECT_EQ(pane("Text2")->toPlainText(), first);
    testing::click(m_form.get(), "Command2");
    EXPECT_EQ(m_state.BaytTablosu.first(), QStringLiteral("00"));
}

// "Akıllı" reads the open file again into the list "Tablo"; "Dönüştür" and "Tersle" take the
// table the list chooses, whose format the source group shows; unticked, the markers decide.
TEST_F(Form2Test, SmartReadingTakesTheChosenTable)
{
    open(writeFile(QStringLiteral("mixed.h"),
                   "// x\r\n#define LCDWIDTH 84\r\nLogo:\r\n\tretlw 0x01\r\n\tretlw b'00000011'\r\n"
                   "const unsigned char pic[] PROGMEM = {\r\n 4, 16,\r\n 0xFF, 0x81 };\r\n"
                   "\tdb 300, 2\r\n"));
    pane("Text1")->setPlainText(QStringLiteral("edited"));
    m_form->findChild<QCheckBox*>(QStringLiteral("Akıllı"))->setChecked(true);
    QComboBox* list = combo("Tablo");
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Tümü"), QStringLiteral("Logo (2 sayı)"),
                                  QStringLiteral("pic (4 sayı)"), QStringLiteral("- (2 sayı)")}));
    EXPECT_EQ(list->currentText(), QStringLiteral("pic (4 sayı)"));
    EXPECT_EQ(sourceGroup(), QStringLiteral("CCS|pic[]=|||,"));

    const struct {
        int item;
        bool invert;
        const char* table;
        const char* group;
        QStringList messages;
    } rows[] = {
        // A table read smartly is as long as it is: its short last line is no error.
        {2, false, "04 10 FF 81", "CCS|pic[]=|||,", {}},
        {1, true, "FE FC", "Asm|retlw|0x||,", {}},
        {0,
         false,
         "01 03 04 10 FF 81",
         "Asm|retlw|0x||,",
         {QStringLiteral("Hata:Bayt tablosu olmayan tablolar alınmadı: -.")}},
        {3,
         false,
         "01 03 04 10 FF 81",
         "Asm|db|||,",
         {QStringLiteral("Hata:Tablo - bayt tablosu değil: 300")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        m_dialogs.clearCalls();
        list->setCurrentIndex(row.item);
        Q_EMIT list->activated(row.item);
        EXPECT_EQ(sourceGroup(), QString::fromLatin1(row.group));
        row.invert ? testing::click(m_form.get(), "Command4")
                   : testing::click(m_form.get(), "Command2");
        EXPECT_EQ(m_state.BaytTablosu.join(u' '), QString::fromLatin1(row.table));
        QStringList messages;
        for (const DialogCall& call : m_dialogs.messages())
            messages << (call.title == QStringLiteral("Hata") ? call.title + u':' + call.text
                                                              : call.title);
        EXPECT_EQ(messages, row.messages);
    }

    m_form->findChild<QCheckBox*>(QStringLiteral("Akıllı"))->setChecked(false);
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(sourceGroup(), QStringLiteral("Asm|Retlw|0X||,"));
}

TEST_F(Form2Test, SavingProposesTheTargetLanguagesExtension)
{
    m_state.DosyaYolu = QStringLiteral("/proje/ekran.inc");
    for (const auto& [language, extension] :
         {std::pair{"CCS", "*.c"}, std::pair{"C", "*.h"}, std::pair{"Arduino", "*.h"}}) {
        typeLanguage("Combo1(1)", QString::fromUtf8(language));
        m_dialogs.queueFile(std::nullopt);
        testing::click(m_form.get(), "Command3");
        EXPECT_EQ(m_dialogs.calls().last().request.fileName, QStringLiteral("ekran.h")) << language;
        EXPECT_EQ(m_dialogs.calls().last().request.defaultExtension, QString::fromUtf8(extension))
            << language;
    }
}

TEST(ConverterWindowLife, OneWindowThatStartsAnewAfterClosing)
{
    ProgramState state;
    ScriptedDialogs dialogs;
    Form1 main(state, dialogs);
    main.setConverterWindowFactory(
        [&](QWidget* owner) { return new Form2(state, dialogs, owner); });
    testing::click(&main, "Command6");
    QWidget* first = main.converterWindow();
    first->findChild<QLineEdit*>(QStringLiteral("ÖnEk(0)"))->setText(QStringLiteral("#"));
    testing::click(&main, "Command6");
    EXPECT_EQ(main.converterWindow(), first);
    EXPECT_EQ(main.findChildren<Form2*>().size(), 1);
    state.BaytTablosu = {QStringLiteral("AA")};
    state.DosyaYolu = QStringLiteral("x.inc");
    first->close();
    testing::click(&main, "Command6");
    EXPECT_EQ(main.findChildren<Form2*>().size(), 1);
    EXPECT_EQ(main.converterWindow()->findChild<QLineEdit*>(QStringLiteral("ÖnEk(0)"))->text(),
              QStringLiteral("0X"));
    EXPECT_EQ(state.BaytTablosu, QStringList{QStringLiteral("AA")});
    EXPECT_EQ(state.DosyaYolu, QStringLiteral("x.inc"));
    main.close();
    EXPECT_FALSE(main.converterWindow()->isVisible());
}

}  // namespace
}  // namespace pixmint

namespace pixmint {
namespace {

// Include files written by others, through "Aç" and "Dönüştür"/"Tersle" into every target
// language: nothing crashes, the source group is what the markers say, and the only messages
// are the layout's incomplete-line message and the count of entries that cannot be inverted.
TEST_F(Form2Test, IncludeFilesWrittenByOthers)
{
    const QDir corpus(testing::testData(QStringLiteral("corpus/includes")));
    QStringList files;
    QDirIterator it(corpus.path(), {QStringLiteral("*.h"), QStringLiteral("*.inc")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    ASSERT_GE(files.size(), 8);
    for (const QString& file : files) {
        open(file);
        EXPECT_FALSE(pane("Text1")->toPlainText().isEmpty()) << file.toStdString();
        for (const QString& language :
             {QStringLiteral("Asm"), QStringLiteral("CCS"), QStringLiteral("Proton Basic")}) {
            typeLanguage("Combo1(1)", language);
            for (bool invert : {false, true}) {
                m_dialogs.clearCalls();
                invert ? testing::click(m_form.get(), "Command4")
                       : testing::click(m_form.get(), "Command2");
                EXPECT_FALSE(pane("Text2")->toPlainText().isEmpty());
                for (const DialogCall& call : m_dialogs.messages()) {
                    EXPECT_TRUE(call.title == QStringLiteral("HATA :9") ||
                                call.text.endsWith(QStringLiteral("sayı terslenemedi; bunlar "
                                                                  "olduğu gibi bırakıldı.")))
                        << file.toStdString() << ": " << call.title.toStdString();
                }
            }
        }
    }
}

// The ks0108 font file holds its tables as C arrays of lower-case 0x numbers; read as CCS
// with the preset prefix, its icon table comes out in order.
TEST_F(Form2Test, LowerCaseHexTablesReadAsCcs)
{
    QDirIterator it(testing::testData(QStringLiteral("corpus/includes")),
                    {QStringLiteral("*fontAndImageData.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    ASSERT_TRUE(it.hasNext());
    open(it.next());
    typeLanguage("Combo1(0)", QStringLiteral("CCS"));
    testing::click(m_form.get(), "Command2");
    // The first icon: two lines of 16 numbers, in the file's order; the comma that ends the
    // first line gives no entry between them.
    const QStringList icon = QStringLiteral(
                                 "FF FF 1F E7 F7 9B 9B 63 3B 63 9B 37 27 1F FF FF "
                                 "FF FF F8 E7 EC D8 C3 DF C0 DF C1 E9 E7 F8 FF FF")
                                 .split(QLatin1Char(' '));
    const QStringList& table = m_state.BaytTablosu;
    bool found = false;
    for (qsizetype i = 0; i + icon.size() <= table.size() && !found; ++i)
        found = table.mid(i, icon.size()) == icon;
    EXPECT_TRUE(found);
}

// Every button, clicked by its name, runs its own command: "Aç" and "Kaydet" open their
// dialogs (cancelled here), "Dönüştür" and "Tersle" read the source pane plainly and
// inverted, "Akıllı" reads it smartly into the list "Tablo".
TEST(Form2Wiring, EveryButtonRunsItsOwnCommand)
{
    const struct {
        const char* button;
        std::optional<DialogCall::Kind> dialog;
        QStringList table;  // the byte table afterwards
        int tables = 0;     // the items of "Tablo" afterwards, "Tümü" aside
    } rows[] = {
        {"Command1", DialogCall::Open, {}},
        {"Command2",
         std::nullopt,
         {QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03")}},
        {"Command3", DialogCall::Save, {}},
        {"Command4",
         std::nullopt,
         {QStringLiteral("FE"), QStringLiteral("FD"), QStringLiteral("FC")}},
        {"Akıllı", std::nullopt, {}, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        ProgramState state;
        ScriptedDialogs dialogs;
        Form2 form(state, dialogs);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
            ->setPlainText(QStringLiteral("\tDt\t0X01,0X02,0X03\n"));
        if (row.dialog)
            dialogs.queueFile(std::nullopt);

        QTest::mouseClick(form.findChild<QAbstractButton*>(QString::fromUtf8(row.button)),
                          Qt::LeftButton);
        // Three numbers fill no line of 16: "Dönüştür" and "Tersle" report that, no dialog.
        const DialogCall first = dialogs.calls().value(0);
        EXPECT_EQ(first.kind, row.dialog.value_or(DialogCall::Message));
        EXPECT_EQ(form.findChild<QComboBox*>(QStringLiteral("Tablo"))->count(), 1 + row.tables);
        if (row.dialog == DialogCall::Save) {
            EXPECT_EQ(first.request.filter, codeSaveFilter());
        }
        EXPECT_EQ(state.BaytTablosu, row.table);
    }
}

// A table read starts the finder's row at the best reading, drawn; "Düzeni bul" finds it
// again after a change. "Düzenle" edits the converted table at the row's width and layout,
// and "Uygula" puts the packed picture into the byte table and writes the target pane again.
TEST_F(Form2Test, TheFindersRowDrawsTheTableAndDüzenleReplacesItsNumbers)
{
    m_form->setEditorFactory(testing::realEditors(m_dialogs));
    m_form->findChild<QCheckBox*>(QStringLiteral("Akıllı"))->setChecked(true);
    const QString splash =
        testing::testData(QStringLiteral("finder/adafruit_Adafruit_SSD1306/splash.h"));
    open(splash);
    auto* width = control<QSpinBox>(QStringLiteral("TabloEn"));
    QComboBox* layout = combo("TabloDüzen");
    auto* picture = control<PictureBox>(QStringLiteral("TabloResmi"));
    EXPECT_EQ(combo("Tablo")->currentText(), QStringLiteral("splash1_data (704 sayı)"));
    EXPECT_EQ(width->value(), 82);
    EXPECT_EQ(layout->currentText(), layoutRecord(ByteLayout::RowsMsbLeft).text);
    const QList<FoundTable> tables = findTables(pane("Text1")->toPlainText());
    const auto splash1 = std::find_if(tables.begin(), tables.end(), [](const FoundTable& t) {
        return t.name == QStringLiteral("splash1_data");
    });
    ASSERT_NE(splash1, tables.end());
    const Bytes bytes(splash1->bytes.begin(), splash1->bytes.end());
    ASSERT_EQ(bytes.size(), 704U);
    // 82 × 64 pixels fit the box twice as large.
    EXPECT_EQ(picture->image(), drawTable(bytes, 82, 2, ByteLayout::RowsMsbLeft).value());

    width->setValue(41);
    EXPECT_EQ(picture->image().width(), 41 * 1);
    testing::click(m_form.get(), "DüzeniBul");
    EXPECT_EQ(width->value(), 82);
    EXPECT_EQ(picture->image(), drawTable(bytes, 82, 2, ByteLayout::RowsMsbLeft).value());

    testing::click(m_form.get(), "Command2");
    m_dialogs.clearCalls();
    testing::click(m_form.get(), "Düzenle");
    Form6* editor = testing::editorWindow(m_form->editor());
    ASSERT_NE(editor, nullptr);
    const PixelGrid shown = unpackedGrid(bytes, 82, ByteLayout::RowsMsbLeft);
    EXPECT_EQ(editor->picture(), shown);
    EXPECT_EQ(editor->layout(), ByteLayout::RowsMsbLeft);
    PixelGrid edited = shown;
    edited.set(0, 0, 1 - shown.at(0, 0));
    testing::paint(editor, {{0, 0}}, shown.at(0, 0) ? Qt::RightButton : Qt::LeftButton);
    ASSERT_EQ(editor->picture(), edited);
    testing::apply(editor);
    const QStringList table = twoDigitTexts(packedBytes(edited, ByteLayout::RowsMsbLeft));
    EXPECT_EQ(m_state.BaytTablosu, table);
    EXPECT_NE(table.first(), twoDigitTexts(bytes).first());
    EXPECT_EQ(pane("Text2")->toPlainText(),
              testing::codeText(presetFormat(QStringLiteral("Asm")), table, splash)
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_TRUE(m_dialogs.calls().isEmpty());
}

}  // namespace
}  // namespace pixmint
