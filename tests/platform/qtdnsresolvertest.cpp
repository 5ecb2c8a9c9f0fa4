#include "platform/qtdnsresolver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <sys/prctl.h>

namespace Vello {
namespace {

using namespace std::chrono_literals;
using Names = HostResolver::Names;

// Qt asks a nameserver on port 53 only, so each server here has a loopback address of its own
// (not 127.0.0.53, where systemd's resolver may listen).
const QString dnsmasqAddress = QStringLiteral("127.0.53.1");
const QString silentAddress = QStringLiteral("127.0.53.2"); // takes queries and never answers
const QString deafAddress = QStringLiteral("127.0.53.3"); // nothing listens there

// The directory's records under .test, in documentation ranges; dnsmasq answers for them alone
// and asks no other server.
const QStringList dnsmasqArguments = QStringLiteral(
    "--no-daemon --port=53 --bind-interfaces --no-resolv --no-hosts "
    "--conf-file=/dev/null --log-facility=- --local=/test/ --local=/in-addr.arpa/ --local=/ip6.arpa/ "
    "--srv-host=_api._tcp.radio-browser.test,de1.api.radio-browser.test,443,10,5 "
    "--srv-host=_api._tcp.radio-browser.test,fi1.api.radio-browser.test,8443,20,5 "
    "--address=/all.api.radio-browser.test/198.51.100.10 --address=/all.api.radio-browser.test/198.51.100.11 "
    "--address=/all.api.radio-browser.test/2001:db8::a1b2 "
    "--ptr-record=10.100.51.198.in-addr.arpa,de1.api.radio-browser.test "
    "--ptr-record=2.b.1.a.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.8.b.d.0.1.0.0.2.ip6.arpa,fi1.api.radio-browser.test")
                                         .split(u' ');

// Every lookup against a real nameserver, one that never answers and one that is not there: what
// each finds, or that it answers with nothing.
TEST(QtDnsResolverTest, EachLookupAnswersOnceWithWhatTheServerHasOrNothing)
{
    enum class Lookup { Service, Addresses, HostNames };
    struct Case {
        const char* name;
        Lookup lookup;
        std::string query;
        std::optional<Names> heard; // sorted; service hosts as "name:port"
        QString nameserver = dnsmasqAddress;
        std::chrono::milliseconds timeout = 5s;
        // Closed from inside the answer; one with no answer heard is closed right after asking.
        bool closeInAnswer = false;
    };
    const std::vector<Case> cases {
        {"service hosts", Lookup::Service, "_api._tcp.radio-browser.test",
            Names {"de1.api.radio-browser.test:443", "fi1.api.radio-browser.test:8443"}},
        {"addresses of both families", Lookup::Addresses, "all.api.radio-browser.test",
            Names {"198.51.100.10", "198.51.100.11", "2001:db8::a1b2"}},
        {"IPv4 reverse name, closed from inside the answer", Lookup::HostNames, "198.51.100.10",
            Names {"de1.api.radio-browser.test"}, dnsmasqAddress, 5s, true},
        {"IPv6 reverse name", Lookup::HostNames, "2001:db8::a1b2", Names {"fi1.api.radio-browser.test"}},
        {"missing host", Lookup::Addresses, "nowhere.radio-browser.test", Names {}},
        {"not an address", Lookup::HostNames, "radio-browser.test", Names {}},
        {"no nameserver there", Lookup::Addresses, "all.api.radio-browser.test", Names {}, deafAddress},
        {"closed from inside the answer of a lookup given up", Lookup::HostNames, "198.51.100.10", Names {},
            silentAddress, 200ms, true},
        {"closed before the answer", Lookup::Service, "_api._tcp.radio-browser.test", std::nullopt, silentAddress,
            200ms},
    };

    // Binding port 53 takes root, as in CI; a developer's own account cannot.
    QUdpSocket silent;
    if (!silent.bind(QHostAddress(silentAddress), 53)) {
        const std::string why = silent.errorString().toStdString();
        if (silent.error() == QAbstractSocket::SocketAccessError) {
            GTEST_SKIP() << "Port 53 cannot be bound without root: " << why;
        }
        FAIL() << "Cannot listen on " << silentAddress.toStdString() << ":53: " << why;
    }
    ASSERT_TRUE(QtDnsResolver::canAsk(QHostAddress(dnsmasqAddress)))
        << "The first nameserver in /etc/resolv.conf is not IPv4, so Qt cannot ask one on loopback";
    QProcess dnsmasq; // killed on the way out, and with the test should it crash
    dnsmasq.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    dnsmasq.setProcessChannelMode(QProcess::MergedChannels);
    dnsmasq.start(QStringLiteral("dnsmasq"),
        dnsmasqArguments + QStringList {QStringLiteral("--listen-address=") + dnsmasqAddress});
    ASSERT_TRUE(dnsmasq.waitForStarted()) << "dnsmasq is missing: scripts/install-deps.sh installs it";
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return dnsmasq.peek(1 << 16).contains("started") || dnsmasq.state() == QProcess::NotRunning; }, 20000));
    ASSERT_EQ(dnsmasq.state(), QProcess::Running) << dnsmasq.readAll().toStdString();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto resolver = std::make_unique<QtDnsResolver>(QHostAddress(c.nameserver), c.timeout);
        std::vector<Names> answers; // on the asking thread or, once asked, the main one
        const auto answer = [&](Names names) {
            std::ranges::sort(names);
            answers.push_back(std::move(names));
            if (c.closeInAnswer) {
                ASSERT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
                resolver.reset();
            }
        };
        // Asked from a thread without an event loop; the lookups run on the resolver's.
        std::thread([&] {
            switch (c.lookup) {
            case Lookup::Service:
                resolver->serviceHosts(c.query, [answer](const std::vector<ServiceHost>& hosts) {
                    Names names;
                    for (const ServiceHost& host : hosts) {
                        names.push_back(host.name + ":" + std::to_string(host.port));
                    }
                    answer(std::move(names));
                });
                break;
            case Lookup::Addresses:
                resolver->addresses(c.query, answer);
                break;
            case Lookup::HostNames:
                resolver->hostNames(c.query, answer);
                break;
            }
        }).join();
        if (!c.heard) {
            resolver.reset();
        }
        // Past the time-out, should the lookup given up end after all, it must not answer again.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !answers.empty() || !c.heard; }, 20000));
        QTest::qWait(300);
        EXPECT_EQ(answers, c.heard ? std::vector<Names> {*c.heard} : std::vector<Names> {});
    }
}

} // namespace
} // namespace Vello
