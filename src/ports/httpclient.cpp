#include "httpclient.h"

#include <utility>

namespace Vello {

std::optional<std::string> HttpResponse::header(std::string_view name) const
{
    for (const auto& [key, value] : headers) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

void HttpClient::get(const std::string& url, std::size_t maxBodyBytes, Completion completion)
{
    HttpRequest request;
    request.url = url;
    request.maxBodyBytes = maxBodyBytes;
    get(std::move(request), std::move(completion));
}

} // namespace Vello
