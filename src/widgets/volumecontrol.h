#pragma once

#include <QString>
#include <QWidget>

namespace Vello {

class VelloButton;
class VolumeSlider;

// The compact volume control of the now-playing views: a speaker button that mutes and
// unmutes, beside a slider. The slider shows the volume on the cubic scale, the loudness the
// person hears, from 0 to 1. It only asks: the owner decides and sets what it shows.
class VolumeControl final : public QWidget {
    Q_OBJECT

public:
    explicit VolumeControl(QWidget* parent = nullptr);

    // Shows `volume` (0 to 1) and whether it is muted, without asking for anything.
    void showVolume(double volume, bool muted);

    [[nodiscard]] double volume() const;
    [[nodiscard]] bool isMuted() const { return m_muted; }
    [[nodiscard]] VelloButton* muteButton() const { return m_muteButton; }
    [[nodiscard]] VolumeSlider* slider() const { return m_slider; }

    // The speaker drawn for a volume: struck through when muted or silent, with waves when loud.
    [[nodiscard]] static QString symbolFor(double volume, bool muted);

Q_SIGNALS:
    // The person moved the slider to `volume`.
    void volumeRequested(double volume);
    // The person pressed the speaker button.
    void muteToggleRequested();

private:
    VelloButton* m_muteButton;
    VolumeSlider* m_slider;
    bool m_muted = false;
};

} // namespace Vello
