#include "elidedlabel.h"

#include "textdirection.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace Vello {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    // Station texts come from the internet: never let them be read as markup.
    setTextFormat(Qt::PlainText);
    setText(text);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void ElidedLabel::setTextColor(const QColor& color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

QString ElidedLabel::displayedText() const
{
    QString line = text();
    line.replace(u'\n', u' ')
        .replace(u'\r', u' ')
        .replace(QChar::LineSeparator, u' ')
        .replace(QChar::ParagraphSeparator, u' ');
    return fontMetrics().elidedText(line, Qt::ElideRight, contentsRect().width());
}

int ElidedLabel::wholeTextWidth() const
{
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + contentsMargins().left()
        + contentsMargins().right();
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    drawTextInItsDirection(painter, *this, contentsRect(), alignment(), displayedText());
}

} // namespace Vello
