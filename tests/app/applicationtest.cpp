#include <QProcess>

#include <gtest/gtest.h>

namespace Vello {
namespace {

// A command line the program cannot follow ends it before any window; the end-to-end run fetches.
TEST(Application, RefusesABadCatalogAddressWithItsReason)
{
    QProcess program;
    program.start(QStringLiteral(VELLO_APP_PATH), {QStringLiteral("--catalog-url"), QStringLiteral("catalog.json")});
    ASSERT_TRUE(program.waitForFinished(60'000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("--catalog-url needs an absolute http or https address"));
}

} // namespace
} // namespace Vello
