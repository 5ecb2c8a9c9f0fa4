#include "stationlist.h"

#include "sectionbuilders.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace Vello {

namespace {

constexpr int rowPitch = StationList::rowHeight + StationList::rowSpacing;

} // namespace

StationList::StationList(std::vector<const Station*> stations, RowFactory makeRow, QAbstractScrollArea& scrollArea,
    const QString& emptyText, QWidget* parent)
    : QWidget(parent)
    , m_count(stations.size())
    , m_scrollArea(&scrollArea)
{
    auto shared = std::make_shared<const std::vector<const Station*>>(std::move(stations));
    m_makeRow = [shared, makeRow = std::move(makeRow)](
                    std::size_t index, QWidget* list) { return makeRow(*(*shared)[index], list); };
    m_keyOf = [shared](std::size_t index) { return (*shared)[index]->id(); };
    setUp(emptyText);
}

StationList::StationList(std::size_t count, IndexedRowFactory makeRow, RowKey keyOf, QAbstractScrollArea& scrollArea,
    const QString& emptyText, QWidget* parent)
    : QWidget(parent)
    , m_count(count)
    , m_makeRow(std::move(makeRow))
    , m_keyOf(std::move(keyOf))
    , m_scrollArea(&scrollArea)
{
    setUp(emptyText);
}

void StationList::setUp(const QString& emptyText)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    if (m_count == 0 && !emptyText.isEmpty()) {
        m_emptyLabel = makeEmptyListLabel(emptyText, this);
        m_emptyLabel->move(0, 0);
    }
    setFixedHeight(contentHeight());

    // The range follows the viewport's height: a taller window shows more rows without any
    // scrolling, so the viewport's resizes matter as much as the scroll position.
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &StationList::updateVisibleRows);
    m_scrollArea->viewport()->installEventFilter(this);
}

QRect StationList::rowRect(std::size_t index, int width)
{
    return {0, static_cast<int>(index) * rowPitch, width, rowHeight};
}

int StationList::contentHeight() const
{
    if (m_emptyLabel != nullptr) {
        return m_emptyLabel->sizeHint().height();
    }
    if (m_count == 0) {
        return 0;
    }
    return static_cast<int>(m_count) * rowPitch - rowSpacing;
}

QSize StationList::sizeHint() const
{
    return {0, contentHeight()};
}

void StationList::startTracking()
{
    m_tracking = true;
    updateVisibleRows();
}

void StationList::updateVisibleRows()
{
    // Building and dropping rows moves focus and may scroll, which asks for another update
    // from inside this one: that one runs after the current pass instead of inside it.
    if (m_updating) {
        m_updateAgain = true;
        return;
    }
    m_updating = true;
    // A few passes settle any position; a scroll that keeps moving waits for its next signal.
    for (int pass = 0; pass < 4; ++pass) {
        m_updateAgain = false;
        updateRowsOnce();
        if (!m_updateAgain) {
            break;
        }
    }
    m_updating = false;
}

StationList::VisibleRange StationList::visibleRange() const
{
    // Before the list is placed in its scroll area (or when it stands elsewhere), only its
    // top is taken as visible.
    if (m_scrollArea && m_scrollArea->viewport()->isAncestorOf(this)) {
        const QWidget* viewport = m_scrollArea->viewport();
        const int top = mapFrom(viewport, QPoint(0, 0)).y();
        return {top, top + viewport->height()};
    }
    return {0, 0};
}

void StationList::updateRowsOnce()
{
    if (!m_tracking || m_count == 0) {
        return;
    }
    const VisibleRange visible = visibleRange();
    const int wantedTop = std::max(0, visible.top - overscan);
    const int wantedBottom = std::min(contentHeight(), visible.bottom + overscan);

    const std::size_t last = m_count - 1;
    std::size_t first = 1;
    std::size_t end = 0;
    if (wantedBottom > wantedTop) {
        first = static_cast<std::size_t>(wantedTop / rowPitch);
        end = std::min(last, static_cast<std::size_t>((wantedBottom - 1) / rowPitch)) + 1;
    }

    // New rows first, so that focus leaving a dropped row has somewhere to go.
    for (std::size_t index = first; index < end && m_tracking; ++index) {
        if (m_rows.contains(index)) {
            continue;
        }
        QWidget* row = m_makeRow(index, this);
        row->setGeometry(rowRect(index, width()));
        row->show();
        m_rows.emplace(index, row);
    }
    std::vector<std::size_t> leaving;
    for (const auto& [index, row] : m_rows) {
        if (index < first || index >= end) {
            leaving.push_back(index);
        }
    }
    // The focus stays in sight: a focused row scrolled out of view hands it to one in view.
    if (const std::optional<std::size_t> focused = rowHolding(QApplication::focusWidget());
        focused && !isInView(*focused, visible)) {
        handOverFocus(*focused, first, end);
    }
    for (const std::size_t index : leaving) {
        if (const auto row = m_rows.find(index); row != m_rows.end()) {
            dropRow(row);
        }
    }
}

bool StationList::isInView(std::size_t index, VisibleRange visible) const
{
    const QRect rect = rowRect(index, width());
    return rect.top() >= visible.top && rect.bottom() < visible.bottom;
}

std::optional<std::size_t> StationList::rowHolding(const QWidget* widget) const
{
    for (const auto& [index, row] : m_rows) {
        if (widget != nullptr && row->isAncestorOf(widget)) {
            return index;
        }
    }
    return std::nullopt;
}

std::vector<QWidget*> StationList::controlsOf(const QWidget* row)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : row->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) != 0 && !child->isHidden()) {
            controls.push_back(child);
        }
    }
    return controls;
}

void StationList::focusControl(std::size_t index, std::size_t control)
{
    const auto row = m_rows.find(index);
    if (row == m_rows.end()) {
        return;
    }
    const std::vector<QWidget*> controls = controlsOf(row->second);
    if (!controls.empty()) {
        controls[std::min(control, controls.size() - 1)]->setFocus(Qt::OtherFocusReason);
    }
}

void StationList::handOverFocus(std::size_t leaving, std::size_t first, std::size_t end)
{
    QWidget* focused = QApplication::focusWidget();
    const std::vector<QWidget*> controls = controlsOf(m_rows.at(leaving));
    const auto position = std::find(controls.begin(), controls.end(), focused);
    const auto control = static_cast<std::size_t>(position - controls.begin());

    // The nearest row wholly in view takes the focus, or failing that the nearest row that
    // stays, without scrolling: the person's scroll decides what is shown, not the focus.
    const VisibleRange visible = visibleRange();
    const bool leavesList = leaving < first || leaving >= end;
    std::optional<std::size_t> best;
    const auto distance = [&](std::size_t i) { return i > leaving ? i - leaving : leaving - i; };
    for (const auto& [index, other] : m_rows) {
        if (index < first || index >= end || index == leaving || (!leavesList && !isInView(index, visible))) {
            continue;
        }
        if (!best || isInView(index, visible) > isInView(*best, visible)
            || (isInView(index, visible) == isInView(*best, visible) && distance(index) < distance(*best))) {
            best = index;
        }
    }
    if (!best && !leavesList) {
        return;
    }
    // Hiding a focused row would send the focus on through the scroll area, which scrolls to
    // show it: the scroll would fight the person's own.
    if (best) {
        focusControl(*best, control);
    } else {
        setFocus(Qt::OtherFocusReason);
    }
}

void StationList::dropRow(std::map<std::size_t, QWidget*>::iterator row)
{
    QWidget* widget = row->second;
    m_rows.erase(row);
    // Later, not now: the scroll that retires this row may have started inside one of its own
    // event handlers.
    widget->hide();
    widget->deleteLater();
}

bool StationList::focusStation(const std::string& id, std::size_t control)
{
    std::size_t index = 0;
    while (index < m_count && m_keyOf(index) != id) {
        ++index;
    }
    if (index == m_count) {
        return false;
    }
    if (!m_rows.contains(index)) {
        scrollToRow(index);
    }
    focusControl(index, control);
    return m_rows.contains(index);
}

std::optional<std::pair<std::string, std::size_t>> StationList::focusedStation() const
{
    QWidget* focused = QApplication::focusWidget();
    const std::optional<std::size_t> index = rowHolding(focused);
    if (!index) {
        return std::nullopt;
    }
    const std::vector<QWidget*> controls = controlsOf(m_rows.at(*index));
    const auto position = std::find(controls.begin(), controls.end(), focused);
    return std::pair {m_keyOf(*index), static_cast<std::size_t>(position - controls.begin())};
}

void StationList::scrollToRow(std::size_t index)
{
    if (!m_scrollArea || !m_scrollArea->viewport()->isAncestorOf(this)) {
        return;
    }
    const QWidget* viewport = m_scrollArea->viewport();
    const QRect rect = rowRect(index, width()).translated(mapTo(viewport, QPoint(0, 0)));
    QScrollBar* bar = m_scrollArea->verticalScrollBar();
    if (rect.top() < 0) {
        bar->setValue(bar->value() + rect.top());
    } else if (rect.bottom() >= viewport->height()) {
        bar->setValue(bar->value() + rect.bottom() + 1 - viewport->height());
    }
    updateVisibleRows();
}

void StationList::keyPressEvent(QKeyEvent* event)
{
    // Up and Down walk the rows with the focus on the same control, as a list does.
    const bool up = event->key() == Qt::Key_Up;
    const std::optional<std::size_t> index = rowHolding(QApplication::focusWidget());
    if ((!up && event->key() != Qt::Key_Down) || event->modifiers() != Qt::NoModifier || !index || (up && *index == 0)
        || (!up && *index + 1 >= m_count)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const std::optional<std::pair<std::string, std::size_t>> focused = focusedStation();
    const std::size_t target = up ? *index - 1 : *index + 1;
    if (!m_rows.contains(target)) {
        scrollToRow(target);
    }
    focusControl(target, focused ? focused->second : 0);
}

void StationList::retire()
{
    m_count = 0;
    m_makeRow = nullptr;
    m_keyOf = nullptr;
    m_rows.clear();
    if (m_scrollArea) {
        disconnect(m_scrollArea->verticalScrollBar(), nullptr, this, nullptr);
        m_scrollArea->viewport()->removeEventFilter(this);
    }
    m_scrollArea.clear();
    m_tracking = false;
}

bool StationList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_scrollArea && watched == m_scrollArea->viewport()) {
        updateVisibleRows();
    }
    return QWidget::eventFilter(watched, event);
}

void StationList::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (const auto& [index, row] : m_rows) {
        row->setGeometry(rowRect(index, width()));
    }
    if (m_emptyLabel != nullptr) {
        m_emptyLabel->resize(width(), m_emptyLabel->sizeHint().height());
    }
    updateVisibleRows();
}

void StationList::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    updateVisibleRows();
}

void StationList::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateVisibleRows();
}

} // namespace Vello
