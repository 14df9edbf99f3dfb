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
    <message>
        <source>Pref-General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Wallpaper</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>pref-mins</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Short break</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Long break</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Take a long break after</translation>
    </message>
    <message>
        <source>short breaks</source>
        <translation>short breaks</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Play a sound when a break ends</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Show the countdown on the tray icon</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Show the progress as a pie on the tray icon</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Start a Pomodoro when Mirelo starts</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Launch Mirelo at login</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Offer options when a break is stopped</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>No cancellation during the break</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Break background</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Desktop picture</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Photo of the day</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Blurred screen</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Quotes</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>No quotes</translation>
    </message>
    <message>
        <source>Quotes on design</source>
        <translation>Quotes on design</translation>
    </message>
    <message>
        <source>Built-in collection</source>
        <translation>Built-in collection</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>My own quotes</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>One quote per line</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Break preview</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>The Mirelo developers</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Acknowledgements</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>About Mirelo</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Passcode lock</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early</source>
        <translation>Ask for a passcode to end a break early</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Change passcode…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Ask for it</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>at once</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>after 5 seconds</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>after 10 seconds</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>after 1 minute</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Unlock with a fingerprint</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Global shortcuts</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Start a Pomodoro</translation>
    </message>
    <message>
        <source>Click a field and press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Click a field and press the combination; Backspace clears it, Escape keeps the old one.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Logs and launchers</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Reveal logs in the file manager</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Add actions to the launcher</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Launcher integration page</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Added to your launcher</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Add Ctrl, Alt or Super: a key alone would be taken from every program.</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>The other shortcut already uses this combination.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Another program already uses this combination.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>The X server refused this combination.</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>This keyboard has no such key.</translation>
    </message>
</context>
<context>
    <name>StatViewController</name>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodoros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n interval</numerusform>
            <numerusform>%n intervals</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n break</numerusform>
            <numerusform>%n breaks</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n second left</numerusform>
            <numerusform>%n seconds left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>%n minute left</numerusform>
            <numerusform>%n minutes left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n second</numerusform>
            <numerusform>%n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MRApp</name>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>It was paused for more than %n minute.</numerusform>
            <numerusform>It was paused for more than %n minutes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro today. Days in a row: %1</numerusform>
            <numerusform>%n Pomodoros today. Days in a row: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MRStatusItem</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 of %n today</numerusform>
            <numerusform>%1 of %n today</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 of %n today</numerusform>
            <numerusform>%1 of %n today</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n day in a row</numerusform>
            <numerusform>%n days in a row</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 focused</numerusform>
            <numerusform>%n Pomodoros, %1 focused</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n Pomodoro, %2</numerusform>
            <numerusform>%1: %n Pomodoros, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodoros</numerusform>
        </translation>
    </message>
</context>
</TS>
