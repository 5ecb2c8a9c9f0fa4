#include "nullsinkmonitor.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <vector>

extern char** environ;

namespace Vello {
namespace {

using namespace std::chrono_literals;

constexpr const char* sinkName = "vello_bench";
// As loud as the capture sink's threshold, in 16-bit samples.
constexpr std::int16_t loudSample = 328;

pid_t spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
    const posix_spawn_file_actions_t* actions = nullptr)
{
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        envp.push_back(*variable);
    }
    for (const std::string& variable : environment) {
        envp.push_back(const_cast<char*>(variable.c_str()));
    }
    envp.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawnp(&pid, argv.front(), actions, nullptr, argv.data(), envp.data()) == 0 ? pid : -1;
}

void stop(int pid)
{
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
}

} // namespace

NullSinkMonitor::NullSinkMonitor()
{
    std::string directory = (std::filesystem::temp_directory_path() / "vello-pulse-XXXXXX").string();
    if (::mkdtemp(directory.data()) == nullptr) {
        m_startError = "cannot create a temporary folder";
        return;
    }
    m_directory = directory;
    const std::string socket = (m_directory / "native").string();
    const std::string home = m_directory.string();
    m_server = spawn({"pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1",
                         "--disallow-exit", std::string("--load=module-null-sink rate=44100 sink_name=") + sinkName,
                         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket, "--log-level=error"},
        {"HOME=" + home, "XDG_RUNTIME_DIR=" + home, "XDG_CONFIG_HOME=" + home});
    const Clock::time_point deadline = Clock::now() + 30s;
    while (!std::filesystem::exists(socket)) {
        if (m_server < 0 || ::waitpid(m_server, nullptr, WNOHANG) != 0 || Clock::now() > deadline) {
            m_server = -1;
            m_startError = "cannot start pulseaudio with a null sink";
            return;
        }
        std::this_thread::sleep_for(20ms);
    }
    const std::string clientConfig = (m_directory / "client.conf").string();
    std::ofstream(clientConfig) << "autospawn = no\n";
    ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    ::setenv("PULSE_SINK", sinkName, 1);
    ::setenv("PULSE_CLIENTCONFIG", clientConfig.c_str(), 1);

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        m_startError = "cannot make a pipe";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    m_recorder = spawn({"parec", "-d", std::string(sinkName) + ".monitor", "--raw", "--format=s16le",
                           "--rate=" + std::to_string(sampleRate), "--channels=1", "--latency-msec=10"},
        {}, &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (m_recorder < 0) {
        ::close(pipeEnds[0]);
        m_startError = "cannot start parec";
        return;
    }
    m_reader = std::thread([this, fd = pipeEnds[0]] { record(fd); });
}

NullSinkMonitor::~NullSinkMonitor()
{
    m_stopping = true;
    stop(m_recorder);
    if (m_reader.joinable()) {
        m_reader.join();
    }
    stop(m_server);
    if (!m_directory.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_directory, ignored);
    }
}

std::optional<NullSinkMonitor::Clock::time_point> NullSinkMonitor::firstLoudAfter(Clock::time_point since) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = std::ranges::upper_bound(m_loudTimes, since);
    return found == m_loudTimes.end() ? std::nullopt : std::optional(*found);
}

std::size_t NullSinkMonitor::sampleCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_dropped + m_samples.size();
}

std::vector<float> NullSinkMonitor::samplesFrom(std::size_t index) const
{
    const std::lock_guard lock(m_mutex);
    std::vector<float> samples;
    for (std::size_t i = std::max(index, m_dropped) - m_dropped; i < m_samples.size(); ++i) {
        samples.push_back(static_cast<float>(m_samples[i]) / 32768.0F);
    }
    return samples;
}

void NullSinkMonitor::record(int fd)
{
    std::int16_t samples[512];
    while (!m_stopping) {
        pollfd waiting {fd, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0) {
            continue;
        }
        const ssize_t got = ::read(fd, samples, sizeof samples);
        if (got <= 0) {
            break;
        }
        const Clock::time_point now = Clock::now();
        {
            const std::lock_guard lock(m_mutex);
            m_samples.insert(m_samples.end(), samples, samples + got / 2);
            const std::size_t over = m_samples.size() > keptSamples ? m_samples.size() - keptSamples : 0;
            m_samples.erase(m_samples.begin(), m_samples.begin() + static_cast<std::ptrdiff_t>(over));
            m_dropped += over;
        }
        for (ssize_t i = 0; i < got / 2; ++i) {
            if (samples[i] > loudSample || samples[i] < -loudSample) {
                const std::lock_guard lock(m_mutex);
                m_loudTimes.push_back(now);
                while (now - m_loudTimes.front() > 1min) {
                    m_loudTimes.pop_front();
                }
                break;
            }
        }
    }
    ::close(fd);
}

} // namespace Vello
