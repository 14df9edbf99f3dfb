<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Mirelo icon</translation>
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
    <message>
        <source>Break — %1 left</source>
        <translation>Break — %1 left</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>%1 %2 left</translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Open %1 in the browser</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Libraries Mirelo is built on</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Welcome back — you were away %n min</numerusform>
            <numerusform>Welcome back — you were away %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>The Pomodoro stopped while you were away; nothing was recorded.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Start a Pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 failed: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo is not running. Start it with `mirelo` first.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: could not read the timer: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 refused: %2</translation>
    </message>
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
    --follow     print a line at every change and every minute, for status bars
    --json       print each as a JSON object (text, tooltip, class, percentage)
  preferences  open the preferences window
  statistics   open the statistics window
</source>
        <translation>Usage: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
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
    --follow     print a line at every change and every minute, for status bars
    --json       print each as a JSON object (text, tooltip, class, percentage)
  preferences  open the preferences window
  statistics   open the statistics window
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>It was paused for more than %n minute.</numerusform>
            <numerusform>It was paused for more than %n minutes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro stopped</translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Last Minute!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Almost time to take a break!</translation>
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
    <message>
        <source>Daily goal met</source>
        <translation>Daily goal met</translation>
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
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Daily goal</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Notify me when the goal is met</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Focus Timer</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Work in Pomodoros and take your breaks</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;timer;focus;break;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Start Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Short Break</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Long Break</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Stop Timer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Focus timer with enforced breaks</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>A live countdown in the tray and a warning a minute before a Pomodoro ends</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>An optional rule that a break cannot be ended early</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Every finished interval kept in a local SQLite database</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Remote control: mirelo pomodoro, short-break, long-break, stop and status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>A short break covers every screen with its countdown</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>When a break is over, Mirelo asks you back to work</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>focus timer with enforced breaks</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bell</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Alarm clock</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>New message</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>When a Pomodoro ends</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>When a break ends</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>At the last minute</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Choose a sound</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>A file…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volume: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Play: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>“%1” cannot be played: only WAV and Ogg Vorbis files can.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Focused minutes of the last seven days</translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation>%1: %2 min</translation>
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
    <message>
        <source>Previous week</source>
        <translation>Previous week</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Previous year</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Next week</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Next year</translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Busiest day: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>No Pomodoro in this period</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Busiest week: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>No fingerprint reader was found.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>No finger is enrolled: add one in the desktop&apos;s user settings.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>calls and the microphone</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>the camera</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>screen sharing</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>full-screen windows</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Do Not Disturb</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programs that keep the screen on</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Hold breaks during</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Hold breaks during %1</translation>
    </message>
</context>
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
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>minute</numerusform>
            <numerusform>minutes</numerusform>
        </translation>
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
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>short break</numerusform>
            <numerusform>short breaks</numerusform>
        </translation>
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
        <source>Home page</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Passcode lock</translation>
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
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo is running without a tray icon</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo is already running.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: no session bus; running without scripting and single-instance check.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Break when your call ends</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Break held: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Break in one minute</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>The break was held as long as allowed.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo cannot save</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Could not add Mirelo to your launcher: %1</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>This key moves around or answers windows in every program: choose another.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>A new version of Mirelo is available</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 is ready to install; you have %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>You&apos;re up to date!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 is the newest version available.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Update Error!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>An error occurred in retrieving update information.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Do Not Disturb on</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>the screen is kept on</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>microphone in use</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>camera in use</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>screen shared</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>full-screen window</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>%1 left in this break</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Wrong passcode. Type it again.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Set Passcode</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Four letters or digits. Asked before a break can end early.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Passcodes do not match</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Type a passcode of 4 letters or digits</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Passcode should be 4 characters</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Type the passcode again under Verify</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Ask for a passcode to end a break early and at its end</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause or resume</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Stop a Pomodoro when I am away</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Away after</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Hold breaks during calls, presentations and full-screen work</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Hold at most</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>None — choose to record</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Press a shortcut… (Escape cancels)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Previous day</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Next day</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>No timer yet</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>the records cannot be read now (the database is in use or damaged)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Start Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Short Break</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Long Break</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Stop Short Break</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Stop Long Break</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Close the Break Screen</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistics…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Send suggestion…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Stop Pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Please unlock with your passcode.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Saved to %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Start Mirelo when you log in</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Change in System Settings…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>The desktop decides which keys it binds and may ask you first.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Not bound by the desktop yet</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Bound by the desktop: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Break when you stop sharing the screen</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Break when you leave full screen</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Break held while you are busy</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>The photo could not be loaded. Choose another picture, or try again when online.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>The screen could not be captured: breaks will show the built-in picture.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Breaks show a blurred picture of what each screen shows.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>No desktop picture was found: breaks will show the built-in picture.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>No desktop picture is set: breaks show a blurred picture of the screen instead.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n finished interval cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</numerusform>
            <numerusform>%n finished intervals cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>The disk is full. Mirelo keeps your records aside and saves them once there is space.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>The break is over. Type your passcode to return to your desktop.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>No mail program</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Write to %1 from your mail. The address is on the clipboard.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>No software centre</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Rate Mirelo in your software centre, or at https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>The update server could not be reached. Check the connection and try again.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo could not read its preferences</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</translation>
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
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Open in &amp;Browser</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 of %2 characters typed</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Stop a paused Pomodoro after</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Focused time</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, in minutes</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Restore Defaults</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Wallpaper</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Restore the default settings of %1?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Quotes from the web</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Built-in quotes</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Choose “My own quotes” to edit them.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Mirelo Preferences — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>No timer is running.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>A timer is running; stop it first with &quot;mirelo stop&quot;.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>The Pomodoro is already paused.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>No Pomodoro is running; breaks do not pause.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>No Pomodoro is paused.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Passcode:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Verify:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Start a Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Short break</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pause or resume the Pomodoro</translation>
    </message>
</context>
<context>
    <name>StatRow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
            <numerusform>%n s</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
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
    <message>
        <source>&amp;Pomodoros</source>
        <translation>&amp;Pomodoros</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Show Pomodoros only</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>A&amp;ll</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Show breaks too</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervals of the day</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Export CSV…</translation>
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
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 at %2, %3</translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Nothing recorded</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 focused</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo cannot read its records</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Export progress</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Cancel export</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Export cancelled; the file was not written.</translation>
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
    <message>
        <source>Mirelo Statistics</source>
        <translation>Mirelo Statistics</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo is not running</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>No timer is running</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Break held: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro paused, %1 left</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, %1 left</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Short break, %1 left</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Long break, %1 left</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 of %n today</numerusform>
            <numerusform>%1 of %n today</numerusform>
        </translation>
    </message>
</context>
</TS>
