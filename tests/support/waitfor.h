#pragma once

#include <QTest>

namespace Vello {

// Runs the event loop until `condition` holds; the limit only keeps a broken build from
// hanging, nothing waits for it to pass.
template <typename Condition> bool waitFor(Condition condition)
{
    return QTest::qWaitFor(condition, 20000);
}

} // namespace Vello
