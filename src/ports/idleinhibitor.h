#pragma once

namespace Vello {

// The desktop session's idle lock: while held, the screen does not blank and the machine does
// not go to sleep for want of input.
class IdleInhibitor {
public:
    virtual ~IdleInhibitor() = default;

    // Holds the lock, or lets it go. Returns at once, whatever the session does with the request.
    virtual void setInhibited(bool inhibited) = 0;
};

} // namespace Vello
