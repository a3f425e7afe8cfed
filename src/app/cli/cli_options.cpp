#include "cli_options.h"

namespace pixmint::cli {
namespace {

QString subcommandName(Subcommand subcommand)
{
    switch (subcommand) {
    case Subcommand::Picture:
        return QStringLiteral("picture");
    case Subcommand::Recode:
        return QStringLiteral("recode");
    case Subcommand::Render:
        return QStringLiteral("render");
    case Subcommand::None:
        break;
    }
    return {};
}

bool accepts(const ValueOption& option, Subcommand subcommand)
{
    switch (subcommand) {
    case Subcommand::Picture:
        return option.picture;
    case Subcommand::Recode:
        return option.recode;
    case Subcommand::Render:
        return option.render;
    case Subcommand::None:
        break;
    }
    return false;
}

const ValueOption* findValueOption(const QString& name)
{
    for (const ValueOption& option : valueOptions()) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

ParsedCommandLine usageError(const QString& message)
{
    ParsedCommandLine parsed;
    parsed.usageError = message;
    return parsed;
}

}  // namespace

const QList<ValueOption>& valueOptions()
{
    //                                                          picture recode render
    static const QList<ValueOption> options = {
        {QStringLiteral("width"), &CliOptions::width, true, false, true},
        {QStringLiteral("height"), &CliOptions::height, true, false, false},
        {QStringLiteral("lang"), &CliOptions::lang, true, true, false},
        {QStringLiteral("command"), &CliOptions::command, true, true, false},
        {QStringLiteral("columns"), &CliOptions::columns, true, false, false},
        {QStringLiteral("prefix"), &CliOptions::prefix, true, true, false},
        {QStringLiteral("suffix"), &CliOptions::suffix, true, true, false},
        {QStringLiteral("separator"), &CliOptions::separator, true, true, false},
        {QStringLiteral("from-lang"), &CliOptions::fromLang, false, true, true},
        {QStringLiteral("from-command"), &CliOptions::fromCommand, false, true, true},
        {QStringLiteral("from-prefix"), &CliOptions::fromPrefix, false, true, true},
        {QStringLiteral("from-suffix"), &CliOptions::fromSuffix, false, true, true},
        {QStringLiteral("from-separator"), &CliOptions::fromSeparator, false, true, true},
        {QStringLiteral("scale"), &CliOptions::scale, false, false, true},
        {QStringLiteral("output"), &CliOptions::output, true, true, true},
        {QStringLiteral("save-bmp"), &CliOptions::saveBmp, true, false, false},
    };
    return options;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    ParsedCommandLine parsed;
    CliOptions& options = parsed.options;
    if (arguments.isEmpty())
        return usageError(QStringLiteral("Bir komut verin: picture, recode veya render."));

    qsizetype at = 0;
    const QString& first = arguments.first();
    if (first == QStringLiteral("picture"))
        options.subcommand = Subcommand::Picture;
    else if (first == QStringLiteral("recode"))
        options.subcommand = Subcommand::Recode;
    else if (first == QStringLiteral("render"))
        options.subcommand = Subcommand::Render;
    if (options.subcommand != Subcommand::None)
        ++at;

    bool optionsEnded = false;
    for (; at < arguments.size(); ++at) {
        const QString& argument = arguments[at];
        const bool looksLikeOption =
            !optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
        if (!looksLikeOption) {
            if (options.subcommand == Subcommand::None) {
                return usageError(QStringLiteral("Bilinmeyen komut: \"%1\". picture, recode "
                                                 "veya render kullanın.")
                                      .arg(argument));
            }
            if (options.input) {
                return usageError(
                    QStringLiteral("Yalnız bir girdi dosyası verilebilir; fazlası: \"%1\".")
                        .arg(argument));
            }
            options.input = argument;
            continue;
        }
        if (argument == QStringLiteral("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            options.help = true;
            continue;
        }
        if (argument == QStringLiteral("--version")) {
            options.version = true;
            continue;
        }
        if (!argument.startsWith(QStringLiteral("--")))
            return usageError(QStringLiteral("Bilinmeyen seçenek: %1").arg(argument));

        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        if (name == QStringLiteral("invert")) {
            if (equals >= 0)
                return usageError(QStringLiteral("--invert bir değer almaz."));
            if (options.subcommand == Subcommand::None)
                return usageError(
                    QStringLiteral("Önce bir komut verin: picture, recode veya "
                                   "render."));
            options.invert = true;
            continue;
        }
        const ValueOption* option = findValueOption(name);
        if (!option)
            return usageError(QStringLiteral("Bilinmeyen seçenek: --%1").arg(name));
        if (options.subcommand == Subcommand::None) {
            return usageError(QStringLiteral("Önce bir komut verin: picture, recode veya render."));
        }
        if (!accepts(*option, options.subcommand)) {
            return usageError(QStringLiteral("--%1 seçeneği %2 komutunda kullanılamaz.")
                                  .arg(name, subcommandName(options.subcommand)));
        }
        if (equals >= 0) {
            options.*(option->member) = argument.mid(equals + 1);
        } else if (at + 1 < arguments.size()) {
            // The next argument is the value whatever it looks like: "--separator -" and
            // "--prefix -0x" are meant as written.
            options.*(option->member) = arguments[++at];
        } else {
            return usageError(QStringLiteral("--%1 bir değer ister.").arg(name));
        }
    }

    if (options.subcommand == Subcommand::None && !options.help && !options.version)
        return usageError(QStringLiteral("Bir komut verin: picture, recode veya render."));
    return parsed;
}

QString helpText()
{
    return QStringLiteral(
        "Kullanım:\n"
        "  pixmint-cli picture GİRDİ [seçenekler]\n"
        "      Resmi grafik LCD'nin sayfa baytlarına dönüştürür ve kod metnini yazar\n"
        "      (penceredeki \"Dönüştür\"; --invert ile \"Resmi Tersle\").\n"
        "  pixmint-cli recode GİRDİ [seçenekler]\n"
        "      Bir include dosyasının sayılarını başka bir dile ve sayı biçimine çevirir\n"
        "      (dönüştürücü penceresindeki \"Aç\" ve \"Dönüştür\"; --invert ile \"Tersle\").\n"
        "  pixmint-cli render GİRDİ --width EN --output ÇIKTI.png [seçenekler]\n"
        "      Bir include dosyasındaki bayt tablosunu siyah-beyaz PNG resmi olarak çizer.\n"
        "  pixmint-cli --help | --version\n"
        "\n"
        "picture seçenekleri:\n"
        "  --width EN            hedef resmin eni, 1-16384 (varsayılan: 128)\n"
        "  --height YÜKSEKLİK    hedef resmin yüksekliği, 1-16384 (varsayılan: 64)\n"
        "  --lang DİL            Asm, CCS veya \"Proton Basic\" (varsayılan: Asm)\n"
        "  --command KOMUT       tablo komutu, CCS'te tablo adı; olduğu gibi yazılır\n"
        "                        (varsayılan: dilin ilk komutu: Dt, Resim[]=, CData)\n"
        "  --columns SAYI        satır başına sayı (varsayılan: 16)\n"
        "  --prefix ÖNEK         her sayının önüne yazılır (varsayılan: 0X; Proton Basic: $)\n"
        "  --suffix SONEK        her sayının arkasına yazılır (varsayılan: boş)\n"
        "  --separator AYRAÇ     sayıların arasına yazılır (varsayılan: ,)\n"
        "  --invert              siyah ile beyazı değiştirir (varsayılan: kapalı)\n"
        "  --output DOSYA        kod metninin yazılacağı dosya (varsayılan: standart çıktı)\n"
        "  --save-bmp DOSYA      dönüştürülen resmi BMP olarak kaydeder, uzantısı ne olursa\n"
        "                        olsun (varsayılan: kaydedilmez)\n"
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
        "  --lang DİL            hedefin dili (varsayılan: Asm)\n"
        "  --command KOMUT       hedefin tablo komutu, olduğu gibi yazılır\n"
        "                        (varsayılan: dilin ilk komutu: Dt, Resim[]=, CData)\n"
        "  --prefix ÖNEK         hedefin sayı öneki (varsayılan: 0X; Proton Basic: $)\n"
        "  --suffix SONEK        hedefin sayı soneki (varsayılan: boş)\n"
        "  --separator AYRAÇ     hedefin ayracı (varsayılan: ,)\n"
        "  --invert              her sayıyı 8 bitlik tümleyeniyle değiştirir (varsayılan: kapalı)\n"
        "  --output DOSYA        kod metninin yazılacağı dosya (varsayılan: standart çıktı)\n"
        "  Satır başına 16 sayı yazılır (Asm ile Retlw'de bir sayı).\n"
        "\n"
        "render seçenekleri:\n"
        "  --width EN            tablonun sütun sayısı, 1-16384 (zorunlu; varsayılanı yok)\n"
        "  --from-lang, --from-command, --from-prefix, --from-suffix, --from-separator\n"
        "                        kaynağın biçimi, recode'daki gibi (varsayılan: dosyadan)\n"
        "  --invert              her sayıyı tersler (varsayılan: kapalı)\n"
        "  --scale K             her pikseli K × K çizer, 1-16 (varsayılan: 1)\n"
        "  --output ÇIKTI.png    çizilen PNG resmi (zorunlu; varsayılanı yok)\n"
        "\n"
        "Genel:\n"
        "  --help, -h            bu yardımı gösterir\n"
        "  --version             sürümü gösterir\n"
        "\n"
        "Seçenek değeri \"--seçenek değer\" ya da \"--seçenek=değer\" biçiminde verilir; değer\n"
        "\"-\" ile başlayabilir; aynı seçenek yinelenirse sonuncusu geçerlidir.\n"
        "Metinler Windows-1254 ile, satır sonları CR LF olarak yazılır.\n"
        "Çıkış durumu: 0 tamam, 1 başarısız (hiçbir şey yazılmadı), 2 kullanım hatası.\n");
}

QString versionText()
{
    return QStringLiteral("pixmint-cli " PIXMINT_VERSION_TEXT "\n");
}

}  // namespace pixmint::cli
