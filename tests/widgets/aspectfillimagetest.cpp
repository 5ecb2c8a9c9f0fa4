#include "widgets/aspectfillimage.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

// Where the picture is drawn; how the cropped picture looks with its rounded corners the
// screenshots show.
TEST(AspectFillImage, CoversTheFrameCroppingTheOverflowEvenly)
{
    EXPECT_EQ(AspectFillImage::drawingRect({50, 50}, {200, 100}), QRectF(0, -50, 200, 200));
    EXPECT_EQ(AspectFillImage::drawingRect({50, 50}, {100, 200}), QRectF(-50, 0, 200, 200));
    EXPECT_EQ(AspectFillImage::drawingRect({400, 200}, {200, 100}), QRectF(0, 0, 200, 100));
    EXPECT_EQ(AspectFillImage::drawingRect({1280, 640}, {600, 324}), QRectF(-24, 0, 648, 324));
    // A picture without area draws nothing; a frame 0 high divides by 1 and draws outside its (empty) bounds.
    EXPECT_FALSE(AspectFillImage::drawingRect({0, 50}, {200, 100}));
    EXPECT_FALSE(AspectFillImage::drawingRect({50, -1}, {200, 100}));
    EXPECT_EQ(AspectFillImage::drawingRect({100, 50}, {200, 0}), QRectF(0, -50, 200, 100));
}

} // namespace
} // namespace Vello
