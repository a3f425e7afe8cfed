// Smart reading of a 16 MB include file, the largest the converter window opens: the time
// to find its tables and to take the chosen one as the byte table, and the memory each step
// holds, against the file's size.
//
//   pixmint_smart_reading_bench [c|asm|basic|mem]   (default: all four)

#include "single_byte_text.h"
#include "smart_reading.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

using namespace pixmint;

constexpr qsizetype kFileBytes = 16 * 1024 * 1024;

double heapMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

QByteArray memoryFile(QByteArray& file)
{
    file += "// logo\r\n@0000\r\n";
    char number[8];
    for (int line = 0; file.size() < kFileBytes - 200; ++line) {
        for (int i = 0; i < 16; ++i) {
            std::snprintf(number, sizeof number, i == 0 ? "%02X" : " %02X", (line * 16 + i) % 256);
            file += number;
        }
        file += line % 16 != 0 ? "\r\n" : " // row\r\n";
    }
    return file;
}

// A file of one large table in a dialect, with a comment every 16 lines, cut at 16 MB.
// "mem" is a file of Verilog's $readmemh, which smart reading reads twice: once to know it
// for one, once for its words.
QByteArray includeFile(const char* dialect)
{
    QByteArray file;
    file.reserve(kFileBytes + 256);
    if (std::strcmp(dialect, "mem") == 0)
        return memoryFile(file);
    const bool c = std::strcmp(dialect, "c") == 0;
    const bool basic = std::strcmp(dialect, "basic") == 0;
    file += c ? "// logo\r\nconst unsigned char logo[] PROGMEM = {\r\n" : "; logo\r\nlogo:\r\n";
    char number[8];
    for (int line = 0; file.size() < kFileBytes - 200; ++line) {
        file += c ? "\t" : basic ? "\tCData " : "\tdb ";
        for (int i = 0; i < 16; ++i) {
            std::snprintf(number, sizeof number, basic ? "$%02X," : "0x%02X,",
                          (line * 16 + i) % 256);
            file += number;
        }
        if (!c)
            file.chop(1);
        file += line % 16 != 0 ? "\r\n" : c ? " // row\r\n" : basic ? " ' row\r\n" : " ; row\r\n";
    }
    file += c ? "};\r\n" : "\r\n";
    return file;
}

void measure(const char* dialect)
{
    const QString text = decodeWindows1254(includeFile(dialect));
    const double before = heapMegabytes();
    QElapsedTimer timer;
    timer.start();
    const QList<FoundTable> tables = findTables(text);
    const qint64 findMs = timer.elapsed();
    const double found = heapMegabytes() - before;
    timer.restart();
    const ChosenTable chosen = chooseTable(tables, {});
    const qint64 chooseMs = timer.elapsed();
    const double withEntries = heapMegabytes() - before;
    const double file = double(kFileBytes) / (1024.0 * 1024.0);
    std::printf(
        "%-6s %zu table(s), %lld numbers: find %lld ms, choose %lld ms; "
        "held %.1f MB (%.2f x file), with the byte table %.1f MB (%.2f x file); "
        "process peak %.1f MB\n",
        dialect, size_t(tables.size()), static_cast<long long>(chosen.entries.size()),
        static_cast<long long>(findMs), static_cast<long long>(chooseMs), found, found / file,
        withEntries, withEntries / file, peakMegabytes());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        measure(argv[1]);
        return 0;
    }
    for (const char* dialect : {"c", "asm", "basic", "mem"})
        measure(dialect);
    return 0;
}
