#include "streamrelay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>

namespace Vello {
namespace {

sockaddr_in loopback(int port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

StreamRelay::StreamRelay(int serverPort)
    : m_serverPort(serverPort)
    , m_listener(::socket(AF_INET, SOCK_STREAM, 0))
{
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(m_listener, 8);
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] {
        for (;;) {
            const int client = ::accept(m_listener, nullptr, nullptr);
            std::lock_guard lock(m_mutex);
            if (client < 0 || m_closing) {
                if (client >= 0) {
                    ::close(client);
                }
                return;
            }
            m_received.emplace_back();
            m_threads.emplace_back([this, client, index = m_received.size() - 1] { relay(client, index); });
        }
    });
}

StreamRelay::~StreamRelay()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    ::shutdown(m_listener, SHUT_RDWR);
    ::close(m_listener);
    m_acceptor.join();
    for (std::thread& thread : m_threads) {
        thread.join();
    }
}

std::string StreamRelay::received(std::size_t index) const
{
    std::lock_guard lock(m_mutex);
    return index < m_received.size() ? m_received[index] : std::string();
}

void StreamRelay::relay(int client, std::size_t index)
{
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(m_serverPort);
    if (::connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        std::array<pollfd, 2> ends {pollfd {client, POLLIN, 0}, pollfd {server, POLLIN, 0}};
        std::array<char, 16384> buffer {};
        for (bool open = true; open;) {
            if (::poll(ends.data(), ends.size(), 100) < 0) {
                break;
            }
            for (std::size_t from = 0; from < 2 && open; ++from) {
                if (ends[from].revents == 0) {
                    continue;
                }
                const ssize_t got = ::read(ends[from].fd, buffer.data(), buffer.size());
                open = got > 0 && ::write(ends[1 - from].fd, buffer.data(), static_cast<std::size_t>(got)) == got;
                if (open && from == 1) {
                    std::lock_guard lock(m_mutex);
                    m_received[index].append(buffer.data(), static_cast<std::size_t>(got));
                }
            }
            std::lock_guard lock(m_mutex);
            open = open && !m_closing;
        }
    }
    ::close(server);
    ::close(client);
}

} // namespace Vello
