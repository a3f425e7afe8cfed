#include "language.h"

namespace pixmint {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The presets every language shares: its number prefix, a comma between numbers, 16 numbers
// a line, the sample "<prefix>FF," and the comment marker.
Language withPresets(const QString& name, const QString& prefix, const QString& commentMarker)
{
    Language language;
    language.name = name;
    language.prefix = prefix;
    language.separator = QStringLiteral(",");
    language.sample = prefix + QStringLiteral("FF,");
    language.numbersPerLine = QStringLiteral("16");
    language.commentMarker = commentMarker;
    return language;
}

Language asmLanguage()
{
    Language asmText =
        withPresets(QStringLiteral("Asm"), QStringLiteral("0X"), QStringLiteral(";"));
    asmText.commands = {{QStringLiteral("Dt"), CommandRole::Data},
                        {QStringLiteral("Retlw"), CommandRole::OneNumberPerLine}};
    asmText.nameLine = QStringLiteral("%1");
    asmText.savedExtension = QStringLiteral(".inc");
    asmText.dialogExtension = QStringLiteral("*.inc");
    asmText.markers = {{QStringLiteral("DT"), 0, std::nullopt},
                       {QStringLiteral("RETLW"), 2, CommandRole::OneNumberPerLine}};
    asmText.dialect = QStringLiteral("asm");
    return asmText;
}

Language ccsLanguage()
{
    Language ccs = withPresets(QStringLiteral("CCS"), QStringLiteral("0X"), QStringLiteral("//"));
    ccs.commands = {{QStringLiteral("Resim[]="), CommandRole::ArrayName}};
    ccs.declaration = QStringLiteral("   const int  ");
    ccs.trailer = kCrLf + kCrLf + QStringLiteral("};") + kCrLf;
    ccs.savedExtension = QStringLiteral(".h");
    ccs.dialogExtension = QStringLiteral("*.c");
    ccs.markers = {{QStringLiteral("[]="), 3, std::nullopt}};
    ccs.dialect = QStringLiteral("c");
    return ccs;
}

Language protonBasicLanguage()
{
    Language basic =
        withPresets(QStringLiteral("Proton Basic"), QStringLiteral("$"), QStringLiteral("'"));
    basic.commands = {{QStringLiteral("CData"), CommandRole::Data}};
    basic.nameLine = QStringLiteral("%1:");
    basic.trailer = kCrLf;
    basic.savedExtension = QStringLiteral(".inc");
    basic.dialogExtension = QStringLiteral("*.inc");
    basic.markers = {{QStringLiteral("CDATA"), 1, std::nullopt}};
    basic.dialect = QStringLiteral("basic");
    return basic;
}

// C for XC8, SDCC and GCC, and Arduino: one byte an entry (uint8_t), on AVR kept in program
// memory. The two differ in their declaration and in what a GFX font needs. The reader
// detects both as CCS.
Language cLanguage(const char* name, const char* declaration, const char* gfxHead,
                   const char* programMemory)
{
    Language c = withPresets(QString::fromLatin1(name), QStringLiteral("0x"), QStringLiteral("//"));
    c.commands = {{QStringLiteral("resim[]="), CommandRole::ArrayName}};
    c.declaration = QString::fromLatin1(declaration);
    c.trailer = QStringLiteral("};") + kCrLf;
    c.savedExtension = QStringLiteral(".h");
    c.dialogExtension = QStringLiteral("*.h");
    c.gfxHead = QString::fromLatin1(gfxHead);
    c.programMemory = QString::fromLatin1(programMemory);
    return c;
}

}  // namespace

QStringList Language::commandTexts() const
{
    QStringList texts;
    for (const LanguageCommand& command : commands)
        texts << command.text;
    return texts;
}

std::optional<QString> Language::commandFor(CommandRole role) const
{
    for (const LanguageCommand& command : commands) {
        if (command.role == role)
            return command.text;
    }
    return std::nullopt;
}

bool Language::takesOneNumberPerLine(const QString& command) const
{
    const QString upper = command.toUpper();
    for (const LanguageCommand& known : commands) {
        if (known.role == CommandRole::OneNumberPerLine && known.text.toUpper() == upper)
            return true;
    }
    return false;
}

const QList<Language>& languages()
{
    static const QList<Language> all = {
        asmLanguage(),
        ccsLanguage(),
        protonBasicLanguage(),
        cLanguage("C", "#include <stdint.h>\r\nconst uint8_t ",
                  "#include <stdint.h>\r\n#include \"gfxfont.h\"\r\n", ""),
        cLanguage("Arduino", "#include <avr/pgmspace.h>\r\nconst uint8_t PROGMEM ",
                  "#include <Adafruit_GFX.h>\r\n", " PROGMEM"),
    };
    return all;
}

QStringList languageNames()
{
    QStringList names;
    for (const Language& language : languages())
        names << language.name;
    return names;
}

const Language* languageNamed(const QString& text)
{
    const QString upper = text.toUpper();
    for (const Language& language : languages()) {
        if (upper == language.name.toUpper())
            return &language;
    }
    return nullptr;
}

const Language* languageForDialect(const QString& dialect)
{
    if (dialect.isEmpty())
        return nullptr;
    for (const Language& language : languages()) {
        if (language.dialect == dialect)
            return &language;
    }
    return nullptr;
}

QString unknownLanguageMessage(const QString& languageText)
{
    QStringList names = languageNames();
    const QString last = names.takeLast();
    return QStringLiteral("Bilinmeyen dil: \"%1\". %2 veya %3 kullanın.")
        .arg(languageText, names.join(QStringLiteral(", ")), last);
}

QString sourceCommentMarker(const QString& languageText)
{
    const Language* language = languageNamed(languageText);
    return language ? language->commentMarker : QStringLiteral("'");
}

}  // namespace pixmint
