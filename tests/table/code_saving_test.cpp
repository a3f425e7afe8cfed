#include "code_saving.h"
#include "single_byte_text.h"
#include "table_naming.h"

#include <QList>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

TEST(CodeSaving, ProposedNamesAndExtensions)
{
    struct Case {
        QString includePath;
        QString language;
        QString name;
        QString extension;
    };
    const QList<Case> cases = {
        {QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("CCS"), QStringLiteral("resim.h"),
         QStringLiteral("*.c")},
        {QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("Asm"), QStringLiteral("resim.inc"),
         QStringLiteral("*.inc")},
        {QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("Proton Basic"),
         QStringLiteral("resim.inc"), QStringLiteral("*.inc")},
        {QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("ccs"), QStringLiteral("resim.h"),
         QStringLiteral("*.c")},
        {QStringLiteral("C:\\x\\logo.yeni.inc"), QStringLiteral("Asm"), QStringLiteral("logo.inc"),
         QStringLiteral("*.inc")},
        {QStringLiteral("C:\\x\\adsiz"), QStringLiteral("Asm"), QStringLiteral("adsiz.inc"),
         QStringLiteral("*.inc")},
        {QStringLiteral("/home/ayse/proje/ekran.bas"), QStringLiteral("CCS"),
         QStringLiteral("ekran.h"), QStringLiteral("*.c")},
        {QString(), QStringLiteral("CCS"), QString(), QStringLiteral("*.c")},
        {QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("C"), QStringLiteral("resim.h"),
         QStringLiteral("*.h")},
        {QStringLiteral("/proje/ekran.c"), QStringLiteral("arduino"), QStringLiteral("ekran.h"),
         QStringLiteral("*.h")},
        {QStringLiteral("/proje/ekran.c"), QStringLiteral("C "), QStringLiteral("ekran.inc"),
         QStringLiteral("*.inc")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(proposedCodeFileName(c.includePath, c.language), c.name)
            << c.includePath.toStdString();
        EXPECT_EQ(codeDefaultExtension(c.language), c.extension);
    }
}

// Table names made from file names, and the names --name takes.
TEST(TableNaming, FileNamesBecomeIdentifiers)
{
    const struct {
        QString path;
        QString name;
    } cases[] = {
        {QStringLiteral("icons/ok icon.png"), QStringLiteral("ok_icon")},
        {QStringLiteral("logo.yeni.png"), QStringLiteral("logo_yeni")},
        {QStringLiteral("C:\\Resimler\\8x8-ok.bmp"), QStringLiteral("_8x8_ok")},
        {QStringLiteral("/ev/ayşe/çiçek_ĞÜŞİÖÇ.gif"), QStringLiteral("_i_ek_______")},
        {QStringLiteral("Logo_2"), QStringLiteral("Logo_2")},
        {QStringLiteral("a\U0001F600b.png"), QStringLiteral("a_b")},
        {QStringLiteral("dir.d/.png"), QStringLiteral("_")},
        {QStringLiteral("../ışık.jpeg"), QStringLiteral("___k")},
    };
    for (const auto& c : cases) {
        const QString name = tableIdentifier(c.path);
        EXPECT_EQ(name, c.name) << c.path.toStdString();
        EXPECT_TRUE(isTableIdentifier(name)) << c.path.toStdString();
    }
    for (const char* text : {"", "8x8", "ok icon", "çan", "a-b", "a.b"})
        EXPECT_FALSE(isTableIdentifier(QString::fromUtf8(text))) << text;
    EXPECT_EQ(frameTableName(QStringLiteral("top"), 12), QStringLiteral("top_12"));
}

TEST(SingleByteText, RoundTripsEveryByteAndMarksMissingCharacters)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(static_cast<char>(i));
    EXPECT_EQ(encodeWindows1254(decodeWindows1254(all)), all);
    EXPECT_EQ(encodeWindows1254(QStringLiteral("İğ€✓\U0001F600\x1a")),
              QByteArray("\xDD\xF0\x80??\x1a"));
    // Marks the encoder drops silently still take a byte each, and so does a high surrogate
    // at the end; a real 0x1A after them keeps its byte.
    EXPECT_EQ(encodeWindows1254(QStringLiteral("a\uFEFFb\u200B\u4E00\x1a") + QChar(0xD800)),
              QByteArray("a?b??\x1a?"));
    EXPECT_EQ(withCrLf(QStringLiteral("a\nb\r\nc\rd\n")), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
}

}  // namespace
}  // namespace pixmint
