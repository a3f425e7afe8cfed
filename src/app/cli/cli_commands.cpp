#include "cli_commands.h"

#include "code_layout.h"
#include "event_yield.h"
#include "format_detection.h"
#include "language_presets.h"
#include "number_reading.h"
#include "page_packing.h"
#include "picture_loading.h"
#include "picture_road.h"
#include "recoding.h"
#include "run_error.h"
#include "single_byte_text.h"
#include "table_drawing.h"

#include <ostream>

namespace pixmint::cli {
namespace {

const QString kHata = QStringLiteral("Hata");

// One line on err: "pixmint-cli: TITLE: TEXT". A message box may break its text over lines
// (a path after a file error); on the terminal it stays on one line.
void tell(std::ostream& err, const QString& title, const QString& text)
{
    QString flat = text;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    flat.replace(QLatin1Char('\r'), QLatin1Char(' '));
    err << QStringLiteral("pixmint-cli: %1: %2\n").arg(title, flat).toUtf8().constData();
    err.flush();
}

void tell(std::ostream& err, const RunError& error)
{
    tell(err, error.title(), error.description());
}

int usage(std::ostream& err, const QString& message)
{
    err << QStringLiteral("pixmint-cli: %1\nYardım için: pixmint-cli --help\n")
               .arg(message)
               .toUtf8()
               .constData();
    err.flush();
    return UsageError;
}

// The incomplete-line message of the layout, under the title the window gives it.
void tellIncompleteLine(std::ostream& err)
{
    const RunError error(IndexOutOfRange);
    tell(err, error.title(QStringLiteral("HATA :")), error.description());
}

// Writes a code text to the --output file, or to out. Returns false after saying why not.
bool writeText(const CliOptions& options, const QString& text, std::ostream& out, std::ostream& err)
{
    if (options.output) {
        try {
            writeSingleByteFile(*options.output, text);
        } catch (const RunError& error) {
            tell(err, error);
            return false;
        }
        return true;
    }
    const QByteArray bytes = encodeWindows1254(text);
    out.write(bytes.constData(), bytes.size());
    out.flush();
    if (!out) {
        tell(err, kHata, QStringLiteral("Kod metni standart çıktıya yazılamadı."));
        return false;
    }
    return true;
}

// The settings of one group of the converter window: language, command and number format.
struct Group {
    QString language;
    QString command;
    QString prefix;
    QString suffix;
    QString separator;
};

// What choosing a language does to a group: its presets, or for a text that is no language
// an emptied command list alone (the format boxes keep their values).
void applyPresets(Group& group, const QString& language)
{
    group.language = language;
    const LanguagePreset* preset = presetFor(language);
    if (!preset) {
        group.command.clear();
        return;
    }
    group.command = preset->commands.value(0);
    group.prefix = preset->prefix;
    group.suffix = preset->suffix;
    group.separator = preset->separator;
}

void override(QString& value, const std::optional<QString>& given)
{
    if (given)
        value = *given;
}

// The source group as "Aç" leaves it for this text, then the --from-* options.
SourceFormat sourceFormatFor(const QString& text, const CliOptions& options)
{
    const SourceFormat detected = detectedSourceFormat(text);
    Group group{detected.language, detected.command, detected.prefix, detected.suffix,
                detected.separator};
    if (options.fromLang)
        applyPresets(group, *options.fromLang);
    override(group.command, options.fromCommand);
    override(group.prefix, options.fromPrefix);
    override(group.suffix, options.fromSuffix);
    override(group.separator, options.fromSeparator);
    return SourceFormat{group.language, group.command, group.prefix, group.suffix, group.separator};
}

// Reads the input include file; says why not and returns nothing when it cannot.
std::optional<QString> readInclude(const QString& path, std::ostream& err)
{
    // 64 MB holds a table of ten million numbers; a larger include file is no table a
    // microcontroller could take, and reading it whole would only exhaust memory.
    constexpr qint64 kMaxIncludeBytes = 64 * 1024 * 1024;
    try {
        return readSingleByteFile(path, kMaxIncludeBytes);
    } catch (const FileTooLarge&) {
        tell(err, kHata,
             QStringLiteral("Dosya çok büyük: ") + path +
                 QStringLiteral("; en fazla 64 MB okunur."));
        return std::nullopt;
    } catch (const RunError& error) {
        tell(err, error);
        return std::nullopt;
    }
}

// A whole number option of render, written plainly ("8", "+8", " 8 ").
std::optional<int> plainNumber(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

int run(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.usageError.isEmpty())
        return usage(err, parsed.usageError);
    const CliOptions& options = parsed.options;
    if (options.help) {
        out << helpText().toUtf8().constData();
        out.flush();
        return Done;
    }
    if (options.version) {
        out << versionText().toUtf8().constData();
        out.flush();
        return Done;
    }
    switch (options.subcommand) {
    case Subcommand::Picture:
        return runPicture(options, out, err);
    case Subcommand::Recode:
        return runRecode(options, out, err);
    case Subcommand::Render:
        return runRender(options, out, err);
    case Subcommand::None:
        break;
    }
    return usage(err, QStringLiteral("Bir komut verin: picture, recode veya render."));
}

int runPicture(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    // The checks come in the order the window meets them, and all of them before anything
    // is written.
    const QString path = options.input.value_or(QString());
    if (path.isEmpty()) {
        tell(err, kHata, QStringLiteral("Önce bir resim yükleyin."));
        return Failed;
    }
    const qint64 width = leadingNumber(options.width.value_or(QStringLiteral("128")));
    const qint64 height = leadingNumber(options.height.value_or(QStringLiteral("64")));
    if (const std::optional<QString> problem = targetSizeProblem(width, height)) {
        tell(err, kHata, *problem);
        return Failed;
    }
    QImage picture = loadPicture(path);
    if (picture.isNull()) {
        tell(err, kHata, unreadablePictureMessage(path));
        return Failed;
    }
    const QString language = options.lang.value_or(QStringLiteral("Asm"));
    const LanguagePreset* preset = presetFor(language);
    if (!preset) {
        tell(err, kHata, unknownLanguageMessage(language));
        return Failed;
    }
    const std::optional<int> perLine =
        readWholeNumber(options.columns.value_or(preset->numbersPerLine));
    if (!perLine) {
        tell(err, kHata, badNumbersPerLineMessage());
        return Failed;
    }

    CodeFormat format;
    format.command = options.command.value_or(preset->commands.value(0));
    format.prefix = options.prefix.value_or(preset->prefix);
    format.suffix = options.suffix.value_or(preset->suffix);
    format.separator = options.separator.value_or(preset->separator);
    format.numbersPerLine = *perLine;
    format.commentPath = path;

    QByteArray bitmap;
    QStringList table;
    LaidOutLines code;
    try {
        EventYield none;
        ConvertedPicture converted =
            convertPicture(picture, static_cast<int>(width), static_cast<int>(height),
                           options.invert, nullptr, none);
        picture = QImage();
        if (options.saveBmp) {
            // A BMP whatever the name's extension, as "Resmi Kaydet" writes it.
            bitmap = encodePicture(converted.target, "BMP", *options.saveBmp);
        }
        BaytlaraÇevir(converted.grid, table);
        code = buildCodeText(preset->language, table, format);
    } catch (const RunError& error) {
        tell(err, error);
        return Failed;
    }

    if (options.saveBmp) {
        try {
            writeFileReplacing(*options.saveBmp, bitmap);
        } catch (const RunError& error) {
            tell(err, error);
            return Failed;
        }
    }
    if (code.incompleteLine)
        tellIncompleteLine(err);
    return writeText(options, code.text, out, err) ? Done : Failed;
}

int runRecode(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("recode bir girdi dosyası ister."));
    const QString& path = *options.input;
    const std::optional<QString> text = readInclude(path, err);
    if (!text)
        return Failed;
    const SourceFormat source = sourceFormatFor(*text, options);

    // The target group starts from the presets of "Asm", as the window shows it.
    Group target;
    applyPresets(target, QStringLiteral("Asm"));
    if (options.lang)
        applyPresets(target, *options.lang);
    const LanguagePreset* preset = presetFor(target.language);
    if (!preset) {
        tell(err, kHata, unknownLanguageMessage(target.language));
        return Failed;
    }
    CodeFormat format;
    format.command = options.command.value_or(target.command);
    format.prefix = options.prefix.value_or(target.prefix);
    format.suffix = options.suffix.value_or(target.suffix);
    format.separator = options.separator.value_or(target.separator);
    format.numbersPerLine = 16;
    format.commentPath = path;

    QStringList table;
    const int notInverted = Kodu_dönüştür(*text, source, table, options.invert);
    const LaidOutLines code = buildCodeText(preset->language, table, format);
    if (code.incompleteLine)
        tellIncompleteLine(err);
    if (notInverted > 0)
        tell(err, kHata, notInvertedMessage(notInverted));
    return writeText(options, code.text, out, err) ? Done : Failed;
}

int runRender(const CliOptions& options, std::ostream& /*out*/, std::ostream& err)
{
    if (!options.input)
        return usage(err, QStringLiteral("render bir girdi dosyası ister."));
    if (!options.width)
        return usage(err, QStringLiteral("render --width ister."));
    if (!options.output)
        return usage(err, QStringLiteral("render --output ister (PNG dosyası)."));
    const std::optional<int> width = plainNumber(*options.width);
    if (!width || *width < 1 || *width > kMaxDrawingWidth) {
        return usage(err, QStringLiteral("--width 1 ile %1 arasında bir tam sayı olmalı: \"%2\".")
                              .arg(kMaxDrawingWidth)
                              .arg(*options.width));
    }
    const std::optional<int> scale = plainNumber(options.scale.value_or(QStringLiteral("1")));
    if (!scale || *scale < 1 || *scale > kMaxDrawingScale) {
        return usage(err, QStringLiteral("--scale 1 ile %1 arasında bir tam sayı olmalı: \"%2\".")
                              .arg(kMaxDrawingScale)
                              .arg(options.scale.value_or(QString())));
    }

    const QString& path = *options.input;
    const std::optional<QString> text = readInclude(path, err);
    if (!text)
        return Failed;
    const SourceFormat source = sourceFormatFor(*text, options);

    // A CCS table line ends with a separator, so the extraction gives an empty entry after
    // each line's numbers. An empty entry is no number and holds no pixels: drawing it as 0
    // would shift every later column, so empty entries are left out. The uninverted run
    // tells which entries were empty (inverting turns an empty entry into FF).
    QStringList found;
    Kodu_dönüştür(*text, source, found, false);
    QStringList inverted;
    if (options.invert)
        Kodu_dönüştür(*text, source, inverted, true);
    QStringList table;
    table.reserve(found.size());
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (!found[i].isEmpty())
            table.append(options.invert ? inverted.value(i) : found[i]);
    }

    const TableDrawing drawing = drawTable(table, *width, *scale);
    if (drawing.picture.isNull()) {
        tell(err, kHata, drawing.problem);
        return Failed;
    }
    try {
        savePicture(drawing.picture, "PNG", *options.output);
    } catch (const RunError& error) {
        tell(err, error);
        return Failed;
    }
    return Done;
}

}  // namespace pixmint::cli
