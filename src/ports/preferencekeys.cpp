#include "preferencekeys.h"

#include "preferences.h"

namespace Vello {

bool isOn(const Preferences& preferences, const FlagKey& flag)
{
    return preferences.flag(flag.key).value_or(flag.unset);
}

double valueOf(const Preferences& preferences, const NumberKey& number)
{
    return preferences.number(number.key).value_or(number.unset);
}

} // namespace Vello
