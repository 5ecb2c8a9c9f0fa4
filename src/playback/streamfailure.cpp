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
    std::string_view reason;
    bool worthRetrying;
};

// Errors without an HTTP status, in the order they are looked up. A station that cannot be
// reached or drops out may well come back; one that sends something unplayable will not.
constexpr std::array errorRules {
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceNotFound,
        "The station's server could not be reached.", true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceOpenRead,
        "The station's server could not be reached.", true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceBusy, "The station's server is busy.", true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceRead, "The station stopped sending audio.", true},
    ErrorRule {MediaErrorDomain::Resource, MediaErrorCode::resourceNotAuthorized,
        "The station refused to play this stream.", false},
    ErrorRule {MediaErrorDomain::Stream, MediaErrorCode::streamTypeNotFound,
        "The station sent something that is not audio.", false},
    ErrorRule {MediaErrorDomain::Stream, MediaErrorCode::streamWrongType,
        "The station sent something that is not audio.", false},
    ErrorRule {MediaErrorDomain::Stream, MediaErrorCode::streamCodecNotFound,
        "This stream is in a format that cannot be played here.", false},
    ErrorRule {MediaErrorDomain::Stream, anyCode, "The station sent audio that could not be decoded.", true},
    ErrorRule {MediaErrorDomain::Resource, anyCode, "The station's server could not be reached.", true},
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

std::string statusReason(int status)
{
    const std::string code = " (" + std::to_string(status) + ").";
    if (status == 404 || status == 410) {
        return "The station says this stream does not exist" + code;
    }
    if (status == 401 || status == 403) {
        return "The station refused to play this stream" + code;
    }
    if (status == 408 || status == 429 || status == 503) {
        return "The station's server is busy" + code;
    }
    if (status >= 500) {
        return "The station's server has a fault" + code;
    }
    return "The station refused the request" + code;
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
        return {"The station's secure connection could not be verified.", false};
    }
    for (const ErrorRule& rule : errorRules) {
        if (rule.domain == error.domain && (rule.code == anyCode || rule.code == error.code)) {
            return {std::string(rule.reason), rule.worthRetrying};
        }
    }
    return {"The stream could not be played.", true};
}

StreamFailure streamFailure(const MediaMissingPlugin& missing)
{
    const std::string& detail = missing.installerDetail;
    for (const Codec& codec : codecs) {
        if (detail.find(codec.caps) != std::string::npos
            && (codec.extra.empty() || detail.find(codec.extra) != std::string::npos)) {
            return {"This stream is in a format that cannot be played here (" + std::string(codec.name)
                    + "); installing " + std::string(codec.package) + " adds it.",
                false};
        }
    }
    if (missing.description.empty()) {
        return {"This stream is in a format that cannot be played here.", false};
    }
    return {"This stream is in a format that cannot be played here (" + missing.description + ").", false};
}

StreamFailure streamEndedFailure()
{
    return {"The station stopped sending audio.", true};
}

bool endsStream(const MediaEvent& event)
{
    return std::holds_alternative<MediaError>(event) || std::holds_alternative<MediaEndOfStream>(event)
        || std::holds_alternative<MediaMissingPlugin>(event);
}

} // namespace Vello
