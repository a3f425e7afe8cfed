#include "code_save_flow.h"

#include "code_saving.h"
#include "dialog_service.h"
#include "program_state.h"
#include "run_error.h"
#include "single_byte_text.h"

#include <QFileInfo>

namespace pixmint {

void KoduKaydet(const QString& text, DialogService& dialogs, const QString& languageText,
                ProgramState& state)
{
    try {
        FileDialogRequest request;
        request.defaultExtension = codeDefaultExtension(languageText);
        request.filter = codeSaveFilter();
        request.fileName = proposedCodeFileName(state.DosyaYolu, languageText);
        const std::optional<QString> chosen = dialogs.chooseSaveFile(request);
        if (!chosen)
            return;
        state.DosyaYolu = *chosen;
        if (chosen->isEmpty())
            return;
        if (QFileInfo::exists(*chosen)) {
            const MessageAnswer answer = dialogs.showMessage(
                QStringLiteral("Hata"), overwriteQuestion(*chosen), MessageButtons::YesNo);
            if (answer != MessageAnswer::Yes)
                return;
        }
        writeSingleByteFile(*chosen, text);
    } catch (const RunError& error) {
        if (error.number() != DialogCancelled)
            dialogs.showMessage(error.title(), error.description());
    }
}

}  // namespace pixmint
