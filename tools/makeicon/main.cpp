// Renders the application's SVG icon to square PNGs for the hicolor theme, at build time:
//   vello_makeicon icon.svg out.png 48 [out2.png 128 ...]

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4 || arguments.size() % 2 != 0) {
        std::fputs("usage: vello_makeicon icon.svg out.png size [out.png size ...]\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "vello_makeicon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    for (qsizetype i = 2; i < arguments.size(); i += 2) {
        bool isNumber = false;
        const int side = arguments.at(i + 1).toInt(&isNumber);
        if (!isNumber || side <= 0 || side > 4096) {
            std::fprintf(stderr, "vello_makeicon: bad size %s\n", qPrintable(arguments.at(i + 1)));
            return 2;
        }
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (!image.save(arguments.at(i), "PNG")) {
            std::fprintf(stderr, "vello_makeicon: cannot write %s\n", qPrintable(arguments.at(i)));
            return 1;
        }
    }
    return 0;
}
