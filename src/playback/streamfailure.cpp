#include "streamfailure.h"

#include <array>
#include <string_view>
#include <variant>

namespace Vello {
namespace {

constexpr int anyCode = -1;

struct ErrorRule {
    MediaErrorDomain domain;
    int code;
    MarkedText reason;
    bool worthRetrying;
};

// Errors without an HTTP status, in the order they are looked up. A station that cannot be
// reached or drops out may well come back; one that sends something unplayable will not.
constexpr std::array errorRules {
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceNotFound,
        VELLO_TR("Core", "The station's server could not be reached."), true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceOpenRead,
        VELLO_TR("Core", "The station's server could not be reached."), true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceBusy,
        VELLO_TR("Core", "The station's server is busy."), true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceRead,
        VELLO_TR("Core", "The station stopped sending audio."), true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceNotAuthorized,
        VELLO_TR("Core", "The station refused to play this stream."), false},
    ErrorRule {MediaErrorDomain::Stream, MediaErrorCode::streamTypeNotFound,
        VELLO_TR("Core", "The station sent something that is not audio."), false},
    ErrorRule {MediaErrorDomain::Stream, MediaErrorCode::streamWrongType,
        VELLO_TR("Core", "The station sent something that is not audio."), false},
    ErrorRule {MediaErrorDomain::Stream, MediaErrorCode::streamCodecNotFound,
        VELLO_TR("Core", "This stream is in a format that cannot be played here."), false},
    ErrorRule {
        MediaErrorDomain::Stream, anyCode, VELLO_TR("Core", "The station sent audio that could not be decoded."), true},
    ErrorRule {
        MediaErrorDomain::Resource, anyCode, VELLO_TR("Core", "The station's server could not be reached."), true},
};

struct Codec {
    // Every part must appear in the installer detail.
    std::string_view caps;
    std::string_view extra;
    std::string_view name;
    std::string_view package;
};

constexpr std::array codecs {
    Codec {"audio/mpeg", "mpegversion=(int)4", "AAC", "gstreamer1.0-libav"},
    Codec {"audio/mpeg", "mpegversion=(int)2", "AAC", "gstreamer1.0-libav"},
    Codec {"audio/mpeg", "", "MP3", "gstreamer1.0-plugins-good"},
    Codec {"audio/x-vorbis", "", "Vorbis", "gstreamer1.0-plugins-base"},
    Codec {"audio/x-opus", "", "Opus", "gstreamer1.0-plugins-base"},
    Codec {"audio/x-flac", "", "FLAC", "gstreamer1.0-plugins-good"},
    Codec {"audio/x-wma", "", "WMA", "gstreamer1.0-libav"},
    Codec {"audio/x-ac3", "", "AC-3", "gstreamer1.0-libav"},
    Codec {"application/x-hls", "", "HLS", "gstreamer1.0-plugins-bad"},
    Codec {"video/mpegts", "", "MPEG-TS", "gstreamer1.0-plugins-bad"},
};

Text statusReason(int status)
{
    const char* reason = VELLO_TR("Core", "The station refused the request (%1).");
    if (status == 404 || status == 410) {
        reason = VELLO_TR("Core", "The station says this stream does not exist (%1).");
    } else if (status == 401 || status == 403) {
        reason = VELLO_TR("Core", "The station refused to play this stream (%1).");
    } else if (status == 408 || status == 429 || status == 503) {
        reason = VELLO_TR("Core", "The station's server is busy (%1).");
    } else if (status >= 500) {
        reason = VELLO_TR("Core", "The station's server has a fault (%1).");
    }
    return {reason, {Text::verbatim(std::to_string(status))}};
}

} // namespace

StreamFailure streamFailure(const MediaError& error)
{
    if (error.httpStatus >= 400) {
        const bool clientError = error.httpStatus < 500;
        return {statusReason(error.httpStatus), !clientError || error.httpStatus == 408 || error.httpStatus == 429};
    }
    // A certificate that cannot be verified does not fix itself in the next minute, and the
    // person should see why rather than a countdown.
    if (error.secureConnectionFailed) {
        return {VELLO_TR("Core", "The station's secure connection could not be verified."), false};
    }
    for (const ErrorRule& rule : errorRules) {
        if (rule.domain == error.domain && (rule.code == anyCode || rule.code == error.code)) {
            return {rule.reason, rule.worthRetrying};
        }
    }
    return {VELLO_TR("Core", "The stream could not be played."), true};
}

StreamFailure streamFailure(const MediaMissingPlugin& missing)
{
    const std::string& detail = missing.installerDetail;
    for (const Codec& codec : codecs) {
        if (detail.find(codec.caps) != std::string::npos
            && (codec.extra.empty() || detail.find(codec.extra) != std::string::npos)) {
            return {
                {VELLO_TR("Core", "This stream is in a format that cannot be played here (%1); installing %2 adds it."),
                    {Text::verbatim(std::string(codec.name)), Text::verbatim(std::string(codec.package))}},
                false};
        }
    }
    if (missing.description.empty()) {
        return {VELLO_TR("Core", "This stream is in a format that cannot be played here."), false};
    }
    return {{VELLO_TR("Core", "This stream is in a format that cannot be played here (%1)."),
                {Text::verbatim(missing.description)}},
        false};
}

StreamFailure streamEndedFailure()
{
    return {VELLO_TR("Core", "The station stopped sending audio."), true};
}

bool endsStream(const MediaEvent& event)
{
    return std::holds_alternative<MediaError>(event) || std::holds_alternative<MediaEndOfStream>(event)
        || std::holds_alternative<MediaMissingPlugin>(event);
}

} // namespace Vello
