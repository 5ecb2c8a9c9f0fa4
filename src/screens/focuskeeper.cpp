#include "focuskeeper.h"

#include "stationlist.h"

#include "widgets/searchfield.h"
#include "widgets/stationscrollarea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace Vello {

FocusKeeper::FocusKeeper(QWidget& view, SearchField& search, StationScrollArea& scroll)
    : m_view(view)
    , m_search(search)
    , m_scroll(scroll)
{
}

void FocusKeeper::remember(QWidget* within, const StationList* list)
{
    QWidget* focused = QApplication::focusWidget();
    QLineEdit* field = m_search.textField();
    if (focused == nullptr || !within->isAncestorOf(focused)) {
        return;
    }
    if (focused == field) {
        m_searchFocus.focused = true;
        m_searchFocus.cursor = field->cursorPosition();
        m_searchFocus.selectionStart = field->selectionStart();
        m_searchFocus.selectionLength = static_cast<int>(field->selectedText().size());
    } else if (list != nullptr && list->focusedStation()) {
        m_focusedStation = list->focusedStation();
    } else {
        m_focusedControl = focused->accessibleName();
    }
    // Dropped views would pass the focus on, and the scroll area would chase it.
    focused->clearFocus();
}

void FocusKeeper::restore(QWidget* within, StationList* list)
{
    const QScopedValueRollback quiet(m_restoring, true);
    const QString name = std::exchange(m_focusedControl, QString());
    const auto station = std::exchange(m_focusedStation, std::nullopt);
    QWidget* successor = nullptr;
    if (station && list != nullptr && list->focusStation(station->first, station->second)) {
        successor = QApplication::focusWidget();
    }
    for (QAbstractButton* button : within->findChildren<QAbstractButton*>()) {
        if (successor == nullptr && !name.isEmpty() && button->accessibleName() == name
            && button->isVisibleTo(&m_view)) {
            successor = button;
            button->setFocus(Qt::OtherFocusReason);
        }
    }
    if (successor != nullptr) {
        m_scroll.reveal(successor);
    }
}

void FocusKeeper::restoreSearch()
{
    if (!std::exchange(m_searchFocus.focused, false)) {
        return;
    }
    // The field is back where it was: the content keeps its scroll.
    const QScopedValueRollback quiet(m_restoring, true);
    QLineEdit* field = m_search.textField();
    field->setFocus(Qt::OtherFocusReason);
    if (m_searchFocus.selectionStart >= 0 && m_searchFocus.selectionLength > 0) {
        field->setSelection(m_searchFocus.selectionStart, m_searchFocus.selectionLength);
    } else {
        field->setCursorPosition(m_searchFocus.cursor);
    }
}

} // namespace Vello
