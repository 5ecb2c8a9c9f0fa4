#pragma once

#include "base/text.h"

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

class QCoreApplication;
class QLocale;

namespace Vello {

// The context the core's texts are translated in (VELLO_TR("Core", ...)).
inline constexpr const char* coreContext = "Core";

// A core text in the reader's language: each phrase through QCoreApplication::translate in the
// "Core" context, numbers through QLocale, verbatim values as they are.
[[nodiscard]] QString translated(const Text& text);
// A station's display text (its name, its subtitle), or where the station lacks it and the
// text is `standIn` (unnamedStationText, liveStationText), the stand-in translated.
[[nodiscard]] QString stationText(std::string_view shown, const char* standIn);

// The language the window speaks: that of the catalogue installed last and still installed
// ("de", "pt_BR"), "en" while there is none but English. What it names by code (a country, a
// language) it names in this language.
[[nodiscard]] QString readerLanguage();

// The translators of one language, kept alive while installed.
class Translations final {
public:
    Translations() = default;
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;
    ~Translations();

    // Installs the catalogues for the first of `locale`'s languages that has one, falling back
    // language by language and finally to English, and Qt's own for the same language. The
    // English catalogue only gives the plural forms, so it is always installed underneath.
    void install(const QLocale& locale);
    // The languages of the built-in catalogues, as they are named: "de", "pt_BR", and "en".
    [[nodiscard]] static QStringList shippedLanguages();

    // Installs the catalogue files under `folder` instead of the built-in ones (the
    // pseudo-translation check).
    void installFrom(const QString& folder, const QString& language);
    // The language of the application's catalogue in use, "en" when none but English.
    [[nodiscard]] const QString& language() const { return m_language; }

private:
    bool add(std::unique_ptr<QTranslator> translator);

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QString m_language = QStringLiteral("en");
};

} // namespace Vello
