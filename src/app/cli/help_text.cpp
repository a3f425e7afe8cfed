#include "cli_commands.h"

namespace pixmint::cli {
namespace {

constexpr int kLineWidth = 88;
constexpr int kTextColumn = 24;

// The words of a text on lines of at most kLineWidth characters, each line after the first
// indented by `indent`; `first` is already on the first line.
QString wrapped(const QString& first, const QString& text, int indent)
{
    QString result = first;
    qsizetype lineLength = first.size();
    bool lineStart = true;  // nothing of the text on this line yet
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lineStart && lineLength + 1 + word.size() > kLineWidth) {
            result += u'\n' + QString(indent, u' ');
            lineLength = indent;
        } else if (!lineStart) {
            result += u' ';
            ++lineLength;
        }
        result += word;
        lineLength += word.size();
        lineStart = false;
    }
    return result + u'\n';
}

QString optionHead(const OptionSpec& option)
{
    QString head = QStringLiteral("  --") + option.name;
    if (option.name == QStringLiteral("help"))
        head += QStringLiteral(", -h");
    if (!option.isSwitch())
        head += u' ' + option.valueName;
    return head;
}

QString optionEntry(const OptionSpec& option)
{
    QString head = optionHead(option);
    head += head.size() + 2 > kTextColumn ? QStringLiteral("  ")
                                          : QString(kTextColumn - head.size(), u' ');
    QString text = option.help;
    if (!option.defaultText.isEmpty())
        text += QStringLiteral(" (varsayılan: %1)").arg(option.defaultText);
    return wrapped(head, text, kTextColumn);
}

}  // namespace

QString helpText()
{
    QString help = QStringLiteral("Kullanım:\n");
    for (const Command& command : commands()) {
        for (const CommandUsage& use : command.usages) {
            help += QStringLiteral("  pixmint-cli %1 %2\n").arg(command.name, use.arguments);
            help += wrapped(QString(6, u' '), use.description, 6);
        }
    }
    help += QStringLiteral("  pixmint-cli --help | --version\n");
    for (const Command& command : commands()) {
        if (command.options.isEmpty())
            continue;
        help += QStringLiteral("\n%1 seçenekleri:\n").arg(command.name);
        for (const OptionSpec& option : command.options)
            help += optionEntry(option);
    }
    help += QStringLiteral("\nGenel:\n");
    for (const OptionSpec& option : generalOptions())
        help += optionEntry(option);
    help += QStringLiteral(
        "\n"
        "Seçenek değeri \"--seçenek değer\" ya da \"--seçenek=değer\" biçiminde verilir; değer\n"
        "\"-\" ile başlayabilir; aynı seçenek yinelenirse sonuncusu geçerlidir.\n"
        "Metinler Windows-1254 ile, satır sonları CR LF olarak yazılır; --eol lf ile LF olur.\n"
        "Çıkış durumu: 0 tamam, 1 başarısız (hiçbir şey yazılmadı), 2 kullanım hatası.\n"
        "--check ile: 0 dosya güncel, 1 güncel değil (hiçbir şey yazılmaz).\n");
    return help;
}

}  // namespace pixmint::cli
