#pragma once

#include "catalog/station.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAbstractScrollArea;
class QLabel;

namespace Vello {

// A list of station rows (or of other rows of the same size) as tall as all of them, which only builds the rows on or
// near the visible part of its scroll area and drops them again as the person scrolls. A list of 50,000 stations
// therefore costs a few dozen rows and as many logo loads, and looks and behaves as if every row were there: rows 78
// high and 8 apart, at the positions they would have anyway.
class StationList final : public QWidget {
    Q_OBJECT

public:
    // Builds the row for one station, as a child of the list.
    using RowFactory = std::function<QWidget*(const Station& station, QWidget* parent)>;
    // Builds the row at `index`, as a child of the list.
    using IndexedRowFactory = std::function<QWidget*(std::size_t index, QWidget* parent)>;
    // What tells the row at `index` apart from the others, so the focus can follow it when
    // the list is built anew.
    using RowKey = std::function<std::string(std::size_t index)>;

    static constexpr int rowHeight = 78;
    static constexpr int rowSpacing = 8;
    // How far beyond the visible part rows are kept ready, above and below, so that ordinary
    // scrolling never shows a gap.
    static constexpr int overscan = 4 * (rowHeight + rowSpacing);

    // `stations` must stay valid while the list is in use: call retire() before they go. When
    // the list is empty and `emptyText` is not, the list shows that text instead.
    StationList(std::vector<const Station*> stations, RowFactory makeRow, QAbstractScrollArea& scrollArea,
        const QString& emptyText = {}, QWidget* parent = nullptr);
    // A list of `count` rows of another kind; `makeRow` and `keyOf` are called with indexes
    // below `count` only.
    StationList(std::size_t count, IndexedRowFactory makeRow, RowKey keyOf, QAbstractScrollArea& scrollArea,
        const QString& emptyText = {}, QWidget* parent = nullptr);

    [[nodiscard]] std::size_t stationCount() const { return m_count; }
    // The indexes of the rows that exist now, with their widgets, in list order.
    [[nodiscard]] const std::map<std::size_t, QWidget*>& liveRows() const { return m_rows; }
    [[nodiscard]] const QLabel* emptyLabel() const { return m_emptyLabel; }
    // Where row `index` sits in the list's own coordinates.
    [[nodiscard]] static QRect rowRect(std::size_t index, int width);

    // Starts building rows, once the list has its place and the scroll position is final: rows
    // built for a position about to change would start logo loads for nothing.
    void startTracking();
    // Builds the rows that have come near the visible part and drops the ones that left it.
    // Safe to call from inside itself (a scroll it causes): the nested call runs afterwards.
    void updateVisibleRows();
    // True while rows are being built or dropped: focus moves then are the list's own.
    [[nodiscard]] bool isUpdating() const { return m_updating; }

    // The station (the row's key) whose row holds the keyboard focus, with the control's place
    // in its row.
    [[nodiscard]] std::optional<std::pair<std::string, std::size_t>> focusedStation() const;
    // Scrolls the station's row into view and focuses its control at `control` (or its last).
    // False when the list does not hold the station.
    bool focusStation(const std::string& id, std::size_t control);
    // Forgets the stations and stops following the scroll area; the list then shows nothing and
    // builds nothing more. Called when the stations are about to change under it.
    void retire();

    [[nodiscard]] QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct VisibleRange {
        int top;
        int bottom;
    };

    // What both constructors do once the rows are known.
    void setUp(const QString& emptyText);
    [[nodiscard]] int contentHeight() const;
    [[nodiscard]] VisibleRange visibleRange() const;
    [[nodiscard]] bool isInView(std::size_t index, VisibleRange visible) const;
    void updateRowsOnce();
    void dropRow(std::map<std::size_t, QWidget*>::iterator row);
    [[nodiscard]] std::optional<std::size_t> rowHolding(const QWidget* widget) const;
    [[nodiscard]] static std::vector<QWidget*> controlsOf(const QWidget* row);
    void focusControl(std::size_t index, std::size_t control);
    // Moves the focus out of row `leaving`, which is out of view or about to be dropped, into
    // a row of [first, end).
    void handOverFocus(std::size_t leaving, std::size_t first, std::size_t end);
    void scrollToRow(std::size_t index);

    std::size_t m_count = 0;
    IndexedRowFactory m_makeRow;
    RowKey m_keyOf;
    QPointer<QAbstractScrollArea> m_scrollArea;
    QLabel* m_emptyLabel = nullptr;
    std::map<std::size_t, QWidget*> m_rows;
    bool m_tracking = false;
    bool m_updating = false;
    bool m_updateAgain = false;
};

} // namespace Vello
