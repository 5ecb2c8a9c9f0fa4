#pragma once

#include "catalog/discovery.h"

#include <QWidget>

#include <optional>
#include <vector>

class QLineEdit;
class QListView;
class QStandardItemModel;

namespace Vello {

class BrowseScope;
class VelloButton;

// The ways into Browse above its list: the Countries, Languages and Genres chips, the entries
// of the one open with their counts and a field to filter them, the optional filters, and a
// chip that says which entry is chosen and clears it. It shows the scope's state as it is when
// built and forwards what the person does; the scope has the window built anew when it changes.
class FacetPicker final : public QWidget {
    Q_OBJECT

public:
    // The roles of the entry list's items beyond the display text: the count in the reader's
    // digits, and whether the entry is the session's own country.
    static constexpr int countRole = Qt::UserRole + 1;
    static constexpr int nearRole = Qt::UserRole + 2;

    explicit FacetPicker(BrowseScope& scope, QWidget* parent = nullptr);

    // The open facet's entries as shown, and the field that filters them; null while none is open.
    [[nodiscard]] QListView* entryList() const { return m_list; }
    [[nodiscard]] QLineEdit* entryFilter() const { return m_filter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] QWidget* makeChipRow();
    [[nodiscard]] QWidget* makeEntryPanel(Facet facet);
    [[nodiscard]] QWidget* makeChosenChip();
    // Fills the list with the open facet's entries that the filter lets through.
    void showEntries();
    void choose(int row);

    BrowseScope& m_scope;
    std::vector<VelloButton*> m_facetChips;
    QLineEdit* m_filter = nullptr;
    QListView* m_list = nullptr;
    QStandardItemModel* m_model = nullptr;
    // The entries the list shows, row by row.
    std::vector<DiscoveryEntry> m_shown;
};

} // namespace Vello
