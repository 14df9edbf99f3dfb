#pragma once

// Starting the program when the user logs in.
class LoginItems
{
public:
    virtual ~LoginItems() = default;
    // Returns whether the desktop accepted the change.
    virtual bool setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};
