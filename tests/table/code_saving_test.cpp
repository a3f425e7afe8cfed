#include "code_saving.h"
#include "single_byte_text.h"
#include "table_naming.h"

#include <QList>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

struct ProposalCase {
    const char* name;
    QString includePath;
    QString language;
    QString fileName;
    QString extension;
};

void PrintTo(const ProposalCase& c, std::ostream* os)
{
    *os << c.name;
}

class Proposal : public ::testing::TestWithParam<ProposalCase> {};

TEST_P(Proposal, NamesTheFileAndItsExtension)
{
    const ProposalCase& c = GetParam();
    EXPECT_EQ(proposedCodeFileName(c.includePath, c.language), c.fileName);
    EXPECT_EQ(codeDefaultExtension(c.language), c.extension);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CodeSaving, Proposal, ::testing::Values(
    ProposalCase{"Ccs", QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("CCS"), QStringLiteral("resim.h"), QStringLiteral("*.c")},
    ProposalCase{"Asm", QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("Asm"), QStringLiteral("resim.inc"), QStringLiteral("*.inc")},
    ProposalCase{"ProtonBasic", QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("Proton Basic"), QStringLiteral("resim.inc"), QStringLiteral("*.inc")},
    ProposalCase{"LanguageInAnyCase", QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("ccs"), QStringLiteral("resim.h"), QStringLiteral("*.c")},
    ProposalCase{"OnlyTheLastExtensionReplaced", QStringLiteral("C:\\x\\logo.yeni.inc"), QStringLiteral("Asm"), QStringLiteral("logo.inc"), QStringLiteral("*.inc")},
    ProposalCase{"NameWithoutExtension", QStringLiteral("C:\\x\\adsiz"), QStringLiteral("Asm"), QStringLiteral("adsiz.inc"), QStringLiteral("*.inc")},
    ProposalCase{"UnixPath", QStringLiteral("/home/ayse/proje/ekran.bas"), QStringLiteral("CCS"), QStringLiteral("ekran.h"), QStringLiteral("*.c")},
    ProposalCase{"NoPathNoName", QString(), QStringLiteral("CCS"), QString(), QStringLiteral("*.c")},
    ProposalCase{"C", QStringLiteral("C:\\x\\resim.inc"), QStringLiteral("C"), QStringLiteral("resim.h"), QStringLiteral("*.h")},
    ProposalCase{"ArduinoInAnyCase", QStringLiteral("/proje/ekran.c"), QStringLiteral("arduino"), QStringLiteral("ekran.h"), QStringLiteral("*.h")},
    ProposalCase{"LanguageNotTrimmed", QStringLiteral("/proje/ekran.c"), QStringLiteral("C "), QStringLiteral("ekran.inc"), QStringLiteral("*.inc")}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

// Table names made from file names, and the names --name takes.
struct IdentifierCase {
    const char* name;
    QString path;
    QString identifier;
};

void PrintTo(const IdentifierCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileName : public ::testing::TestWithParam<IdentifierCase> {};

TEST_P(FileName, BecomesAnIdentifier)
{
    const IdentifierCase& c = GetParam();
    const QString identifier = tableIdentifier(c.path);
    EXPECT_EQ(identifier, c.identifier);
    EXPECT_TRUE(isTableIdentifier(identifier));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(TableNaming, FileName, ::testing::Values(
    IdentifierCase{"SpaceBecomesUnderscore", QStringLiteral("icons/ok icon.png"), QStringLiteral("ok_icon")},
    IdentifierCase{"InnerDotBecomesUnderscore", QStringLiteral("logo.yeni.png"), QStringLiteral("logo_yeni")},
    IdentifierCase{"LeadingDigitGetsUnderscore", QStringLiteral("C:\\Resimler\\8x8-ok.bmp"), QStringLiteral("_8x8_ok")},
    IdentifierCase{"TurkishLettersBecomeUnderscores", QStringLiteral("/ev/ayşe/çiçek_ĞÜŞİÖÇ.gif"), QStringLiteral("_i_ek_______")},
    IdentifierCase{"IdentifierStays", QStringLiteral("Logo_2"), QStringLiteral("Logo_2")},
    IdentifierCase{"CharacterBeyondSixteenBitsIsOneUnderscore", QStringLiteral("a\U0001F600b.png"), QStringLiteral("a_b")},
    IdentifierCase{"NameOfOnlyAnExtension", QStringLiteral("dir.d/.png"), QStringLiteral("_")},
    IdentifierCase{"AfterAParentFolder", QStringLiteral("../ışık.jpeg"), QStringLiteral("___k")}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

struct NonIdentifierCase {
    const char* name;
    const char* text;
};

void PrintTo(const NonIdentifierCase& c, std::ostream* os)
{
    *os << c.name;
}

class NoIdentifier : public ::testing::TestWithParam<NonIdentifierCase> {};

TEST_P(NoIdentifier, IsRefused)
{
    EXPECT_FALSE(isTableIdentifier(QString::fromUtf8(GetParam().text)));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(TableNaming, NoIdentifier, ::testing::Values(
    NonIdentifierCase{"Empty", ""},
    NonIdentifierCase{"LeadingDigit", "8x8"},
    NonIdentifierCase{"Space", "ok icon"},
    NonIdentifierCase{"TurkishLetter", "çan"},
    NonIdentifierCase{"Hyphen", "a-b"},
    NonIdentifierCase{"Dot", "a.b"}),
    [](const auto& tested) { return std::string(tested.param.name); });
// clang-format on

TEST(TableNaming, FrameNamesTakeTheFrameNumber)
{
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
