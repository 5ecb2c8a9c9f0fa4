#include "qtdnsresolver.h"

#include <QByteArray>
#include <QDnsLookup>
#include <QFile>
#include <QList>
#include <QString>
#include <QTimer>

#include <memory>
#include <utility>

namespace Vello {

namespace {

// "4.3.2.1.in-addr.arpa" for 1.2.3.4; the nibbles backwards under "ip6.arpa" for IPv6.
QString reverseName(const QHostAddress& address)
{
    QString name;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        const quint32 value = address.toIPv4Address();
        for (int shift = 0; shift < 32; shift += 8) {
            name += QString::number((value >> static_cast<unsigned>(shift)) & 0xffU) + u'.';
        }
        return name + QStringLiteral("in-addr.arpa");
    }
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    for (int i = 15; i >= 0; --i) {
        name += QString::number(bytes[i] & 0xfU, 16) + u'.' + QString::number(bytes[i] >> 4U, 16) + u'.';
    }
    return name + QStringLiteral("ip6.arpa");
}

std::vector<std::string> addressesIn(const QDnsLookup& lookup)
{
    std::vector<std::string> names;
    for (const auto& record : lookup.hostAddressRecords()) {
        names.push_back(record.value().toString().toStdString());
    }
    return names;
}

} // namespace

QtDnsResolver::QtDnsResolver(const QHostAddress& nameserver, std::chrono::milliseconds timeout)
    : m_nameserver(nameserver)
    , m_timeout(timeout)
{
}

QtDnsResolver::~QtDnsResolver() = default;

bool QtDnsResolver::canAsk(const QHostAddress& nameserver)
{
    QHostAddress first(QHostAddress::LocalHost); // glibc's choice when the file names none
    QFile file(QStringLiteral("/etc/resolv.conf"));
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            const QList<QByteArray> words = file.readLine(1024).simplified().split(' ');
            const QHostAddress address(
                words.size() >= 2 && words.at(0) == "nameserver" ? QString::fromLatin1(words.at(1)) : QString());
            if (!address.isNull()) {
                first = address;
                break;
            }
        }
    }
    return nameserver.protocol() == first.protocol();
}

namespace {

// Starts a lookup owned by `owner` on its thread. `read` turns the finished lookup into the
// answer that `done` gets; a lookup that fails or times out gives `read` nothing to read.
template <typename Answer>
void look(QObject& owner, const QHostAddress& nameserver, std::chrono::milliseconds timeout, QDnsLookup::Type type,
    const QString& name, std::function<Answer(const QDnsLookup&)> read, std::function<void(Answer)> done)
{
    // Better no answer than a question to a server the caller did not name.
    if (!nameserver.isNull() && !QtDnsResolver::canAsk(nameserver)) {
        done(Answer());
        return;
    }
    QMetaObject::invokeMethod(
        &owner,
        [&owner, nameserver, timeout, type, name, read = std::move(read), done = std::move(done)]() mutable {
            auto* lookup = new QDnsLookup(type, name, &owner);
            if (!nameserver.isNull()) {
                lookup->setNameserver(nameserver);
            }
            auto answer = std::make_shared<std::function<void(Answer)>>(std::move(done));
            QObject::connect(lookup, &QDnsLookup::finished, lookup, [lookup, read, answer] {
                lookup->deleteLater();
                if (*answer) {
                    std::exchange(*answer, nullptr)(lookup->error() == QDnsLookup::NoError ? read(*lookup) : Answer());
                }
            });
            QTimer::singleShot(timeout, lookup, [lookup, answer] {
                // Answered last: `done` may end the resolver, and this lookup with it.
                auto taken = std::exchange(*answer, nullptr);
                lookup->deleteLater();
                if (taken) {
                    taken(Answer());
                }
            });
            lookup->lookup();
        },
        Qt::QueuedConnection);
}

} // namespace

void QtDnsResolver::serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done)
{
    look<std::vector<ServiceHost>>(
        m_lookups, m_nameserver, m_timeout, QDnsLookup::SRV, QString::fromStdString(service),
        [](const QDnsLookup& lookup) {
            std::vector<ServiceHost> hosts;
            for (const auto& record : lookup.serviceRecords()) {
                hosts.push_back({record.target().toStdString(), record.port()});
            }
            return hosts;
        },
        std::move(done));
}

void QtDnsResolver::addresses(const std::string& host, std::function<void(Names)> done)
{
    // Both families in one answer: the A lookup first, then the AAAA one.
    auto both = [this, host, done = std::move(done)](Names ipv4) mutable {
        look<Names>(m_lookups, m_nameserver, m_timeout, QDnsLookup::AAAA, QString::fromStdString(host), &addressesIn,
            [ipv4 = std::move(ipv4), done = std::move(done)](Names ipv6) mutable {
                ipv4.insert(ipv4.end(), ipv6.begin(), ipv6.end());
                done(std::move(ipv4));
            });
    };
    look<Names>(
        m_lookups, m_nameserver, m_timeout, QDnsLookup::A, QString::fromStdString(host), &addressesIn, std::move(both));
}

void QtDnsResolver::hostNames(const std::string& address, std::function<void(Names)> done)
{
    const QHostAddress parsed(QString::fromStdString(address));
    if (parsed.isNull()) {
        done({});
        return;
    }
    look<Names>(
        m_lookups, m_nameserver, m_timeout, QDnsLookup::PTR, reverseName(parsed),
        [](const QDnsLookup& lookup) {
            Names names;
            for (const auto& record : lookup.pointerRecords()) {
                names.push_back(record.value().toStdString());
            }
            return names;
        },
        std::move(done));
}

} // namespace Vello
