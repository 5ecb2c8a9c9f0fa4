#pragma once

#include <QScrollArea>

#include <functional>

namespace Vello {

// The content's scroll view. After wheel or trackpad scrolling it measures, once per burst of
// events, how much content is left below the visible part, and tells its owner when that is
// less than 520 pixels so the next page can be added.
class StationScrollArea final : public QScrollArea {
    Q_OBJECT

public:
    explicit StationScrollArea(QWidget* parent = nullptr);

    // May be called repeatedly while the user keeps scrolling near the end.
    void setOnApproachingBottom(std::function<void()> callback);

    // The height of content below the visible part; 0 when there is no content.
    [[nodiscard]] int remainingDistance() const;

    // How much of the viewport's bottom something floating over it hides (the mini player).
    void setObscuredBottom(int height);
    [[nodiscard]] int obscuredBottom() const { return m_obscuredBottom; }
    // Scrolls the least that shows `child` of the content whole, clear of the obscured bottom.
    void reveal(const QWidget* child);

    static constexpr int approachDistance = 520;
    // The space kept around a revealed control, and the distance an arrow key scrolls.
    static constexpr int revealMargin = 12;
    static constexpr int lineStep = 40;

protected:
    void wheelEvent(QWheelEvent* event) override;
    // Page Up and Down, Home and End, and the arrows scroll; reaching the end by keyboard
    // also asks for the next page, as the wheel does.
    void keyPressEvent(QKeyEvent* event) override;
    // Tab leaves the revealing of the new focus to the owner, who knows what floats above.
    bool focusNextPrevChild(bool next) override;

private:
    void scheduleBottomCheck();
    void checkBottom();

    std::function<void()> m_onApproachingBottom;
    bool m_checkScheduled = false;
    int m_obscuredBottom = 0;
};

} // namespace Vello
