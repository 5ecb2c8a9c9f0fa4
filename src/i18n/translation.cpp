#include "translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace Vello {

namespace {

const QString catalogueFolder = QStringLiteral(":/i18n");
const QString catalogueName = QStringLiteral("pemba-vello");

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Mirrors the whole window for a language written right to left. Every catalogue says which
// way its language runs, the way Qt's own do, so this does not hang on Qt's being installed.
// Only a GUI application has a layout direction: the command line is read with a core one.
void followLanguageDirection()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return;
    }
    const bool rightToLeft = QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") == u"RTL";
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

// Of the `shipped` catalogues ("de", "pt_BR"), the one for the first of the `preferred` languages
// ("pt-PT", "de") that has one, exact or less specific, or else another variant of it; "en" when
// none has.
QString closestLanguage(const QStringList& preferred, const QStringList& shipped)
{
    for (const QString& wanted : preferred) {
        // From the most to the least specific: zh_Hant_TW, zh_Hant, zh.
        QString name = QString(wanted).replace(u'-', u'_');
        for (; !name.isEmpty(); name.truncate(std::max<qsizetype>(name.lastIndexOf(u'_'), 0))) {
            if (shipped.contains(name)) {
                return name;
            }
        }
        // Another variant of the same language reads better than the next language down the
        // list: a Portuguese reader in Portugal gets the Brazilian catalogue, not English.
        const QString language = wanted.section(u'-', 0, 0).section(u'_', 0, 0);
        for (const QString& variant : shipped) {
            if (variant.startsWith(language + u'_')) {
                return variant;
            }
        }
    }
    return QStringLiteral("en");
}

// Only the GUI thread installs catalogues and names countries.
QString& installedLanguage()
{
    static QString language = QStringLiteral("en");
    return language;
}

} // namespace

QString translated(const Text& text)
{
    switch (text.kind()) {
    case Text::Kind::Verbatim:
        return fromUtf8(text.source());
    case Text::Kind::Number:
        if (text.decimals() > 0) {
            return QLocale().toString(
                static_cast<double>(text.numberValue()) / std::pow(10.0, text.decimals()), 'f', text.decimals());
        }
        return QLocale().toString(static_cast<qlonglong>(text.numberValue()));
    case Text::Kind::Phrase:
        break;
    }
    const int count = text.numberValue() >= 0 ? static_cast<int>(text.numberValue()) : -1;
    QString pattern = QCoreApplication::translate(coreContext, text.source().c_str(), nullptr, count);
    if (text.values().empty()) {
        return pattern;
    }
    std::vector<std::string> values;
    values.reserve(text.values().size());
    for (const Text& value : text.values()) {
        values.push_back(translated(value).toStdString());
    }
    return QString::fromStdString(fillPlaces(pattern.toStdString(), values));
}

QString stationText(std::string_view shown, const char* standIn)
{
    return shown == standIn ? QCoreApplication::translate(coreContext, standIn) : fromUtf8(shown);
}

QString readerLanguage()
{
    return installedLanguage();
}

Translations::~Translations()
{
    if (installedLanguage() == m_language) {
        installedLanguage() = QStringLiteral("en");
    }
    for (const auto& translator : m_translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
}

QStringList Translations::shippedLanguages()
{
    QStringList shipped;
    for (const QString& file : QDir(catalogueFolder).entryList({catalogueName + QStringLiteral("_*.qm")})) {
        shipped += file.sliced(catalogueName.size() + 1).chopped(3);
    }
    return shipped;
}

void Translations::install(const QLocale& locale)
{
    auto english = std::make_unique<QTranslator>();
    if (english->load(catalogueName + QStringLiteral("_en"), catalogueFolder)) {
        add(std::move(english));
    }
    const QString language = closestLanguage(locale.uiLanguages(), shippedLanguages());
    auto own = std::make_unique<QTranslator>();
    if (language.startsWith(u"en") || !own->load(catalogueName + u'_' + language, catalogueFolder)) {
        return;
    }
    m_language = language;
    installedLanguage() = language;
    add(std::move(own));
    followLanguageDirection();
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(m_language), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        add(std::move(qt));
    }
}

void Translations::installFrom(const QString& folder, const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(catalogueName + u'_' + language, folder)) {
        m_language = language;
        installedLanguage() = language;
        add(std::move(translator));
        followLanguageDirection();
    }
}

bool Translations::add(std::unique_ptr<QTranslator> translator)
{
    const bool installed = QCoreApplication::installTranslator(translator.get());
    if (installed) {
        m_translators.push_back(std::move(translator));
    }
    return installed;
}

} // namespace Vello
