#pragma once

#include "ports/hostresolver.h"

#include <QHostAddress>
#include <QObject>

#include <chrono>

namespace Vello {

// The resolver port on QDnsLookup. Lookups run on the thread that made the resolver (its event
// loop must run) and answer there; one that takes longer than `timeout` answers with nothing.
// One with nothing to ask (an address that is not one, a nameserver that cannot be asked)
// answers at once, on the caller's thread.
class QtDnsResolver final : public HostResolver {
public:
    // `nameserver`: the DNS server to ask instead of the system's, on port 53. When it cannot be
    // asked (see canAsk) every lookup answers with nothing.
    explicit QtDnsResolver(
        const QHostAddress& nameserver = QHostAddress(), std::chrono::milliseconds timeout = std::chrono::seconds(5));
    ~QtDnsResolver() override;

    QtDnsResolver(const QtDnsResolver&) = delete;
    QtDnsResolver& operator=(const QtDnsResolver&) = delete;

    // Safe to call from any thread.
    void serviceHosts(const std::string& service, std::function<void(std::vector<ServiceHost>)> done) override;
    void addresses(const std::string& host, std::function<void(Names)> done) override;
    void hostNames(const std::string& address, std::function<void(Names)> done) override;

    // Whether `nameserver` can be asked here. Qt puts it in the place of the system's first
    // nameserver, and glibc heeds it only when the two are of one family (IPv4 or IPv6); else
    // the question goes to the system's.
    [[nodiscard]] static bool canAsk(const QHostAddress& nameserver);

private:
    QHostAddress m_nameserver;
    std::chrono::milliseconds m_timeout;
    // Owns the lookups still running; they end with it, unanswered.
    QObject m_lookups;
};

} // namespace Vello
