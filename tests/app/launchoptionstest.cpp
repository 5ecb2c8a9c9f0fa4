#include "app/launchoptions.h"

#include "catalog/stationsurl.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

TEST(LaunchOptions, TheCatalogSourceComesFromTheBuildUnlessTheCommandLineGivesWebAddresses)
{
    const QString local = u"http://127.0.0.1:8123/stations_filtered.json"_s;
    const QString mirror = u"https://mirror.example.org/radio/stations_filtered.json"_s;
    // The arguments, whether they start the window, and what the address, message or error says.
    struct Case {
        QStringList arguments;
        bool starts;
        std::string says;
    };
    const Case cases[] = {
        {{}, true, stationsURL.empty() ? "directory" : std::string(stationsURL)},
        {{u"--directory-server"_s, local, u"--directory-server=https://de9.example"_s}, true,
            "directory " + local.toStdString() + " https://de9.example"},
        {{u"--directory-server"_s, local, u"--catalog-url"_s, mirror}, true, mirror.toStdString()},
        {{u"--directory-server"_s, u"de1.example"_s}, false, "--directory-server"},
        {{u"--help"_s}, true, "--directory-server <URL>"},
        {{u"--catalog-url"_s, local}, true, local.toStdString()},
        {{u"--catalog-url="_s + mirror}, true, mirror.toStdString()},
        {{u"--help"_s}, true, "--catalog-url <URL>"},
        {{u"--catalog-url"_s, u"ftp://example.org/stations.json"_s}, false, "--catalog-url"},
        {{u"--catalog-url"_s, u"stations.json"_s}, false, "--catalog-url"},
        {{u"--catalog-url"_s, u"http://"_s}, false, "--catalog-url"},
        {{u"--catalog-url"_s, u"https://exa mple.org/x"_s}, false, "--catalog-url"},
        {{u"--catalog-url"_s, QString()}, false, "--catalog-url"},
        {{u"--catalog-url"_s}, false, "catalog-url"},
        {{u"--colour"_s}, false, "colour"},
        {{u"extra"_s}, false, "extra"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const auto result = parseCommandLine(QStringList {u"pemba-vello"_s} + c.arguments);
        const auto* options = std::get_if<LaunchOptions>(&result);
        ASSERT_EQ(options != nullptr, c.starts);
        std::string says = options == nullptr ? std::get<Error>(result).description
            : options->message                ? options->message->toStdString()
                                              : catalogSource(*options).name();
        for (const std::string& server :
            options != nullptr ? catalogSource(*options).directoryServers : std::vector<std::string>()) {
            says += " " + server;
        }
        EXPECT_NE(says.find(c.says), std::string::npos) << says;
    }
}

} // namespace
} // namespace Vello
