#include "searchfield.h"

#include "arcspinner.h"
#include "palette.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QStyle>

namespace Vello {

namespace {

constexpr qreal cornerRadius = 18;
constexpr int glyphInset = 14;
constexpr int glyphWidth = 18;

QFont pixelFont(const QFont& base, int pixelSize, QFont::Weight weight)
{
    QFont font = base;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

SearchField::SearchField(QWidget* parent)
    : QWidget(parent)
    , m_textField(new QLineEdit(this))
    , m_spinner(new ArcSpinner(this))
{
    setFixedHeight(fixedHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    m_textField->setFrame(false);
    m_textField->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_textField->setFont(pixelFont(font(), 14, QFont::DemiBold));
    m_textField->setPlaceholderText(tr("Search stations, countries, genres..."));
    m_textField->setAccessibleName(tr("Search"));
    QPalette fieldColors = m_textField->palette();
    fieldColors.setColor(QPalette::Base, Qt::transparent);
    fieldColors.setColor(QPalette::Text, Qt::white);
    fieldColors.setColor(QPalette::PlaceholderText, velloMuted());
    fieldColors.setColor(QPalette::Highlight, velloGreen().darker(160));
    fieldColors.setColor(QPalette::HighlightedText, Qt::white);
    m_textField->setPalette(fieldColors);

    // The spinner keeps its place while hidden so the text never shifts when it appears.
    QSizePolicy spinnerPolicy = m_spinner->sizePolicy();
    spinnerPolicy.setRetainSizeWhenHidden(true);
    m_spinner->setSizePolicy(spinnerPolicy);
    m_spinner->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 0, 14, 0);
    layout->setSpacing(0);
    // The search glyph is painted, not a label: it is decoration, and a screen reader would
    // read it out.
    layout->addSpacing(glyphWidth + 8);
    layout->addWidget(m_textField, 1);
    layout->addSpacing(10);
    layout->addWidget(m_spinner);
}

void SearchField::setLoading(bool loading)
{
    if (loading) {
        m_spinner->show();
        m_spinner->start();
    } else {
        m_spinner->stop();
        m_spinner->hide();
    }
}

QSize SearchField::sizeHint() const
{
    return {360, fixedHeight};
}

void SearchField::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(velloBorder(), 1));
    painter.setBrush(QColor::fromRgbF(0.067F, 0.09F, 0.133F, 1.0F));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    painter.setFont(pixelFont(font(), 16, QFont::Bold));
    painter.setPen(velloMuted());
    painter.drawText(QStyle::visualRect(layoutDirection(), rect(), QRect(glyphInset, 0, glyphWidth, height())),
        Qt::AlignCenter, QStringLiteral("⌕"));
}

} // namespace Vello
