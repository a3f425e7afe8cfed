#pragma once

#include "c_preprocessor.h"
#include "code_lines.h"
#include "smart_reading.h"

namespace pixmint {

// One pass over a text that finds its tables (see findTables): a line reader that cuts the
// comments, and one recogniser per kind of table. At most one table is open at a time.
class TableScanner {
public:
    explicit TableScanner(QStringView text) : m_text(text), m_lines(text) {}

    QList<FoundTable> run();

private:
    enum class Mode {
        Idle,
        C,            // C or JAL: NAME[…] = { … }
        Nested,       // Python, Pascal, Rust, Zig: the brackets of m_table's dialect
        ByteStrings,  // Python's b'…' lines joined by "\"
        DataRun,
        BasicTable,
        Numbers,
        Coe,
        Mif,
    };

    LineContext contextNow() const;
    void readLine(CodeLine& line);
    void readDirective(const CodeLine& line);
    void keepAside(QStringView text, int lineNumber, bool directive);
    void readKeptLines();
    void readOther(const CodeLine& line);
    bool opensC(const CodeLine& line);
    void readNested(QStringView code, int lineNumber);
    bool opensBracketTable(CodeLine& line);
    bool opensPython(CodeLine& line);
    void readByteStrings(QStringView code, int lineNumber);
    bool opensBasicTable(const CodeLine& line);
    void readBasicTableLine(const CodeLine& line);
    bool readsDataLine(CodeLine& line);
    void openDataRun(QStringView label, QStringView word);
    void readOperands(QStringView operands, int lineNumber);
    bool readsNumbersLine(const CodeLine& line);
    bool readsMemoryHeader(const CodeLine& line);
    void readCoeLine(const CodeLine& line);
    void readMifLine(const CodeLine& line);
    void readMemoryFile(int base);
    void addPieces(QStringView list, int lineNumber);
    void addPiece(QStringView piece, int lineNumber);
    bool addDialectPiece(QStringView piece, int lineNumber);
    void addValue(qint64 value, QStringView prefix, QStringView suffix, QStringView piece,
                  int lineNumber);
    void addNotNumber(QStringView piece, int lineNumber);
    void appendHead(QStringView code);

    void startTable(Mode mode, TableDialect dialect, QStringView name, const QString& dataWord);
    void endTable();
    void settleDialects();
    void joinSplitTables();

    QStringView m_text;
    CodeLineReader m_lines;
    QList<FoundTable> m_tables;
    FoundTable m_table;  // the open table, while m_mode is not Idle
    Mode m_mode = Mode::Idle;
    QString m_head;            // code since the last brace: the head of an initialiser
    QString m_pendingLabel;    // the label of the last line that was no table's
    QString m_outerLabel;      // a label alone before m_pendingLabel, nothing between
    int m_depth = 0;           // bracket depth inside a C initialiser or a nested table
    int m_parens = 0;          // parenthesis depth of a macro call inside a C initialiser
    QString m_carry;           // the start of a C piece that a macro call carries on
    bool m_continued = false;  // the last data line ended with ",_"
    bool m_basicSeen = false;  // the text holds BASIC: "'" comments, ",_", Table, CData
    bool m_dashSeen = false;   // lines whose code begins with a "--" comment
    bool m_cCommentSeen = false;
    bool m_joined = false;      // the data run goes on across the labels inside it
    QString m_runWord;          // the data word of the open run
    bool m_basicRun = false;    // the open data run is BASIC's
    bool m_tentative = false;   // the open table is dropped unless its first piece is a number
    bool m_pythonCall = false;  // bytearray(…): a bare number in the call is a size
    bool m_dropped = false;     // the open table turned out to be none
    bool m_keepValues = false;  // the open table is a GFXglyph array: its numbers are kept
    bool m_keepPieces = false;  // the open table is a GFXfont record: its pieces are kept
    QString m_pendingPython;    // "NAME =\": byte strings may follow
    int m_coeBase = 16;
    int m_mifDataBase = 16;
    int m_mifAddressBase = 16;
    bool m_mifAwaitsBegin = false;
    MacroTable m_macros;
    ConditionStack m_conditions;
    QString m_directive;  // the directive being read, its lines joined
    int m_directiveLine = 0;
    // The lines of a provisional "#if" group, read at its #endif when it has no other branch.
    struct KeptLine {
        QString text;
        int number = 0;
        bool directive = false;
    };
    QList<KeptLine> m_keptLines;
    // What joining a table split in labelled parts needs to know of each table found, in the
    // order of m_tables.
    struct RunNote {
        bool asmRun = false;    // a run of assembler data lines
        bool afterRun = false;  // only separator lines stood between it and the run before it
        QString part;           // its own label (a font's outer label aside)
    };
    QList<RunNote> m_notes;
    bool m_afterRun = false;  // the last table found is an assembler run; only separators since
    bool m_openedAfterRun = false;  // the open run began so
    QString m_part;                 // the open run's own label
};

}  // namespace pixmint
