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
// person plays, and whether new songs are announced. Every change is stored as it is made; there is nothing to confirm.
class PreferencesDialog final : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(Preferences& preferences, QWidget* parent = nullptr);

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
    QCheckBox* m_countPlays;
    QCheckBox* m_continueLastStation;
    QCheckBox* m_notifySongs;
};

} // namespace Vello
