#pragma once

#include <QScrollArea>

#include <functional>

namespace Vello {

// The content's scroll view. After wheel or trackpad scrolling it measures, once per burst of
// events, how much content is left below the visible part, and tells its owner when that is
// less than 520 pixels so the next page can be added.
class StationPagingScrollView final : public QScrollArea {
    Q_OBJECT

public:
    explicit StationPagingScrollView(QWidget* parent = nullptr);

    // May be called repeatedly while the user keeps scrolling near the end.
    void setOnApproachingBottom(std::function<void()> callback);

    // The height of content below the visible part; 0 when there is no content.
    [[nodiscard]] int remainingDistance() const;

    static constexpr int approachDistance = 520;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void scheduleBottomCheck();
    void checkBottom();

    std::function<void()> m_onApproachingBottom;
    bool m_checkScheduled = false;
};

} // namespace Vello
