#pragma once

#include "code_lines.h"
#include "smart_reading.h"

namespace pixmint {

// One pass over a text that finds its tables (see findTables): a line reader that cuts the
// comments, and one recogniser per kind of table. At most one table is open at a time.
class TableScanner {
public:
    explicit TableScanner(QStringView text) : m_lines(text) {}

    QList<FoundTable> run();

private:
    enum class Mode { Idle, C, DataRun, BasicTable, Numbers };

    void readLine(const CodeLine& line);
    void readOther(const CodeLine& line);
    bool opensC(const CodeLine& line);
    void readC(QStringView code, int lineNumber);
    bool opensBasicTable(const CodeLine& line);
    void readBasicTableLine(const CodeLine& line);
    bool readsDataLine(const CodeLine& line);
    void readOperands(QStringView operands, int lineNumber);
    bool readsNumbersLine(const CodeLine& line);
    void addPieces(QStringView list, int lineNumber);
    void addPiece(QStringView piece, int lineNumber);
    void appendHead(QStringView code);

    void startTable(Mode mode, TableDialect dialect, QStringView name, const QString& dataWord);
    void endTable();

    CodeLineReader m_lines;
    QList<FoundTable> m_tables;
    FoundTable m_table;  // the open table, while m_mode is not Idle
    Mode m_mode = Mode::Idle;
    QString m_head;            // C code since the last brace: the head of an initialiser
    QString m_pendingLabel;    // the label of the last line that was no table's
    int m_depth = 0;           // brace depth inside a C initialiser
    bool m_continued = false;  // the last data line ended with ",_"
    bool m_basicSeen = false;  // the text holds BASIC: "'" comments, ",_", Table, CData
};

}  // namespace pixmint
