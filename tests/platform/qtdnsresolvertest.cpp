#include "collected.h"

#include "platform/qtdnsresolver.h"

#include <QCoreApplication>
#include <QHash>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QTimer>
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
const QString slowAddress = QStringLiteral("127.0.53.2");
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

// A nameserver that hands each query on to dnsmasq and its answer back only after `delay`.
class SlowNameserver final {
public:
    explicit SlowNameserver(std::chrono::milliseconds delay)
        : m_delay(delay)
    {
        QObject::connect(&m_clients, &QUdpSocket::readyRead, &m_clients, [this] {
            while (m_clients.hasPendingDatagrams()) {
                const QNetworkDatagram query = m_clients.receiveDatagram();
                m_askers.insert(query.data().left(2), query);
                QTimer::singleShot(m_delay, &m_upstream,
                    [this, data = query.data()] { m_upstream.writeDatagram(data, QHostAddress(dnsmasqAddress), 53); });
            }
        });
        QObject::connect(&m_upstream, &QUdpSocket::readyRead, &m_upstream, [this] {
            while (m_upstream.hasPendingDatagrams()) {
                const QByteArray answer = m_upstream.receiveDatagram().data();
                // Not makeReply(): the source address it asks for comes out as 127.0.0.1, and
                // the resolver takes no answer from an address it did not ask.
                const QNetworkDatagram query = m_askers.take(answer.left(2));
                m_clients.writeDatagram(answer, query.senderAddress(), static_cast<quint16>(query.senderPort()));
            }
        });
    }

    [[nodiscard]] bool bind() { return m_clients.bind(QHostAddress(slowAddress), 53); }
    [[nodiscard]] const QUdpSocket& socket() const { return m_clients; }
    // Whether every query that came has had its answer.
    [[nodiscard]] bool idle() const { return m_askers.isEmpty(); }

private:
    std::chrono::milliseconds m_delay;
    QUdpSocket m_clients;
    QUdpSocket m_upstream;
    // The queries waiting for an answer, by their id.
    QHash<QByteArray, QNetworkDatagram> m_askers;
};

// Every lookup against a real nameserver, one that does not answer in time and one that is not
// there: what each finds, or that it answers with nothing.
TEST(QtDnsResolverTest, EachLookupAnswersOnceWithWhatTheServerHasOrNothing)
{
    enum class Lookup { Service, Addresses, HostNames };
    enum class Close {
        After, // once the answer is in
        InAnswer, // from inside the answer
        First, // right after asking: no answer comes
    };
    struct Case {
        const char* name;
        Lookup lookup;
        std::string query;
        std::optional<Names> heard; // sorted; service hosts as "name:port"
        QString nameserver = dnsmasqAddress;
        std::chrono::milliseconds timeout = 5s;
        Close close = Close::After;
    };
    const Names all {"198.51.100.10", "198.51.100.11", "2001:db8::a1b2"};
    const std::vector<Case> cases {
        {"service hosts", Lookup::Service, "_api._tcp.radio-browser.test",
            Names {"de1.api.radio-browser.test:443", "fi1.api.radio-browser.test:8443"}},
        {"addresses of both families", Lookup::Addresses, "all.api.radio-browser.test", all},
        {"IPv4 reverse name", Lookup::HostNames, "198.51.100.10", Names {"de1.api.radio-browser.test"}},
        {"IPv6 reverse name", Lookup::HostNames, "2001:db8::a1b2", Names {"fi1.api.radio-browser.test"}},
        {"missing service", Lookup::Service, "_api._tcp.nowhere.radio-browser.test", Names {}},
        {"missing host", Lookup::Addresses, "nowhere.radio-browser.test", Names {}},
        {"missing reverse name", Lookup::HostNames, "198.51.100.99", Names {}},
        {"not an address", Lookup::HostNames, "radio-browser.test", Names {}},
        {"no nameserver there", Lookup::Addresses, "all.api.radio-browser.test", Names {}, deafAddress},
        {"slow nameserver within the time-out", Lookup::Addresses, "all.api.radio-browser.test", all, slowAddress},
        {"slow nameserver past the time-out", Lookup::Addresses, "all.api.radio-browser.test", Names {}, slowAddress,
            200ms},
        {"closed from inside an answer", Lookup::HostNames, "198.51.100.10", Names {"de1.api.radio-browser.test"},
            dnsmasqAddress, 5s, Close::InAnswer},
        {"closed from inside an answer given up", Lookup::HostNames, "198.51.100.10", Names {}, slowAddress, 200ms,
            Close::InAnswer},
        {"closed before the answer", Lookup::Service, "_api._tcp.radio-browser.test", std::nullopt, slowAddress, 5s,
            Close::First},
    };

    // Binding port 53 takes root, as in CI; a developer's own account cannot.
    SlowNameserver slow(500ms);
    if (!slow.bind()) {
        const std::string why = slow.socket().errorString().toStdString();
        if (slow.socket().error() == QAbstractSocket::SocketAccessError) {
            GTEST_SKIP() << "Port 53 cannot be bound without root: " << why;
        }
        FAIL() << "Cannot listen on " << slowAddress.toStdString() << ":53: " << why;
    }
    ASSERT_TRUE(QtDnsResolver::canAsk(QHostAddress(dnsmasqAddress)))
        << "The first nameserver in /etc/resolv.conf is not IPv4, so Qt cannot ask one on loopback";
    QProcess dnsmasq; // killed on the way out, and with the test should it crash
    dnsmasq.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    dnsmasq.setProcessChannelMode(QProcess::MergedChannels);
    dnsmasq.start(QStringLiteral("dnsmasq"),
        dnsmasqArguments + QStringList {QStringLiteral("--listen-address=") + dnsmasqAddress});
    ASSERT_TRUE(dnsmasq.waitForStarted()) << "dnsmasq is missing: scripts/install-deps.sh installs it";
    QByteArray log;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            log += dnsmasq.readAll();
            return log.contains("started") || dnsmasq.state() == QProcess::NotRunning;
        },
        20000));
    ASSERT_EQ(dnsmasq.state(), QProcess::Running) << log.toStdString();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto resolver = std::make_unique<QtDnsResolver>(QHostAddress(c.nameserver), c.timeout);
        auto answers = std::make_shared<Collected<Names>>();
        const auto answer = [&, answers](Names names) {
            std::ranges::sort(names);
            answers->add(std::move(names));
            if (c.close == Close::InAnswer) {
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
        if (c.close == Close::First) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !slow.idle(); }, 20000));
            resolver.reset();
        }
        // Late answers from the slow server must not make a second one.
        ASSERT_TRUE(QTest::qWaitFor([&] { return (!answers->all().empty() || !c.heard) && slow.idle(); }, 20000));
        QTest::qWait(50);
        EXPECT_EQ(answers->all(), c.heard ? std::vector<Names> {*c.heard} : std::vector<Names> {});
    }
    dnsmasq.terminate();
    EXPECT_TRUE(dnsmasq.waitForFinished());
}

} // namespace
} // namespace Vello
