#include "sidebar.h"

#include "browser/browsercontroller.h"
#include "widgets/sidebarnavbutton.h"
#include "widgets/textdirection.h"

#include <QVBoxLayout>

namespace Vello {

Sidebar::Sidebar(BrowserController& browser, QWidget* parent)
    : Panel(0, QColor::fromRgbF(0.04F, 0.045F, 0.055F, 1.0F), Qt::transparent, parent)
    , m_browser(browser)
    , m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("sidebar"));
    m_layout->setContentsMargins(marginsInDirection(*this, {10, 58, 12, 18}));
    m_layout->setSpacing(12);
}

void Sidebar::render()
{
    while (QLayoutItem* item = m_layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            // Deleted on the next turn of the loop: the click that asked for this may still be
            // running inside it.
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    const Screen current = m_browser.screen();
    const struct {
        const char* title;
        const char16_t* symbol;
        Screen screen;
    } entries[] = {
        {QT_TR_NOOP("Home"), u"home", Screen::Home},
        {QT_TR_NOOP("Browse"), u"grid", Screen::Browse},
        {QT_TR_NOOP("Library"), u"heart-filled", Screen::Library},
        {QT_TR_NOOP("Player"), u"play-circle", Screen::Player},
    };
    for (const auto& entry : entries) {
        const QString title = tr(entry.title);
        auto* button = new SidebarNavButton(title, QString::fromUtf16(entry.symbol), entry.screen == current);
        button->setFixedWidth(navButtonWidth);
        button->setAccessibleName(title);
        connect(
            button, &QAbstractButton::clicked, this, [this, screen = entry.screen] { m_browser.switchScreen(screen); });
        m_layout->addWidget(button, 0, Qt::AlignLeft);
        button->show();
    }
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_layout->addWidget(spacer, 1);
    spacer->show();
}

} // namespace Vello
