#pragma once

#include "shortcuts/GlobalShortcuts.h"

// Records what is bound; combinations listed in taken are refused as held by another program.
// As on X11, nothing is grabbed while suspended, so no refusal can be known then.
class FakeGlobalShortcuts final : public GlobalShortcuts
{
public:
    QStringList bind(const QList<QKeySequence>& combinations) override
    {
        bound = combinations;
        ++binds;
        QStringList problems;
        for (const QKeySequence& combination : combinations)
            problems.append(!suspended && !combination.isEmpty() && taken.contains(combination)
                                ? QStringLiteral("Another program already uses this combination.")
                                : QString());
        return problems;
    }
    void setSuspended(bool suspend) override { suspended = suspend; }
    void press(int index) { Q_EMIT activated(index); }
    void changeKeyboard() { Q_EMIT keyboardChanged(); }

    QList<QKeySequence> bound;
    QList<QKeySequence> taken;
    int binds = 0;
    bool suspended = false;
};
