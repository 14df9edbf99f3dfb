<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>Usage: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
               status | preferences | statistics]
Without a command, starts Mirelo in the tray.
  pomodoro     start a Pomodoro
  short-break  start a short break
  long-break   start a long break
  stop         stop the running timer
  pause        pause the running Pomodoro
  resume       go on with the paused Pomodoro
  status       print &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (state &quot;held&quot; while a break waits for a call,
               &quot;paused&quot; while the Pomodoro is paused)
  preferences  open the preferences window
  statistics   open the statistics window
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds (*.ogg *.oga *.wav *.flac)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message>
        <source>Previous week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next year</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full: Mirelo keeps today&apos;s records until it can save them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Away after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirelo: paused, %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MRApp</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MRPreferViewController</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MRStatusItem</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatRow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatViewController</name>
    <message>
        <source>&amp;Pomodoros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
