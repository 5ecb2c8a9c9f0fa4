#include "documentstore.h"

#include <variant>

namespace Vello {

Text setAsideNotice(std::string_view name, const Text& why, const Result<std::string>& keptAs)
{
    const Text file = Text::verbatim(std::string(name));
    if (const auto* path = std::get_if<std::string>(&keptAs)) {
        return Text(VELLO_TR("Core",
                        "“%1” could not be read. %2 It was kept as it was, as “%3”, and the player goes on with "
                        "what it could read."),
            {file, why, Text::verbatim(*path)});
    }
    return Text(VELLO_TR("Core",
                    "“%1” could not be read. %2 It could not be set aside either (%3), so the player "
                    "leaves it as it is and keeps no changes to it until it starts again."),
        {file, why, std::get<Error>(keptAs).description});
}

} // namespace Vello
