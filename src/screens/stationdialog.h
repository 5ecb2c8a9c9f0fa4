#pragma once

#include "browser/ownstations.h"

#include <QDialog>

#include <string>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace Vello {

class BrowserController;

// "Add Station" and "Edit Station": the form for a station of the person's own. The address
// and the logo's are checked as they are typed, and the button that saves stays off until the
// form holds a station. Editing also offers to remove the station, after asking.
class StationDialog final : public QDialog {
    Q_OBJECT

public:
    // Adds a station when `existing` is null, and otherwise edits that one.
    StationDialog(BrowserController& browser, const Station* existing, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* nameField() const { return m_name; }
    [[nodiscard]] QLineEdit* addressField() const { return m_address; }
    [[nodiscard]] QLineEdit* logoField() const { return m_logo; }
    [[nodiscard]] QLineEdit* tagsField() const { return m_tags; }
    [[nodiscard]] QLabel* addressNote() const { return m_addressNote; }
    [[nodiscard]] QLabel* logoNote() const { return m_logoNote; }
    [[nodiscard]] QDialogButtonBox* buttons() const { return m_buttons; }

private:
    [[nodiscard]] StationDraft draft() const;
    void showProblems();
    void save();
    void confirmRemove();

    BrowserController& m_browser;
    // The station edited; empty when adding.
    std::string m_id;
    QLineEdit* m_name;
    QLineEdit* m_address;
    QLineEdit* m_logo;
    QLineEdit* m_tags;
    QLabel* m_addressNote;
    QLabel* m_logoNote;
    QDialogButtonBox* m_buttons;
};

// Opens the form to add a station, or to edit `existing`, and waits for it to close. A station
// added is shown at once under My Stations.
void editOwnStation(QWidget* parent, BrowserController& browser, const Station* existing = nullptr);

} // namespace Vello
