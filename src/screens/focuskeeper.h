#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

class QWidget;

namespace Vello {

class SearchField;
class StationList;
class StationScrollArea;

// Rebuilds keep the keyboard on the same control: the focus in a part of the window (the content
// or the sidebar) is noted before its old views go and given to their successor after; the
// search field keeps its cursor and selection across its move into the next top bar.
class FocusKeeper final {
public:
    // All three must outlive the keeper; `view` is the window's view that holds the others.
    FocusKeeper(QWidget& view, SearchField& search, StationScrollArea& scroll);

    // Notes the focus if it is in `within`; `list` is the station list there, if any.
    void remember(QWidget* within, const StationList* list);
    // Gives the focus noted to the successor in `within`, the station of `list` or a control of
    // the same name.
    void restore(QWidget* within, StationList* list);
    // Gives the search field back its focus, cursor and selection, if it had them.
    void restoreSearch();
    // Whether the focus moves because of a rebuild rather than the person.
    [[nodiscard]] bool isRestoring() const { return m_restoring; }

private:
    QWidget& m_view;
    SearchField& m_search;
    StationScrollArea& m_scroll;
    struct SearchFocus {
        bool focused = false;
        int cursor = 0;
        int selectionStart = -1;
        int selectionLength = 0;
    };
    SearchFocus m_searchFocus;
    std::optional<std::pair<std::string, std::size_t>> m_focusedStation;
    QString m_focusedControl;
    bool m_restoring = false;
};

} // namespace Vello
