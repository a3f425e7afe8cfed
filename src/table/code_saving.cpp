#include "code_saving.h"

#include "number_format.h"

namespace pixmint {
namespace {

bool isCcs(const QString& languageText)
{
    return languageText.toUpper() == QStringLiteral("CCS");
}

// C and Arduino tables are headers.
bool isCHeader(const QString& languageText)
{
    const LanguagePreset* preset = presetFor(languageText);
    return preset &&
           (preset->language == CodeLanguage::C || preset->language == CodeLanguage::Arduino);
}

QString lastPathPiece(const QString& path)
{
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(cut + 1);
}

}  // namespace

QString codeSaveFilter()
{
    return QStringLiteral(
        "Include Dosyaları (*.inc;*.h;*.c,*.bas)|*.inc;*.h;*.c;*.bas|Tüm Dosyalar|*.*");
}

QString proposedCodeFileName(const QString& includePath, const QString& languageText)
{
    if (includePath.isEmpty())
        return {};
    const QString piece = lastPathPiece(includePath);
    const QString base = piece.left(piece.indexOf(QLatin1Char('.')));
    if (base.isEmpty())
        return {};
    const bool header = isCcs(languageText) || isCHeader(languageText);
    return base + (header ? QStringLiteral(".h") : QStringLiteral(".inc"));
}

QString codeDefaultExtension(const QString& languageText)
{
    if (isCHeader(languageText))
        return QStringLiteral("*.h");
    return isCcs(languageText) ? QStringLiteral("*.c") : QStringLiteral("*.inc");
}

QString overwriteQuestion(const QString& chosenPath)
{
    return lastPathPiece(chosenPath) + QStringLiteral(" Adlı dosya zaten var.\r\n") +
           QStringLiteral(" Varolan dosyanın üzerine yazmak istiyormusunuz?");
}

QString withLf(const QString& crLfText)
{
    QString text = crLfText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString withCrLf(const QString& paneText)
{
    QString text = paneText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

}  // namespace pixmint
