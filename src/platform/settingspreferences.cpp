#include "settingspreferences.h"

#include "regularfile.h"

#include "ports/documentstore.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <cmath>

namespace Vello {
namespace {

const QString organisationAndApplication = QStringLiteral("PembaVello");

// QSettings reads its file whole as it opens it. The player's own stays far smaller: a list of
// thousands of favourites takes some hundred kilobytes.
constexpr qint64 maxFileBytes = qint64 {16} * 1024 * 1024;

} // namespace

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
// The file QSettings keeps the organisation's and application's settings in here, named outright
// so that it is looked at before QSettings reads it.
SettingsPreferences::SettingsPreferences()
    : SettingsPreferences(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + organisationAndApplication + u'/' + organisationAndApplication + QStringLiteral(".conf"))
{
}
#else
SettingsPreferences::SettingsPreferences()
    : m_settings(std::make_unique<QSettings>(organisationAndApplication, organisationAndApplication))
{
}
#endif

SettingsPreferences::SettingsPreferences(const QString& iniFilePath)
{
    QString readable = iniFilePath;
    if (const auto why = unreadableReason(iniFilePath, maxFileBytes)) {
        const Result<std::string> aside = setFileAside(iniFilePath);
        m_notice = setAsideNotice(QFileInfo(iniFilePath).fileName().toStdString(), *why, aside);
        // Settings without a file live in memory only, for this run.
        if (std::holds_alternative<Error>(aside)) {
            readable.clear();
        }
    }
    m_settings = std::make_unique<QSettings>(readable, QSettings::IniFormat);
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

// Small settings such as the volume change many times a second while a slider moves: they are
// left to QSettings to write out on its own schedule, and at the latest when it is destroyed.
std::optional<double> SettingsPreferences::number(const std::string& key) const
{
    const QVariant value = m_settings->value(QString::fromStdString(key));
    bool ok = false;
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::QString:
        number = value.toDouble(&ok);
        break;
    default:
        break;
    }
    if (!ok || !std::isfinite(number)) {
        return std::nullopt;
    }
    return number;
}

void SettingsPreferences::setNumber(const std::string& key, double value)
{
    m_settings->setValue(QString::fromStdString(key), value);
}

std::optional<bool> SettingsPreferences::flag(const std::string& key) const
{
    const QVariant value = m_settings->value(QString::fromStdString(key));
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    // A text file keeps the flag as text.
    const QString text = value.typeId() == QMetaType::QString ? value.toString() : QString();
    if (text == u"true") {
        return true;
    }
    if (text == u"false") {
        return false;
    }
    return std::nullopt;
}

void SettingsPreferences::setFlag(const std::string& key, bool value)
{
    m_settings->setValue(QString::fromStdString(key), value);
}

std::optional<std::string> SettingsPreferences::text(const std::string& key) const
{
    const QVariant value = m_settings->value(QString::fromStdString(key));
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

void SettingsPreferences::setText(const std::string& key, const std::string& value)
{
    m_settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
    // Texts are choices a person makes once in a while, such as where the catalog comes from:
    // written through at once, like the favourites.
    m_settings->sync();
}

} // namespace Vello
