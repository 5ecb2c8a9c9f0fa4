#include "httpclient.h"

#include <utility>

namespace Vello {

void HttpClient::get(const std::string& url, std::size_t maxBodyBytes, Completion completion)
{
    HttpRequest request;
    request.url = url;
    request.maxBodyBytes = maxBodyBytes;
    get(std::move(request), std::move(completion));
}

} // namespace Vello
