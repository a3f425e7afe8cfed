#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pixmint {

// The macros a file defines with "#define", as far as smart reading needs them: to evaluate
// a byte written as a macro call or a constant expression, and the conditions of "#if"
// groups inside an initialiser.
class MacroTable {
public:
    // Takes one directive, its continuation lines joined and its comments cut: "#define"
    // and "#undef" change the table, any other directive is ignored.
    void take(QStringView directive);
    bool isDefined(QStringView name) const { return m_macros.contains(name.toString()); }

    struct Macro {
        bool functionLike = false;
        QStringList parameters;
        QString body;
    };
    const Macro* find(QStringView name) const;

private:
    QHash<QString, Macro> m_macros;
};

// The value of a constant expression of C after the file's macros are expanded (integer
// literals in every C form, character constants, casts, and the operators of C with their
// precedence); nothing when the expression is refused: an identifier that names no value,
// a call of no function-like macro, a macro that expands itself, a division by zero, an
// overflow, nesting deeper than the evaluator goes (a few hundred levels) or an expansion
// that grows beyond its bound. In a condition ("#if"), "defined NAME" is 1 or 0 and an
// identifier left after expansion is 0, as a compiler reads it; `outsideName` then tells
// whether the value leant on a name the file does not define (a switch of the build).
std::optional<qint64> evaluateExpression(QStringView expression, const MacroTable& macros,
                                         bool condition = false, bool* outsideName = nullptr);

// The "#if" groups opened inside an initialiser: which lines are read, and the conditions
// that could not be decided (read as "#if 0" would be). In a group with branches to choose
// from, the branch a compiler takes with no definitions beyond the file's own is read. A
// group of one branch that is left out only because of a name the file does not define (a
// switch of the build, "#ifdef USE_LOGO") is provisional: its lines are kept aside, and read
// after all at its #endif, unless an #else or #elif shows the group has a choice.
class ConditionStack {
public:
    enum class Outcome {
        NotConditional,  // no conditional directive
        Taken,
        ReadKeptLines,    // the provisional group ended alone: read the lines kept aside
        ForgetKeptLines,  // the provisional group has other branches: its lines stay out
    };
    // Takes one conditional directive (#if, #ifdef, #ifndef, #elif, #else, #endif). A group
    // that was opened before the initialiser began is not this stack's: its #elif, #else and
    // #endif are passed over.
    Outcome take(QStringView directive, const MacroTable& macros, int lineNumber);
    bool isActive() const { return m_firstInactive < 0; }
    // Whether the lines now left out belong to a provisional group (and are kept aside).
    bool keepsLinesAside() const;
    void clear();
    // The warnings for conditions that could not be decided since the last call.
    QStringList takeWarnings();

private:
    struct Group {
        bool active = false;  // the lines of the branch now read are read
        bool taken = false;   // one of its branches was read
        bool parentActive = true;
        bool provisional = false;
    };
    bool decide(QStringView condition, const MacroTable& macros, int lineNumber, bool& outsideName);

    QList<Group> m_groups;
    qsizetype m_firstInactive = -1;  // the outermost group whose lines are left out
    QStringList m_warnings;
};

// The directive without its comments ("//" to the end, "/* */" within it).
QString withoutDirectiveComments(QStringView directive);

}  // namespace pixmint
