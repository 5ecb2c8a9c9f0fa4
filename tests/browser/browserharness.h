#pragma once

#include "browserfakes.h"
#include "fakehttpclient.h"
#include "manualmainqueue.h"
#include "playback/fakemediabackend.h"

#include "browser/browsercontroller.h"

#include <memory>
#include <string>
#include <vector>

namespace Vello {

// A controller wired to fakes, the way the window wires it to the real ports.
struct BrowserHarness {
    BrowserHarness();

    RecordingView view;
    FakeStationSource source;
    FakeMediaBackend media;
    FakeHttpClient http;
    MemoryPreferences preferences;
    ManualMainQueue queue;
    std::unique_ptr<BrowserController> controller;

    // Starts the controller and delivers `stations` as the catalog.
    void start(std::vector<Station> stations);
    // The identifiers of the list of the moment.
    [[nodiscard]] std::vector<std::string> listed() const;
    [[nodiscard]] std::string currentId() const;
};

} // namespace Vello
