#include "cli_commands.h"
#include "smart_reading.h"

#include <ostream>

namespace pixmint::cli {
namespace {

int runTables(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::optional<QString> input = line.input();
    if (!input)
        return usage(err, QStringLiteral("tables bir girdi dosyası ister."));
    const std::optional<QString> text = readInclude(*input, err);
    if (!text)
        return Failed;
    const QList<FoundTable> tables = findTables(*text);
    if (tables.isEmpty()) {
        tell(err, errorTitle(), noTableMessage());
        return Failed;
    }
    QString listing;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const FoundTable& table = tables[i];
        listing += QStringLiteral("%1\t%2\t%3\t%4\t%5")
                       .arg(i)
                       .arg(table.shownName(), dialectWord(table.dialect))
                       .arg(table.count)
                       .arg(table.line);
        // A cell font: the glyph size the text states.
        if (!table.glyphCell.isEmpty())
            listing += QStringLiteral("\tcells %1x%2")
                           .arg(table.glyphCell.width())
                           .arg(table.glyphCell.height());
        // A table joined from labelled parts: how many.
        if (!table.parts.isEmpty())
            listing += QStringLiteral("\tparts %1").arg(table.parts.size());
        listing += u'\n';
    }
    out << listing.toUtf8().constData();
    out.flush();
    for (const FoundTable& table : tables) {
        if (const QString warning = warningsMessage(table); !warning.isEmpty())
            tell(err, QStringLiteral("Uyarı"), warning);
    }
    return Done;
}

}  // namespace

Command tablesCommand()
{
    Command command;
    command.name = QStringLiteral("tables");
    command.usages = {
        {QStringLiteral("GİRDİ"),
         QStringLiteral(
             "Bir include dosyasında akıllı okumanın bulduğu tabloları listeler: her "
             "satırda sıra, ad (yoksa -), lehçe (asm, c, basic, numbers, ...; gfx: Adafruit "
             "GFX yazı tipi, karakter adedi), sayı adedi, ilk satır; karakter boyutu "
             "belli bir tabloda (hücreli yazı tipi) ayrıca \"cells ENxYÜKSEKLİK\"; etiketli "
             "parçalardan birleşen tabloda \"parts ADET\" (her parça etiketiyle de "
             "seçilir).")},
    };
    command.run = runTables;
    return command;
}

}  // namespace pixmint::cli
