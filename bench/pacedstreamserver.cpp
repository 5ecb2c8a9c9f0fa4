#include "pacedstreamserver.h"

#include <arpa/inet.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

namespace Vello {
namespace {

using namespace std::chrono_literals;

constexpr double streamSeconds = 20;
constexpr std::size_t burstBytes = 64 * 1024;
constexpr std::size_t chunkBytes = 4096;

struct Encoding {
    const char* path;
    const char* encoder;
    const char* contentType;
};

constexpr Encoding encodings[] {
    {"/tone.mp3", "lamemp3enc target=bitrate bitrate=128 cbr=true", "audio/mpeg"},
    {"/tone.aac", "avenc_aac bitrate=128000 ! aacparse ! audio/mpeg,stream-format=adts", "audio/aac"},
    {"/tone.ogg", "vorbisenc bitrate=160000 ! oggmux", "application/ogg"},
};

std::string contentTypeOf(const std::string& path)
{
    for (const Encoding& encoding : encodings) {
        if (path == encoding.path) {
            return encoding.contentType;
        }
    }
    return "application/octet-stream";
}

bool sendAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

} // namespace

PacedStreamServer::PacedStreamServer()
{
    std::string directory = (std::filesystem::temp_directory_path() / "vello-paced-XXXXXX").string();
    if (::mkdtemp(directory.data()) == nullptr) {
        m_startError = "cannot create a temporary folder";
        return;
    }
    m_directory = directory;
    const int buffers = static_cast<int>(streamSeconds * 44100 / 1024);
    for (const Encoding& encoding : encodings) {
        const std::filesystem::path file = m_directory / std::filesystem::path(encoding.path).filename();
        const std::string command = "gst-launch-1.0 -q audiotestsrc num-buffers=" + std::to_string(buffers)
            + " freq=440 volume=0.5 ! audio/x-raw,rate=44100,channels=2 ! audioconvert ! " + encoding.encoder
            + " ! filesink location=" + file.string();
        std::stringstream body;
        if (std::system(command.c_str()) == 0) {
            body << std::ifstream(file, std::ios::binary).rdbuf();
        }
        if (body.str().empty()) {
            m_startError = "cannot encode " + std::string(encoding.path);
            return;
        }
        m_bodies[encoding.path] = body.str();
    }
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(m_listener, 16) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        m_startError = "cannot listen on loopback";
        return;
    }
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { acceptLoop(); });
}

PacedStreamServer::~PacedStreamServer()
{
    m_stopping = true;
    if (m_acceptor.joinable()) {
        m_acceptor.join();
    }
    for (std::thread& thread : m_threads) {
        thread.join();
    }
    if (m_listener >= 0) {
        ::close(m_listener);
    }
    if (!m_directory.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }
}

std::string PacedStreamServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::size_t PacedStreamServer::connectionCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_firstBytes.size();
}

std::optional<PacedStreamServer::Clock::time_point> PacedStreamServer::firstByteTime(std::size_t connection) const
{
    const std::lock_guard lock(m_mutex);
    return connection < m_firstBytes.size() ? m_firstBytes[connection] : std::nullopt;
}

std::size_t PacedStreamServer::bytesDelivered(std::size_t connection) const
{
    const std::lock_guard lock(m_mutex);
    return connection < m_delivered.size() ? m_delivered[connection] : 0;
}

void PacedStreamServer::acceptLoop()
{
    while (!m_stopping) {
        pollfd waiting {m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        std::size_t connection = 0;
        {
            const std::lock_guard lock(m_mutex);
            connection = m_firstBytes.size();
            m_firstBytes.emplace_back();
            m_delivered.push_back(0);
        }
        m_threads.emplace_back([this, fd, connection] { serve(fd, connection); });
    }
}

void PacedStreamServer::serve(int fd, std::size_t connection)
{
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        pollfd waiting {fd, POLLIN, 0};
        if (::poll(&waiting, 1, 2000) <= 0) {
            ::close(fd);
            return;
        }
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0) {
            ::close(fd);
            return;
        }
        request.append(buffer, static_cast<std::size_t>(got));
    }
    const auto pathStart = request.find(' ') + 1;
    std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    if (path.starts_with(latePrefix)) {
        path.erase(0, std::string_view(latePrefix).size());
        const Clock::time_point due = Clock::now() + lateFirstByte;
        while (Clock::now() < due && !m_stopping) {
            std::this_thread::sleep_for(5ms);
        }
    }
    const auto found = m_bodies.find(path);
    if (found == m_bodies.end()) {
        const std::string answer = "HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n";
        sendAll(fd, answer.data(), answer.size());
        ::close(fd);
        return;
    }
    const std::string& body = found->second;
    const std::string header = "HTTP/1.0 200 OK\r\nContent-Type: " + contentTypeOf(path) + "\r\n\r\n";
    sendAll(fd, header.data(), header.size());
    const double bytesPerSecond = static_cast<double>(body.size()) / streamSeconds;
    const Clock::time_point start = Clock::now();
    {
        const std::lock_guard lock(m_mutex);
        m_firstBytes[connection] = start;
    }
    std::size_t sent = 0;
    // Sent without blocking, so that a listener that stops reading leaves the count up to date.
    while (sent < body.size() && !m_stopping) {
        int queued = 0;
        ::ioctl(fd, SIOCOUTQ, &queued);
        {
            const std::lock_guard lock(m_mutex);
            m_delivered[connection] = sent - std::min(sent, static_cast<std::size_t>(std::max(queued, 0)));
        }
        const std::size_t due = burstBytes
            + static_cast<std::size_t>(std::chrono::duration<double>(Clock::now() - start).count() * bytesPerSecond);
        if (sent >= due) {
            std::this_thread::sleep_for(5ms);
            continue;
        }
        const std::size_t size = std::min({chunkBytes, body.size() - sent, due - sent});
        const ssize_t written = ::send(fd, body.data() + sent, size, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd waiting {fd, POLLOUT, 0};
            ::poll(&waiting, 1, 5);
            continue;
        }
        if (written <= 0) {
            break;
        }
        sent += static_cast<std::size_t>(written);
    }
    ::close(fd);
}

} // namespace Vello
