#pragma once

class BreakView;

// Where a key pressed on the break overlay goes. While the lock is up it takes every key; the
// countdown ignores them all; on the back-to-work screen Escape is Close and Return is Next.
class BreakKeys
{
public:
    enum class Route
    {
        ignored,
        lock,
        close,
        next,
    };

    // dismissing: the window is on its way out and no key counts any more.
    static Route route(int key, const BreakView& view, bool dismissing);
};
