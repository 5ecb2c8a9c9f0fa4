#pragma once

#include "ports/preferences.h"

#include <QSettings>

#include <memory>

class QString;

namespace Vello {

// Preferences kept by QSettings under the organisation and application "PembaVello" (on
// Linux in $XDG_CONFIG_HOME/PembaVello/PembaVello.conf). A file that is no regular file, or far
// larger than any the player writes, is set aside before QSettings would read it.
class SettingsPreferences final : public Preferences {
public:
    SettingsPreferences();
    // Preferences in an INI file of their own, for tests and portable set-ups.
    explicit SettingsPreferences(const QString& iniFilePath);
    ~SettingsPreferences() override;

    [[nodiscard]] std::vector<std::string> stringList(const std::string& key) const override;
    void setStringList(const std::string& key, const std::vector<std::string>& values) override;
    [[nodiscard]] std::optional<double> number(const std::string& key) const override;
    void setNumber(const std::string& key, double value) override;
    [[nodiscard]] std::optional<bool> flag(const std::string& key) const override;
    void setFlag(const std::string& key, bool value) override;
    [[nodiscard]] std::optional<std::string> text(const std::string& key) const override;
    void setText(const std::string& key, const std::string& value) override;
    [[nodiscard]] std::optional<Text> notice() const override { return m_notice; }

private:
    std::unique_ptr<QSettings> m_settings;
    std::optional<Text> m_notice;
};

} // namespace Vello
