#include "app/mainwindow.h"

#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "screens/miniplayer.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// The menu bar's menu titled `title`, searched through submenus too.
QMenu* menuTitled(const QWidget& window, const QString& title)
{
    for (auto* menu : window.findChildren<QMenu*>()) {
        if (menu->title() == title) {
            return menu;
        }
    }
    return nullptr;
}

TEST(SleepTimerMenuTest, AChoiceInThePlaybackMenuShowsTheTimeLeftInTheMiniPlayer)
{
    WindowFakes fakes;
    MainWindow window {fakes.source, fakes.media, fakes.http, fakes.preferences, fakes.queue, fakes.artwork, {}};
    window.show();
    fakes.source.answer(makeStations(3));
    fakes.queue.runPending();
    MainView& view = *window.controller();
    view.browser().playSelected();
    fakes.queue.runPending();

    QMenu* sleep = menuTitled(window, u"Sleep Timer"_s);
    ASSERT_NE(sleep, nullptr);
    EXPECT_EQ(menuTitled(window, u"Playback"_s)->actions().back()->menu(), sleep);
    QStringList entries;
    for (const QAction* action : sleep->actions()) {
        EXPECT_TRUE(action->isCheckable());
        entries.append(action->text());
    }
    EXPECT_EQ(entries,
        QStringList({u"Off"_s, u"15 Minutes"_s, u"30 Minutes"_s, u"45 Minutes"_s, u"60 Minutes"_s, u"90 Minutes"_s,
            u"End of the Current Song"_s}));
    EXPECT_TRUE(sleep->actions().front()->isChecked());
    const ElidedLabel* label = view.miniPlayer()->sleepTimer();
    EXPECT_FALSE(label->isVisible());

    sleep->actions()[2]->trigger();
    fakes.queue.runPending();
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->displayedText(), u"Sleep in 30 min"_s) << "whole, not cut";
    EXPECT_EQ(label->palette().color(QPalette::WindowText), velloMuted());

    view.browser().pause();
    fakes.queue.runPending();
    EXPECT_FALSE(label->isVisible());
    EXPECT_TRUE(sleep->actions().front()->isChecked()) << "a pause by hand turns the timer off";
}

} // namespace
} // namespace Vello
