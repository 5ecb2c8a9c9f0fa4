#pragma once

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>

#include <map>
#include <string>

namespace Vello {

// A real Icecast 2 server on a free loopback port, fed by live sources that gst-launch-1.0
// makes: a sine tone encoded as MP3 or Ogg Vorbis and sent with shout2send. Stopped, with its
// sources, when destroyed.
class IcecastServer final {
public:
    // `Mp3Steps`: MP3 whose tone starts at the frequency given and rises by `toneStepHz` every
    // `toneStepSeconds`, back to the start after `toneSteps` steps, for two minutes.
    enum class Codec { Mp3, OggVorbis, Mp3Steps };
    static constexpr int toneStepHz = 100;
    static constexpr int toneStepSeconds = 4;
    static constexpr int toneSteps = 8;

    IcecastServer();
    ~IcecastServer();

    // Empty when the server is up, otherwise what went wrong.
    [[nodiscard]] const std::string& startError() const { return m_startError; }
    [[nodiscard]] int port() const { return m_port; }
    [[nodiscard]] std::string url(const std::string& mount) const
    {
        return "http://127.0.0.1:" + std::to_string(m_port) + mount;
    }

    // Starts a live source on `mount` ("/tone.mp3") and waits until listeners can tune in.
    [[nodiscard]] bool startSource(const std::string& mount, Codec codec, int frequencyHz);
    // Disconnects the source, as when a broadcaster goes off the air.
    void stopSource(const std::string& mount);
    // Sets the mount's song title, bytes as they are, as a broadcaster's playout software does;
    // true when it took.
    [[nodiscard]] bool setTitle(const std::string& mount, const std::string& title) const;

private:
    // The status code of a GET on the server; 0 when it does not answer.
    [[nodiscard]] int httpStatus(const QByteArray& path, const QByteArray& headers = {}) const;

    // Declared first, removed last: the server writes its logs there until it is stopped.
    QTemporaryDir m_directory;
    QProcess m_server;
    std::map<std::string, QProcess> m_sources;
    std::string m_startError;
    int m_port = 0;
};

} // namespace Vello
