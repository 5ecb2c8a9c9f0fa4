#include "settingspreferences.h"

#include <QStringList>
#include <QVariant>

namespace Vello {
namespace {

const QString organisationAndApplication = QStringLiteral("PembaVello");

} // namespace

SettingsPreferences::SettingsPreferences()
    : m_settings(std::make_unique<QSettings>(organisationAndApplication, organisationAndApplication))
{
}

SettingsPreferences::SettingsPreferences(const QString& iniFilePath)
    : m_settings(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat))
{
}

SettingsPreferences::~SettingsPreferences() = default;

std::vector<std::string> SettingsPreferences::stringList(const std::string& key) const
{
    const QVariant value = m_settings->value(QString::fromStdString(key));
    QStringList strings;
    switch (value.typeId()) {
    case QMetaType::QStringList:
        strings = value.toStringList();
        break;
    case QMetaType::QString:
        // A text file cannot tell a list of one apart from a single text, so QSettings reads
        // a stored one-entry list back as a string.
        strings = QStringList {value.toString()};
        break;
    case QMetaType::QVariantList:
        for (const QVariant& item : value.toList()) {
            if (item.typeId() != QMetaType::QString) {
                return {};
            }
            strings.append(item.toString());
        }
        break;
    default:
        return {};
    }
    std::vector<std::string> result;
    result.reserve(static_cast<std::size_t>(strings.size()));
    for (const QString& string : strings) {
        result.push_back(string.toStdString());
    }
    return result;
}

void SettingsPreferences::setStringList(const std::string& key, const std::vector<std::string>& values)
{
    QStringList strings;
    strings.reserve(static_cast<qsizetype>(values.size()));
    for (const std::string& value : values) {
        strings.append(QString::fromStdString(value));
    }
    m_settings->setValue(QString::fromStdString(key), strings);
    // Written through at once: a crash must not lose a favourite the user just marked.
    m_settings->sync();
}

} // namespace Vello
