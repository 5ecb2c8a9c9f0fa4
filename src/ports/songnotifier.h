#pragma once

#include <string>

namespace Vello {

// A song a station has just started, as a desktop notification shows it.
struct SongNotice final {
    std::string song;
    std::string station;
    // The station's logo address; empty when it has none.
    std::string favicon;

    friend bool operator==(const SongNotice&, const SongNotice&) = default;
};

// The desktop's notifications. Each notice takes the place of the one before.
class SongNotifier {
public:
    virtual ~SongNotifier() = default;

    // Returns at once, whatever the desktop does with the notice.
    virtual void notify(const SongNotice& notice) = 0;
};

} // namespace Vello
