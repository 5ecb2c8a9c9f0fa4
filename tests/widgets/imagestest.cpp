#include "testimages.h"

#include "widgets/imagedecoderwarnings.h"

#include <QImage>

#include "widgets/aspectfillimage.h"
#include <gtest/gtest.h>

namespace Vello {
namespace {

TEST(ImageDecoderWarnings, BrokenLogosNeverReachTheDecodersVoiceAndOtherWarningsStillShow)
{
    const QByteArray png = encodedImage({64, 64}, Qt::darkCyan);
    QByteArray flipped = png;
    flipped[png.indexOf("IDAT") + 6] = static_cast<char>(flipped[png.indexOf("IDAT") + 6] ^ 0x55);
    struct Case {
        const char* name;
        QByteArray data;
        bool whole;
    };
    const Case cases[] = {
        {"png", png, true},
        {"truncated png", png.first(png.size() / 2), false},
        {"png without its end", png.first(png.size() - 12), false},
        {"damaged png", flipped, false},
        {"jpeg", encodedImage({64, 64}, Qt::darkCyan, "JPG"), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isWholeImage(c.data), c.whole);
    }

    // What the decoders say through Qt is filtered; a truncated JPEG is one such.
    silenceImageDecoderWarnings();
    static QStringList messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { messages.append(message); });
    const QByteArray jpeg = encodedImage({64, 64}, Qt::darkCyan, "JPG");
    (void)QImage::fromData(jpeg.first(jpeg.size() / 2));
    qWarning("still heard");
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, QStringList {QStringLiteral("still heard")});
}

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
