#pragma once

class CycleController;

// What each global shortcut does in each state of the cycle.
class ShortcutActions
{
public:
    explicit ShortcutActions(CycleController& controller) : controller(controller) {}

    // Idle: starts a Pomodoro; working: stops it; in a break: nothing.
    void startPomodoroTriggered();
    // Idle: starts a short break; in a break: the overlay's Stop; working: nothing.
    void shortBreakTriggered();
    // Pauses the running Pomodoro, or resumes the paused one.
    void pauseTriggered();

private:
    CycleController& controller;
};
