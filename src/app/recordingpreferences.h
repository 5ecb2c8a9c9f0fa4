#pragma once

#include "session/sessionrecorder.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace Vello {

class Preferences;

// Where recordings go while Preferences name no folder, the music folder's "Pemba Vello", and
// where the stream is kept meanwhile, in the cache folder.
[[nodiscard]] RecordingPlaces recordingPlaces();

// The Preferences dialog's "Recording" group: the folder recordings go to, typed or chosen, and
// whether only complete songs are kept, and how many minutes of the station playing are kept for
// pausing live and saving a song heard. Every change is stored as it is made.
class RecordingPreferences final : public QGroupBox {
    Q_OBJECT

public:
    explicit RecordingPreferences(Preferences& preferences, QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* folder() const { return m_folder; }
    [[nodiscard]] QPushButton* chooseFolder() const { return m_choose; }
    [[nodiscard]] QCheckBox* keepOnlyCompleteSongs() const { return m_keepOnlyComplete; }
    [[nodiscard]] QSpinBox* keptMinutes() const { return m_keptMinutes; }

private:
    // Stores the folder in the field when it is a whole path, and otherwise shows the stored one again.
    void storeFolder();
    void showFolder();

    Preferences& m_preferences;
    QLineEdit* m_folder;
    QPushButton* m_choose;
    QCheckBox* m_keepOnlyComplete;
    QSpinBox* m_keptMinutes;
};

} // namespace Vello
