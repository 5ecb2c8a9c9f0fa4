#include "stationlistview.h"

#include "sectionbuilders.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>

namespace Vello {

namespace {

constexpr int rowPitch = StationListView::rowHeight + StationListView::rowSpacing;

} // namespace

StationListView::StationListView(std::vector<const Station*> stations, RowFactory makeRow,
    QAbstractScrollArea& scrollArea, const QString& emptyText, QWidget* parent)
    : QWidget(parent)
    , m_stations(std::move(stations))
    , m_makeRow(std::move(makeRow))
    , m_scrollArea(&scrollArea)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    if (m_stations.empty() && !emptyText.isEmpty()) {
        m_emptyLabel = makeEmptyListLabel(emptyText, this);
        m_emptyLabel->move(0, 0);
    }
    setFixedHeight(contentHeight());

    // The range follows the viewport's height: a taller window shows more rows without any
    // scrolling, so the viewport's resizes matter as much as the scroll position.
    connect(scrollArea.verticalScrollBar(), &QScrollBar::valueChanged, this, &StationListView::updateVisibleRows);
    scrollArea.viewport()->installEventFilter(this);
}

QRect StationListView::rowRect(std::size_t index, int width)
{
    return {0, static_cast<int>(index) * rowPitch, width, rowHeight};
}

int StationListView::contentHeight() const
{
    if (m_emptyLabel != nullptr) {
        return m_emptyLabel->sizeHint().height();
    }
    if (m_stations.empty()) {
        return 0;
    }
    return static_cast<int>(m_stations.size()) * rowPitch - rowSpacing;
}

QSize StationListView::sizeHint() const
{
    return {0, contentHeight()};
}

void StationListView::startTracking()
{
    m_tracking = true;
    updateVisibleRows();
}

void StationListView::updateVisibleRows()
{
    if (!m_tracking || m_stations.empty()) {
        return;
    }
    // Which part of the list the viewport shows. Before the list is placed in its scroll area
    // (or when it stands elsewhere), only its top is taken as visible.
    int visibleTop = 0;
    int visibleBottom = 0;
    if (m_scrollArea && m_scrollArea->viewport()->isAncestorOf(this)) {
        const QWidget* viewport = m_scrollArea->viewport();
        visibleTop = mapFrom(viewport, QPoint(0, 0)).y();
        visibleBottom = visibleTop + viewport->height();
    }
    const int wantedTop = std::max(0, visibleTop - overscan);
    const int wantedBottom = std::min(contentHeight(), visibleBottom + overscan);

    const std::size_t last = m_stations.size() - 1;
    std::size_t first = 1;
    std::size_t end = 0;
    if (wantedBottom > wantedTop) {
        first = static_cast<std::size_t>(wantedTop / rowPitch);
        end = std::min(last, static_cast<std::size_t>((wantedBottom - 1) / rowPitch)) + 1;
    }

    for (auto row = m_rows.begin(); row != m_rows.end();) {
        if (row->first < first || row->first >= end) {
            const auto next = std::next(row);
            dropRow(row);
            row = next;
        } else {
            ++row;
        }
    }
    for (std::size_t index = first; index < end; ++index) {
        if (m_rows.contains(index)) {
            continue;
        }
        QWidget* row = m_makeRow(*m_stations[index], this);
        row->setGeometry(rowRect(index, width()));
        row->show();
        m_rows.emplace(index, row);
    }
}

void StationListView::dropRow(std::map<std::size_t, QWidget*>::iterator row)
{
    // Later, not now: the scroll that retires this row may have started inside one of its own
    // event handlers.
    row->second->hide();
    row->second->deleteLater();
    m_rows.erase(row);
}

void StationListView::retire()
{
    m_stations.clear();
    m_rows.clear();
    if (m_scrollArea) {
        disconnect(m_scrollArea->verticalScrollBar(), nullptr, this, nullptr);
        m_scrollArea->viewport()->removeEventFilter(this);
    }
    m_scrollArea.clear();
    m_tracking = false;
}

bool StationListView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_scrollArea && watched == m_scrollArea->viewport()) {
        updateVisibleRows();
    }
    return QWidget::eventFilter(watched, event);
}

void StationListView::resizeEvent(QResizeEvent* event)
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

void StationListView::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    updateVisibleRows();
}

void StationListView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateVisibleRows();
}

} // namespace Vello
