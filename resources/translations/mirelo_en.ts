<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Localizable</name>
    <message>
        <source>Take a break</source>
        <translation>Take a break</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Back to work!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Passcode</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Unlock with your fingerprint</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>photo by %@</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Take a Break to Stay Focused</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Skip the Break, Start a Pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Postpone the Break by 1 Minute</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Stop the Break</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Quit %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Passcode Required</translation>
    </message>
    <message>
        <source>Please unlcok with your passcode.</source>
        <translation>Please unlock with your passcode.</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Short break</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Long break</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Rate Mirelo…</translation>
    </message>
</context>
</TS>
