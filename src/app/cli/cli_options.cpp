#include "cli_options.h"

#include <QCommandLineParser>

#include <utility>

namespace pixmint::cli {
namespace {

const QString kGiveACommand =
    QStringLiteral("Bir komut verin: picture, recode, render veya tables.");

// The subcommands by the words that name them.
const std::pair<Subcommand, const char*> kSubcommands[] = {
    {Subcommand::Picture, "picture"},
    {Subcommand::Recode, "recode"},
    {Subcommand::Render, "render"},
    {Subcommand::Tables, "tables"},
};

QString subcommandName(Subcommand subcommand)
{
    for (const auto& [known, word] : kSubcommands) {
        if (known == subcommand)
            return QString::fromLatin1(word);
    }
    return {};
}

Subcommand subcommandNamed(const QString& word)
{
    for (const auto& [known, name] : kSubcommands) {
        if (word == QLatin1String(name))
            return known;
    }
    return Subcommand::None;
}

bool takes(const CliOption& option, Subcommand subcommand)
{
    return option.takenBy.isEmpty() || option.takenBy.contains(subcommand);
}

const CliOption* optionNamed(const QString& name)
{
    for (const CliOption& option : cliOptions()) {
        if (option.name == name || (option.name == QStringLiteral("help") && name == u'h'))
            return &option;
    }
    return nullptr;
}

QCommandLineOption parserOption(const CliOption& option)
{
    QStringList names = {option.name};
    if (option.name == QStringLiteral("help"))
        names.prepend(QStringLiteral("h"));
    if (option.value)
        return QCommandLineOption(names, QString(), QStringLiteral("value"));
    return QCommandLineOption(names);
}

// The argument as the user wrote an option that the parser names without its dashes.
QString writtenOption(const QString& name, const QStringList& arguments)
{
    const QString longForm = QStringLiteral("--") + name;
    for (const QString& argument : arguments) {
        if (argument == longForm || argument.startsWith(longForm + QLatin1Char('=')))
            return longForm;
    }
    return QLatin1Char('-') + name;
}

// The Turkish message of a failed parse.
QString parseProblem(const QCommandLineParser& parser, const QStringList& arguments,
                     Subcommand subcommand)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        const CliOption* option = optionNamed(name);
        if (option && subcommand != Subcommand::None) {
            return QStringLiteral("--%1 seçeneği %2 komutunda kullanılamaz.")
                .arg(name, subcommandName(subcommand));
        }
        return QStringLiteral("Bilinmeyen seçenek: %1").arg(writtenOption(name, arguments));
    }
    // The parser tells a missing value and a value given to a switch only in its English
    // message, which quotes the option as written ("Missing value after '--width'.").
    const QString error = parser.errorText();
    const qsizetype open = error.indexOf(QLatin1Char('\''));
    const qsizetype close = error.lastIndexOf(QLatin1Char('\''));
    const QString written = error.mid(open + 1, close - open - 1);
    const CliOption* option = optionNamed(written.mid(2));
    if (option && !option->value)
        return QStringLiteral("%1 bir değer almaz.").arg(written);
    return QStringLiteral("%1 bir değer ister.").arg(written);
}

ParsedCommandLine usageError(const QString& message)
{
    ParsedCommandLine parsed;
    parsed.usageError = message;
    return parsed;
}

// Without a subcommand only --help and --version are something to do.
ParsedCommandLine withoutSubcommand(const QCommandLineParser& parser)
{
    ParsedCommandLine parsed;
    parsed.options.help = parser.isSet(QStringLiteral("help"));
    parsed.options.version = parser.isSet(QStringLiteral("version"));
    if (parsed.options.help || parsed.options.version)
        return parsed;
    for (const CliOption& option : cliOptions()) {
        if (parser.isSet(option.name))
            return usageError(
                QStringLiteral("Önce bir komut verin: picture, recode, render veya tables."));
    }
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        return usageError(
            QStringLiteral(
                "Bilinmeyen komut: \"%1\". picture, recode, render veya tables kullanın.")
                .arg(positional.first()));
    }
    return usageError(kGiveACommand);
}

// One parser per subcommand, from the one table: without a subcommand every option is
// known, so that an option given too early is told apart from an unknown one.
void setUpParser(QCommandLineParser& parser, Subcommand subcommand)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const CliOption& option : cliOptions()) {
        if (subcommand == Subcommand::None || takes(option, subcommand))
            parser.addOption(parserOption(option));
    }
}

// The options and inputs of a subcommand's parsed command line.
ParsedCommandLine withSubcommand(const QCommandLineParser& parser, Subcommand subcommand)
{
    ParsedCommandLine parsed;
    CliOptions& options = parsed.options;
    options.subcommand = subcommand;
    for (const CliOption& option : cliOptions()) {
        if (!takes(option, subcommand) || !parser.isSet(option.name))
            continue;
        if (option.value)
            options.*(option.value) = parser.values(option.name).constLast();
        else
            options.*(option.flag) = true;
    }
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() > 1 && subcommand != Subcommand::Picture) {
        return usageError(QStringLiteral("Yalnız bir girdi dosyası verilebilir; fazlası: \"%1\".")
                              .arg(inputs.at(1)));
    }
    if (!inputs.isEmpty())
        options.input = inputs.first();
    options.inputs = inputs;
    return parsed;
}

}  // namespace

FormatOverrides CliOptions::targetFormat() const
{
    return {lang, command, prefix, suffix, separator, columns};
}

FormatOverrides CliOptions::sourceFormat() const
{
    return {fromLang, fromCommand, fromPrefix, fromSuffix, fromSeparator, std::nullopt};
}

const QList<CliOption>& cliOptions()
{
    using S = Subcommand;
    static const QList<CliOption> options = {
        {QStringLiteral("width"), &CliOptions::width, nullptr, {S::Picture, S::Render}},
        {QStringLiteral("height"), &CliOptions::height, nullptr, {S::Picture}},
        {QStringLiteral("lang"), &CliOptions::lang, nullptr, {S::Picture, S::Recode}},
        {QStringLiteral("command"), &CliOptions::command, nullptr, {S::Picture, S::Recode}},
        {QStringLiteral("columns"), &CliOptions::columns, nullptr, {S::Picture}},
        {QStringLiteral("prefix"), &CliOptions::prefix, nullptr, {S::Picture, S::Recode}},
        {QStringLiteral("suffix"), &CliOptions::suffix, nullptr, {S::Picture, S::Recode}},
        {QStringLiteral("separator"), &CliOptions::separator, nullptr, {S::Picture, S::Recode}},
        {QStringLiteral("from-lang"), &CliOptions::fromLang, nullptr, {S::Recode, S::Render}},
        {QStringLiteral("from-command"), &CliOptions::fromCommand, nullptr, {S::Recode, S::Render}},
        {QStringLiteral("from-prefix"), &CliOptions::fromPrefix, nullptr, {S::Recode, S::Render}},
        {QStringLiteral("from-suffix"), &CliOptions::fromSuffix, nullptr, {S::Recode, S::Render}},
        {QStringLiteral("from-separator"),
         &CliOptions::fromSeparator,
         nullptr,
         {S::Recode, S::Render}},
        {QStringLiteral("scale"), &CliOptions::scale, nullptr, {S::Render}},
        {QStringLiteral("smart"), nullptr, &CliOptions::smart, {S::Recode, S::Render}},
        {QStringLiteral("table"), &CliOptions::table, nullptr, {S::Recode, S::Render}},
        {QStringLiteral("skip"), &CliOptions::skip, nullptr, {S::Render}},
        {QStringLiteral("invert"),
         nullptr,
         &CliOptions::invert,
         {S::Picture, S::Recode, S::Render}},
        {QStringLiteral("output"),
         &CliOptions::output,
         nullptr,
         {S::Picture, S::Recode, S::Render}},
        {QStringLiteral("save-bmp"), &CliOptions::saveBmp, nullptr, {S::Picture}},
        {QStringLiteral("name"), &CliOptions::name, nullptr, {S::Picture}},
        {QStringLiteral("frames"), nullptr, &CliOptions::frames, {S::Picture}},
        {QStringLiteral("check"), nullptr, &CliOptions::check, {S::Picture, S::Recode}},
        {QStringLiteral("eol"), &CliOptions::eol, nullptr, {S::Picture, S::Recode}},
        {QStringLiteral("rotate"), &CliOptions::rotate, nullptr, {S::Picture}},
        {QStringLiteral("mirror"), nullptr, &CliOptions::mirror, {S::Picture}},
        {QStringLiteral("scaling"), &CliOptions::scaling, nullptr, {S::Picture}},
        {QStringLiteral("method"), &CliOptions::method, nullptr, {S::Picture}},
        {QStringLiteral("threshold"), &CliOptions::threshold, nullptr, {S::Picture}},
        {QStringLiteral("layout"), &CliOptions::layout, nullptr, {S::Picture, S::Render}},
        {QStringLiteral("help"), nullptr, &CliOptions::help, {}},
        {QStringLiteral("version"), nullptr, &CliOptions::version, {}},
    };
    return options;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return usageError(kGiveACommand);
    const Subcommand subcommand = subcommandNamed(arguments.first());
    const bool optionFirst = arguments.first().size() > 1 && arguments.first().startsWith(u'-');
    if (subcommand == Subcommand::None && !optionFirst) {
        return usageError(
            QStringLiteral(
                "Bilinmeyen komut: \"%1\". picture, recode, render veya tables kullanın.")
                .arg(arguments.first()));
    }
    QCommandLineParser parser;
    setUpParser(parser, subcommand);
    QStringList words = arguments;
    if (subcommand != Subcommand::None)
        words.removeFirst();
    words.prepend(QStringLiteral("pixmint-cli"));
    if (!parser.parse(words))
        return usageError(parseProblem(parser, arguments, subcommand));
    if (subcommand == Subcommand::None)
        return withoutSubcommand(parser);
    return withSubcommand(parser, subcommand);
}

QString helpText()
{
    return QStringLiteral(
        "Kullanım:\n"
        "  pixmint-cli picture GİRDİ [seçenekler]\n"
        "      Resmi grafik LCD'nin sayfa baytlarına dönüştürür ve kod metnini yazar\n"
        "      (penceredeki \"Dönüştür\"; --invert ile \"Resmi Tersle\").\n"
        "  pixmint-cli picture GİRDİ... [seçenekler]\n"
        "      Birden çok resmin tablolarını, aralarında boş bir satırla tek metinde yazar;\n"
        "      her tablo dosyasının adını alır (logo.png: logo).\n"
        "  pixmint-cli recode GİRDİ [seçenekler]\n"
        "      Bir include dosyasının sayılarını başka bir dile ve sayı biçimine çevirir\n"
        "      (dönüştürücü penceresindeki \"Aç\" ve \"Dönüştür\"; --invert ile \"Tersle\").\n"
        "  pixmint-cli render GİRDİ --width EN --output ÇIKTI.png [seçenekler]\n"
        "      Bir include dosyasındaki bayt tablosunu siyah-beyaz PNG resmi olarak çizer.\n"
        "  pixmint-cli tables GİRDİ\n"
        "      Bir include dosyasında akıllı okumanın bulduğu tabloları listeler: her satırda\n"
        "      sıra, ad (yoksa -), lehçe (asm, c, basic, numbers), sayı adedi, ilk satır.\n"
        "  pixmint-cli --help | --version\n"
        "\n"
        "picture seçenekleri:\n"
        "  --width EN            hedef resmin eni, 1-16384 (varsayılan: 128)\n"
        "  --height YÜKSEKLİK    hedef resmin yüksekliği, 1-16384 (varsayılan: 64)\n"
        "  --lang DİL            Asm, CCS veya \"Proton Basic\" (varsayılan: Asm)\n"
        "                        ya da C, Arduino (uint8_t dizisi; Arduino'da PROGMEM)\n"
        "  --command KOMUT       tablo komutu, CCS'te tablo adı; olduğu gibi yazılır\n"
        "                        (varsayılan: dilin ilk komutu: Dt, Resim[]=, CData)\n"
        "                        (C ve Arduino: resim[]=)\n"
        "  --columns SAYI        satır başına sayı (varsayılan: 16)\n"
        "  --prefix ÖNEK         her sayının önüne yazılır (varsayılan: 0X; Proton Basic: $)\n"
        "                        (C ve Arduino: 0x)\n"
        "  --suffix SONEK        her sayının arkasına yazılır (varsayılan: boş)\n"
        "  --separator AYRAÇ     sayıların arasına yazılır (varsayılan: ,)\n"
        "  --invert              siyah ile beyazı değiştirir (varsayılan: kapalı)\n"
        "  --output DOSYA        kod metninin yazılacağı dosya (varsayılan: standart çıktı)\n"
        "  --save-bmp DOSYA      dönüştürülen resmi BMP olarak kaydeder, uzantısı ne olursa\n"
        "                        olsun (varsayılan: kaydedilmez)\n"
        "  --name AD             tek resmin tablo adı: harfler, rakamlar, _ (varsayılan: yok;\n"
        "                        birden çok resimde her tablo dosyasının adını alır)\n"
        "  --frames              her kare (GIF canlandırması, çok sayfalı TIFF) ayrı tablo\n"
        "                        olur: AD_0, AD_1, ... (varsayılan: yalnız ilk kare)\n"
        "  --check               yazmaz; --output DOSYA yazılacak baytları tutuyorsa 0,\n"
        "                        tutmuyorsa ya da yoksa 1 ile biter (varsayılan: kapalı)\n"
        "  --eol SATIR_SONU      satır sonu: crlf ya da lf (varsayılan: crlf)\n"
        "  --rotate AÇI          resmi saat yönünde döndürür: 0, 90, 180 veya 270\n"
        "                        (varsayılan: 0)\n"
        "  --mirror              döndürdükten sonra sağ ile solu değiştirir (varsayılan: kapalı)\n"
        "  --scaling ÖLÇEKLEME   black-wins (siyah kazanır: çizimler) veya average (ortalama:\n"
        "                        fotoğraflar) (varsayılan: black-wins)\n"
        "  --method YÖNTEM       threshold, otsu, floyd-steinberg, atkinson veya bayer; son\n"
        "                        üçü --scaling average ister (varsayılan: threshold)\n"
        "  --threshold N         eşik, 0-255: gri düzeyi bundan büyük piksel beyaz olur\n"
        "                        (varsayılan: 127)\n"
        "  --layout DÜZEN        bayt düzeni: pages-lsb-top, pages-msb-top, rows-msb-left\n"
        "                        veya rows-lsb-left (varsayılan: pages-lsb-top)\n"
        "  Dilin ön ayarları önce uygulanır, verilen seçenekler onların yerine geçer.\n"
        "\n"
        "recode seçenekleri:\n"
        "  --from-lang DİL       kaynağın dili; ön ayarlarını uygular (varsayılan: dosyadan\n"
        "                        anlaşılır, anlaşılamazsa Asm)\n"
        "  --from-command KOMUT  kaynağın tablo komutu (varsayılan: dilin ön ayarı; Retlw\n"
        "                        dosyadan anlaşılır)\n"
        "  --from-prefix ÖNEK    kaynağın sayı öneki (varsayılan: dilin ön ayarı)\n"
        "  --from-suffix SONEK   kaynağın sayı soneki (varsayılan: boş)\n"
        "  --from-separator AYRAÇ  kaynağın ayracı (varsayılan: ,)\n"
        "  --smart               akıllı okuma: dosyadaki tabloları bulur, yalnız sayılarını\n"
        "                        alır; --from-* seçenekleriyle birlikte verilmez (varsayılan: "
        "kapalı)\n"
        "  --table all|SIRA|AD   akıllı okumada alınacak tablo: hepsi, tables'ın verdiği sıra\n"
        "                        (0'dan) ya da ad (varsayılan: en çok sayılı bayt tablosu)\n"
        "  --lang DİL            hedefin dili (varsayılan: Asm)\n"
        "  --command KOMUT       hedefin tablo komutu, olduğu gibi yazılır\n"
        "                        (varsayılan: dilin ilk komutu: Dt, Resim[]=, CData)\n"
        "  --prefix ÖNEK         hedefin sayı öneki (varsayılan: 0X; Proton Basic: $)\n"
        "  --suffix SONEK        hedefin sayı soneki (varsayılan: boş)\n"
        "  --separator AYRAÇ     hedefin ayracı (varsayılan: ,)\n"
        "  --invert              her sayıyı 8 bitlik tümleyeniyle değiştirir (varsayılan: kapalı)\n"
        "  --output DOSYA        kod metninin yazılacağı dosya (varsayılan: standart çıktı)\n"
        "  --check, --eol        picture'daki gibi\n"
        "  Satır başına 16 sayı yazılır (Asm ile Retlw'de bir sayı).\n"
        "\n"
        "render seçenekleri:\n"
        "  --width EN            tablonun sütun sayısı, 1-16384 (zorunlu; varsayılanı yok)\n"
        "  --from-lang, --from-command, --from-prefix, --from-suffix, --from-separator\n"
        "                        kaynağın biçimi, recode'daki gibi (varsayılan: dosyadan)\n"
        "  --smart, --table      akıllı okuma, recode'daki gibi (varsayılan: kapalı)\n"
        "  --skip N              tablonun başındaki resim olmayan N sayıyı atlar, örneğin en\n"
        "                        ve yükseklik (varsayılan: 0)\n"
        "  --invert              her sayıyı tersler (varsayılan: kapalı)\n"
        "  --scale K             her pikseli K × K çizer, 1-16 (varsayılan: 1)\n"
        "  --output ÇIKTI.png    çizilen PNG resmi (zorunlu; varsayılanı yok)\n"
        "  --layout DÜZEN        tablonun bayt düzeni, picture'daki gibi (varsayılan:\n"
        "                        pages-lsb-top)\n"
        "\n"
        "Genel:\n"
        "  --help, -h            bu yardımı gösterir\n"
        "  --version             sürümü gösterir\n"
        "\n"
        "Seçenek değeri \"--seçenek değer\" ya da \"--seçenek=değer\" biçiminde verilir; değer\n"
        "\"-\" ile başlayabilir; aynı seçenek yinelenirse sonuncusu geçerlidir.\n"
        "Metinler Windows-1254 ile, satır sonları CR LF olarak yazılır.\n"
        "--eol lf ile satır sonları LF olur.\n"
        "Çıkış durumu: 0 tamam, 1 başarısız (hiçbir şey yazılmadı), 2 kullanım hatası.\n"
        "--check ile: 0 dosya güncel, 1 güncel değil (hiçbir şey yazılmaz).\n");
}

QString versionText()
{
    return QStringLiteral("pixmint-cli " PIXMINT_VERSION_TEXT "\n");
}

}  // namespace pixmint::cli
