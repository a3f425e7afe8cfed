#pragma once

#include "form6.h"
#include "picture_editor.h"
#include "pixel_canvas.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pixmint::testing {

// The pixel editors the program makes, with the test's dialogs.
inline EditorFactory realEditors(DialogService& dialogs)
{
    return [&dialogs](QWidget* opener, AppliedPicture applied) {
        auto* editor = new Form6(dialogs, opener);
        QObject::connect(editor, &Form6::pictureApplied, opener, std::move(applied));
        return static_cast<PictureEditor*>(editor);
    };
}

// The editor a window made, as its window.
inline Form6* editorWindow(PictureEditor* editor)
{
    return dynamic_cast<Form6*>(editor);
}

// Clicks the pixels on the editor's canvas with the pencil (left: dark, right: light).
inline void paint(Form6* editor, std::initializer_list<QPoint> pixels,
                  Qt::MouseButton with = Qt::LeftButton)
{
    auto* canvas = editor->findChild<PixelCanvas*>(QStringLiteral("Tuval"));
    ASSERT_NE(canvas, nullptr);
    for (const QPoint pixel : pixels)
        QTest::mouseClick(canvas, with, {}, canvas->centreOf(pixel));
}

// "Uygula" of the editor.
inline void apply(Form6* editor)
{
    auto* button = editor->findChild<QPushButton*>(QStringLiteral("Uygula"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace pixmint::testing
