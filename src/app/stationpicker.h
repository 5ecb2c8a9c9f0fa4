#pragma once

#include "catalog/station.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Vello {

// A station offered to choose from.
struct StationChoice final {
    std::string id;
    QString name;
};

// Finds up to `limit` stations, the person's own and the catalog's, whose names hold `text`
// (every station, most popular first, for no text), or the one of an identifier.
struct StationFinder final {
    std::function<std::vector<StationChoice>(const QString& text, int limit)> search;
    // The name of the station `id`; empty when it is not known.
    std::function<QString(const std::string& id)> nameOf;
    // The station `id`, when it is known.
    std::function<std::optional<Station>(const std::string& id)> station;
};

// A station chosen by searching for it by name: a search field over the stations it finds.
class StationPicker final : public QWidget {
    Q_OBJECT

public:
    static constexpr int shownAtMost = 50;

    explicit StationPicker(StationFinder finder, QWidget* parent = nullptr);

    // Shows `id` as the station chosen.
    void setStation(const std::string& id);
    [[nodiscard]] const std::string& station() const { return m_station; }
    [[nodiscard]] QLineEdit* searchField() const { return m_search; }
    [[nodiscard]] QListWidget* results() const { return m_results; }

Q_SIGNALS:
    // The person chose another station.
    void stationChosen(const std::string& id);

private:
    void search();
    void showChosen();

    StationFinder m_finder;
    std::string m_station;
    QLabel* m_chosen;
    QLineEdit* m_search;
    QListWidget* m_results;
};

} // namespace Vello
