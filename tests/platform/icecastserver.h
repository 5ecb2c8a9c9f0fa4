#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include <sys/types.h>

namespace Vello {

// A real Icecast 2 server on a free loopback port, fed by live sources that gst-launch-1.0
// makes: a sine tone encoded as MP3 or Ogg Vorbis and sent with shout2send. Stopped, with its sources, when
// destroyed.
class IcecastServer final {
public:
    enum class Codec { Mp3, OggVorbis };

    IcecastServer();
    ~IcecastServer();

    IcecastServer(const IcecastServer&) = delete;
    IcecastServer& operator=(const IcecastServer&) = delete;

    // Empty when the server is up, otherwise what went wrong.
    [[nodiscard]] const std::string& startError() const { return m_startError; }
    [[nodiscard]] int port() const { return m_port; }
    [[nodiscard]] std::string url(const std::string& mount) const;

    // Starts a live source on `mount` ("/tone.mp3") and waits until listeners can tune in.
    [[nodiscard]] bool startSource(const std::string& mount, Codec codec, int frequencyHz);
    // Disconnects the source, as when a broadcaster goes off the air.
    void stopSource(const std::string& mount);
    // Sets the mount's song title through the server's metadata admin call, as a
    // broadcaster's playout software does. True when the server took it.
    [[nodiscard]] bool setTitle(const std::string& mount, const std::string& title) const;

    // A loopback port nothing listens on at the moment of the call.
    [[nodiscard]] static int freePort();

private:
    [[nodiscard]] int httpStatus(const std::string& path, const std::string& headers = {}) const;
    static void stopProcess(pid_t pid);

    std::filesystem::path m_directory;
    std::string m_password = "vello-source";
    std::map<std::string, pid_t> m_sources;
    std::string m_startError;
    pid_t m_pid = -1;
    int m_port = 0;
};

} // namespace Vello
