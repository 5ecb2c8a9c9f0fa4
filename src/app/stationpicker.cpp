#include "stationpicker.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <utility>

namespace Vello {

namespace {

constexpr int idRole = Qt::UserRole;

} // namespace

StationPicker::StationPicker(StationFinder finder, QWidget* parent)
    : QWidget(parent)
    , m_finder(std::move(finder))
    , m_chosen(new QLabel(this))
    , m_search(new QLineEdit(this))
    , m_results(new QListWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chosen);
    layout->addWidget(m_search);
    layout->addWidget(m_results);
    m_chosen->setTextFormat(Qt::PlainText);
    m_search->setPlaceholderText(tr("Search stations"));
    m_search->setAccessibleName(tr("Search stations"));
    m_search->setClearButtonEnabled(true);
    m_results->setAccessibleName(tr("Stations found"));
    m_results->setMinimumHeight(120);
    connect(m_search, &QLineEdit::textChanged, this, &StationPicker::search);
    // Down from the field goes to the stations found, as in the window's own search.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0) {
            m_results->setCurrentRow(0);
            m_results->setFocus();
        }
    });
    connect(m_results, &QListWidget::currentItemChanged, this, [this](const QListWidgetItem* item) {
        if (item == nullptr) {
            return;
        }
        std::string id = item->data(idRole).toString().toStdString();
        if (id != m_station) {
            m_station = std::move(id);
            showChosen();
            Q_EMIT stationChosen(m_station);
        }
    });
    search();
}

void StationPicker::setStation(const std::string& id)
{
    m_station = id;
    showChosen();
}

void StationPicker::showChosen()
{
    const QString name = m_station.empty() ? QString() : m_finder.nameOf(m_station);
    m_chosen->setText(m_station.empty() ? tr("No station chosen")
            : name.isEmpty()            ? tr("Station: not in the list now")
                                        : tr("Station: %1").arg(name));
}

void StationPicker::search()
{
    const QSignalBlocker quiet(m_results);
    m_results->clear();
    for (const StationChoice& choice : m_finder.search(m_search->text().trimmed(), shownAtMost)) {
        auto* item = new QListWidgetItem(choice.name, m_results);
        item->setData(idRole, QString::fromStdString(choice.id));
    }
}

} // namespace Vello
