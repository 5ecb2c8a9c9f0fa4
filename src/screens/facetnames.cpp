#include "facetnames.h"

#include "i18n/translation.h"

#include <QLocale>

#include <unicode/locdspnm.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <array>
#include <memory>
#include <string>

namespace Vello {

namespace {

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// The names in the reader's language, made once per language: ICU reads its data to make them.
const icu::LocaleDisplayNames& displayNames()
{
    static QString language;
    static std::unique_ptr<icu::LocaleDisplayNames> names;
    if (!names || language != readerLanguage()) {
        language = readerLanguage();
        std::array contexts {UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU, UDISPCTX_LENGTH_FULL};
        names.reset(icu::LocaleDisplayNames::createInstance(
            icu::Locale(language.toStdString().c_str()), contexts.data(), static_cast<int32_t>(contexts.size())));
    }
    return *names;
}

} // namespace

QString facetEntryName(Facet facet, const DiscoveryEntry& entry)
{
    if (entry.code.empty()) {
        if (facet == Facet::country || entry.name.empty()) {
            return translated(Text(otherCountriesText));
        }
        return QString::fromStdString(entry.name);
    }
    icu::UnicodeString name;
    if (facet == Facet::country) {
        displayNames().regionDisplayName(entry.code.c_str(), name);
    } else {
        displayNames().languageDisplayName(entry.code.c_str(), name);
    }
    // ICU gives back the code itself for one it cannot name.
    return name.isBogus() || name.isEmpty() ? QString::fromStdString(entry.code) : fromIcu(name);
}

QString countryFlag(std::string_view code)
{
    if (code.size() != 2) {
        return {};
    }
    QString flag;
    for (const char letter : code) {
        flag += QString::fromUcs4(std::u32string(1, U'\U0001F1E6' + static_cast<char32_t>(letter - 'A')).c_str(), 1);
    }
    return flag;
}

std::string sessionCountry()
{
    const QLocale locale;
    return locale.territory() == QLocale::AnyTerritory ? std::string()
                                                       : QLocale::territoryToCode(locale.territory()).toStdString();
}

} // namespace Vello
