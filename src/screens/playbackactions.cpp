#include "playbackactions.h"

#include "session/playbacksession.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>

#include <chrono>

namespace Vello {
namespace {

// How far Back and Forward move within what is kept.
constexpr std::chrono::seconds skipStep {15};

} // namespace

PlaybackActions::PlaybackActions(PlaybackSession& session, QWidget& window)
{
    const struct {
        const char* name;
        QKeySequence keys;
        void (*run)(PlaybackSession&);
    } commands[] = {
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "&Play/Pause"), QKeySequence(Qt::Key_Space),
            [](PlaybackSession& s) { s.playPause(); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "&Next"), QKeySequence(Qt::ALT | Qt::Key_Right),
            [](PlaybackSession& s) { s.playNext(); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "Pre&vious"), QKeySequence(Qt::ALT | Qt::Key_Left),
            [](PlaybackSession& s) { s.playPrevious(); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "Play a &Random Station"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [](PlaybackSession& s) { s.shuffle(); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "Volume &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
            [](PlaybackSession& s) { s.changeVolume(1); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "Volume &Down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
            [](PlaybackSession& s) { s.changeVolume(-1); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "&Mute"), QKeySequence(Qt::CTRL | Qt::Key_M),
            [](PlaybackSession& s) { s.toggleMute(); }},
        // Alt with the arrows walks the stations; Ctrl moves within one.
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "&Back 15 s"), QKeySequence(Qt::CTRL | Qt::Key_Left),
            [](PlaybackSession& s) { s.recorder().skip(-skipStep); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "&Forward 15 s"), QKeySequence(Qt::CTRL | Qt::Key_Right),
            [](PlaybackSession& s) { s.recorder().skip(skipStep); }},
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "Go &Live"), QKeySequence(Qt::CTRL | Qt::Key_End),
            [](PlaybackSession& s) { s.recorder().goLive(); }},
        // Ctrl+R reloads the stations.
        {QT_TRANSLATE_NOOP("Vello::PlaybackActions", "Re&cord"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R),
            [](PlaybackSession& s) { s.toggleRecording(); }},
    };
    for (const auto& command : commands) {
        auto* action = new QAction(QCoreApplication::translate("Vello::PlaybackActions", command.name), &window);
        action->setShortcut(command.keys);
        QObject::connect(action, &QAction::triggered, &window, [&session, run = command.run] { run(session); });
        window.addAction(action);
        m_actions.append(action);
    }
    // Space belongs to the control that has the focus (a button presses, a field types): the
    // window plays or pauses only with a Space nothing else took. The menu still shows it.
    m_actions.front()->setShortcutContext(Qt::WidgetShortcut);
    // Checked while the session records, whatever started or stopped it.
    QAction* record = m_actions.back();
    record->setCheckable(true);
    // Back moves within what is kept; Forward and Go Live only once behind live.
    const QList<QAction*> steps = m_actions.mid(m_actions.size() - 4, 3);
    const auto showState = [&session, record, steps] {
        record->setChecked(session.recording().recording);
        record->setEnabled(session.recording().recording || session.currentStation().has_value());
        const TimeShift shift = session.recorder().timeShift();
        steps[0]->setEnabled(shift.available);
        steps[1]->setEnabled(shift.behind);
        steps[2]->setEnabled(shift.behind);
    };
    // A checkable entry flips itself when chosen; it shows what the session did instead.
    QObject::connect(record, &QAction::triggered, &window, showState);
    m_followed = session.subscribe([showState](const SessionChanges& changes) {
        if (changes.recording || changes.station || changes.timeShift) {
            showState();
        }
    });
    showState();
}

} // namespace Vello
