#include "form3.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace pixmint {
namespace {

TEST(Form3, ShowsTheVersionAndTheNoticeBesideThePicture)
{
    Form3 about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Hakkında"));
    EXPECT_EQ(about.size(), QSize(415, 214));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const QList<std::pair<const char*, QString>> labels = {
        {"Label1", QStringLiteral("Adı Soyadı : Pixmint Geliştiricileri")},
        {"Label2", QStringLiteral("Yazılım Dili : C++")},
        {"Label3", QStringLiteral("Versiyon : 1.06")},
        {"Label4",
         QStringLiteral(
             "Bu program özgür yazılımdır; olduğu gibi, hiçbir garanti verilmeden sunulur.")},
    };
    for (const auto& [name, text] : labels) {
        auto* label = about.findChild<QLabel*>(QString::fromUtf8(name));
        if (!label) {
            ADD_FAILURE() << name << " is missing";
            continue;
        }
        EXPECT_EQ(label->text(), text);
        if (!label->wordWrap()) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << name;
        }
    }
    auto* image = about.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(280, 8, 118, 119));
    EXPECT_EQ(aboutPicture().size(), QSize(606, 583));
}

}  // namespace
}  // namespace pixmint
