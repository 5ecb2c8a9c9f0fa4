#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace Vello {

// A relay on loopback between a player and a server, keeping every byte the server sends on each
// connection: what the player was sent, exactly. Closed, with its connections, when destroyed.
class StreamRelay final {
public:
    explicit StreamRelay(int serverPort);
    ~StreamRelay();

    StreamRelay(const StreamRelay&) = delete;
    StreamRelay& operator=(const StreamRelay&) = delete;

    [[nodiscard]] std::string url(const std::string& path) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + path;
    }
    // What the server has sent on the `index`th connection so far, headers included.
    [[nodiscard]] std::string received(std::size_t index) const;

private:
    void relay(int client, std::size_t index);

    int m_serverPort;
    int m_listener = -1;
    int m_port = 0;
    bool m_closing = false;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_received;
    std::vector<std::thread> m_threads;
    std::thread m_acceptor;
};

} // namespace Vello
