#include "launchoptions.h"
#include "mainwindow.h"
#include "testinspector.h"

#include "catalog/stationstore.h"
#include "platform/gstmediabackend.h"
#include "platform/qthttpclient.h"
#include "platform/qtmainqueue.h"
#include "platform/settingspreferences.h"
#include "playback/mainqueue.h"
#include "widgets/artworkloader.h"

#include <QApplication>

#include <cstdio>
#include <variant>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Pemba Vello"));
    // Settings and data live under these names: $XDG_CONFIG_HOME/PembaVello/PembaVello.conf.
    QApplication::setOrganizationName(QStringLiteral("PembaVello"));
    QApplication::setApplicationName(QStringLiteral("PembaVello"));
    QApplication::setApplicationVersion(QStringLiteral(VELLO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pemba-vello"));

    const auto parsed = Vello::parseCommandLine(QApplication::arguments());
    if (const auto* error = std::get_if<Vello::Error>(&parsed)) {
        std::fprintf(stderr, "pemba-vello: %s\nTry 'pemba-vello --help'.\n", error->description.c_str());
        return 2;
    }
    const auto& options = std::get<Vello::LaunchOptions>(parsed);
    if (options.message) {
        std::fputs(options.message->toLocal8Bit().constData(), stdout);
        return 0;
    }

    // Declared in the order they depend on each other, so they are torn down in reverse: the
    // window first, the queue that everything posts to last.
    Vello::QtMainQueue mainQueue;
    Vello::QtHttpClient http;
    Vello::SettingsPreferences preferences;
    Vello::GstMediaBackend media(mainQueue);
    Vello::ArtworkLoader artwork(http);
    Vello::StationStore store(http, options.catalogUrl, Vello::cacheFolder());

    // Only the end-to-end test sets the variable this looks for; otherwise nothing is created.
    const auto inspector = Vello::TestInspector::fromEnvironment();
    Vello::MainWindow window(store, media, http, preferences, mainQueue, artwork);
    window.centerOnScreen();
    window.show();
    window.raise();
    window.activateWindow();
    return QApplication::exec();
}
