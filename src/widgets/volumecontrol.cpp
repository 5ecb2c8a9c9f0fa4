#include "volumecontrol.h"

#include "palette.h"
#include "vellobutton.h"
#include "volumeslider.h"

#include <QHBoxLayout>
#include <QSignalBlocker>

#include <cmath>

namespace Vello {

namespace {

constexpr int buttonSide = 30;
constexpr int sliderWidth = 96;
// Below this the speaker is drawn without its outer wave.
constexpr double quietVolume = 0.34;

} // namespace

VolumeControl::VolumeControl(QWidget* parent)
    : QWidget(parent)
    , m_muteButton(new VelloButton(QString(), VelloButton::Style::Icon))
    , m_slider(new VolumeSlider)
{
    setObjectName(QStringLiteral("volumeControl"));
    m_muteButton->setFixedSize(buttonSide, buttonSide);
    m_muteButton->setCornerRadius(buttonSide / 2.0);
    m_muteButton->setBackgroundColor(QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F));
    m_muteButton->setAccessibleName(tr("Mute"));
    m_slider->setFixedWidth(sliderWidth);
    m_slider->setAccessibleName(tr("Volume"));
    m_slider->setToolTip(tr("Volume"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_muteButton, 0, Qt::AlignVCenter);
    layout->addWidget(m_slider, 0, Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    connect(m_muteButton, &QAbstractButton::clicked, this, [this] { Q_EMIT muteToggleRequested(); });
    connect(
        m_slider, &QAbstractSlider::valueChanged, this, [this](int value) { Q_EMIT volumeRequested(value / 100.0); });
    showVolume(1.0, false);
}

void VolumeControl::showVolume(double volume, bool muted)
{
    m_muted = muted;
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(static_cast<int>(std::lround(volume * 100)));
    }
    m_slider->setDimmed(muted);
    m_muteButton->setSymbol(symbolFor(volume, muted), muted ? QStringLiteral("×") : QStringLiteral("♪"));
    m_muteButton->setToolTip(muted ? tr("Unmute") : tr("Mute"));
    m_muteButton->setTintColor(muted ? velloMuted() : QColor(Qt::white));
}

double VolumeControl::volume() const
{
    return m_slider->value() / 100.0;
}

QString VolumeControl::symbolFor(double volume, bool muted)
{
    if (muted || volume <= 0) {
        return QStringLiteral("speaker-muted");
    }
    return volume < quietVolume ? QStringLiteral("speaker") : QStringLiteral("speaker-wave");
}

} // namespace Vello
