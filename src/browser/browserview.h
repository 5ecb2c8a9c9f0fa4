#pragma once

#include "catalog/stationsource.h"
#include "playback/playbackstate.h"
#include "sleeptimer.h"

#include <string>

namespace Vello {

// What the now-playing parts of the window show: the mini player's and the rail's title, the
// rail's detail line, the song on the air and a line on how playback goes, whether the mini
// player is shown, and the content's bottom inset (room for the mini player while it floats
// over the content).
struct NowPlaying final {
    Text title;
    Text detail;
    bool miniPlayerVisible = false;
    int contentBottomInset = 28;
    // Empty while the station has not said what is on.
    std::string songTitle;
    // streamDetailsText() of what the stream is: empty while nothing is known of it.
    Text streamDetails;
    // playbackStatusText() of the player's state: "Paused", how it goes on its way, or why it
    // failed; empty while playing or idle.
    Text status;
    PlaybackPhase phase = PlaybackPhase::Idle;
    // The loudness on the cubic scale, 0 to 1, and whether it is muted.
    double volume = 1.0;
    bool muted = false;
    // The Sleep Timer menu's choice, and the mini player's line on it ("Sleep in 23 min");
    // the line is empty while the timer is off or no station is current.
    SleepChoice sleepTimer;
    Text sleepLabel;

    friend bool operator==(const NowPlaying&, const NowPlaying&) = default;
};

// What the browser's logic needs of the window's views. The window implements it with
// widgets; every call comes on the GUI thread.
class BrowserView {
public:
    virtual ~BrowserView() = default;

    // The search field's text as typed (UTF-8, untrimmed).
    [[nodiscard]] virtual std::string searchText() const = 0;
    // Shows and starts, or stops and hides, the search field's spinner.
    virtual void setLoading(bool loading) = 0;
    // Rebuilds the content for the controller's current state, scrolled to the top or kept
    // where it was.
    virtual void render(bool resetScroll) = 0;
    // Rebuilds the sidebar with the current screen marked.
    virtual void renderSidebar() = 0;
    // Empties the content at once, so a screen switch never shows the old screen's rows.
    virtual void clearContent() = 0;
    virtual void showNowPlaying(const NowPlaying& nowPlaying) = 0;
    // Load the placeholder artwork of station pictures and the Home hero picture from the
    // application's resources; a missing or unreadable resource leaves the picture empty.
    virtual void loadFallbackImage() = 0;
    virtual void loadHeroImage() = 0;
    // Brings the loading status's progress bar up to date, without rebuilding the content.
    virtual void showLoadProgress(const LoadProgress& progress) = 0;
    // Tells the person something they should know once, such as a file of theirs that could not
    // be read and was set aside, in a message they dismiss.
    virtual void showNotice(const Text& notice) = 0;
};

} // namespace Vello
