#pragma once

namespace Vello {

class Preferences;

// A yes or no kept in Preferences, and what it reads as while nobody has set it.
struct FlagKey final {
    const char* key;
    bool unset;
};

// A number kept in Preferences, and what it reads as while nobody has set it.
struct NumberKey final {
    const char* key;
    double unset;
};

// Every value the player keeps in Preferences, each under its key once, with what it reads as
// while unset. The Preferences dialog, the window and the core all read them from here.
namespace PreferenceKey {

// The catalog source hears which of its stations a person starts, to rank them.
inline constexpr FlagKey countPlays {"countPlays", true};
// The last station plays as soon as the catalog has it; off, it waits in the mini player.
inline constexpr FlagKey continueLastStation {"continueLastStation", false};
// Each new song is announced in a desktop notification while the window is not active.
inline constexpr FlagKey notifySongChanges {"notifySongChanges", false};
// A station's stream opens, unheard, while the pointer or keyboard focus rests on its Play
// button or on Next or Previous.
inline constexpr FlagKey openStationsEarly {"openStationsEarly", true};
// Closing the window hides it while the player goes on from the system tray.
inline constexpr FlagKey keepPlayingInBackground {"keepPlayingInBackground", true};
// The first close that hid the window has said where the player went.
inline constexpr FlagKey trayNoticeShown {"trayNoticeShown", false};
// The loudness the person set, on the cubic scale, 0 to 1, and whether it is muted.
inline constexpr NumberKey volume {"volume", 1.0};
inline constexpr FlagKey muted {"muted", false};
// Where the catalog comes from, a text: "directory" or "address", and that address. While unset,
// the build's own document, else the public radio directory.
inline constexpr const char* catalogSource = "catalogSource";
inline constexpr const char* catalogAddress = "catalogAddress";
// Lists of station identifiers, empty while unset: the favourites, and the stations played
// lately, newest first.
inline constexpr const char* favorites = "favorites";
// The folder recordings go to, a folder per station inside it; while unset, the music folder's
// "Pemba Vello".
inline constexpr const char* recordingFolder = "recordingFolder";
// A recording that stops deletes its first and last piece, the songs it caught only in part.
inline constexpr FlagKey keepOnlyCompleteSongs {"keepOnlyCompleteSongs", false};
// How many minutes of the station playing are kept, for pausing live radio and saving a song
// heard.
inline constexpr NumberKey keptMinutes {"keptMinutes", 30};
inline constexpr const char* recent = "recent";

} // namespace PreferenceKey

// The value stored under `flag`'s key, or its unset value.
[[nodiscard]] bool isOn(const Preferences& preferences, const FlagKey& flag);
// The number stored under `number`'s key, or its unset value.
[[nodiscard]] double valueOf(const Preferences& preferences, const NumberKey& number);

} // namespace Vello
