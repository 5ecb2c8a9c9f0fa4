#include "windowharness.h"

#include "playback/fakeoutputs.h"
#include "screens/miniplayer.h"
#include "screens/outputpicker.h"
#include "widgets/vellobutton.h"

#include <QMenu>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// The menu's entries as they read, * on the one checked.
std::vector<std::string> entries(const QMenu& menu)
{
    std::vector<std::string> shown;
    for (const QAction* action : menu.actions()) {
        shown.push_back(action->text().toStdString() + (action->isChecked() ? "*" : ""));
    }
    return shown;
}

// Where the picker is, in the mini player and in the Player panel: opened by the keyboard, it
// lists this computer first and then each output found, and choosing one plays there.
TEST(OutputPicker, ListsThisComputerThenEachOutputAndChoosesByKeyboard)
{
    struct Case {
        const char* name = "";
        bool onPlayerScreen = false;
    } const cases[] = {{"mini player", false}, {"Player panel", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeOutputDiscovery discovery;
        WindowHarness h;
        ASSERT_EQ(h.session.findOutputs(discovery), std::nullopt);
        discovery.find("uuid:k", "Kitchen");
        discovery.find("uuid:b", "Bath & Hall");
        h.deliver(makeStations(3));
        h.session.play(makeStation("s1", "Station 1"));
        if (c.onPlayerScreen) {
            h.browser.openPlayer();
        }
        h.settle();
        QWidget* place = c.onPlayerScreen ? h.window->contentStack() : static_cast<QWidget*>(h.window->miniPlayer());
        auto* picker = place->findChild<OutputPicker*>();
        ASSERT_NE(picker, nullptr);
        ASSERT_EQ(h.buttons(u"Play on"_s).size(), c.onPlayerScreen ? 2 : 1);
        ASSERT_EQ(picker->button()->focusPolicy() & Qt::TabFocus, Qt::TabFocus);
        QTest::keyClick(picker->button(), Qt::Key_Space);
        ASSERT_TRUE(picker->menu()->isVisible());
        EXPECT_EQ(entries(*picker->menu()), (std::vector<std::string> {"&This computer*", "Bath && Hall", "Kitchen"}));
        EXPECT_LT(picker->menu()->geometry().bottom(), picker->button()->mapToGlobal(QPoint()).y() + 1) << "above";

        // Down past Bath & Hall to Kitchen; Return plays there, and every picker shows it.
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) {
            QTest::keyClick(picker->menu(), key);
        }
        QCoreApplication::processEvents();
        EXPECT_FALSE(picker->menu()->isVisible());
        EXPECT_EQ(h.session.output().value_or(OutputInfo {}).name, "Kitchen");
        EXPECT_EQ(discovery.opened.at("uuid:k")->calls, (std::vector<std::string> {"set http://stream.example/s1"}));
        for (const OutputPicker* each : h.window->findChildren<OutputPicker*>()) {
            EXPECT_TRUE(each->button()->isChecked());
            EXPECT_EQ(
                entries(*each->menu()), (std::vector<std::string> {"&This computer", "Bath && Hall", "Kitchen*"}));
        }

        // The list follows the network; "This computer" takes the station back.
        discovery.lose("uuid:b");
        picker->openMenu();
        EXPECT_EQ(entries(*picker->menu()), (std::vector<std::string> {"&This computer", "Kitchen*"}));
        QTest::keyClick(picker->menu(), Qt::Key_Up);
        QTest::keyClick(picker->menu(), Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(h.session.output(), std::nullopt);
        EXPECT_FALSE(picker->button()->isChecked());
    }
}

} // namespace
} // namespace Vello
