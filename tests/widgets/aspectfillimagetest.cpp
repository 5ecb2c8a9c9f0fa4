#include "testimages.h"

#include "widgets/aspectfillimage.h"
#include "widgets/palette.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <gtest/gtest.h>

namespace Vello {
namespace {

TEST(AspectFillImage, CoversTheFrameCroppingTheOverflowEvenlyWithRoundedCorners)
{
    EXPECT_EQ(AspectFillImage::drawingRect({50, 50}, {200, 100}), QRectF(0, -50, 200, 200));
    EXPECT_EQ(AspectFillImage::drawingRect({50, 50}, {100, 200}), QRectF(-50, 0, 200, 200));
    EXPECT_EQ(AspectFillImage::drawingRect({400, 200}, {200, 100}), QRectF(0, 0, 200, 100));
    EXPECT_EQ(AspectFillImage::drawingRect({1280, 640}, {600, 324}), QRectF(-24, 0, 648, 324));
    // A picture without area draws nothing; a frame 0 high divides by 1 and draws outside its (empty) bounds.
    EXPECT_FALSE(AspectFillImage::drawingRect({0, 50}, {200, 100}));
    EXPECT_FALSE(AspectFillImage::drawingRect({50, -1}, {200, 100}));
    EXPECT_EQ(AspectFillImage::drawingRect({100, 50}, {200, 0}), QRectF(0, -50, 200, 100));

    // Top and bottom thirds red, the middle green: in a wide frame only green shows.
    QImage stripes(90, 90, QImage::Format_ARGB32);
    stripes.fill(Qt::red);
    QPainter(&stripes).fillRect(0, 30, 90, 30, Qt::green);
    AspectFillImage view;
    view.resize(120, 80);
    EXPECT_EQ(rendered(view).pixelColor(60, 40).rgb(), velloPanel().rgb()) << "no picture";
    view.setImage(stripes);
    view.resize(300, 100);
    const QImage shown = rendered(view);
    EXPECT_EQ(shown.pixelColor(150, 5), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(150, 94), QColor(Qt::green));
    // The rounded corner lets the background through.
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::black));

    QPixmap blue(10, 10);
    blue.fill(Qt::blue);
    view.setImage(blue);
    EXPECT_EQ(rendered(view).pixelColor(150, 50), QColor(Qt::blue));
}

} // namespace
} // namespace Vello
