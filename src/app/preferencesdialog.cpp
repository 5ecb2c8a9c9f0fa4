#include "preferencesdialog.h"

#include "autostart.h"

#include "launchoptions.h"
#include "recordingpreferences.h"

#include "catalog/stationsurl.h"
#include "ports/preferencekeys.h"
#include "ports/preferences.h"
#include "widgets/palette.h"
#include "widgets/textdirection.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace Vello {

namespace {

QString addressHint()
{
    return PreferencesDialog::tr("The address of a catalog document, loaded instead of the directory.");
}

QString invalidAddress()
{
    return PreferencesDialog::tr("Not an address to load from: it must start with https:// or http://.");
}

QString tooLongAddress()
{
    return PreferencesDialog::tr("Not an address to load from: it is longer than %L1 characters.")
        .arg(maxAddressLength);
}

// Without a keyring to keep it in, the person decides whether the password may stay there.
QString passwordInClear()
{
    return PreferencesDialog::tr("The password in this address is kept as plain text in the settings file.");
}

// What is wrong with the typed address, or what to know before it is kept; empty when nothing is.
QString addressWarning(const QString& typed, bool valid)
{
    if (typed.size() > maxAddressLength) {
        return tooLongAddress();
    }
    if (!typed.isEmpty() && !valid) {
        return invalidAddress();
    }
    return holdsPassword(typed.trimmed()) ? passwordInClear() : QString();
}

} // namespace

PreferencesDialog::PreferencesDialog(Preferences& preferences, bool trayAvailable, QWidget* parent)
    : QDialog(parent)
    , m_preferences(preferences)
    , m_chosen(preferredCatalogSource(preferences))
    , m_directory(new QRadioButton(tr("&Public radio directory")))
    , m_address(new QRadioButton(tr("Catalog &address")))
    , m_addressField(new QLineEdit)
    , m_addressNote(new QLabel)
    , m_pinnedNote(new QLabel(tr("This run loads the catalog the command line named. A choice made here is kept "
                                 "and applies from the next start.")))
    , m_countPlays(new QCheckBox(tr("&Help rank stations: tell the directory which stations I play")))
    , m_continueLastStation(new QCheckBox(tr("Con&tinue the last station when Pemba Vello starts")))
    , m_notifySongs(new QCheckBox(tr("&Notify when the song changes")))
    , m_keepPlaying(new QCheckBox(tr("&Keep playing when the window is closed")))
    , m_openEarly(new QCheckBox(tr("&Open stations early when the pointer rests on them")))
{
    setWindowTitle(tr("Preferences"));
    // A dialog is a window of its own and does not inherit the window's colours.
    setPalette(velloDarkPalette(palette()));

    auto* source = new QGroupBox(tr("Catalog source"));
    source->setAccessibleName(source->title());
    m_addressField->setAccessibleName(tr("Address of the catalog document"));
    m_addressField->setPlaceholderText(tr("https://example.org/stations_filtered.json"));
    // Wide enough for every note under the field, so the dialog keeps its size as the note changes.
    int noteWidth = 0;
    for (const QString& note : {addressHint(), invalidAddress(), tooLongAddress(), passwordInClear()}) {
        m_addressNote->setText(note);
        noteWidth = std::max(noteWidth, m_addressNote->sizeHint().width());
    }
    m_addressNote->setMinimumWidth(noteWidth);

    auto* sourceLayout = new QVBoxLayout(source);
    sourceLayout->addWidget(m_directory);
    sourceLayout->addWidget(m_address);
    auto* addressLayout = new QVBoxLayout;
    // Under its button, lined up with the button's words.
    addressLayout->setContentsMargins(marginsInDirection(*this,
        {style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing),
            0, 0, 0}));
    addressLayout->addWidget(m_addressField);
    addressLayout->addWidget(m_addressNote);
    sourceLayout->addLayout(addressLayout);
    m_pinnedNote->setObjectName(QStringLiteral("sourcePinned"));
    m_pinnedNote->setWordWrap(true);
    m_pinnedNote->hide();
    sourceLayout->addWidget(m_pinnedNote);

    m_countPlays->setChecked(isOn(preferences, PreferenceKey::countPlays));
    m_continueLastStation->setChecked(isOn(preferences, PreferenceKey::continueLastStation));
    m_notifySongs->setChecked(isOn(preferences, PreferenceKey::notifySongChanges));
    m_keepPlaying->setChecked(trayAvailable && isOn(preferences, PreferenceKey::keepPlayingInBackground));
    m_keepPlaying->setEnabled(trayAvailable);
    m_openEarly->setChecked(isOn(preferences, PreferenceKey::openStationsEarly));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    // Return finishes the address; it must not close the dialog as well.
    close->setAutoDefault(false);
    close->setDefault(false);

    // A screen reader says a button's words without the mnemonic's marker.
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*> {m_directory, m_address, m_countPlays,
             m_continueLastStation, m_notifySongs, m_keepPlaying, m_openEarly, close}) {
        button->setAccessibleName(QString(button->text()).remove(u'&'));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source);
    layout->addWidget(m_countPlays);
    layout->addWidget(m_continueLastStation);
    layout->addWidget(m_notifySongs);
    layout->addWidget(m_keepPlaying);
    layout->addWidget(m_openEarly);
    layout->addWidget(new RecordingPreferences(preferences));
    // The desktop's autostart entry is the whole setting: nothing else is stored.
    layout->addWidget(Autostart::makeCheckBox(this));
    layout->addStretch();
    layout->addWidget(buttons);

    m_directory->setChecked(m_chosen.isDirectory());
    m_address->setChecked(!m_chosen.isDirectory());
    m_addressField->setEnabled(!m_chosen.isDirectory());
    m_addressField->setText(QString::fromStdString(m_chosen.isDirectory()
            ? preferences.text(PreferenceKey::catalogAddress).value_or(std::string(stationsURL))
            : m_chosen.documentUrl));
    showAddressNote();

    connect(m_directory, &QRadioButton::toggled, this, [this](bool chosen) {
        if (chosen) {
            choose(CatalogSource {});
        }
    });
    connect(m_address, &QRadioButton::toggled, this, &PreferencesDialog::onAddressChosen);
    connect(m_addressField, &QLineEdit::textChanged, this, &PreferencesDialog::showAddressNote);
    connect(m_addressField, &QLineEdit::editingFinished, this, &PreferencesDialog::onAddressEdited);
    // The browser reads the flag at every play: storing it is all a change needs.
    connect(m_countPlays, &QCheckBox::toggled, this,
        [this](bool on) { m_preferences.setFlag(PreferenceKey::countPlays.key, on); });
    // Read at the next start.
    connect(m_continueLastStation, &QCheckBox::toggled, this,
        [this](bool on) { m_preferences.setFlag(PreferenceKey::continueLastStation.key, on); });
    // Read at every new song.
    connect(m_notifySongs, &QCheckBox::toggled, this,
        [this](bool on) { m_preferences.setFlag(PreferenceKey::notifySongChanges.key, on); });
    // Read at every close of the window.
    connect(m_keepPlaying, &QCheckBox::toggled, this,
        [this](bool on) { m_preferences.setFlag(PreferenceKey::keepPlayingInBackground.key, on); });
    // Read at every rest of the pointer.
    connect(m_openEarly, &QCheckBox::toggled, this,
        [this](bool on) { m_preferences.setFlag(PreferenceKey::openStationsEarly.key, on); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void PreferencesDialog::showSourcePinned()
{
    m_pinnedNote->show();
}

void PreferencesDialog::onAddressChosen(bool chosen)
{
    m_addressField->setEnabled(chosen);
    showAddressNote();
    if (!chosen) {
        return;
    }
    if (const auto source = typedSource()) {
        choose(*source);
    } else {
        m_addressField->setFocus(Qt::OtherFocusReason);
    }
}

void PreferencesDialog::onAddressEdited()
{
    if (const auto source = typedSource()) {
        choose(*source);
    }
}

void PreferencesDialog::showAddressNote()
{
    // A field that is not in use is nothing to correct.
    const QString warning
        = m_addressField->isEnabled() ? addressWarning(m_addressField->text(), typedSource().has_value()) : QString();
    m_addressNote->setText(warning.isEmpty() ? addressHint() : warning);
    QPalette colors = m_addressNote->palette();
    colors.setColor(QPalette::WindowText, warning.isEmpty() ? velloMuted() : velloRed());
    m_addressNote->setPalette(colors);
    // A screen reader says what is wrong with the field.
    m_addressField->setAccessibleDescription(warning);
}

std::optional<CatalogSource> PreferencesDialog::typedSource() const
{
    const QString address = m_addressField->text().trimmed();
    if (!isWebAddress(address)) {
        return std::nullopt;
    }
    return CatalogSource {.documentUrl = address.toStdString()};
}

void PreferencesDialog::choose(const CatalogSource& source)
{
    if (source == m_chosen) {
        return;
    }
    m_chosen = source;
    storeCatalogSource(m_preferences, source);
    Q_EMIT catalogSourceChosen(source);
}

} // namespace Vello
