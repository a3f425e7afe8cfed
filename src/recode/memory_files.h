#pragma once

#include <QStringView>

#include <optional>

namespace pixmint {

// The memory files of hardware description: the files Verilog's $readmemh and $readmemb
// read, Xilinx's .coe and Intel's .mif.

// The base of a text that is a $readmem file: every line (comments "//" and "/* */" cut)
// holds nothing but words of hexadecimal digits ("_", "x" and "z" allowed) separated by
// blanks, or an address "@…"; and some line holds a letter digit, two words or an address
// (a text of bare decimal numbers one to a line stays a run of numbers). 2 when every word
// is of 0s and 1s and all have one length of three or more ($readmemb), else 16; nothing
// for any other text. Stops at the first line that is none.
std::optional<int> memoryFileBase(QStringView text);

// The words of a $readmem line, separated by blanks; an address line gives none.
template <typename Take>
void forEachMemoryWord(QStringView code, Take take)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= code.size(); ++i) {
        const bool blank = i == code.size() || code[i] == u' ' || code[i] == u'\t';
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            const QStringView word = code.sliced(start, i - start);
            if (word.front() != u'@')
                take(word);
            start = -1;
        }
    }
}

// The value of one word in a base, "_" between digits allowed; nothing for a word that is
// no number in it (Verilog's x and z among them).
std::optional<qint64> memoryWordValue(QStringView word, int base);

// The base that a radix keyword of a .coe or .mif file names: 2, 8, 10 or 16 (COE writes
// the number, MIF the words BIN, OCT, DEC, UNS and HEX); nothing for any other.
std::optional<int> radixBase(QStringView radix);

// The value of "KEY = VALUE" in a line of a .coe or .mif header when KEY is `key` (any
// case), without the blanks around VALUE; nothing for any other line.
std::optional<QStringView> headerValue(QStringView code, QStringView key);

}  // namespace pixmint
