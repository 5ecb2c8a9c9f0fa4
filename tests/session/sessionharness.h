#pragma once

#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "memoryports.h"
#include "playback/fakemediabackend.h"
#include "playback/fakeoutputs.h"
#include "teststations.h"

#include "session/nowplaying.h"
#include "session/playbacksession.h"

#include <memory>
#include <string>
#include <vector>

namespace Vello {

// A session wired to fakes, walking `list`, noting the listens it starts and what its listeners
// hear.
struct SessionHarness {
    FakeMediaBackend media;
    FakeHttpClient http;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    MemoryDocumentStore documents;
    // The outputs besides this computer, once the session looks for them.
    FakeOutputDiscovery outputs;
    // The list of the moment.
    std::vector<Station> list = makeStations(30);
    std::vector<std::string> listens;
    std::vector<SessionChanges> heard;
    std::unique_ptr<PlaybackSession> session;
    Subscription followed;

    SessionHarness() { begin(); }
    // The session afresh, as a start with the preferences as they are finds it.
    void begin()
    {
        session = std::make_unique<PlaybackSession>(media, http, preferences, queue);
        session->setListOfTheMoment([this] {
            std::vector<const Station*> stations;
            for (const Station& station : list) {
                stations.push_back(&station);
            }
            return stations;
        });
        session->setOnListenStarted([this](const Station& station) { listens.push_back(station.id()); });
        followed = session->subscribe([this](const SessionChanges& changes) { heard.push_back(changes); });
    }
    // The current stream reports `event`, and the session takes it up.
    void report(const MediaEvent& event)
    {
        media.players.back()->emit(event);
        queue.runPending();
    }
    [[nodiscard]] std::string currentId() const
    {
        return session->currentStation() ? session->currentStation()->id() : std::string();
    }
    [[nodiscard]] NowPlaying now() const { return nowPlayingOf(*session); }
};

} // namespace Vello
