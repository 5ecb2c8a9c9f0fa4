// Paints the station placeholder and the home screen's hero picture, both from code, so the
// artwork is ours and can be remade at any size.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

const QColor background = QColor::fromRgbF(0.019F, 0.024F, 0.031F, 1.0F);
const QColor panel = QColor::fromRgbF(0.076F, 0.086F, 0.103F, 1.0F);
const QColor green = QColor::fromRgbF(0.2F, 0.74F, 0.49F, 1.0F);
const QColor muted = QColor::fromRgbF(0.62F, 0.655F, 0.705F, 1.0F);

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

// Rings of a broadcast spreading from `centre`, fading outwards.
void paintWaves(QPainter& painter, QPointF centre, double firstRadius, double step, int count, double width)
{
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < count; ++ring) {
        const double radius = firstRadius + ring * step;
        const double fade = 1.0 - static_cast<double>(ring) / count;
        painter.setPen(QPen(withAlpha(green, 0.12 + 0.55 * fade * fade), width, Qt::SolidLine, Qt::RoundCap));
        const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        painter.drawArc(box, 35 * 16, 110 * 16);
        painter.drawArc(box, 215 * 16, 110 * 16);
    }
}

QImage stationFallback(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side / 2.0, side / 2.0);

    QRadialGradient glow(centre, side * 0.75);
    glow.setColorAt(0.0, panel.lighter(135));
    glow.setColorAt(1.0, background);
    painter.fillRect(image.rect(), glow);

    paintWaves(painter, centre, side * 0.16, side * 0.085, 4, side * 0.03);

    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(green, 0.18));
    painter.drawEllipse(centre, side * 0.12, side * 0.12);
    painter.setBrush(green);
    painter.drawEllipse(centre, side * 0.055, side * 0.055);
    return image;
}

QImage hero(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0.0, QColor::fromRgbF(0.05F, 0.07F, 0.1F, 1.0F));
    sky.setColorAt(1.0, background);
    painter.fillRect(image.rect(), sky);

    const QPointF source(width * 0.72, height * 0.42);
    QRadialGradient glow(source, height * 0.9);
    glow.setColorAt(0.0, withAlpha(green, 0.28));
    glow.setColorAt(0.5, withAlpha(green, 0.06));
    glow.setColorAt(1.0, withAlpha(green, 0.0));
    painter.fillRect(image.rect(), glow);

    paintWaves(painter, source, height * 0.1, height * 0.09, 7, height * 0.012);

    // A spectrum across the bottom: deterministic, so the picture is the same on every run.
    std::mt19937 engine(20240611);
    std::uniform_real_distribution<double> jitter(0.75, 1.0);
    const int bars = 64;
    const double slot = static_cast<double>(width) / bars;
    for (int bar = 0; bar < bars; ++bar) {
        const double x = bar * slot;
        const double envelope = 0.25 + 0.75 * std::pow(std::sin(M_PI * (bar + 0.5) / bars), 2.0);
        const double wave = 0.55 + 0.45 * std::sin(bar * 0.45) * std::cos(bar * 0.13);
        const double barHeight = height * 0.42 * envelope * wave * jitter(engine);
        QLinearGradient fill(0, height, 0, height - barHeight);
        fill.setColorAt(0.0, withAlpha(green, 0.55));
        fill.setColorAt(1.0, withAlpha(muted, 0.08));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(x + slot * 0.2, height - barHeight, slot * 0.6, barHeight + 4), 3, 3);
    }

    QLinearGradient shade(0, 0, width * 0.6, 0);
    shade.setColorAt(0.0, withAlpha(background, 0.65));
    shade.setColorAt(1.0, withAlpha(background, 0.0));
    painter.fillRect(image.rect(), shade);
    return image;
}

bool save(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "webp");
    writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool ok = save(stationFallback(512), folder.filePath(QStringLiteral("vello-station-fallback.webp")))
        && save(hero(1280, 640), folder.filePath(QStringLiteral("vello-hero.webp")));
    return ok ? 0 : 1;
}
