#include "facetpicker.h"

#include "facetnames.h"
#include "panel.h"
#include "sectionbuilders.h"

#include "browser/browsescope.h"
#include "widgets/elidedlabel.h"
#include "widgets/palette.h"
#include "widgets/vellobutton.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace Vello {

namespace {

constexpr int entryWidth = 204;
constexpr int entryHeight = 38;
constexpr int listHeight = 5 * entryHeight;
constexpr int entryInset = 10;

struct FacetTexts {
    Facet facet;
    const char* chip;
    const char* filter;
};

constexpr std::array<FacetTexts, 3> facets {{
    {Facet::country, QT_TRANSLATE_NOOP("Vello::FacetPicker", "Countries"),
        QT_TRANSLATE_NOOP("Vello::FacetPicker", "Filter countries")},
    {Facet::language, QT_TRANSLATE_NOOP("Vello::FacetPicker", "Languages"),
        QT_TRANSLATE_NOOP("Vello::FacetPicker", "Filter languages")},
    {Facet::genre, QT_TRANSLATE_NOOP("Vello::FacetPicker", "Genres"), nullptr},
}};

QString facetText(const char* text)
{
    return QCoreApplication::translate("Vello::FacetPicker", text);
}

// An entry as a rounded cell: its name cut to fit at the start, its count (and "Near you") at the end.
class EntryDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QRect cell = option.rect.adjusted(3, 3, -3, -3);
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        QColor fill = selected ? velloGreen() : velloPanel();
        fill.setAlphaF(selected ? 0.22F : 1.0F);
        if ((option.state & QStyle::State_MouseOver) != 0) {
            fill = fill.lighter(130);
        }
        const bool focused = (option.state & QStyle::State_HasFocus) != 0;
        painter->setPen(QPen(focused ? velloGreen() : velloBorder(), focused ? 2 : 1));
        painter->setBrush(fill);
        painter->drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);

        const bool near = index.data(FacetPicker::nearRole).toBool();
        const QString count = index.data(FacetPicker::countRole).toString();
        const QFont countFont = pixelFont(11, QFont::Bold);
        const int countWidth = QFontMetrics(countFont).horizontalAdvance(count);
        const QRect inner = cell.adjusted(entryInset, 0, -entryInset, 0);
        const QRect countRect(inner.right() - countWidth + 1, inner.top(), countWidth, inner.height());
        QRect nameRect(inner.left(), inner.top(), std::max(0, inner.width() - countWidth - 8), inner.height());
        const auto start = static_cast<int>(QStyle::visualAlignment(option.direction, Qt::AlignLeft));
        const auto end = static_cast<int>(QStyle::visualAlignment(option.direction, Qt::AlignRight));
        if (near) {
            // The session's country says so on a line of its own above its name.
            const QRect caption = nameRect.adjusted(0, 2, 0, -nameRect.height() / 2);
            nameRect.setTop(caption.bottom() - 1);
            painter->setFont(pixelFont(10, QFont::Bold));
            painter->setPen(velloGreen());
            painter->drawText(QStyle::visualRect(option.direction, cell, caption), start | Qt::AlignVCenter,
                QCoreApplication::translate("Vello::FacetPicker", "Near you"));
        }

        const QFont nameFont = pixelFont(13, QFont::DemiBold);
        painter->setFont(nameFont);
        painter->setPen(Qt::white);
        const QString name = QFontMetrics(nameFont).elidedText(
            index.data(Qt::DisplayRole).toString(), Qt::ElideRight, nameRect.width());
        painter->drawText(QStyle::visualRect(option.direction, cell, nameRect), start | Qt::AlignVCenter, name);
        painter->setFont(countFont);
        painter->setPen(velloMuted());
        painter->drawText(QStyle::visualRect(option.direction, cell, countRect), end | Qt::AlignVCenter, count);
        painter->restore();
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& /*option*/, const QModelIndex& /*index*/) const override
    {
        return {entryWidth, entryHeight};
    }
};

VelloButton* makeChip(const QString& title, bool checked, QWidget* parent)
{
    auto* chip = new VelloButton(title, VelloButton::Style::Secondary, parent);
    chip->setAccessibleName(title);
    chip->setCheckable(true);
    chip->setChecked(checked);
    return chip;
}

} // namespace

FacetPicker::FacetPicker(BrowseScope& scope, QWidget* parent)
    : QWidget(parent)
    , m_scope(scope)
{
    setObjectName(QStringLiteral("facetPicker"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(makeChipRow());
    if (const std::optional<Facet>& open = m_scope.openFacet()) {
        layout->addWidget(makeEntryPanel(*open));
    }
    if (m_scope.chosen()) {
        layout->addWidget(makeChosenChip());
    }
}

QWidget* FacetPicker::makeChipRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    for (const FacetTexts& texts : facets) {
        VelloButton* chip = makeChip(facetText(texts.chip), m_scope.openFacet() == texts.facet, row);
        chip->setObjectName(QStringLiteral("facetChip"));
        connect(chip, &QAbstractButton::clicked, this, [this, facet = texts.facet] {
            m_scope.setOpenFacet(m_scope.openFacet() == facet ? std::nullopt : std::optional(facet));
        });
        layout->addWidget(chip);
        m_facetChips.push_back(chip);
    }
    layout->addStretch(1);
    VelloButton* https = makeChip(tr("HTTPS only"), m_scope.httpsOnly(), row);
    connect(https, &QAbstractButton::clicked, this, [this] { m_scope.setHttpsOnly(!m_scope.httpsOnly()); });
    VelloButton* rate = makeChip(
        tr("%1 kbps or more").arg(QLocale().toString(BrowseScope::highBitrate)), m_scope.highBitrateOnly(), row);
    connect(rate, &QAbstractButton::clicked, this, [this] { m_scope.setHighBitrateOnly(!m_scope.highBitrateOnly()); });
    layout->addWidget(https);
    layout->addWidget(rate);
    return row;
}

QWidget* FacetPicker::makeEntryPanel(Facet facet)
{
    auto* panel = new Panel(14, QColor::fromRgbF(0.07F, 0.085F, 0.1F, 1.0F), velloBorder(), this);
    panel->setObjectName(QStringLiteral("facetEntries"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    const std::optional<Discovery>& discovery = m_scope.discovery();
    if (!discovery) {
        layout->addWidget(makeLabel(tr("Counting stations…"), 13, QFont::DemiBold, velloMuted()));
        return panel;
    }

    m_filter = new QLineEdit(panel);
    m_filter->setObjectName(QStringLiteral("entryFilter"));
    const auto* texts = std::ranges::find(facets, facet, &FacetTexts::facet);
    // All of them reach the list through the filter; the placeholder says how many there are.
    m_filter->setPlaceholderText(texts->filter != nullptr
            ? facetText(texts->filter)
            : tr("Filter all %Ln genres", nullptr, static_cast<int>(discovery->genres.size())));
    m_filter->setAccessibleName(m_filter->placeholderText());
    m_filter->setClearButtonEnabled(true);
    m_filter->setFont(pixelFont(13, QFont::DemiBold));
    QPalette colors = m_filter->palette();
    colors.setColor(QPalette::Base, velloPanel());
    colors.setColor(QPalette::Text, Qt::white);
    colors.setColor(QPalette::PlaceholderText, velloMuted());
    m_filter->setPalette(colors);
    m_filter->setText(QString::fromStdString(m_scope.entryFilter()));
    m_filter->installEventFilter(this);
    connect(m_filter, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_scope.setEntryFilter(text.toStdString());
        showEntries();
    });
    // Enter in the field takes the first entry it leaves.
    connect(m_filter, &QLineEdit::returnPressed, this, [this] { choose(0); });
    layout->addWidget(m_filter);

    m_model = new QStandardItemModel(this);
    m_list = new QListView(panel);
    m_list->setObjectName(QStringLiteral("entryList"));
    m_list->setAccessibleName(facetText(texts->chip));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new EntryDelegate(m_list));
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setGridSize({entryWidth, entryHeight});
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setMouseTracking(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Scrolled by wheel and keys like the window's content, which shows no scroll bars either.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setFixedHeight(listHeight);
    m_list->viewport()->setAutoFillBackground(false);
    QPalette listColors = m_list->palette();
    listColors.setColor(QPalette::Base, Qt::transparent);
    m_list->setPalette(listColors);
    connect(m_list, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { choose(index.row()); });
    connect(m_list, &QAbstractItemView::activated, this, [this](const QModelIndex& index) { choose(index.row()); });
    layout->addWidget(m_list);
    showEntries();
    return panel;
}

QWidget* FacetPicker::makeChosenChip()
{
    const BrowseScope::Choice& chosen = *m_scope.chosen();
    QString name = facetEntryName(chosen.facet, chosen.entry);
    const QString flag = chosen.facet == Facet::country ? countryFlag(chosen.entry.code) : QString();
    auto* chip = new VelloButton(
        (flag.isEmpty() ? name : flag + u' ' + name) + QStringLiteral("  ✕"), VelloButton::Style::Secondary, this);
    chip->setObjectName(QStringLiteral("chosenEntry"));
    chip->setAccessibleName(tr("Clear %1").arg(name));
    chip->setToolTip(tr("Show every station"));
    chip->setCheckable(true);
    chip->setChecked(true);
    chip->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(chip, &QAbstractButton::clicked, this, [this, facet = chosen.facet] {
        // The keyboard stays in the picker once the chip is gone.
        m_facetChips[static_cast<std::size_t>(facet)]->setFocus(Qt::OtherFocusReason);
        m_scope.clear();
    });
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chip);
    layout->addStretch(1);
    return row;
}

void FacetPicker::showEntries()
{
    const Facet facet = *m_scope.openFacet();
    const std::vector<DiscoveryEntry>& all = m_scope.discovery()->entries(facet);
    const QString filter = QString::fromStdString(m_scope.entryFilter()).trimmed();
    m_shown.clear();
    if (facet == Facet::genre) {
        m_shown = shownGenres(all, m_scope.entryFilter());
    } else {
        std::ranges::copy_if(all, std::back_inserter(m_shown), [&](const DiscoveryEntry& entry) {
            return filter.isEmpty() || facetEntryName(facet, entry).contains(filter, Qt::CaseInsensitive)
                || QString::fromStdString(entry.code).compare(filter, Qt::CaseInsensitive) == 0;
        });
    }
    // The session's own country comes first.
    const std::string home = facet == Facet::country ? sessionCountry() : std::string();
    const auto near = std::ranges::find_if(
        m_shown, [&](const DiscoveryEntry& entry) { return !home.empty() && entry.code == home; });
    if (near != m_shown.end()) {
        std::rotate(m_shown.begin(), near, std::next(near));
    }

    m_model->clear();
    const QLocale locale;
    for (const DiscoveryEntry& entry : m_shown) {
        const QString name = facetEntryName(facet, entry);
        const QString flag = facet == Facet::country ? countryFlag(entry.code) : QString();
        auto* item = new QStandardItem(flag.isEmpty() ? name : flag + u' ' + name);
        const auto count = static_cast<int>(entry.stations);
        item->setData(locale.toString(count), countRole);
        const bool isNear = near != m_shown.end() && entry.code == home;
        item->setData(isNear, nearRole);
        item->setData(isNear ? tr("%1, near you, %Ln station(s)", nullptr, count).arg(name)
                             : tr("%1, %Ln station(s)", nullptr, count).arg(name),
            Qt::AccessibleTextRole);
        m_model->appendRow(item);
    }
}

bool FacetPicker::eventFilter(QObject* watched, QEvent* event)
{
    // Down from the filter goes on into the entries it leaves.
    if (watched == m_filter && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && m_model->rowCount() > 0) {
        m_list->setFocus(Qt::TabFocusReason);
        m_list->setCurrentIndex(m_model->index(0, 0));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FacetPicker::choose(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_shown.size()) {
        return;
    }
    // The keyboard stays on the facet's chip while the window is built anew around the choice.
    const Facet facet = *m_scope.openFacet();
    m_facetChips[static_cast<std::size_t>(facet)]->setFocus(Qt::OtherFocusReason);
    m_scope.choose(facet, m_shown[static_cast<std::size_t>(row)]);
}

} // namespace Vello
