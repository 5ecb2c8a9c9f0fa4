#include "alarmcontrols.h"
#include "browserstationfinder.h"
#include "launchoptions.h"
#include "mainwindow.h"
#include "recordingpreferences.h"
#include "sessionalarmplayer.h"
#include "testinspector.h"

#include "browser/browsercontroller.h"
#include "catalog/stationstore.h"
#include "desktop/browserremotecontrol.h"
#include "desktop/dbusidleinhibitor.h"
#include "desktop/dbussongnotifier.h"
#include "desktop/mprisservice.h"
#include "desktop/remoteclient.h"
#include "desktop/remoteservice.h"
#include "desktop/sessionmprisplayer.h"
#include "i18n/translation.h"
#include "platform/folderdocumentstore.h"
#include "platform/gstmediabackend.h"
#include "platform/gstrecorder.h"
#include "platform/qtdnsresolver.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "platform/qtwallclock.h"
#include "platform/settingspreferences.h"
#include "platform/upnpoutputdiscovery.h"
#include "ports/mainqueue.h"
#include "screens/mainview.h"
#include "session/idlelock.h"
#include "session/pacedsongnotifier.h"
#include "session/playbacksession.h"
#include "widgets/artworkloader.h"
#include "widgets/logodiskcache.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QIcon>
#include <QLocale>
#include <QNetworkInformation>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QtGlobal>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <variant>

int main(int argc, char* argv[])
{
    // Settings and data live under these names: $XDG_CONFIG_HOME/PembaVello/PembaVello.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("PembaVello"));
    QCoreApplication::setApplicationName(QStringLiteral("PembaVello"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLO_VERSION));

    // Read before the window's application object, which needs a display: the usage, the version
    // and a command line the player cannot follow answer on any terminal, over ssh too, and in
    // the session's language, which a core application object can load without one.
    std::optional<Vello::LaunchOptions> launch;
    {
        const QCoreApplication terminal(argc, argv);
        Vello::Translations translations;
        translations.install(QLocale());
        const auto parsed = Vello::parseCommandLine(QCoreApplication::arguments());
        if (const auto* error = std::get_if<Vello::Error>(&parsed)) {
            const QString message = Vello::MainWindow::tr("pemba-vello: %1\nTry 'pemba-vello --help'.\n")
                                        .arg(Vello::translated(error->description));
            std::fputs(message.toLocal8Bit().constData(), stderr);
            return 2;
        }
        launch = std::get<Vello::LaunchOptions>(parsed);
        // A command for the running player needs no display either; with none running, this
        // process becomes the player and performs it (below).
        if (const auto& command = launch->command) {
            if (const auto reply = Vello::sendToRunningPlayer(*command)) {
                std::fputs(reply->output.toLocal8Bit().constData(), stdout);
                std::fputs(reply->error.toLocal8Bit().constData(), stderr);
                return reply->exitCode;
            }
        }
    }
    const Vello::LaunchOptions& options = *launch;
    if (options.message) {
        std::fputs(options.message->toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    // The session's language, before any text is made; an Arabic catalogue mirrors the window.
    Vello::Translations translations;
    translations.install(QLocale());
    QApplication::setApplicationDisplayName(Vello::MainWindow::tr("Pemba Vello"));
    // The desktop entry's name: the desktop matches the window to its entry and icon by it.
    QApplication::setDesktopFileName(QStringLiteral("org.pembavello.PembaVello"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("org.pembavello.PembaVello"), QIcon(QStringLiteral(":/icons/org.pembavello.PembaVello.svg"))));

    // One player per session: a second start brings the first one's window forward instead.
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto claim = Vello::MprisService::claimName(bus);
    if (claim == Vello::MprisService::Claim::AlreadyRunning) {
        if (Vello::MprisService::raiseRunningInstance(bus)) {
            return 0;
        }
        std::fputs(Vello::MainWindow::tr("pemba-vello: another Pemba Vello is running but does not answer.\n")
                       .toLocal8Bit()
                       .constData(),
            stderr);
        return 1;
    }
    if (claim == Vello::MprisService::Claim::NoBus) {
        qInfo("No D-Bus session bus: media keys and the desktop's media controls will not reach the player.");
    }

    // Declared in the order they depend on each other, so they are torn down in reverse: the
    // window first, the queue that everything posts to last.
    Vello::QtMainQueue mainQueue;
    Vello::QtHttpClient http("PembaVello/" VELLO_VERSION);
    Vello::QtDnsResolver resolver;
    Vello::SettingsPreferences preferences;
    // Beside the preferences: the songs heard.
    Vello::FolderDocumentStore documents;
    Vello::GstMediaBackend media(mainQueue);
    Vello::LogoDiskCache logoDisk(Vello::LogoDiskCache::defaultFolder());
    Vello::ArtworkLoader artwork(http);
    artwork.setDiskCache(&logoDisk);
    Vello::StationStore store(http, resolver, Vello::catalogSource(options, preferences), Vello::cacheFolder());
    Vello::UpnpOutputDiscovery outputDiscovery;

    // The listening session, which the window, the tray, the media controls, the song notices and
    // the idle lock each follow; the browser keeps the lists it walks.
    Vello::PlaybackSession session(media, http, preferences, mainQueue);
    session.setRecordingPlaces(Vello::recordingPlaces());
    Vello::removeEarlierRunsKept(Vello::recordingPlaces().cache);
    Vello::BrowserController browser(store, session, preferences, mainQueue);
    // The speakers and receivers on the network that the session may play on instead.
    if (const std::optional<Vello::Error> cannot = session.findOutputs(outputDiscovery)) {
        qInfo("Outputs on the network will not be found: %s", qUtf8Printable(Vello::translated(cannot->description)));
    }
    Vello::DBusIdleInhibitor idleInhibitor(bus);
    const Vello::IdleLock idleLock(session, idleInhibitor);
    Vello::DBusSongNotifier songNotifier(bus,
        [&logoDisk](const std::string& favicon) { return logoDisk.existingFile(QString::fromStdString(favicon)); });
    Vello::PacedSongNotifier songNotices(session, songNotifier, preferences, mainQueue);

    // Only the end-to-end test sets the variable this looks for; otherwise nothing is created.
    const auto inspector = Vello::TestInspector::fromEnvironment();
    Vello::MainWindow window(browser, session, preferences, artwork,
        [&store](const Vello::CatalogSource& source) { store.setSource(source); });
    if (Vello::pinsCatalogSource(options)) {
        window.pinCatalogSource();
    }
    browser.tellOnce(session.keepSongsIn(documents));
    browser.tellOnce(browser.personal().keepOwnStationsIn(documents));
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &window,
        [&songNotices](Qt::ApplicationState state) { songNotices.setWindowActive(state == Qt::ApplicationActive); });
    // Nothing opens early on a network that charges by the byte, where the desktop can tell. Asked
    // a moment after start: loading the platform's network information takes some 20 ms that the
    // first rows should not wait for.
    QTimer::singleShot(std::chrono::seconds(1), &window, [&session, &window] {
        if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Metered)) {
            const QNetworkInformation* network = QNetworkInformation::instance();
            session.setNetworkMetered(network->isMetered());
            QObject::connect(network, &QNetworkInformation::isMeteredChanged, &window,
                [&session](bool metered) { session.setNetworkMetered(metered); });
        }
    });
    Vello::SessionMprisPlayer mprisPlayer(
        session, [&window] { window.bringForward(); }, [&window] { window.quit(); },
        [&logoDisk](const std::string& favicon) {
            const QString file = logoDisk.existingFile(QString::fromStdString(favicon));
            return file.isEmpty() ? file : QUrl::fromLocalFile(file).toString();
        });
    Vello::BrowserRemoteControl remote(browser, session);
    // Alarms and scheduled recordings, timed by the wall clock; they work while the window is in the tray.
    Vello::QtWallClock wallClock(QDBusConnection::systemBus());
    Vello::SessionAlarmPlayer alarmPlayer(session, browser);
    Vello::AlarmControls alarms(window, {mainQueue, wallClock, documents, media, http, media, alarmPlayer},
        {(QStandardPaths::writableLocation(QStandardPaths::MusicLocation) + QStringLiteral("/Pemba Vello"))
                .toStdString(),
            (Vello::cacheFolder() / "scheduled").string()},
        Vello::browserStationFinder(browser), [&songNotifier](const QString& what) {
            songNotifier.notify({Vello::AlarmControls::tr("Alarm").toStdString(), what.toStdString(), {}});
        });
    std::unique_ptr<Vello::MprisService> mpris;
    std::unique_ptr<Vello::RemoteService> remoteService;
    if (claim == Vello::MprisService::Claim::Claimed) {
        mpris = std::make_unique<Vello::MprisService>(mprisPlayer, bus);
        remoteService = std::make_unique<Vello::RemoteService>(remote, bus);
    }
    // The media controls follow the session; the command line's waits end once stations show.
    const Vello::Subscription desktopFollows
        = session.subscribe([&mpris, &remote](const Vello::SessionChanges& changes) {
              if (mpris) {
                  mpris->refresh();
              }
              if (changes.list) {
                  remote.listChanged();
              }
          });
    // With a tray, closing the window may only hide it: the program ends when it closes for good.
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        QApplication::setQuitOnLastWindowClosed(false);
        window.showTrayIcon();
    }
    QObject::connect(&window, &Vello::MainWindow::closedForGood, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // A session that ends must not find the window hiding from its close.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &Vello::MainWindow::quit);
    if (options.command) {
        Vello::performHere(*options.command, remote, mprisPlayer, [](const Vello::RemoteReply& reply) {
            std::fputs(reply.output.toLocal8Bit().constData(), stdout);
            std::fputs(reply.error.toLocal8Bit().constData(), stderr);
            // Whoever started the player may be reading: the window can run for days.
            std::fflush(stdout);
        });
    }
    alarms.start();
    window.centerOnScreen();
    // Started at login, the player waits in the tray for its alarms.
    if (!options.startedAtLogin || !QSystemTrayIcon::isSystemTrayAvailable()) {
        window.show();
        window.raise();
        window.activateWindow();
    }
    return QApplication::exec();
}
