#include "form6.h"
#include "pixel_canvas.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pixmint {
namespace {

using testing::ScriptedDialogs;

// A 24 × 16 picture, light with a dark block at (8, 4) … (11, 7).
PixelGrid testPicture()
{
    PixelGrid picture(24, 16);
    for (int y = 4; y < 8; ++y) {
        for (int x = 8; x < 12; ++x)
            picture.set(x, y, 1);
    }
    return picture;
}

// The editor as the window that opens it shows it, driven by mouse and keys on the canvas.
class Form6Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_form = std::make_unique<Form6>(m_dialogs);
        m_form->edit(testPicture(), ByteLayout::RowsMsbLeft, QStringLiteral("deneme"));
        QObject::connect(m_form.get(), &Form6::pictureApplied,
                         [this](const PixelGrid& picture) { m_applied.push_back(picture); });
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        m_canvas = m_form->findChild<PixelCanvas*>(QStringLiteral("Tuval"));
        ASSERT_NE(m_canvas, nullptr);
    }

    QPushButton* button(const char* name) const
    {
        auto* found = m_form->findChild<QPushButton*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const
    {
        QTest::keyClick(m_canvas, key, modifiers);
    }
    // Presses at the first pixel, moves through the others and lets go at the last.
    void drag(std::initializer_list<QPoint> pixels, Qt::MouseButton with = Qt::LeftButton) const
    {
        const QPoint first = *pixels.begin();
        QTest::mousePress(m_canvas, with, {}, m_canvas->centreOf(first));
        for (const QPoint pixel : pixels)
            QTest::mouseMove(m_canvas, m_canvas->centreOf(pixel));
        QTest::mouseRelease(m_canvas, with, {}, m_canvas->centreOf(*(pixels.end() - 1)));
    }
    const PixelGrid& picture() const { return m_form->picture(); }

    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form6> m_form;
    PixelCanvas* m_canvas = nullptr;
    std::vector<PixelGrid> m_applied;
};

TEST_F(Form6Test, OpensWithThePencilAtTheLargestZoomThatFits)
{
    EXPECT_TRUE(button("Kalem")->isChecked());
    const QSize view = m_form->findChild<QScrollArea*>()->viewport()->size();
    const int zoom = m_canvas->zoom();
    EXPECT_LE(24 * zoom + 1, view.width());
    EXPECT_LE(16 * zoom + 1, view.height());
    EXPECT_TRUE(zoom == PixelCanvas::kMaxZoom || 16 * (zoom + 1) + 1 > view.height() ||
                24 * (zoom + 1) + 1 > view.width())
        << zoom;
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Düzenle — deneme"));
}

// One stroke, dragged through several moves of the mouse, is one step of the history.
TEST_F(Form6Test, AStrokeIsOneStepThatCtrlZTakesBackAndCtrlYOrCtrlShiftZRedoes)
{
    drag({{1, 1}, {3, 1}, {5, 1}, {5, 3}});
    const PixelGrid stroked = picture();
    for (const QPoint p : {QPoint(1, 1), QPoint(4, 1), QPoint(5, 2), QPoint(5, 3)})
        EXPECT_EQ(stroked.at(p.x(), p.y()), 1) << p.x() << "," << p.y();
    EXPECT_EQ(button("GeriAl")->toolTip(), QStringLiteral("Geri Al: Kalem"));

    key(Qt::Key_Z);
    EXPECT_EQ(picture(), testPicture());
    EXPECT_EQ(button("Yinele")->toolTip(), QStringLiteral("Yinele: Kalem"));
    EXPECT_FALSE(button("GeriAl")->isEnabled());
    key(Qt::Key_Y);
    EXPECT_EQ(picture(), stroked);
    key(Qt::Key_Z);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(picture(), stroked);
}

TEST_F(Form6Test, TheRightButtonPaintsLightAndTheButtonsUndoAndRedo)
{
    drag({{8, 4}, {11, 4}}, Qt::RightButton);
    EXPECT_EQ(picture().at(8, 4), 0);
    EXPECT_EQ(picture().at(11, 4), 0);
    EXPECT_EQ(picture().at(8, 5), 1);
    click("GeriAl");
    EXPECT_EQ(picture(), testPicture());
    click("Yinele");
    EXPECT_EQ(picture().at(10, 4), 0);
}

// The block is selected and carried over the picture's dark pixels and on: the pixels it
// passed over stay, and the whole drag is one step.
TEST_F(Form6Test, ASelectionDraggedAcrossThePictureIsOneMove)
{
    click("Seç");
    drag({{8, 4}, {9, 5}});
    EXPECT_EQ(m_canvas->selection(), QRect(8, 4, 2, 2));
    drag({{8, 4}, {10, 6}, {12, 8}, {17, 10}});
    EXPECT_EQ(m_canvas->selection(), QRect(17, 10, 2, 2));
    PixelGrid expected = testPicture();
    for (const QPoint p : {QPoint(8, 4), QPoint(9, 4), QPoint(8, 5), QPoint(9, 5)})
        expected.set(p.x(), p.y(), 0);
    for (const QPoint p : {QPoint(17, 10), QPoint(18, 10), QPoint(17, 11), QPoint(18, 11)})
        expected.set(p.x(), p.y(), 1);
    EXPECT_EQ(picture(), expected);
    EXPECT_EQ(button("GeriAl")->toolTip(), QStringLiteral("Geri Al: Taşı"));
    key(Qt::Key_Z);
    EXPECT_EQ(picture(), testPicture());
}

// Copied through the system clipboard as a picture and pasted at another selection.
TEST_F(Form6Test, CopyAndPasteGoThroughTheClipboard)
{
    click("Seç");
    drag({{7, 3}, {9, 5}});
    key(Qt::Key_C);
    drag({{0, 10}, {1, 11}});
    key(Qt::Key_V);
    PixelGrid expected = testPicture();
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            expected.set(x, 10 + y, testPicture().at(7 + x, 3 + y));
    }
    EXPECT_EQ(picture(), expected);
    EXPECT_EQ(m_canvas->selection(), QRect(0, 10, 3, 3));
    EXPECT_EQ(button("GeriAl")->toolTip(), QStringLiteral("Geri Al: Yapıştır"));
}

TEST_F(Form6Test, CtrlArrowShiftsAndTheStatusNamesTheByteAndBitOfTheLayout)
{
    key(Qt::Key_Right);
    EXPECT_EQ(picture().at(12, 4), 1);
    EXPECT_EQ(picture().at(8, 4), 0);
    EXPECT_EQ(button("GeriAl")->toolTip(), QStringLiteral("Geri Al: Sağa Kaydır"));

    // Rows of 3 bytes, bit 7 at the left: pixel (12, 5) is entry 5 · 3 + 1, bit 7 − 4.
    QTest::mouseMove(m_canvas, m_canvas->centreOf({12, 5}));
    EXPECT_EQ(m_form->findChild<QLabel*>(QStringLiteral("Durum"))->text(),
              QStringLiteral("x 12, y 5 — bayt 16, bit 3"));
}

TEST_F(Form6Test, UygulaGivesTheEditedPictureBackAndClosingThenAsksNothing)
{
    drag({{0, 0}, {2, 0}});
    click("Uygula");
    ASSERT_EQ(m_applied.size(), 1U);
    EXPECT_EQ(m_applied.front(), picture());
    EXPECT_NE(m_applied.front(), testPicture());
    EXPECT_FALSE(m_form->hasUnappliedEdits());
    EXPECT_TRUE(m_form->close());
    EXPECT_TRUE(m_dialogs.calls().isEmpty());
}

TEST_F(Form6Test, ClosingWithEditsNotAppliedAsksAndNoKeepsTheWindow)
{
    drag({{0, 0}, {2, 0}});
    m_dialogs.queueAnswer(MessageAnswer::No);
    EXPECT_FALSE(m_form->close());
    EXPECT_TRUE(m_form->isVisible());
    const testing::DialogCall asked = m_dialogs.onlyMessage();
    EXPECT_EQ(asked.text, QStringLiteral("Değişiklikler uygulanmadı. Kapatılsın mı?"));
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);

    // Yes gives the edits up, so that the opener, asking the window, finds none left.
    m_dialogs.queueAnswer(MessageAnswer::Yes);
    EXPECT_TRUE(m_form->close());
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_TRUE(m_applied.empty());
    EXPECT_FALSE(m_form->hasUnappliedEdits());
    EXPECT_EQ(picture(), testPicture());
}

}  // namespace
}  // namespace pixmint
