#include "code_saving.h"

#include "language.h"

namespace pixmint {
namespace {

// The record of the language the text names; the extensions of a text that names no
// language are those of an include file.
const Language& languageOrInclude(const QString& languageText)
{
    const Language* language = languageNamed(languageText);
    return language ? *language : *languageNamed(QStringLiteral("Asm"));
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
    return base + languageOrInclude(languageText).savedExtension;
}

QString codeDefaultExtension(const QString& languageText)
{
    return languageOrInclude(languageText).dialogExtension;
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
