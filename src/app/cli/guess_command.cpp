#include "cli_commands.h"
#include "common_options.h"
#include "table_reading.h"

#include <ostream>

namespace pixmint::cli {
namespace {

// How many readings guess prints.
constexpr std::size_t kShownGuesses = 5;

int runGuess(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const std::optional<QString> input = line.input();
    if (!input)
        return usage(err, QStringLiteral("guess bir girdi dosyası ister."));
    const Checked<int> skip = line.number(QStringLiteral("skip"), kDefaultSkip);
    if (!skip.ok())
        return usage(err, skip.failure());
    if (const std::optional<QString> problem = readingOptionsProblem(line))
        return usage(err, *problem);
    const std::optional<DrawnTable> table = readTableToDraw(line, *input, skip.value(), err);
    if (!table)
        return Failed;
    const std::vector<LayoutGuess> guesses = findLayouts(table->bytes, table->hints);
    if (guesses.empty()) {
        tell(err, errorTitle(), QStringLiteral("Tablonun bir düzeni bulunamadı."));
        return Failed;
    }
    QString listing;
    for (std::size_t i = 0; i < std::min(guesses.size(), kShownGuesses); ++i) {
        const LayoutGuess& guess = guesses[i];
        listing += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                       .arg(layoutRecord(guess.layout).option)
                       .arg(guess.width)
                       .arg(guess.height)
                       .arg(skip.value() + guess.skip)
                       .arg(guess.score, 0, 'f', 4);
    }
    out << listing.toUtf8().constData();
    out.flush();
    return Done;
}

}  // namespace

Command guessCommand()
{
    Command command;
    command.name = QStringLiteral("guess");
    command.usages = {
        {QStringLiteral("GİRDİ [seçenekler]"),
         QStringLiteral("Bir include dosyasındaki bayt tablosunun düzenini ve enini bulur: en "
                        "iyi beş okuma, her satırda düzen, en, yükseklik, atlanan sayı ve puan.")},
    };
    command.options = {skipOption()};
    command.options << smartReadingOptions();
    command.run = runGuess;
    return command;
}

}  // namespace pixmint::cli
