#pragma once

#include "catalog/catalogsource.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace Vello {

class Preferences;

// "Preferences…": where the catalog comes from, whether the directory hears which stations a
// person plays, whether new songs are announced, whether closing the window leaves the player
// in the system tray, whether stations open early and how recordings are kept. Every change is
// stored as it is made; there is nothing to confirm.
class PreferencesDialog final : public QDialog {
    Q_OBJECT

public:
    // Without a system tray (`trayAvailable` false) closing the window always quits: the choice
    // is shown but cannot be made.
    explicit PreferencesDialog(Preferences& preferences, bool trayAvailable = false, QWidget* parent = nullptr);

    // Says under the catalog's source that the command line chose this run's, and that a choice
    // made here waits for the next start.
    void showSourcePinned();

Q_SIGNALS:
    // A source other than the one last chosen was chosen and stored: the catalog should be
    // loaded from it now.
    void catalogSourceChosen(const Vello::CatalogSource& source);

private:
    void onAddressChosen(bool chosen);
    void onAddressEdited();
    void showAddressNote();
    // The address in the field when it is one the catalog can be loaded from.
    [[nodiscard]] std::optional<CatalogSource> typedSource() const;
    void choose(const CatalogSource& source);

    Preferences& m_preferences;
    CatalogSource m_chosen;
    QRadioButton* m_directory;
    QRadioButton* m_address;
    QLineEdit* m_addressField;
    QLabel* m_addressNote;
    QLabel* m_pinnedNote;
    QCheckBox* m_countPlays;
    QCheckBox* m_continueLastStation;
    QCheckBox* m_notifySongs;
    QCheckBox* m_keepPlaying;
    QCheckBox* m_openEarly;
};

} // namespace Vello
