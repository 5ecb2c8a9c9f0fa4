#include "recordingpreferences.h"

#include "ports/preferencekeys.h"
#include "ports/preferences.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace Vello {

RecordingPlaces recordingPlaces()
{
    return {QDir(QStandardPaths::writableLocation(QStandardPaths::MusicLocation))
                .filePath(QStringLiteral("Pemba Vello"))
                .toStdString(),
        (QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/PembaVello/kept"))
            .toStdString()};
}

RecordingPreferences::RecordingPreferences(Preferences& preferences, QWidget* parent)
    : QGroupBox(tr("Recording"), parent)
    , m_preferences(preferences)
    , m_folder(new QLineEdit)
    , m_choose(new QPushButton(tr("Choo&se…")))
    , m_keepOnlyComplete(new QCheckBox(tr("Keep only co&mplete songs")))
    , m_keptMinutes(new QSpinBox)
{
    setAccessibleName(title());
    auto* label = new QLabel(tr("&Folder:"));
    label->setBuddy(m_folder);
    m_folder->setAccessibleName(tr("Folder for recordings"));
    m_choose->setAccessibleName(tr("Choose…"));
    m_choose->setAutoDefault(false);
    m_keepOnlyComplete->setAccessibleName(tr("Keep only complete songs"));
    m_keepOnlyComplete->setToolTip(tr("When a recording stops, delete its first and last file, the songs it caught "
                                      "only in part."));
    m_keepOnlyComplete->setChecked(isOn(preferences, PreferenceKey::keepOnlyCompleteSongs));
    showFolder();
    auto* keptLabel = new QLabel(tr("Keep the &last:"));
    keptLabel->setBuddy(m_keptMinutes);
    // The stream is kept on disk: 30 minutes of a 128 kbit/s station take about 29 MB.
    m_keptMinutes->setRange(1, 240);
    m_keptMinutes->setSingleStep(5);
    //: After the number of minutes kept of the station playing: "Keep the last: 30 min".
    m_keptMinutes->setSuffix(tr(" min"));
    m_keptMinutes->setAccessibleName(tr("Minutes kept for pausing live radio and saving songs heard"));
    m_keptMinutes->setToolTip(tr("Pause keeps your place for this long, and songs heard within it can be saved."));
    m_keptMinutes->setValue(static_cast<int>(valueOf(preferences, PreferenceKey::keptMinutes)));
    // The field inside takes the focus: it reads as the box does.
    m_keptMinutes->findChild<QLineEdit*>()->setAccessibleName(m_keptMinutes->accessibleName());

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(label);
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_choose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addWidget(m_keepOnlyComplete);
    auto* keptRow = new QHBoxLayout;
    keptRow->addWidget(keptLabel);
    keptRow->addWidget(m_keptMinutes);
    keptRow->addStretch(1);
    layout->addLayout(keptRow);

    // Each recording reads both as it starts.
    connect(m_folder, &QLineEdit::editingFinished, this, &RecordingPreferences::storeFolder);
    connect(m_choose, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getExistingDirectory(this, tr("Folder for Recordings"), m_folder->text());
        if (!chosen.isEmpty()) {
            m_folder->setText(QDir::toNativeSeparators(chosen));
            storeFolder();
        }
    });
    connect(m_keepOnlyComplete, &QCheckBox::toggled, this,
        [this](bool on) { m_preferences.setFlag(PreferenceKey::keepOnlyCompleteSongs.key, on); });
    // The next station played keeps this long.
    connect(m_keptMinutes, &QSpinBox::valueChanged, this,
        [this](int minutes) { m_preferences.setNumber(PreferenceKey::keptMinutes.key, minutes); });
}

void RecordingPreferences::storeFolder()
{
    const QString typed = QDir::fromNativeSeparators(m_folder->text().trimmed());
    // A relative path would follow wherever the player happened to be started from.
    if (QDir::isAbsolutePath(typed)) {
        m_preferences.setText(PreferenceKey::recordingFolder, QDir::cleanPath(typed).toStdString());
    }
    showFolder();
}

void RecordingPreferences::showFolder()
{
    const std::string stored = m_preferences.text(PreferenceKey::recordingFolder).value_or(recordingPlaces().music);
    m_folder->setText(QDir::toNativeSeparators(QString::fromStdString(stored)));
}

} // namespace Vello
