#include "smart_reading.h"

#include "hex_digits.h"
#include "table_scanner.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace pixmint {
namespace {

// The 256 entries, made once: the entries of a chosen table share them, so a table of
// millions of numbers costs no allocation per number.
const QStringList& byteEntries()
{
    static const QStringList entries = [] {
        QStringList made;
        for (int value = 0; value < 256; ++value)
            made << twoHexDigits(value);
        return made;
    }();
    return entries;
}

void appendEntries(const QByteArray& bytes, QStringList& entries)
{
    const QStringList& shared = byteEntries();
    entries.reserve(entries.size() + bytes.size());
    for (const char byte : bytes)
        entries.append(shared[static_cast<unsigned char>(byte)]);
}

qsizetype indexNamed(const QList<FoundTable>& tables, const QString& name)
{
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (tables[i].name == name)
            return i;
    }
    return -1;
}

// The part of a joined table that has the name, with the table's index; nullptr when none.
const FoundTable::Part* partNamed(const QList<FoundTable>& tables, const QString& name,
                                  qsizetype& index)
{
    for (qsizetype i = 0; i < tables.size(); ++i) {
        for (const FoundTable::Part& part : tables[i].parts) {
            if (part.name == name) {
                index = i;
                return &part;
            }
        }
    }
    return nullptr;
}

// Every byte table in file order; the others are named in one message.
ChosenTable everyByteTable(const QList<FoundTable>& tables)
{
    ChosenTable chosen;
    QStringList others;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (!tables[i].isBytes()) {
            others << tables[i].shownName();
            continue;
        }
        if (chosen.first < 0)
            chosen.first = i;
        appendEntries(tables[i].bytes, chosen.entries);
        if (const QString warning = warningsMessage(tables[i]); !warning.isEmpty())
            chosen.warnings << warning;
    }
    if (chosen.first < 0) {
        chosen.first = 0;
        chosen.failure = notBytesMessage(tables.first());
    } else if (!others.isEmpty()) {
        chosen.leftOut = QStringLiteral("Bayt tablosu olmayan tablolar alınmadı: %1.")
                             .arg(others.join(QStringLiteral(", ")));
    }
    return chosen;
}

// One record per dialect: its word. The language whose presets the source group shows for
// a dialect's tables is the one whose record names that word (see languageForDialect);
// none for the languages the program does not write.
struct DialectRecord {
    TableDialect dialect;
    const char16_t* word;
};

const DialectRecord kDialects[] = {
    {TableDialect::Asm, u"asm"},       {TableDialect::C, u"c"},
    {TableDialect::Basic, u"basic"},   {TableDialect::Numbers, u"numbers"},
    {TableDialect::Jal, u"jal"},       {TableDialect::Python, u"python"},
    {TableDialect::Pascal, u"pascal"}, {TableDialect::Rust, u"rust"},
    {TableDialect::Zig, u"zig"},       {TableDialect::Mem, u"mem"},
    {TableDialect::Coe, u"coe"},       {TableDialect::Mif, u"mif"},
    {TableDialect::Gfx, u"gfx"},
};

const DialectRecord& recordOf(TableDialect dialect)
{
    for (const DialectRecord& record : kDialects) {
        if (record.dialect == dialect)
            return record;
    }
    return kDialects[3];
}

}  // namespace

QString dialectWord(TableDialect dialect)
{
    return QString::fromUtf16(recordOf(dialect).word);
}

QString FoundTable::shownName() const
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

QList<FoundTable> findTables(QStringView text)
{
    return TableScanner(text).run();
}

TableChoice tableChoiceFrom(const QString& text)
{
    TableChoice choice;
    if (text == QStringLiteral("all")) {
        choice.kind = TableChoice::Kind::All;
        return choice;
    }
    const bool digits = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= u'0' && c <= u'9';
    });
    choice.kind = digits ? TableChoice::Kind::Index : TableChoice::Kind::Name;
    choice.name = text;
    if (digits) {
        bool ok = false;
        choice.index = text.toLongLong(&ok);
        if (!ok)
            choice.index = std::numeric_limits<qsizetype>::max();
    }
    return choice;
}

qsizetype largestTable(const QList<FoundTable>& tables)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (best < 0)
            best = i;
        const FoundTable& a = tables[i];
        const FoundTable& b = tables[best];
        // A byte table beats any other; then more numbers win; the first stays on a tie.
        if ((a.isBytes() && !b.isBytes()) || (a.isBytes() == b.isBytes() && a.count > b.count))
            best = i;
    }
    return best;
}

ChosenTable chooseTable(const QList<FoundTable>& tables, const TableChoice& choice)
{
    ChosenTable chosen;
    if (tables.isEmpty()) {
        chosen.failure = noTableMessage();
        return chosen;
    }
    if (choice.kind == TableChoice::Kind::All)
        return everyByteTable(tables);
    qsizetype index = largestTable(tables);
    if (choice.kind == TableChoice::Kind::Index)
        index = choice.index >= 0 && choice.index < tables.size() ? choice.index : -1;
    const FoundTable::Part* part = nullptr;
    if (choice.kind == TableChoice::Kind::Name) {
        index = indexNamed(tables, choice.name);
        if (index < 0)
            part = partNamed(tables, choice.name, index);
    }
    if (index < 0) {
        const QString asked = choice.name.isEmpty() ? QString::number(choice.index) : choice.name;
        chosen.failure = QStringLiteral("Tablo bulunamadı: %1").arg(asked);
        return chosen;
    }
    chosen.first = index;
    if (!tables[index].isBytes())
        chosen.failure = notBytesMessage(tables[index]);
    else if (part)
        appendEntries(tables[index].bytes.sliced(part->first, part->count), chosen.entries);
    else
        appendEntries(tables[index].bytes, chosen.entries);
    if (const QString warning = warningsMessage(tables[index]); !warning.isEmpty())
        chosen.warnings << warning;
    return chosen;
}

QString warningsMessage(const FoundTable& table)
{
    if (table.warnings.isEmpty())
        return {};
    return QStringLiteral("Tablo %1: %2").arg(table.shownName(), table.warnings.join(u' '));
}

QString noTableMessage()
{
    return QStringLiteral("Tablo bulunamadı.");
}

QString notBytesMessage(const FoundTable& table)
{
    return QStringLiteral("Tablo %1 bayt tablosu değil: %2").arg(table.shownName(), table.notByte);
}

NumberFormat withTableFormat(NumberFormat current, const FoundTable& table)
{
    const Language* shownAs = languageForDialect(dialectWord(table.dialect));
    const QString language = shownAs ? shownAs->name : current.language;
    NumberFormat format = withLanguagePresets(std::move(current), language);
    if (!table.dataWord.isEmpty())
        format.command = table.dataWord;
    format.prefix = table.prefix;
    format.suffix = table.suffix;
    return format;
}

}  // namespace pixmint
