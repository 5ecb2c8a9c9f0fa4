#include "sectionbuilders.h"

#include "panelview.h"

#include "widgets/elidedlabel.h"
#include "widgets/palette.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

namespace Vello {

QFont pixelFont(int pixelSize, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QString toQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ElidedLabel* makeLabel(const QString& text, int pixelSize, QFont::Weight weight, const QColor& color, QWidget* parent)
{
    auto* label = new ElidedLabel(text, parent);
    label->setFont(pixelFont(pixelSize, weight));
    label->setTextColor(color);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* makeEmptyListLabel(const QString& text, QWidget* parent)
{
    return makeLabel(text, 15, QFont::DemiBold, velloMuted(), parent);
}

QWidget* makeSectionTitle(const QString& title)
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("sectionTitle"));
    row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(makeLabel(title, 18, QFont::Bold, Qt::white), 1, Qt::AlignVCenter);
    return row;
}

PanelView* makeStatusPanel(const QString& message)
{
    auto* panel = new PanelView(12, QColor::fromRgbF(0.09F, 0.108F, 0.126F, 1.0F), velloBorder());
    panel->setObjectName(QStringLiteral("statusPanel"));
    panel->setFixedHeight(48);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(16, 0, 16, 0);
    layout->addWidget(makeLabel(message, 13, QFont::DemiBold, velloMuted()), 1, Qt::AlignVCenter);
    return panel;
}

PanelView* makeBadge(const QString& title, const QColor& accent)
{
    QColor fill = accent;
    fill.setAlphaF(0.14F);
    QColor border = accent;
    border.setAlphaF(0.35F);
    auto* badge = new PanelView(11, fill, border);
    badge->setObjectName(QStringLiteral("badge"));
    badge->setFixedHeight(22);

    // As wide as its text until the column runs out; then the text is cut with an ellipsis.
    badge->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    auto* label = new ElidedLabel(title, badge);
    label->setFont(pixelFont(11, QFont::Bold));
    label->setTextColor(accent);
    label->setAccessibleName(title);
    // An empty label still claims a few pixels; an empty tag is only its padding.
    label->setVisible(!title.isEmpty());

    auto* layout = new QHBoxLayout(badge);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(label, 0, Qt::AlignVCenter);
    return badge;
}

} // namespace Vello
