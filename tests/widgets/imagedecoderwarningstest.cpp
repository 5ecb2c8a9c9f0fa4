#include "testimages.h"

#include "widgets/imagedecoderwarnings.h"

#include <QImage>

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

} // namespace
} // namespace Vello
