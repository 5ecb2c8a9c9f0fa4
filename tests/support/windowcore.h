#pragma once

#include "browser/browsercontroller.h"
#include "session/playbacksession.h"

namespace Vello {

// What a window shows, wired over the given ports the way the program wires it: the listening
// session, and the browser whose lists the session walks. Every port must outlive it.
struct WindowCore {
    WindowCore(StationSource& source, MediaBackend& media, HttpClient& http, Preferences& preferences, MainQueue& queue)
        : session(media, http, preferences, queue)
        , browser(source, session, preferences, queue)
    {
    }

    PlaybackSession session;
    BrowserController browser;
};

} // namespace Vello
