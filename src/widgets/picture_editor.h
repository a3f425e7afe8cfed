#pragma once

#include "byte_layout.h"
#include "pixel_grid.h"

#include <QString>

#include <functional>

class QWidget;

namespace pixmint {

class DialogService;

// The pixel editor ("Düzenle") as the windows that open it see it. The program makes it
// (the windows never see each other); each window that edits keeps one of its own.
class PictureEditor {
public:
    virtual ~PictureEditor() = default;
    // Shows the editor on the picture afresh, raised. Edits not applied are dropped: ask
    // first with editsMayBeDropped.
    virtual void open(const PixelGrid& picture, ByteLayout layout, const QString& title) = 0;
    // While the editor is shown: starts afresh on the picture, without raising it (the
    // opener's picture changed). Hidden: nothing.
    virtual void follow(const PixelGrid& picture, ByteLayout layout, const QString& title) = 0;
    // True while the editor holds edits that "Uygula" has not given back.
    virtual bool hasUnappliedEdits() const = 0;
    // Closes the editor as its own close button does: with edits not applied it asks first,
    // and false means the person kept it open.
    virtual bool closeEditor() = 0;
};

// What receives the picture at every "Uygula".
using AppliedPicture = std::function<void(const PixelGrid& picture)>;
// Makes the editor of a window: a window of its own, owned by `opener`, that gives every
// applied picture to `applied`.
using EditorFactory = std::function<PictureEditor*(QWidget* opener, AppliedPicture applied)>;

// True when going on loses nothing: no editor (nullptr), or one without edits not applied,
// or the person agrees to lose them ("Düzenlemeler kaybolacak. Devam edilsin mi?", Yes/No).
bool editsMayBeDropped(const PictureEditor* editor, DialogService& dialogs);

}  // namespace pixmint
