#include "alarmbar.h"

#include "screens/mainview.h"
#include "screens/sidebar.h"
#include "widgets/palette.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace Vello {

namespace {

constexpr qreal corner = 14;
constexpr int gap = 8;

} // namespace

AlarmBar::AlarmBar(MainView& view)
    : Panel(corner, velloPanel(), velloGreen(), &view)
    , m_view(view)
    , m_label(new QLabel(this))
    , m_snooze(new QPushButton(tr("&Snooze 10 Minutes"), this))
    , m_stop(new QPushButton(tr("S&top Alarm"), this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 6, 10, 6);
    m_label->setTextFormat(Qt::PlainText);
    QPalette colors = m_label->palette();
    colors.setColor(QPalette::WindowText, Qt::white);
    m_label->setPalette(colors);
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_snooze);
    layout->addWidget(m_stop);
    setAccessibleName(tr("Alarm"));
    for (QPushButton* button : {m_snooze, m_stop}) {
        button->setAccessibleName(QString(button->text()).remove(u'&'));
        // Drawn as the dialogs' buttons are, dark.
        button->setPalette(velloDarkPalette(button->palette()));
    }
    connect(m_snooze, &QPushButton::clicked, this, &AlarmBar::snoozeChosen);
    connect(m_stop, &QPushButton::clicked, this, &AlarmBar::stopChosen);
    view.installEventFilter(this);
    hide();
}

void AlarmBar::ring(const QString& what)
{
    m_label->setText(what);
    place();
    show();
    raise();
    m_snooze->setFocus();
}

bool AlarmBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::Resize) {
        place();
    }
    return Panel::eventFilter(watched, event);
}

void AlarmBar::place()
{
    // Above the mini player, as wide, mirrored with the window in a right-to-left language.
    const int left = Sidebar::width + MainView::miniPlayerSideMargin;
    const int width = std::max(0, m_view.width() - left - MainView::miniPlayerSideMargin);
    const QRect logical {left,
        m_view.height() - MainView::miniPlayerBottomMargin - MainView::miniPlayerHeight - gap - barHeight, width,
        barHeight};
    setGeometry(QStyle::visualRect(m_view.layoutDirection(), m_view.rect(), logical));
}

} // namespace Vello
