#include "memorydocumentstore.h"
#include "windowharness.h"

#include "browser/browsercontroller.h"
#include "screens/songrow.h"
#include "widgets/elidedlabel.h"

#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <chrono>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

// Takes the addresses the window asks the desktop to open, so none leaves the machine.
class UrlRecorder final : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

TEST(SongsHeard, TheSongsChipListsTheTitlesWithTheirTimeAndCopiesOrSearchesOne)
{
    WindowHarness h;
    MemoryDocumentStore documents;
    const QDateTime afternoon(QDate(2026, 5, 4), QTime(14, 32, 10));
    h.window->browser().keepSongsIn(documents, [&afternoon] {
        return std::chrono::system_clock::time_point(std::chrono::seconds(afternoon.toSecsSinceEpoch()));
    });
    h.deliver(makeStations(3));
    h.tap(u"Library"_s);
    h.tap(u"Songs"_s);
    h.window->browser().play(h.window->browser().allStations()[1]);
    h.media.players.back()->emit(MediaStateChanged {MediaPipelineState::Playing});
    h.media.players.back()->emit(MediaTags {"Ceremony", "New Order"});
    h.settle();
    const QList<SongRow*> rows = h.window->findChildren<SongRow*>();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0]->titleLabel()->text(), u"New Order - Ceremony"_s);
    EXPECT_EQ(rows[0]->stationLabel()->text(), u"Station 1"_s);
    EXPECT_EQ(rows[0]->timeLabel()->text(), u"14:32"_s);
    h.saveShot(u"songs"_s);

    QGuiApplication::clipboard()->clear();
    h.tap(u"Copy New Order - Ceremony"_s);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"New Order - Ceremony"_s);

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_s, &recorder, "open");
    h.tap(u"Search the web for New Order - Ceremony"_s);
    QDesktopServices::unsetUrlHandler(u"https"_s);
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened[0].host(), u"duckduckgo.com"_s);
    EXPECT_EQ(recorder.opened[0].query(QUrl::FullyDecoded), u"q=New Order - Ceremony"_s);

    // Clearing asks first: Cancel keeps the list, Clear empties it.
    for (const QString& answer : {u"Cancel"_s, u"Clear"_s}) {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == answer) {
                    button->click();
                }
            }
        });
        h.tap(u"Clear Songs"_s);
        EXPECT_EQ(h.window->browser().songsHeard().size(), answer == u"Cancel"_s ? 1U : 0U);
    }
    EXPECT_EQ(h.contentOutline(),
        (std::vector<std::string> {"topBar", "title:Your Library", "chipRow",
            "list:0:No songs heard yet. Titles the stations send appear here."}));
}

} // namespace
} // namespace Vello

#include "songsheardtest.moc"
