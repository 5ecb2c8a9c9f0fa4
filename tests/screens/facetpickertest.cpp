#include "waitfor.h"
#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "i18n/translation.h"
#include "screens/facetpicker.h"
#include "widgets/vellobutton.h"

#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QStandardItemModel>

#include <string>
#include <vector>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// Six stations, three of Germany in German and two of France and one of no known country in
// French; the first carries 120 genres of one station each besides the jazz of the first three.
std::vector<Station> catalog()
{
    std::vector<Station> stations;
    for (int i = 0; i < 6; ++i) {
        std::string tags = i < 3 ? "jazz" : "rock";
        for (int genre = 0; i == 0 && genre < 120; ++genre) {
            tags += ",g" + std::string(genre < 10 ? "00" : genre < 100 ? "0" : "") + std::to_string(genre);
        }
        stations.push_back(StationFields {.stationuuid = "s" + std::to_string(i),
            .name = "Station " + std::to_string(i),
            .url_resolved = "http://stream.example/" + std::to_string(i),
            .tags = tags,
            .countrycode = i < 3 ? "DE"
                : i < 5          ? "FR"
                                 : "",
            .languagecodes = i < 3 ? "de" : "fr"});
    }
    return stations;
}

struct PickerWindow : WindowHarness {
    PickerWindow()
    {
        deliver(catalog());
        waitFor([this] {
            settle();
            return browser.browseScope().discovery().has_value();
        });
        tap(u"Browse"_s);
        QApplication::setActiveWindow(window.get());
    }
    [[nodiscard]] FacetPicker* picker() const { return window->findChild<FacetPicker*>(); }
    // The open list's entries as "name|count", each "near" when it is the session's country.
    [[nodiscard]] std::vector<std::string> entries() const
    {
        std::vector<std::string> shown;
        const QAbstractItemModel* model = picker()->entryList()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, 0);
            shown.push_back((index.data().toString() + u'|' + index.data(FacetPicker::countRole).toString()
                + (index.data(FacetPicker::nearRole).toBool() ? u"|near"_s : QString()))
                                .toStdString());
        }
        return shown;
    }
    void waitForList(std::size_t stations)
    {
        EXPECT_TRUE(waitFor([&] {
            settle();
            return window->stationList() != nullptr && window->stationList()->stationCount() == stations;
        })) << stations;
    }
};

TEST(FacetPicker, ShowsEachFacetsEntriesWithCountsMostFirstAndTheFilterNarrowsThem)
{
    struct Case {
        const char* name;
        QString chip;
        QString typed;
        // The first entries shown, and how many there are.
        std::vector<std::string> first;
        std::size_t count;
    };
    const std::vector<Case> cases {
        {"countries named with their flags, Other last", u"Countries"_s, {}, {"🇩🇪 Germany|3", "🇫🇷 France|2", "Other|1"},
            3},
        {"a country by part of its name", u"Countries"_s, u"RAN"_s, {"🇫🇷 France|2"}, 1},
        {"a country by its code", u"Countries"_s, u"de"_s, {"🇩🇪 Germany|3"}, 1},
        {"languages by name", u"Languages"_s, {}, {"German|3", "French|3"}, 2},
        {"the first hundred genres", u"Genres"_s, {}, {"jazz|3", "rock|3", "g000|1"}, 100},
        {"every genre through the filter", u"Genres"_s, u"g11"_s, {"g110|1"}, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PickerWindow h;
        EXPECT_EQ(h.picker()->entryList(), nullptr) << "closed until asked";
        h.tap(c.chip);
        ASSERT_NE(h.picker()->entryList(), nullptr);
        QTest::keyClicks(h.picker()->entryFilter(), c.typed);
        const std::vector<std::string> shown = h.entries();
        EXPECT_EQ(std::vector(shown.begin(), shown.begin() + std::min(shown.size(), c.first.size())), c.first);
        EXPECT_EQ(shown.size(), c.count);
    }
}

TEST(FacetPicker, ChoosingListsTheEntrysStationsUnderAChipThatClearsItByMouseOrKeyboard)
{
    Translations english;
    english.install(QLocale(u"en"_s));
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    PickerWindow h;
    h.tap(u"Countries"_s);
    EXPECT_EQ(h.entries(), (std::vector<std::string> {"🇫🇷 France|2|near", "🇩🇪 Germany|3", "Other|1"}));
    QLocale::setDefault(before);
    QListView* list = h.picker()->entryList();
    EXPECT_EQ(list->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(), u"Germany, 3 stations"_s);

    // A click on an entry lists its stations; the chip says which and clears them.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    h.waitForList(3);
    EXPECT_EQ(h.picker()->entryList(), nullptr) << "the entries make way for the stations";
    ASSERT_EQ(h.buttons(u"Clear Germany"_s).size(), 1);
    EXPECT_TRUE(h.buttons(u"Clear Germany"_s).front()->text().startsWith(u"🇩🇪 Germany"_s));
    h.tap(u"Clear Germany"_s);
    h.waitForList(6);
    EXPECT_EQ(QApplication::focusWidget(), h.buttons(u"Countries"_s).front()) << "the keyboard stays in the picker";

    // By keyboard: a filter both languages pass, Down into the entries, on to the second, Return.
    h.tap(u"Languages"_s);
    h.picker()->entryFilter()->setFocus();
    QTest::keyClicks(h.picker()->entryFilter(), u"e"_s);
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Return);
    h.waitForList(3);
    EXPECT_EQ(h.buttons(u"Clear French"_s).size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), h.buttons(u"Languages"_s).front());

    // The filters are chips too, checked while on and remembered.
    h.tap(u"HTTPS only"_s);
    h.waitForList(0);
    EXPECT_TRUE(h.buttons(u"HTTPS only"_s).front()->isChecked());
    EXPECT_TRUE(h.preferences.flags.at(BrowseScope::httpsOnlyKey));
}

} // namespace
} // namespace Vello
