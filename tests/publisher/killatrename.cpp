// Preloaded into the publisher, kills it at the rename that VELLO_KILL_AT_RENAME numbers (from
// 1), before the rename happens: where a power cut or an out-of-memory kill may strike.
#include <dlfcn.h>
#include <signal.h>

#include <atomic>
#include <cstdlib>

extern "C" int rename(const char* from, const char* to) noexcept
{
    static std::atomic<int> count {0};
    const char* killAt = std::getenv("VELLO_KILL_AT_RENAME");
    if (killAt != nullptr && ++count == std::atoi(killAt)) {
        ::raise(SIGKILL);
    }
    using Rename = int (*)(const char*, const char*);
    static const auto next = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}
