#include "app/launchoptions.h"

#include "catalog/stationsurl.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace Vello {
namespace {

Result<LaunchOptions> parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("pemba-vello"));
    return parseCommandLine(arguments);
}

std::string errorOf(const Result<LaunchOptions>& result)
{
    const auto* error = std::get_if<Error>(&result);
    return error != nullptr ? error->description : std::string("(no error)");
}

TEST(LaunchOptions, TheCatalogAddressComesFromTheBuildUnlessTheCommandLineGivesAWebAddress)
{
    const auto plain = parse({});
    ASSERT_TRUE(std::holds_alternative<LaunchOptions>(plain));
    EXPECT_EQ(std::get<LaunchOptions>(plain).catalogUrl, stationsURL);
    EXPECT_FALSE(std::get<LaunchOptions>(plain).message);

    for (const QString& accepted : {QStringLiteral("http://127.0.0.1:8123/stations_filtered.json"),
             QStringLiteral("https://mirror.example.org/radio/stations_filtered.json")}) {
        for (const QStringList& form : {QStringList {QStringLiteral("--catalog-url"), accepted},
                 QStringList {QStringLiteral("--catalog-url=") + accepted}}) {
            const auto result = parse(form);
            ASSERT_TRUE(std::holds_alternative<LaunchOptions>(result)) << errorOf(result);
            EXPECT_EQ(std::get<LaunchOptions>(result).catalogUrl, accepted.toStdString());
        }
    }

    for (const QString& refused : {QStringLiteral("ftp://example.org/stations.json"), QStringLiteral("stations.json"),
             QStringLiteral("http://"), QStringLiteral("https://exa mple.org/x"), QString()}) {
        const std::string error = errorOf(parse({QStringLiteral("--catalog-url"), refused}));
        EXPECT_NE(error.find("--catalog-url"), std::string::npos) << refused.toStdString();
    }
    EXPECT_NE(errorOf(parse({QStringLiteral("--catalog-url")})).find("catalog-url"), std::string::npos);
    EXPECT_NE(errorOf(parse({QStringLiteral("--colour")})).find("colour"), std::string::npos);
    EXPECT_NE(errorOf(parse({QStringLiteral("extra")})).find("extra"), std::string::npos);
}

TEST(LaunchOptions, HelpIsAMessageInsteadOfAWindow)
{
    const auto help = parse({QStringLiteral("--help")});
    ASSERT_TRUE(std::holds_alternative<LaunchOptions>(help));
    ASSERT_TRUE(std::get<LaunchOptions>(help).message);
    EXPECT_TRUE(std::get<LaunchOptions>(help).message->contains(QStringLiteral("--catalog-url <URL>")));
}

TEST(LaunchOptions, TheCacheFolderFollowsTheDataHome)
{
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    EXPECT_EQ(cacheFolder(), std::filesystem::path(home.path().toStdString()) / "PembaVello");
    qputenv("XDG_DATA_HOME", saved);
}

} // namespace
} // namespace Vello
