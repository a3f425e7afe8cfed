#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "program_state.h"
#include "qt_dialog_service.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

// The program is interactive only: it ignores its arguments and starts with the main
// window at its design defaults. Closing the main window ends it, with every other window.
int main(int argc, char** argv)
{
    const bool haveDisplay = !qEnvironmentVariableIsEmpty("DISPLAY") ||
                             !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                             !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!haveDisplay) {
        std::fputs(
            "pixmint: ekran bulunamadı (DISPLAY boş); pencereli bir oturumda başlatın "
            "ya da xvfb-run ile çalıştırın.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pixmint"));
    QApplication::setApplicationVersion(QStringLiteral(PIXMINT_VERSION_TEXT));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pixmint-256.png")));
    QApplication::setDesktopFileName(QStringLiteral(PIXMINT_APP_ID));

    pixmint::ProgramState state;
    pixmint::QtDialogService dialogs;
    pixmint::Form1 form1(state, dialogs);
    dialogs.setParentWindow(&form1);
    // Each window that edits pictures gets a pixel editor of its own.
    const pixmint::EditorFactory editors = [&](QWidget* opener, pixmint::AppliedPicture applied) {
        auto* editor = new pixmint::Form6(dialogs, opener);
        QObject::connect(editor, &pixmint::Form6::pictureApplied, opener, std::move(applied));
        return static_cast<pixmint::PictureEditor*>(editor);
    };
    form1.setEditorFactory(editors);
    form1.setConverterWindowFactory([&](QWidget* main) {
        auto* form2 = new pixmint::Form2(state, dialogs, main);
        form2->setEditorFactory(editors);
        return form2;
    });
    form1.setAboutWindowFactory([](QWidget* main) { return new pixmint::Form3(main); });
    form1.setSettingsWindowFactory([&](QWidget* main) { return new pixmint::Form4(state, main); });
    form1.setFontWindowFactory([&](QWidget* main) {
        auto* form5 = new pixmint::Form5(state, dialogs, main);
        form5->setEditorFactory(editors);
        return form5;
    });
    QObject::connect(&form1, &pixmint::Form1::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form1.show();
    return QApplication::exec();
}
