#include "icecastserver.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <array>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace Vello {
namespace {

using namespace std::chrono_literals;

void replaceAll(std::string& text, const std::string& field, const std::string& value)
{
    for (auto at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size())) {
        text.replace(at, field.size(), value);
    }
}

bool connectLoopback(QTcpSocket& socket, int port)
{
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    return socket.waitForConnected(2000);
}

// Icecast refuses to run as root unless it is told whom to become once its port is bound.
std::string changeOwnerSection()
{
    if (::geteuid() != 0) {
        return {};
    }
    const std::string group = ::getgrnam("nogroup") != nullptr ? "nogroup" : "nobody";
    return "        <changeowner><user>nobody</user><group>" + group + "</group></changeowner>";
}

template <typename Predicate> bool waitFor(std::chrono::milliseconds timeout, Predicate done)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

std::string percentEncoded(const std::string& text)
{
    return QUrl::toPercentEncoding(QString::fromStdString(text), "/").toStdString();
}

} // namespace

IcecastServer::IcecastServer()
{
    std::string directory = (std::filesystem::temp_directory_path() / "vello-icecast-XXXXXX").string();
    if (::mkdtemp(directory.data()) == nullptr) {
        m_startError = "cannot create a temporary folder";
        return;
    }
    m_directory = directory;
    // The server may drop its privileges to "nobody", who still has to write its logs here.
    ::chmod(directory.c_str(), 0777);

    std::ifstream templateFile(VELLO_ICECAST_TEMPLATE);
    std::stringstream config;
    config << templateFile.rdbuf();
    std::string text = config.str();
    if (text.empty()) {
        m_startError = "cannot read " VELLO_ICECAST_TEMPLATE;
        return;
    }
    m_port = freePort();
    replaceAll(text, "@PORT@", std::to_string(m_port));
    replaceAll(text, "@PASSWORD@", m_password);
    replaceAll(text, "@LOGDIR@", directory);
    replaceAll(text, "@CHANGEOWNER@", changeOwnerSection());
    const std::string configPath = (m_directory / "icecast.xml").string();
    std::ofstream(configPath) << text;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string logPath = (m_directory / "stdout.log").string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    std::array<char*, 4> argv {
        const_cast<char*>("icecast2"), const_cast<char*>("-c"), const_cast<char*>(configPath.c_str()), nullptr};
    const int spawned = posix_spawnp(&m_pid, "icecast2", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        m_pid = -1;
        m_startError = "cannot start icecast2 (is it installed?)";
        return;
    }
    bool listening = false;
    waitFor(30s, [&] {
        if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            return true;
        }
        QTcpSocket probe;
        listening = connectLoopback(probe, m_port);
        return listening;
    });
    if (!listening) {
        std::ifstream log(logPath);
        std::stringstream output;
        output << log.rdbuf();
        m_startError = "icecast2 did not start listening: " + output.str();
    }
}

IcecastServer::~IcecastServer()
{
    for (const auto& [mount, pid] : m_sources) {
        stopProcess(pid);
    }
    if (m_pid > 0) {
        stopProcess(m_pid);
    }
    if (!m_directory.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }
}

std::string IcecastServer::url(const std::string& mount) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + mount;
}

bool IcecastServer::startSource(const std::string& mount, Codec codec, int frequencyHz)
{
    // A separate gst-launch-1.0 process, as a broadcaster's encoder would be.
    std::vector<std::string> arguments {"gst-launch-1.0", "-q", "audiotestsrc", "is-live=true", "wave=sine",
        "volume=0.5", "freq=" + std::to_string(frequencyHz), "!", "audio/x-raw,rate=44100,channels=2", "!",
        "audioconvert", "!"};
    if (codec == Codec::Mp3) {
        arguments.insert(arguments.end(), {"lamemp3enc", "target=bitrate", "bitrate=128", "cbr=true", "!"});
    } else {
        // Icecast re-pages Vorbis and hands listeners whole pages of about 4 KB, so the bitrate
        // sets how soon the first page arrives; 160 kbit/s is usual for Ogg stations.
        arguments.insert(arguments.end(), {"vorbisenc", "bitrate=160000", "!", "oggmux", "!"});
    }
    arguments.insert(arguments.end(),
        {"shout2send", "ip=127.0.0.1", "port=" + std::to_string(m_port), "password=" + m_password, "mount=" + mount});
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    m_sources[mount] = pid;
    return waitFor(30s, [&] { return httpStatus(mount) == 200; });
}

void IcecastServer::stopSource(const std::string& mount)
{
    const auto found = m_sources.find(mount);
    if (found == m_sources.end()) {
        return;
    }
    stopProcess(found->second);
    m_sources.erase(found);
}

bool IcecastServer::setTitle(const std::string& mount, const std::string& title) const
{
    const std::string credentials = QByteArray::fromStdString("admin:" + m_password).toBase64().toStdString();
    return httpStatus("/admin/metadata?mount=" + percentEncoded(mount) + "&mode=updinfo&song=" + percentEncoded(title),
               "Authorization: Basic " + credentials + "\r\n")
        == 200;
}

void IcecastServer::stopProcess(pid_t pid)
{
    ::kill(pid, SIGTERM);
    int status = 0;
    if (!waitFor(5s, [&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
}

int IcecastServer::freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

int IcecastServer::httpStatus(const std::string& path, const std::string& headers) const
{
    QTcpSocket socket;
    if (!connectLoopback(socket, m_port)) {
        return 0;
    }
    socket.write(QByteArray::fromStdString("GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n" + headers + "\r\n"));
    while (!socket.canReadLine() && socket.waitForReadyRead(2000)) { }
    // "HTTP/1.0 200 OK"
    return socket.readLine().mid(9, 3).toInt();
}

} // namespace Vello
