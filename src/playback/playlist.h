#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Vello {

// What a downloaded body turned out to be.
enum class PlaylistFormat {
    NotAPlaylist, // audio, or anything else: the player gets the address itself
    Hls, // for the player's own HLS support, unchanged
    Pls,
    M3u,
    Asx,
    Xspf,
};

// Playlists are small; a longer body is not read as one.
inline constexpr std::size_t playlistMaxBytes = 64 * 1024;
// Entries past this are ignored: they are tried in order, and nobody lists hundreds of mirrors.
inline constexpr std::size_t playlistMaxEntries = 50;

// Whether an address names a playlist by its extension (".pls", ".m3u", ".m3u8", ".asx",
// ".xspf", in any case, before any query): only such addresses are downloaded before playing,
// so that a direct stream starts without delay.
[[nodiscard]] bool mightBePlaylistAddress(std::string_view address);

// Recognises a playlist by its first bytes, then by the server's Content-Type.
[[nodiscard]] PlaylistFormat detectPlaylistFormat(std::string_view body, std::string_view contentType = {});

// The stream addresses a playlist lists, in order: relative entries resolved against
// `baseAddress`, and only http and https addresses without credentials kept, at most
// `playlistMaxEntries`, each once.
[[nodiscard]] std::vector<std::string> playlistEntries(
    std::string_view body, PlaylistFormat format, std::string_view baseAddress);

// `reference` resolved against the absolute address `base`.
[[nodiscard]] std::string resolveAddress(std::string_view base, std::string_view reference);

} // namespace Vello
