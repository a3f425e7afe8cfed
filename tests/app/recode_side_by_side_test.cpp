#include "cli_run.h"
#include "code_layout.h"
#include "code_saving.h"
#include "code_texts.h"
#include "form2.h"
#include "program_state.h"
#include "scripted_dialogs.h"
#include "single_byte_text.h"
#include "window_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

using testing::runCli;
using testing::ScriptedDialogs;

// The converter window and `pixmint-cli recode` on the same files with the same target
// settings give the same bytes, messages included, read plainly and smartly.
TEST(RecodeSideBySide, WindowAndToolWriteTheSameText)
{
    QTemporaryDir dir;
    QStringList table;
    for (int i = 0; i < 200; ++i)
        table << QStringLiteral("%1").arg((i * 37) % 256, 2, 16, QLatin1Char('0')).toUpper();
    struct Source {
        const char* name;
        const char* language;
        const char* command;
    };
    const QList<Source> sources = {
        {"dt.inc", "Asm", "Dt"},
        {"retlw.inc", "Asm", "retlw"},
        {"ccs.h", "CCS", "Resim[]="},
        {"proton.bas", "Proton Basic", "CData"},
        {"arduino.h", "Arduino", "resim[]="},
    };
    for (const Source& source : sources) {
        NumberFormat format = presetFormat(QString::fromUtf8(source.language));
        format.command = QString::fromUtf8(source.command);
        const QString path = dir.filePath(QString::fromUtf8(source.name));
        writeSingleByteFile(
            path, testing::codeText(format, table, QStringLiteral("C:\\Şekiller\\logo.bmp")));
        for (const char* language : {"Asm", "CCS", "Proton Basic", "C", "Arduino"}) {
            for (int run = 0; run < 4; ++run) {
                const bool invert = run % 2 == 1;
                const bool smart = run >= 2;
                ProgramState state;
                ScriptedDialogs dialogs;
                Form2 window(state, dialogs);
                window.findChild<QCheckBox*>(QStringLiteral("Akıllı"))->setChecked(smart);
                dialogs.queueFile(path);
                testing::click(&window, "Command1");
                QComboBox* target = window.findChild<QComboBox*>(QStringLiteral("Combo1(1)"));
                target->setEditText(QString::fromUtf8(language));
                Q_EMIT target->lineEdit()->textEdited(target->currentText());
                invert ? testing::click(&window, "Command4") : testing::click(&window, "Command2");
                const QString windowText = withCrLf(
                    window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText());
                QStringList windowMessages;
                for (const auto& call : dialogs.messages())
                    windowMessages << QStringLiteral("pixmint-cli: ") + call.title +
                                          QStringLiteral(": ") + call.text;

                QStringList arguments = {QStringLiteral("recode"), path, QStringLiteral("--lang"),
                                         QString::fromUtf8(language)};
                if (invert)
                    arguments << QStringLiteral("--invert");
                if (smart)
                    arguments << QStringLiteral("--smart");
                const testing::CliResult tool = runCli(arguments);
                const std::string what = std::string(source.name) + " → " + language +
                                         (invert ? " inverted" : "") + (smart ? " smart" : "");
                EXPECT_EQ(tool.status, 0) << what;
                EXPECT_EQ(tool.out, encodeWindows1254(windowText)) << what;
                EXPECT_EQ(tool.err.trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                          windowMessages)
                    << what;
            }
        }
    }
}

}  // namespace
}  // namespace pixmint
