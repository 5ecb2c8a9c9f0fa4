#include "app/launchoptions.h"

#include "catalog/stationsurl.h"

#include <gtest/gtest.h>

namespace Vello {
namespace {

using namespace Qt::StringLiterals;

TEST(LaunchOptions, TheCatalogAddressComesFromTheBuildUnlessTheCommandLineGivesAWebAddress)
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
        {{}, true, std::string(stationsURL)},
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
        const std::string says = options == nullptr ? std::get<Error>(result).description
            : options->message                      ? options->message->toStdString()
                                                    : options->catalogUrl;
        EXPECT_NE(says.find(c.says), std::string::npos) << says;
    }
}

} // namespace
} // namespace Vello
