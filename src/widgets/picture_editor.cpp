#include "picture_editor.h"

#include "dialog_service.h"

namespace pixmint {

bool editsMayBeDropped(const PictureEditor* editor, DialogService& dialogs)
{
    if (!editor || !editor->hasUnappliedEdits())
        return true;
    return dialogs.showMessage(QStringLiteral("Düzenle"),
                               QStringLiteral("Düzenlemeler kaybolacak. Devam edilsin mi?"),
                               MessageButtons::YesNo) == MessageAnswer::Yes;
}

}  // namespace pixmint
