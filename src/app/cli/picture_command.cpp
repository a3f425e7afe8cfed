#include "cli_commands.h"
#include "common_options.h"
#include "event_yield.h"
#include "picture_batch.h"
#include "picture_loading.h"
#include "picture_options.h"
#include "picture_road.h"
#include "run_error.h"
#include "table_naming.h"

namespace pixmint::cli {
namespace {

OptionSpec sizeOption(const char* name, const char* valueName, const char* side, int fallback)
{
    OptionSpec option;
    option.name = QString::fromLatin1(name);
    option.type = OptionType::Size;
    option.valueName = QString::fromUtf8(valueName);
    option.help = QStringLiteral("hedef resmin %1, 1-%2; penceredeki kutu gibi okunur (96px: 96)")
                      .arg(QString::fromUtf8(side))
                      .arg(kMaxTargetSide);
    option.defaultText = QString::number(fallback);
    return option;
}

QList<OptionSpec> pictureOptions()
{
    const TargetSize display;
    QList<OptionSpec> options = {sizeOption("width", "EN", "eni", display.width),
                                 sizeOption("height", "YÜKSEKLİK", "yüksekliği", display.height)};
    options << targetFormatOptions(true)
            << invertOption(QStringLiteral("siyah ile beyazı değiştirir (\"Resmi Tersle\")"))
            << outputOption(QStringLiteral("DOSYA"),
                            QStringLiteral("kod metninin yazılacağı dosya"))
            << valueOption("save-bmp", "DOSYA",
                           QStringLiteral("dönüştürülen resmi BMP olarak kaydeder, uzantısı ne "
                                          "olursa olsun"),
                           QStringLiteral("kaydedilmez"))
            << valueOption("name", "AD",
                           QStringLiteral("tek resmin tablo adı: harfler, rakamlar, _; birden çok "
                                          "resimde her tablo dosyasının adını alır"),
                           QStringLiteral("yok"))
            << switchOption("frames",
                            QStringLiteral("her kare (GIF canlandırması, çok sayfalı TIFF) ayrı "
                                           "tablo olur: AD_0, AD_1, ..."),
                            QStringLiteral("yalnız ilk kare"))
            << writingOptions() << pictureSettingsOptions();
    return options;
}

// The usage error of picture's own options together, or nothing.
std::optional<QString> pictureUsageProblem(const CommandLine& line)
{
    const bool several = line.inputs().size() > 1;
    const std::optional<QString> name = line.text(QStringLiteral("name"));
    if (name && several) {
        return QStringLiteral(
            "--name yalnız tek bir resimle kullanılabilir; birden çok resimde her tablo "
            "dosyasının adını alır.");
    }
    if (name && !isTableIdentifier(*name)) {
        return QStringLiteral(
                   "--name bir ad olmalı (harfler A-Z a-z, rakamlar ve _; rakamla "
                   "başlamaz): \"%1\".")
            .arg(*name);
    }
    const bool saveBmp = line.isSet(QStringLiteral("save-bmp"));
    if (saveBmp && (several || line.isSet(QStringLiteral("frames"))))
        return QStringLiteral(
            "--save-bmp yalnız tek bir resimle, --frames olmadan kullanılabilir.");
    if (saveBmp && line.isSet(QStringLiteral("check")))
        return QStringLiteral("--check ile --save-bmp birlikte kullanılamaz.");
    return writingProblem(line);
}

int runPicture(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (asksForDisplayList(line))
        return writeDisplayList(out);
    if (const std::optional<QString> problem = pictureUsageProblem(line))
        return usage(err, *problem);
    const Checked<PictureSettings> settings = pictureSettingsFrom(line);
    if (!settings.ok())
        return usage(err, settings.failure());
    PictureBatchRequest request;
    request.paths = line.inputs();
    request.name = line.text(QStringLiteral("name")).value_or(QString());
    request.everyFrame = line.isSet(QStringLiteral("frames"));
    PictureRoadRequest& road = request.road;
    road.settings = settings.value();
    // The size is read as the window reads its boxes, and its failure told in its turn; a
    // side not given is the preset's, else the default display's.
    TargetSize fallback;
    if (const DisplayPreset* preset = displayPresetNamed(road.settings.display))
        fallback = TargetSize{preset->width, preset->height};
    road.target = readTargetSize(
        line.text(QStringLiteral("width")).value_or(QString::number(fallback.width)),
        line.text(QStringLiteral("height")).value_or(QString::number(fallback.height)));
    road.invert = line.isSet(QStringLiteral("invert"));
    road.format =
        readTextFormat(withOverrides(presetFormat(languages().front().name), targetFormat(line)));
    EventYield none;
    const PictureBatchOutcome outcome = runPictureBatch(request, openPictureFrames, none);
    // Every check of every picture comes before anything is written.
    if (!outcome.failure.isEmpty()) {
        tell(err, errorTitle(), outcome.failure);
        return Failed;
    }
    if (const std::optional<QString> bmp = line.text(QStringLiteral("save-bmp"))) {
        // A BMP whatever the name's extension, as "Resmi Kaydet" writes it; when it cannot
        // be written, nothing else is.
        try {
            savePicture(outcome.target, "BMP", *bmp);
        } catch (const RunError& error) {
            tell(err, error);
            return Failed;
        }
    }
    if (outcome.incompleteLine)
        tellIncompleteLine(err);
    return writeText(line, outcome.text, out, err) ? Done : Failed;
}

}  // namespace

Command pictureCommand()
{
    Command command;
    command.name = QStringLiteral("picture");
    command.usages = {
        {QStringLiteral("GİRDİ [seçenekler]"),
         QStringLiteral("Resmi grafik LCD'nin sayfa baytlarına dönüştürür ve kod metnini yazar "
                        "(penceredeki \"Dönüştür\"; --invert ile \"Resmi Tersle\").")},
        {QStringLiteral("GİRDİ... [seçenekler]"),
         QStringLiteral("Birden çok resmin tablolarını, aralarında boş bir satırla tek metinde "
                        "yazar; her tablo dosyasının adını alır (logo.png: logo).")},
    };
    command.options = pictureOptions();
    command.severalInputs = true;
    command.run = runPicture;
    return command;
}

}  // namespace pixmint::cli
