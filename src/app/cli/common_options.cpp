#include "common_options.h"

#include "byte_layout.h"
#include "cli_output.h"
#include "language.h"
#include "picture_settings.h"

#include <functional>
#include <ostream>

namespace pixmint::cli {
namespace {

// "a, b veya c".
QString listed(QStringList items)
{
    const QString last = items.takeLast();
    return items.isEmpty() ? last
                           : items.join(QStringLiteral(", ")) + QStringLiteral(" veya ") + last;
}

// The languages' names as a command line writes them: quoted when they hold a space.
QString languageList()
{
    QStringList names;
    for (const QString& name : languageNames())
        names << (name.contains(u' ') ? u'"' + name + u'"' : name);
    return listed(names);
}

// What a preset of every language is: "0X (Asm, CCS), $ (Proton Basic), 0x (C, Arduino)".
QString presetsOfLanguages(const std::function<QString(const Language&)>& preset)
{
    QStringList values;
    QList<QStringList> users;
    for (const Language& language : languages()) {
        const QString value = preset(language);
        const qsizetype at = values.indexOf(value);
        if (at < 0) {
            values << value;
            users << QStringList{language.name};
        } else {
            users[at] << language.name;
        }
    }
    QStringList parts;
    for (qsizetype i = 0; i < values.size(); ++i)
        parts << QStringLiteral("%1 (%2)").arg(values[i], users[i].join(QStringLiteral(", ")));
    return parts.join(QStringLiteral("; "));
}

QString presetOrEmpty(const QString& value)
{
    return value.isEmpty() ? QStringLiteral("boş") : value;
}

}  // namespace

OptionSpec valueOption(const char* name, const char* valueName, const QString& help,
                       const QString& defaultText)
{
    OptionSpec option;
    option.name = QString::fromLatin1(name);
    option.valueName = QString::fromUtf8(valueName);
    option.help = help;
    option.defaultText = defaultText;
    return option;
}

OptionSpec switchOption(const char* name, const QString& help, const QString& defaultText)
{
    OptionSpec option;
    option.name = QString::fromLatin1(name);
    option.type = OptionType::Switch;
    option.help = help;
    option.defaultText = defaultText;
    return option;
}

OptionSpec numberOption(const char* name, const char* valueName, const QString& help, int least,
                        std::optional<int> most, const QString& defaultText)
{
    OptionSpec option = valueOption(name, valueName, help, defaultText);
    option.type = OptionType::WholeNumber;
    option.least = least;
    option.most = most;
    return option;
}

QList<OptionSpec> targetFormatOptions(bool columns)
{
    const Language& first = languages().front();
    QList<OptionSpec> options = {
        valueOption("lang", "DİL", QStringLiteral("dil: %1").arg(languageList()), first.name),
        valueOption(
            "command", "KOMUT",
            QStringLiteral("tablo komutu, dizi dillerinde tablo adı; olduğu gibi yazılır"),
            QStringLiteral("dilin ilk komutu: ") +
                presetsOfLanguages([](const Language& l) { return l.commands.value(0).text; })),
    };
    if (columns) {
        OptionSpec perLine = valueOption("columns", "SAYI", QStringLiteral("satır başına sayı"),
                                         first.numbersPerLine);
        options << perLine;
    }
    options << valueOption("prefix", "ÖNEK", QStringLiteral("her sayının önüne yazılır"),
                           QStringLiteral("dilin ön ayarı: ") +
                               presetsOfLanguages([](const Language& l) { return l.prefix; }))
            << valueOption("suffix", "SONEK", QStringLiteral("her sayının arkasına yazılır"),
                           presetOrEmpty(first.suffix))
            << valueOption("separator", "AYRAÇ", QStringLiteral("sayıların arasına yazılır"),
                           first.separator);
    return options;
}

QList<OptionSpec> sourceFormatOptions()
{
    return {
        valueOption(
            "from-lang", "DİL", QStringLiteral("kaynağın dili; ön ayarlarını uygular"),
            QStringLiteral("dosyadan anlaşılır, anlaşılamazsa %1").arg(languages().front().name)),
        valueOption("from-command", "KOMUT", QStringLiteral("kaynağın tablo komutu"),
                    QStringLiteral("dilin ön ayarı; Retlw dosyadan anlaşılır")),
        valueOption("from-prefix", "ÖNEK", QStringLiteral("kaynağın sayı öneki"),
                    QStringLiteral("dilin ön ayarı")),
        valueOption("from-suffix", "SONEK", QStringLiteral("kaynağın sayı soneki"),
                    QStringLiteral("dilin ön ayarı")),
        valueOption("from-separator", "AYRAÇ", QStringLiteral("kaynağın ayracı"),
                    QStringLiteral("dilin ön ayarı")),
    };
}

QList<OptionSpec> smartReadingOptions()
{
    return {
        switchOption("smart", QStringLiteral("akıllı okuma: dosyadaki tabloları bulur, yalnız "
                                             "sayılarını alır; --from-* seçenekleriyle birlikte "
                                             "verilmez")),
        valueOption(
            "table", "all|SIRA|AD",
            QStringLiteral("akıllı okumada alınacak tablo: hepsi, tables'ın verdiği sıra (0'dan) "
                           "ya da ad"),
            QStringLiteral("en çok sayılı bayt tablosu")),
    };
}

OptionSpec outputOption(const QString& valueName, const QString& help, const QString& defaultText)
{
    OptionSpec option = valueOption("output", "", help, defaultText);
    option.valueName = valueName;
    return option;
}

QList<OptionSpec> writingOptions()
{
    return {
        switchOption("check", QStringLiteral("yazmaz; --output DOSYA yazılacak baytları tutuyorsa "
                                             "0, tutmuyorsa ya da yoksa 1 ile biter")),
        valueOption("eol", "SATIR_SONU", QStringLiteral("satır sonu: crlf ya da lf"),
                    QStringLiteral("crlf")),
    };
}

OptionSpec skipOption()
{
    return numberOption("skip", "N",
                        QStringLiteral("tablonun başındaki resim olmayan N sayıyı atlar, örneğin "
                                       "en ve yükseklik"),
                        0, std::nullopt, QString::number(kDefaultSkip));
}

OptionSpec layoutOption(const QString& help)
{
    OptionSpec option;
    option.name = QStringLiteral("layout");
    option.type = OptionType::Choice;
    option.valueName = QStringLiteral("DÜZEN");
    for (const LayoutRecord& record : layoutRecords())
        option.words << record.option;
    option.help = help + QStringLiteral(": ") + listed(option.words);
    option.defaultText = layoutRecord(PictureSettings{}.layout).option;
    return option;
}

OptionSpec invertOption(const QString& help)
{
    return switchOption("invert", help);
}

QList<OptionSpec> displayOptions()
{
    OptionSpec polarity;
    polarity.name = QStringLiteral("polarity");
    polarity.type = OptionType::Choice;
    polarity.valueName = QStringLiteral("KUTUPLULUK");
    for (const Choice<Polarity>& choice : polarityChoices())
        polarity.words << choice.option;
    polarity.help = QStringLiteral(
        "1 olan bitin gösterdiği: dark koyu nokta (LCD, kütüphane "
        "çağrıları), lit yanan nokta (OLED, e-kağıt, Sharp bellek LCD)");
    polarity.defaultText = QStringLiteral("ekranınki, ekran yoksa dark");
    return {
        valueOption("display", "EKRAN",
                    QStringLiteral("ekran modülü ya da kütüphane çağrısı: boyutu (tablo "
                                   "yazılan komutlarda), bayt düzenini ve kutupluluğu ayarlar; "
                                   "yanında verilen seçenek ağır basar. \"list\" adları yazar"),
                    QStringLiteral("yok (\"Özel\")")),
        polarity,
    };
}

bool asksForDisplayList(const CommandLine& line)
{
    return line.text(QStringLiteral("display")) == QStringLiteral("list");
}

int writeDisplayList(std::ostream& out)
{
    out << displayPresetList().toUtf8().constData();
    out.flush();
    return Done;
}

Checked<DisplayChoice> displayFrom(const CommandLine& line)
{
    DisplayChoice choice;
    if (const std::optional<QString> name = line.text(QStringLiteral("display"))) {
        choice.preset = displayPresetNamed(*name);
        if (!choice.preset) {
            return Checked<DisplayChoice>::failed(
                QStringLiteral("Bilinmeyen ekran: \"%1\". Ekranların adları için: pixmint-cli "
                               "picture --display list")
                    .arg(*name));
        }
        choice.polarity = choice.preset->polarity;
    }
    if (const std::optional<QString> word = line.text(QStringLiteral("polarity"))) {
        const std::optional<Polarity> polarity = choiceNamed(polarityChoices(), *word);
        if (!polarity) {
            return Checked<DisplayChoice>::failed(
                QStringLiteral("--polarity dark veya lit olmalı: \"%1\".").arg(*word));
        }
        choice.polarity = *polarity;
    }
    return choice;
}

FormatOverrides targetFormat(const CommandLine& line)
{
    return {line.text(QStringLiteral("lang")),      line.text(QStringLiteral("command")),
            line.text(QStringLiteral("prefix")),    line.text(QStringLiteral("suffix")),
            line.text(QStringLiteral("separator")), line.text(QStringLiteral("columns"))};
}

FormatOverrides sourceFormat(const CommandLine& line)
{
    return {line.text(QStringLiteral("from-lang")),      line.text(QStringLiteral("from-command")),
            line.text(QStringLiteral("from-prefix")),    line.text(QStringLiteral("from-suffix")),
            line.text(QStringLiteral("from-separator")), std::nullopt};
}

}  // namespace pixmint::cli
