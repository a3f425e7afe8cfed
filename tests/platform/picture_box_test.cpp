#include "picture_box.h"

#include <gtest/gtest.h>

namespace pixmint {
namespace {

TEST(PictureBox, KeepsItsImageAndMeasuresItsInnerArea)
{
    PictureBox bordered;
    bordered.resize(249, 209);
    EXPECT_EQ(bordered.innerSize(), QSize(245, 205));
    PictureBox plain(nullptr, false);
    plain.resize(128, 64);
    EXPECT_EQ(plain.innerSize(), QSize(128, 64));

    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::black);
    plain.setImage(image);
    EXPECT_EQ(plain.image().pixel(2, 1), qRgb(0, 0, 0));
    plain.clear();
    EXPECT_TRUE(plain.isEmpty());
}

}  // namespace
}  // namespace pixmint
