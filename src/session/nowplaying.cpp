#include "nowplaying.h"

#include "playbacksession.h"

#include "playback/streamtitle.h"

#include <utility>

namespace Vello {

namespace {

// A station's text as it is, or, where the station lacks it, its stand-in to translate.
Text standInOr(std::string text, const char* standIn)
{
    return text == standIn ? Text(standIn) : Text::verbatim(std::move(text));
}

} // namespace

NowPlaying nowPlayingOf(const PlaybackSession& session)
{
    NowPlaying nowPlaying;
    if (const auto& current = session.currentStation()) {
        nowPlaying.title = standInOr(current->limitedDisplayName(nowPlayingTitleLimit), unnamedStationText);
        nowPlaying.detail = standInOr(current->subtitle(), liveStationText);
        nowPlaying.miniPlayerVisible = true;
        nowPlaying.songTitle = session.streamTitle();
        nowPlaying.streamDetails = streamDetailsText(session.streamDetails());
        nowPlaying.status = playbackStatusText(session.playbackState());
        nowPlaying.phase = session.playbackState().phase;
        nowPlaying.sleepLabel = session.sleepLabel();
    }
    nowPlaying.volume = session.volume();
    nowPlaying.muted = session.isMuted();
    nowPlaying.sleepTimer = session.sleepTimer();
    nowPlaying.recording = session.recording().recording;
    return nowPlaying;
}

} // namespace Vello
