#include "outputpicker.h"

#include "session/playbacksession.h"
#include "widgets/menustyle.h"
#include "widgets/vellobutton.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenu>

#include <string>

namespace Vello {

namespace {

constexpr int buttonSide = 30;

} // namespace

OutputPicker::OutputPicker(PlaybackSession& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_button(new VelloButton(QString(), VelloButton::Style::Icon))
    , m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("outputPicker"));
    m_button->setObjectName(QStringLiteral("playOn"));
    m_button->setSymbol(QStringLiteral("output"), QStringLiteral("⌂"));
    m_button->setFixedSize(buttonSide, buttonSide);
    m_button->setCornerRadius(buttonSide / 2.0);
    m_button->setBackgroundColor(QColor::fromRgbF(0.125F, 0.149F, 0.188F, 1.0F));
    m_button->setAccessibleName(tr("Play on"));
    m_button->setToolTip(tr("Play on"));
    // Drawn as chosen while the station plays elsewhere, as the transport's keys are.
    m_button->setCheckable(true);
    m_menu->setObjectName(QStringLiteral("playOnMenu"));
    m_menu->setTitle(tr("Play on"));
    useDarkMenuLook(*m_menu);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    connect(m_button, &QAbstractButton::clicked, this, &OutputPicker::openMenu);
    connect(m_menu, &QMenu::triggered, this, [this](QAction* action) {
        const std::string id = action->data().toString().toStdString();
        // After the menu's own handling of the click: choosing rebuilds its entries.
        QMetaObject::invokeMethod(
            this,
            [this, id] {
                m_session.chooseOutput(id);
                showOutputs();
            },
            Qt::QueuedConnection);
    });
    m_followed = m_session.subscribe([this](const SessionChanges& changes) {
        if (changes.outputs) {
            showOutputs();
        }
    });
    showOutputs();
}

void OutputPicker::openMenu()
{
    showOutputs();
    const QSize size = m_menu->sizeHint();
    // Above the button, from its start edge: the mini player sits at the window's bottom.
    const int x = isRightToLeft() ? m_button->width() - size.width() : 0;
    m_menu->popup(m_button->mapToGlobal(QPoint(x, -size.height())));
    for (QAction* action : m_menu->actions()) {
        if (action->isChecked()) {
            m_menu->setActiveAction(action);
        }
    }
}

void OutputPicker::showOutputs()
{
    const std::optional<OutputInfo> chosen = m_session.output();
    const std::string chosenId = chosen ? chosen->id : std::string();
    m_menu->clear();
    for (QObject* group : m_menu->findChildren<QActionGroup*>()) {
        delete group;
    }
    auto* group = new QActionGroup(m_menu);
    const auto add = [this, group, &chosenId](const QString& text, const std::string& id) {
        QAction* action = m_menu->addAction(text);
        action->setData(QString::fromStdString(id));
        action->setCheckable(true);
        action->setChecked(id == chosenId);
        group->addAction(action);
    };
    add(tr("&This computer"), {});
    for (const OutputInfo& output : m_session.outputs()) {
        // As the output names itself: a name, not a text to translate or mark up.
        add(QString::fromStdString(output.name).replace(QLatin1Char('&'), QStringLiteral("&&")), output.id);
    }
    m_button->setChecked(chosen.has_value());
}

QWidget* withOutputPicker(PlaybackSession& session, QWidget* volume)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(new OutputPicker(session), 0, Qt::AlignVCenter);
    layout->addWidget(volume, 0, Qt::AlignVCenter);
    row->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return row;
}

} // namespace Vello
