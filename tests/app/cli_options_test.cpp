#include "cli_commands.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include "cli_run.h"
#include "picture_settings.h"
#include "test_paths.h"

#include <gtest/gtest.h>

namespace pixmint::cli {
namespace {

using testing::runCli;

QStringList words(const char* line)
{
    return QString::fromUtf8(line).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

struct AcceptedCase {
    const char* arguments;  // separated by "|"
    const char* option;
    const char* value;
    const char* input;
    const char* inputs = nullptr;  // every input, separated by "|"; nullptr: the input alone
};

TEST(CliOptions, ValuesAreTakenInBothFormsAndTheLastRepeatWins)
{
    const AcceptedCase cases[] = {
        {"picture|in.png|--width|96", "width", "96", "in.png"},
        {"picture|--width=96|in.png", "width", "96", "in.png"},
        {"picture|in.png|--prefix|-0x", "prefix", "-0x", "in.png"},
        {"picture|--prefix=-0x|in.png", "prefix", "-0x", "in.png"},
        {"picture|in.png|--separator|--", "separator", "--", "in.png"},
        {"picture|in.png|--separator|-", "separator", "-", "in.png"},
        {"picture|in.png|--separator=a=b", "separator", "a=b", "in.png"},
        {"picture|in.png|--width|8|--width=16", "width", "16", "in.png"},
        {"picture|--lang=CCS|in.png|--lang|Proton Basic", "lang", "Proton Basic", "in.png"},
        {"picture|--command|--help|in.png", "command", "--help", "in.png"},
        {"picture|--save-bmp|-|in.png", "save-bmp", "-", "in.png"},
        {"picture|--height|-8|--|-odd.png", "height", "-8", "-odd.png"},
        {"recode|in.inc|--from-lang|ccs|--from-prefix|&H", "from-prefix", "&H", "in.inc"},
        {"recode|--from-separator=;|in.inc", "from-separator", ";", "in.inc"},
        {"render|in.inc|--width|8|--scale=3|--output|o.png", "scale", "3", "in.inc"},
        {"picture|b.png|--eol|lf|a b.png|--frames|c.gif", "eol", "lf", "b.png",
         "b.png|a b.png|c.gif"},
        {"picture|--name=logo|--check|a.png", "name", "logo", "a.png"},
        {"recode|in.inc|--eol=CRLF|--check", "eol", "CRLF", "in.inc"},
        {"picture|in.png|--rotate=270", "rotate", "270", "in.png"},
        {"picture|--method|bayer|in.png", "method", "bayer", "in.png"},
        {"render|in.inc|--layout|rows-msb-left", "layout", "rows-msb-left", "in.inc"},
        {"picture|in.png|--display=ssd1306-128x32|--polarity|dark", "display", "ssd1306-128x32",
         "in.png"},
        {"font|a.ttf|--display|st7920-128x64", "display", "st7920-128x64", "a.ttf"},
    };
    for (const AcceptedCase& c : cases) {
        const ParsedCommandLine parsed = parseCommandLine(words(c.arguments));
        EXPECT_TRUE(parsed.usageError.isEmpty())
            << c.arguments << ": " << parsed.usageError.toStdString();
        EXPECT_EQ(parsed.line.text(QString::fromUtf8(c.option)),
                  std::optional(QString::fromUtf8(c.value)))
            << c.arguments;
        EXPECT_EQ(parsed.line.input().value_or(QString()), QString::fromUtf8(c.input))
            << c.arguments;
        EXPECT_EQ(parsed.line.inputs(), words(c.inputs ? c.inputs : c.input)) << c.arguments;
    }
}

TEST(CliOptions, AnEmptyValueIsAValue)
{
    const ParsedCommandLine joined = parseCommandLine(
        {QStringLiteral("picture"), QStringLiteral("in.png"), QStringLiteral("--separator=")});
    EXPECT_EQ(joined.line.text(QStringLiteral("separator")), std::optional(QString()));
    const ParsedCommandLine apart = parseCommandLine(
        {QStringLiteral("picture"), QStringLiteral("--suffix"), QString(), QStringLiteral("a")});
    EXPECT_EQ(apart.line.text(QStringLiteral("suffix")), std::optional(QString()));
    EXPECT_EQ(apart.line.input(), QStringLiteral("a"));
}

struct UsageCase {
    const char* arguments;
    const char* messagePart;
};

TEST(CliOptions, UsageErrorsExitWithTwoAndSayWhy)
{
    const UsageCase cases[] = {
        {"", "Bir komut verin: picture, recode, render, tables, guess veya font."},
        {"guess|in.inc|--table|logo", "--table yalnız --smart ile verilir."},
        {"guess|in.inc|--skip|-1", "--skip"},
        {"draw|in.png", "Bilinmeyen komut: \"draw\""},
        {"in.png", "Bilinmeyen komut: \"in.png\""},
        {"--width|8|picture|in.png", "Önce bir komut verin"},
        {"picture|in.png|--bogus", "Bilinmeyen seçenek: --bogus"},
        {"picture|in.png|--bogus=1", "Bilinmeyen seçenek: --bogus"},
        {"picture|in.png|-w|8", "Bilinmeyen seçenek: -w"},
        {"picture|in.png|--scale|2", "--scale seçeneği picture komutunda kullanılamaz."},
        {"picture|in.png|--from-lang|Asm", "--from-lang seçeneği picture"},
        {"recode|in.inc|--save-bmp|x.bmp", "--save-bmp seçeneği recode"},
        {"recode|in.inc|--columns|8", "--columns seçeneği recode"},
        {"render|in.inc|--lang|Asm", "--lang seçeneği render"},
        {"picture|in.png|--width", "--width bir değer ister."},
        {"picture|in.png|--invert=yes", "--invert bir değer almaz."},
        {"recode|a.inc|b.inc", "Yalnız bir girdi dosyası verilebilir; fazlası: \"b.inc\"."},
        {"render|a.inc|b.inc|--width|8|--output|o.png", "Yalnız bir girdi dosyası"},
        {"picture|a.png|b.png|--name|logo", "--name yalnız tek bir resimle kullanılabilir"},
        {"picture|a.png|--name|8x8",
         "--name bir ad olmalı (harfler A-Z a-z, rakamlar ve _; "
         "rakamla başlamaz): \"8x8\"."},
        {"picture|a.png|--name=çan", "\"çan\""},
        {"picture|a.png|--name=", "--name bir ad olmalı"},
        {"picture|a.png|b.png|--save-bmp|x.bmp", "--save-bmp yalnız tek bir resimle"},
        {"picture|a.gif|--frames|--save-bmp|x.bmp", "--save-bmp yalnız tek bir resimle"},
        {"picture|a.png|--check|--output|a.h|--save-bmp|x.bmp",
         "--check ile --save-bmp birlikte kullanılamaz."},
        {"picture|a.png|--check", "--check, karşılaştırılacak dosyayı --output ile ister."},
        {"recode|a.inc|--check", "--check, karşılaştırılacak dosyayı --output ile ister."},
        {"picture|a.png|--eol|cr", "--eol crlf ya da lf olmalı: \"cr\"."},
        {"recode|a.inc|--eol=", "--eol crlf ya da lf olmalı: \"\"."},
        {"render|in.inc|--check|--width|8|--output|o.png", "--check seçeneği render komutunda"},
        {"recode|in.inc|--frames", "--frames seçeneği recode komutunda"},
        {"recode", "recode bir girdi dosyası ister."},
        {"render|--width|8|--output|o.png", "render bir girdi dosyası ister."},
        {"render|in.inc|--output|o.png", "render --width ister."},
        {"render|in.inc|--width|8", "render --output ister"},
        {"render|in.inc|--width|0|--output|o.png", "--width 1 ile 16384 arasında"},
        {"render|in.inc|--width|16385|--output|o.png", "--width 1 ile 16384 arasında"},
        {"render|in.inc|--width|8px|--output|o.png", "\"8px\""},
        {"render|in.inc|--width|8|--scale|0|--output|o.png", "--scale 1 ile 16 arasında"},
        {"render|in.inc|--width|8|--scale|17|--output|o.png", "--scale 1 ile 16 arasında"},
        {"picture|in.png|--smart", "--smart seçeneği picture komutunda kullanılamaz."},
        {"recode|in.inc|--skip|2", "--skip seçeneği recode"},
        {"tables|in.inc|--table|1", "--table seçeneği tables"},
        {"tables", "tables bir girdi dosyası ister."},
        {"recode|in.inc|--table|1", "--table yalnız --smart ile verilir."},
        {"recode|in.inc|--smart|--from-prefix=$", "--smart ile --from-* seçenekleri"},
        {"render|in.inc|--width|8|--skip|-1|--output|o.png", "--skip 0 ya da daha büyük"},
        {"render|in.inc|--width|8|--skip|x|--output|o.png", "--skip 0 ya da daha büyük"},
        {"render|in.inc|--width|8|--table|all|--output|o.png", "--table yalnız --smart"},
        {"picture|in.png|--rotate|45", "--rotate 0, 90, 180 veya 270 olmalı: \"45\"."},
        {"picture|in.png|--scaling|smooth", "--scaling black-wins veya average olmalı"},
        {"picture|in.png|--method=Otsu",
         "--method threshold, otsu, floyd-steinberg, atkinson veya bayer olmalı: \"Otsu\"."},
        {"picture|in.png|--threshold|256", "--threshold 0 ile 255 arasında bir tam sayı olmalı"},
        {"picture|in.png|--threshold|-1", "--threshold 0 ile 255"},
        {"picture|in.png|--threshold|1.5", "--threshold 0 ile 255"},
        {"picture|in.png|--method|atkinson", "--method atkinson --scaling average ister."},
        {"picture|in.png|--method|bayer|--scaling|black-wins", "--method bayer --scaling average"},
        {"picture|in.png|--mirror=yes", "--mirror bir değer almaz."},
        {"picture|in.png|--layout|xbm", "--layout pages-lsb-top, pages-msb-top, rows-msb-left"},
        {"render|in.inc|--width|8|--layout|pages|--output|o.png", "--layout pages-lsb-top"},
        {"recode|in.inc|--layout|rows-msb-left", "--layout seçeneği recode"},
        {"picture|in.png|--display|ssd1306",
         "Bilinmeyen ekran: \"ssd1306\". Ekranların adları için: pixmint-cli picture --display "
         "list"},
        {"picture|in.png|--display=", "Bilinmeyen ekran: \"\"."},
        {"picture|in.png|--polarity|light", "--polarity dark veya lit olmalı: \"light\"."},
        {"font|a.ttf|--display|oled", "Bilinmeyen ekran: \"oled\"."},
        {"font|a.ttf|--polarity|Lit", "--polarity dark veya lit olmalı"},
        {"recode|in.inc|--display|ssd1306-128x64", "--display seçeneği recode"},
        // A usage error comes before the picture is looked for.
        {"picture|--method|floyd-steinberg", "--method floyd-steinberg --scaling average"},
    };
    for (const UsageCase& c : cases) {
        const testing::CliResult result = runCli(words(c.arguments));
        EXPECT_EQ(result.status, UsageError) << c.arguments;
        EXPECT_TRUE(result.out.isEmpty()) << c.arguments;
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("pixmint-cli: "))) << c.arguments;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.messagePart)))
            << c.arguments << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.endsWith(QStringLiteral("Yardım için: pixmint-cli --help\n")))
            << c.arguments;
    }
}

TEST(CliOptions, HelpNamesEveryOptionWithItsDefault)
{
    for (const char* form : {"--help", "-h", "picture|--help", "render|x|--help"}) {
        const testing::CliResult result = runCli(words(form));
        EXPECT_EQ(result.status, Done) << form;
        EXPECT_TRUE(result.err.isEmpty()) << form;
        const QString help = QString::fromUtf8(result.out);
        EXPECT_EQ(help, helpText()) << form;
    }
    // Every option of every command is listed under its command, with its default.
    const QString help = helpText();
    for (const Command& command : commands()) {
        const qsizetype section =
            help.indexOf(QStringLiteral("\n%1 seçenekleri:\n").arg(command.name));
        EXPECT_TRUE(command.options.isEmpty() || section >= 0) << command.name.toStdString();
        for (const OptionSpec& option : command.options) {
            SCOPED_TRACE(command.name.toStdString() + " --" + option.name.toStdString());
            EXPECT_GT(help.indexOf(QStringLiteral("\n  --") + option.name + u' ', section),
                      section);
            for (const QString& word : option.words)
                EXPECT_TRUE(help.contains(u' ' + word)) << word.toStdString();
        }
    }
}

// The manual page lists, command by command, the options the commands declare, each with
// the value name the help gives it.
TEST(CliOptions, ManualPageListsEveryOptionOfEveryCommand)
{
    QFile page(QStringLiteral(PIXMINT_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QStringList names;
    for (const Command& command : commands())
        names << command.name;
    // An entry: ".B \-\-name" or ".BI \-\-name " VALUE"".
    static const QRegularExpression entry(
        QStringLiteral(R"re(^\.BI? \\-\\-([a-z-]+)(?: " ([^"]+)")?$)re"));
    QMap<QString, QStringList> listed;  // command: "--name VALUE" in the page's order
    QString section;
    for (const QString& line : QString::fromUtf8(page.readAll()).split(u'\n')) {
        if (line.startsWith(QStringLiteral(".SS ")))
            section = line.mid(4).trimmed();
        const QRegularExpressionMatch match = entry.match(line);
        if (match.hasMatch() && names.contains(section)) {
            listed[section]
                << (QStringLiteral("--") + match.captured(1) + u' ' + match.captured(2)).trimmed();
        }
    }
    for (const Command& command : commands()) {
        QStringList declared;
        for (const OptionSpec& option : command.options)
            declared << (QStringLiteral("--") + option.name + u' ' + option.valueName).trimmed();
        EXPECT_EQ(listed.value(command.name), declared) << command.name.toStdString();
    }
}

TEST(CliOptions, VersionIsTheProgramsVersion)
{
    const testing::CliResult result = runCli({QStringLiteral("--version")});
    EXPECT_EQ(result.status, Done);
    EXPECT_EQ(result.out, QByteArray("pixmint-cli 1.06\n"));
    EXPECT_TRUE(result.err.isEmpty());
}

}  // namespace
}  // namespace pixmint::cli
