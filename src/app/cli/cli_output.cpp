#include "cli_output.h"

#include "code_saving.h"
#include "command.h"
#include "include_reading.h"
#include "recode_road.h"
#include "run_error.h"
#include "single_byte_text.h"

#include <ostream>

namespace pixmint::cli {

const QString& errorTitle()
{
    static const QString title = QStringLiteral("Hata");
    return title;
}

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

void tell(std::ostream& err, const QList<RoadMessage>& messages)
{
    for (const RoadMessage& message : messages)
        tell(err, message.title, message.text);
}

void tellIncompleteLine(std::ostream& err)
{
    const RunError error(IndexOutOfRange);
    tell(err, error.title(QStringLiteral("HATA :")), error.description());
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

namespace {

bool wantsLf(const CommandLine& line)
{
    return line.text(QStringLiteral("eol")).value_or(QString()).toLower() == QStringLiteral("lf");
}

// Whether the file holds exactly these bytes; says why not. A file that is missing, or
// longer than the bytes, is not up to date; one that cannot be read is reported as such.
bool holdsExactly(const QString& path, const QByteArray& bytes, std::ostream& err)
{
    try {
        // Every byte has its character, so the file's bytes come back unchanged.
        if (encodeWindows1254(readSingleByteFile(path, bytes.size())) == bytes)
            return true;
    } catch (const FileTooLarge&) {
    } catch (const RunError& error) {
        if (error.number() != FileNotFound && error.number() != PathNotFound) {
            tell(err, error);
            return false;
        }
    }
    tell(err, errorTitle(), path + QStringLiteral(" güncel değil"));
    return false;
}

}  // namespace

std::optional<QString> writingProblem(const CommandLine& line)
{
    const std::optional<QString> given = line.text(QStringLiteral("eol"));
    const QString eol = given.value_or(QStringLiteral("crlf")).toLower();
    if (eol != QStringLiteral("crlf") && eol != QStringLiteral("lf"))
        return QStringLiteral("--eol crlf ya da lf olmalı: \"%1\".").arg(*given);
    if (line.isSet(QStringLiteral("check")) && !line.isSet(QStringLiteral("output")))
        return QStringLiteral("--check, karşılaştırılacak dosyayı --output ile ister.");
    return std::nullopt;
}

bool writeText(const CommandLine& line, const QString& crLfText, std::ostream& out,
               std::ostream& err)
{
    const QString text = wantsLf(line) ? withLf(crLfText) : crLfText;
    const std::optional<QString> output = line.text(QStringLiteral("output"));
    if (line.isSet(QStringLiteral("check")) && output)
        return holdsExactly(*output, encodeWindows1254(text), err);
    if (output) {
        try {
            writeSingleByteFile(*output, text);
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
        tell(err, errorTitle(), QStringLiteral("Kod metni standart çıktıya yazılamadı."));
        return false;
    }
    return true;
}

std::optional<QString> readInclude(const QString& path, std::ostream& err)
{
    IncludeText read = readIncludeFile(path, kToolLimits);
    if (!read.ok()) {
        tell(err, read.failureTitle, read.failure);
        return std::nullopt;
    }
    return std::move(read.text);
}

}  // namespace pixmint::cli
