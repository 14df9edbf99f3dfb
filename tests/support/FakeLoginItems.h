#pragma once

#include "settings/LoginItems.h"

// Counts calls and answers as told; the real autostart file has its own tests.
class FakeLoginItems final : public LoginItems
{
public:
    bool accept = true;
    int calls = 0;
    bool lastRequest = false;
    bool enabled = false;

    bool setEnabled(bool value) override
    {
        ++calls;
        lastRequest = value;
        if (accept)
            enabled = value;
        return accept;
    }
    bool isEnabled() const override { return enabled; }
};
