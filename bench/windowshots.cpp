#include "windowshots.h"

#include "windowcore.h"

#include "app/mainwindow.h"
#include "app/preferencesdialog.h"
#include "browser/browsercontroller.h"
#include "catalog/stationsource.h"
#include "i18n/translation.h"
#include "platform/qtmainqueue.h"
#include "ports/documentstore.h"
#include "ports/httpclient.h"
#include "ports/mediabackend.h"
#include "ports/preferences.h"
#include "screens/mainview.h"
#include "screens/stationdialog.h"
#include "screens/stationlist.h"
#include "widgets/artworkloader.h"
#include "widgets/stationrow.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QThreadPool>

#include <chrono>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vello {
namespace {

struct Entry {
    const char* name;
    const char* country;
    const char* countrycode;
    const char* state;
    const char* language;
    const char* languagecodes;
    const char* tags;
    int votes;
    unsigned colour;
};

// Invented stations that read like a real directory's most popular entries.
const Entry entries[] = {
    {"Lowland Jazz FM", "The Netherlands", "NL", "Noord-Holland", "dutch", "nl", "jazz,smooth jazz", 9120, 0x2f6fd6},
    {"Kathmandu Valley Radio", "Nepal", "NP", "Bagmati", "nepali", "ne", "folk,news,talk", 8410, 0xd64d2f},
    {"Nordlys 101.4", "Norway", "NO", "Troms", "norwegian", "no", "pop,hits", 7990, 0x2fb37a},
    {"Radio Café Lisboa", "Portugal", "PT", "Lisboa", "portuguese", "pt", "fado,chill", 7420, 0x8e44ad},
    {"Deep Current Electronica", "Germany", "DE", "Berlin", "english", "en", "electronic,techno,house", 7010, 0x16a085},
    {"Classic Baroque 24", "Austria", "AT", "Wien", "german", "de", "classical,baroque", 6650, 0xc0992f},
    {"Sahara Blues Radio", "Mali", "ML", "Bamako", "french", "fr", "blues,desert blues", 6230, 0xe67e22},
    {"Tokyo Night Drive", "Japan", "JP", "Tokyo", "japanese", "ja", "city pop,jpop", 5980, 0xe84393},
    {"Andes Folk Andina", "Peru", "PE", "Cusco", "spanish", "es", "andean,folk", 5610, 0x27ae60},
    {"Harbour News 24", "Ireland", "IE", "Cork", "english", "en", "news,talk", 5240, 0x34495e},
    {"Radio Montmartre", "France", "FR", "Île-de-France", "french", "fr", "chanson,variété", 4980, 0xb33771},
    {"Copacabana Samba", "Brazil", "BR", "Rio de Janeiro", "portuguese", "pt", "samba,mpb", 4710, 0xf1c40f},
    {"Seoul Indie Wave", "South Korea", "KR", "Seoul", "korean", "ko", "indie,kpop", 4390, 0x6c5ce7},
    {"Outback Country Gold", "Australia", "AU", "Queensland", "english", "en", "country,classic country", 4120,
        0xd35400},
    {"Baltic Ambient", "Estonia", "EE", "Harjumaa", "estonian", "et", "ambient,downtempo", 3870, 0x0984e3},
    {"Radio Sertão", "Brazil", "BR", "Bahia", "portuguese", "pt", "forró,sertanejo", 3650, 0x00b894},
    {"Istanbul Anatolia FM", "Türkiye", "TR", "İstanbul", "turkish", "tr", "turkish folk,pop", 3420, 0xc0392b},
    {"Highland Pipes & Fiddles", "United Kingdom", "GB", "Scotland", "english", "en", "celtic,folk", 3180, 0x1abc9c},
    {"Mumbai Masala Hits", "India", "IN", "Maharashtra", "hindi", "hi", "bollywood,filmi", 2990, 0xff7675},
    {"Reykjavík Radio Aurora", "Iceland", "IS", "Höfuðborgarsvæðið", "icelandic", "is", "indie,alternative", 2770,
        0x00cec9},
    {"Cape Town Kwaito", "South Africa", "ZA", "Western Cape", "english", "en", "kwaito,amapiano", 2540, 0xfdcb6e},
    {"Prairie Public Talk", "Canada", "CA", "Saskatchewan", "english", "en", "talk,public radio", 2310, 0x636e72},
    {"Vinyl Soul Detroit", "The United States Of America", "US", "Michigan", "english", "en", "soul,motown,funk", 2150,
        0xa29bfe},
    {"Radio Andalucía Flamenca", "Spain", "ES", "Andalucía", "spanish", "es", "flamenco,rumba", 1980, 0xe17055},
};

std::vector<Station> catalog()
{
    std::vector<Station> stations;
    int index = 0;
    const std::string checked = QDateTime::currentDateTimeUtc()
                                    .addSecs(-50 * 3600)
                                    .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                    .toStdString();
    for (const Entry& entry : entries) {
        stations.push_back(StationFields {.stationuuid = "shot-" + std::to_string(index),
            .name = entry.name,
            .url_resolved = "http://127.0.0.1:9/" + std::to_string(index),
            .favicon = "http://logos.invalid/" + std::to_string(index) + ".png",
            .country = entry.country,
            .state = entry.state,
            .language = entry.language,
            .tags = entry.tags,
            .votes = entry.votes,
            .clickcount = entry.votes / 3,
            .countrycode = entry.countrycode,
            .languagecodes = entry.languagecodes,
            .codec = index % 3 == 0 ? "AAC" : "MP3",
            .bitrate = 64 * (1 + index % 3),
            .lastcheckoktime = checked});
        ++index;
    }
    return stations;
}

// A round logo with the station's initials, as PNG bytes.
std::string logoFor(int index)
{
    const Entry& entry = entries[index];
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromRgb(entry.colour));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, 128, 128), 28, 28);
    QString initials;
    for (const QString& word : QString::fromUtf8(entry.name).split(u' ', Qt::SkipEmptyParts)) {
        if (initials.size() < 2 && word.front().isLetter()) {
            initials += word.front().toUpper();
        }
    }
    QFont font = QApplication::font();
    font.setPixelSize(50);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, initials);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

class LogoHttpClient final : public HttpClient {
public:
    LogoHttpClient()
    {
        for (int i = 0; i < static_cast<int>(std::size(entries)); ++i) {
            m_logos["http://logos.invalid/" + std::to_string(i) + ".png"] = logoFor(i);
        }
    }
    void get(HttpRequest request, Completion completion) override
    {
        const auto found = m_logos.find(request.url);
        HttpResult result = found != m_logos.end() ? HttpResult(HttpResponse {200, found->second})
                                                   : HttpResult(Error {Text::verbatim("not served")});
        QThreadPool::globalInstance()->start(
            [completion = std::move(completion), result = std::move(result)] { completion(result); });
    }

private:
    std::map<std::string, std::string> m_logos;
};

class ListSource final : public StationSource {
public:
    using StationSource::load;
    void load(Completion completion, Progress, Refresh) override { completion(catalog()); }
};

// A player that plays nothing: the shots tell the window what it reports.
class SilentPlayer final : public MediaPlayer {
public:
    explicit SilentPlayer(std::shared_ptr<EventHandler> reports)
        : m_reports(std::move(reports))
    {
    }
    ~SilentPlayer() override { *m_reports = nullptr; }
    void setWaitsForBuffering(bool) override { }
    void play() override { m_status = PlayerActivity::Playing; }
    void pause() override { m_status = PlayerActivity::Paused; }
    [[nodiscard]] PlayerActivity activity() const override { return m_status; }
    void setEventHandler(EventHandler handler) override { *m_reports = std::move(handler); }
    void setVolume(double) override { }
    void setMuted(bool) override { }

private:
    std::shared_ptr<EventHandler> m_reports;
    PlayerActivity m_status = PlayerActivity::Paused;
};

class SilentBackend final : public MediaBackend {
public:
    std::unique_ptr<MediaPlayer> createPlayer(const std::string&) override
    {
        return std::make_unique<SilentPlayer>(m_reports);
    }
    // Reports `event` as the newest player would.
    void report(const MediaEvent& event) const
    {
        if (*m_reports) {
            const MediaPlayer::EventHandler handler = *m_reports;
            handler(event);
        }
    }

private:
    std::shared_ptr<MediaPlayer::EventHandler> m_reports = std::make_shared<MediaPlayer::EventHandler>();
};

class FixedPreferences final : public Preferences {
public:
    std::vector<std::string> stringList(const std::string& key) const override
    {
        if (key == "favorites") {
            return {"shot-1", "shot-4", "shot-7", "shot-13", "shot-19"};
        }
        return {};
    }
    void setStringList(const std::string&, const std::vector<std::string>&) override { }
    std::optional<double> number(const std::string&) const override { return std::nullopt; }
    void setNumber(const std::string&, double) override { }
    std::optional<bool> flag(const std::string&) const override { return std::nullopt; }
    void setFlag(const std::string&, bool) override { }
    std::optional<std::string> text(const std::string&) const override { return std::nullopt; }
    void setText(const std::string&, const std::string&) override { }
};

// Lets queued work, logo decoding and deliveries run until every row on screen has its logo.
void settle(const MainView& view, const ArtworkLoader& artwork)
{
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bool done = view.stationList() != nullptr && artwork.downloadsInFlight() == 0 && artwork.downloadsQueued() == 0;
        for (const StationRow* row : view.findChildren<StationRow*>()) {
            done = done && row->showsLogo();
        }
        if (done) {
            return;
        }
    }
}

// Opens "Preferences…" from the menu, as a person would, and saves the dialog alone.
int savePreferencesShot(const MainWindow& window, const QString& folder, const QString& prefix)
{
    for (QAction* action : window.applicationMenu()->actions()) {
        if (action->menuRole() == QAction::PreferencesRole) {
            action->trigger();
        }
    }
    auto* dialog = window.findChild<PreferencesDialog*>();
    if (dialog == nullptr) {
        std::fprintf(stderr, "window_bench: the menu opened no preferences\n");
        return 1;
    }
    QCoreApplication::processEvents();
    const QString path = folder + u'/' + prefix + QStringLiteral("preferences.png");
    if (!dialog->grab().save(path)) {
        std::fprintf(stderr, "window_bench: cannot save %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}

// The songs heard, held in memory and starting from an afternoon's listening.
class ShotDocuments final : public DocumentStore {
public:
    ShotDocuments()
    {
        const struct {
            const char* title;
            const char* station;
            int minutesBefore;
        } songs[] = {
            {"Chet Baker - Almost Blue", "Lowland Jazz FM", 4},
            {"Ali Farka Touré - Ai Du", "Sahara Blues Radio", 11},
            {"Mariza - Ó Gente da Minha Terra", "Radio Café Lisboa", 19},
            {"Tatsuro Yamashita - Ride on Time", "Tokyo Night Drive", 27},
            {"Bill Evans Trio - Waltz for Debby", "Lowland Jazz FM", 36},
            {"Amadou & Mariam - Dimanche à Bamako", "Sahara Blues Radio", 48},
        };
        std::deque<SongHistory::Entry> heard;
        for (const auto& song : songs) {
            heard.push_back(SongHistory::Entry {
                song.title, song.station, song.station, shotTime() - std::chrono::minutes(song.minutesBefore)});
        }
        m_documents[std::string(SongHistory::documentName)] = SongHistory::toDocument(heard);
    }

    // Half past two in the afternoon, local time, on the day of the shots.
    static std::chrono::system_clock::time_point shotTime()
    {
        const QDateTime afternoon(QDate::currentDate(), QTime(14, 32));
        return std::chrono::system_clock::time_point(std::chrono::seconds(afternoon.toSecsSinceEpoch()));
    }

    Result<std::optional<std::string>> read(std::string_view name, std::size_t) const override
    {
        const auto found = m_documents.find(name);
        return found == m_documents.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    Result<std::string> setAside(std::string_view) override { return Error {}; }
    bool write(std::string_view name, std::string_view bytes) override
    {
        m_documents.insert_or_assign(std::string(name), std::string(bytes));
        return true;
    }

private:
    std::map<std::string, std::string, std::less<>> m_documents;
};

// Saves `widget` alone, as it would show, to `name` in `folder`.
bool saveShot(QWidget& widget, const QString& folder, const QString& name)
{
    widget.adjustSize();
    QCoreApplication::processEvents();
    const QString path = folder + u'/' + name;
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "window_bench: cannot save %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int takeScreenshots(int argc, char** argv, const QString& folder, const QString& language)
{
    QApplication app(argc, argv);
    Translations translations;
    const bool translated = !language.isEmpty();
    if (translated) {
        QLocale::setDefault(QLocale(language));
        translations.install(QLocale(language));
    }
    const QString prefix = translated ? language + u'-' : QString();
    QtMainQueue mainQueue;
    LogoHttpClient http;
    ArtworkLoader artwork(http);
    ListSource source;
    SilentBackend media;
    FixedPreferences preferences;
    ShotDocuments documents;
    WindowCore core(source, media, http, preferences, mainQueue);
    BrowserController& browser = core.browser;
    PlaybackSession& session = core.session;
    MainWindow window(browser, session, preferences, artwork, [](const CatalogSource&) {});
    window.show();
    MainView& view = *window.mainView();
    (void)session.keepSongsIn(documents, &ShotDocuments::shotTime);
    browser.tellOnce(browser.personal().keepOwnStationsIn(documents));
    for (const StationDraft& own :
        {StationDraft {"Kitchen Radio", "http://192.168.1.20:8000/kitchen", "", "local, talk"},
            StationDraft {"Campus Jazz Club", "https://radio.campus.example/jazz.pls", "", "jazz"}}) {
        (void)browser.personal().saveOwnStation(own);
    }
    settle(view, artwork);
    session.play(browser.allStations().at(3));
    media.report(MediaStateChanged {MediaPipelineState::Playing});
    media.report(MediaTags {"Harvest Moon", "Neil Young", {"MPEG-1 Layer 3 (MP3)", 128'000, 44'100}});
    session.setVolume(0.7);

    struct Shot {
        Screen screen;
        const char* file;
        // What the player goes through before the shot: "connect" plays another station afresh,
        // "fail" has it refused for a codec the system lacks, "narrow" shrinks the window, "songs"
        // brings it back to its size, playing the first station again, and shows the songs heard;
        // "countries" opens Browse's countries;
        // "own" shows the stations added by hand.
        const char* step;
    };
    const std::vector<Shot> shots = translated
        // Every text has to fit where it has least room.
        ? std::vector<Shot> {{Screen::Home, "home.png", "narrow"}, {Screen::Browse, "browse.png", "countries"},
            {Screen::Player, "player.png", ""}, {Screen::Home, "home-failed.png", "fail"},
            {Screen::Library, "songs.png", "songs"}}
        : std::vector<Shot> {{Screen::Home, "home.png", ""}, {Screen::Browse, "browse.png", "countries"},
            {Screen::Library, "library.png", ""}, {Screen::Player, "player.png", ""},
            {Screen::Player, "player-connecting.png", "connect"}, {Screen::Home, "home-failed.png", "fail"},
            {Screen::Home, "home-narrow.png", "narrow"}, {Screen::Library, "songs.png", "songs"},
            {Screen::Library, "my-stations.png", "own"}};
    for (const auto& shot : shots) {
        const std::string step = shot.step;
        if (step == "connect") {
            session.play(browser.allStations().at(6));
            // The Player panel names the station current when it was built: build it afresh.
            browser.switchScreen(Screen::Home);
        } else if (step == "fail") {
            media.report(MediaMissingPlugin {"MPEG-4 AAC decoder", "decoder-audio/mpeg, mpegversion=(int)4"});
        } else if (step == "narrow") {
            window.resize(MainWindow::minimumWidth, MainWindow::minimumHeight);
        } else if (step == "songs") {
            if (!translated) {
                window.resize(MainWindow::initialWidth, MainWindow::initialHeight);
            }
            // The station the songs began with, playing again.
            session.play(browser.allStations().at(3));
            media.report(MediaStateChanged {MediaPipelineState::Playing});
            media.report(MediaTags {"Harvest Moon", "Neil Young", {"MPEG-1 Layer 3 (MP3)", 128'000, 44'100}});
            browser.switchScreen(Screen::Library);
            browser.chooseListMode(ListMode::Songs);
        } else if (step == "countries") {
            // Counted on a worker: the countries show once the counts are in.
            const QDeadlineTimer deadline(5000);
            while (!browser.browseScope().discovery() && !deadline.hasExpired()) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            }
            browser.browseScope().setOpenFacet(Facet::country);
        } else if (step == "own") {
            browser.chooseListMode(ListMode::Own);
        }
        browser.switchScreen(shot.screen);
        settle(view, artwork);
        const QString path = folder + u'/' + prefix + QString::fromLatin1(shot.file);
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "window_bench: cannot save %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    // The form to add a station, filled in, and the tray's menu while a song plays.
    StationDialog addStation(browser, nullptr, &window);
    addStation.nameField()->setText(QStringLiteral("Lake House Radio"));
    addStation.addressField()->setText(QStringLiteral("http://192.168.1.20:8000/lake.m3u"));
    addStation.tagsField()->setText(QStringLiteral("local, news"));
    if (!saveShot(addStation, folder, prefix + QStringLiteral("add-station.png"))
        || !saveShot(*window.trayMenu(), folder, prefix + QStringLiteral("tray-menu.png"))) {
        return 1;
    }
    return savePreferencesShot(window, folder, prefix);
}

} // namespace Vello
