<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Mirelo-Symbol</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Pause — noch %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Noch %n Sekunde</numerusform>
            <numerusform>Noch %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Noch %n Minute</numerusform>
            <numerusform>Noch %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Noch %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>%1 im Browser öffnen</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Bibliotheken, auf denen Mirelo aufbaut</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Willkommen zurück — Sie waren %n min abwesend</numerusform>
            <numerusform>Willkommen zurück — Sie waren %n min abwesend</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Der Pomodoro wurde während Ihrer Abwesenheit gestoppt; nichts wurde aufgezeichnet.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo läuft nicht. Starten Sie es zuerst mit `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: Der Timer konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 abgelehnt: %2</translation>
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
        <translation>Aufruf: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
                status | preferences | statistics]
Ohne Befehl wird Mirelo im Systembereich gestartet.
  pomodoro     einen Pomodoro starten
  short-break  eine kurze Pause starten
  long-break   eine lange Pause starten
  stop         den laufenden Timer stoppen
  pause        den laufenden Pomodoro pausieren
  resume       den pausierten Pomodoro fortsetzen
  status       &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; ausgeben (Zustand &quot;held&quot;, solange eine Pause auf das
               Ende eines Anrufs wartet, &quot;paused&quot;, solange der Pomodoro pausiert ist)
    --follow     bei jeder Änderung und jede Minute eine Zeile ausgeben, für Statusleisten
    --json       jede als JSON-Objekt ausgeben (text, tooltip, class, percentage)
  preferences  das Einstellungsfenster öffnen
  statistics   das Statistikfenster öffnen
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro gestoppt</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Er war länger als %n Minute pausiert.</numerusform>
            <numerusform>Er war länger als %n Minuten pausiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Letzte Minute!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Gleich ist Zeit für eine Pause!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Tagesziel erreicht</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro heute. Tage in Folge: %1</numerusform>
            <numerusform>%n Pomodoros heute. Tage in Folge: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodoros</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Tagesziel</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoros pro Tag; erscheint im Tooltip des Symbols im Systembereich und in der Statistik, zusammen mit den Tagen in Folge, an denen es erreicht wurde.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Benachrichtigen, wenn das Ziel erreicht ist</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Fokus-Timer</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>In Pomodoros arbeiten und Pausen einhalten</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;timer;fokus;konzentration;pause;zeitmanagement;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Timer stoppen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Fokus-Timer mit erzwungenen Pausen</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo steuert den Pomodoro-Zyklus aus dem Systembereich: Arbeit, dann eine kurze oder lange Pause, die jeden Bildschirm bis zu ihrem Ende bedeckt. Jedes abgeschlossene Intervall wird aufgezeichnet, und Mirelo lässt sich über das Menü, die Aktionen des Starters, D-Bus und die Befehlszeile bedienen.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Ein laufender Countdown im Systembereich und eine Warnung eine Minute vor dem Ende eines Pomodoros</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Pausen, die jeden Monitor bedecken, mit einem Foto oder Ihrem Desktop-Hintergrund und einem Zitat</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Eine optionale Regel, nach der eine Pause nicht vorzeitig beendet werden kann</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Jedes abgeschlossene Intervall wird in einer lokalen SQLite-Datenbank gespeichert</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Fernsteuerung: mirelo pomodoro, short-break, long-break, stop und status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Eine kurze Pause bedeckt jeden Bildschirm mit ihrem Countdown</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Wenn eine Pause vorbei ist, bittet Mirelo Sie zurück an die Arbeit</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>Fokus-Timer mit erzwungenen Pausen</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wecker</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Neue Nachricht</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Aufmerksamkeit</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Wenn ein Pomodoro endet</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Wenn eine Pause endet</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>In der letzten Minute</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Klang auswählen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Eine Datei …</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Lautstärke: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Abspielen: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>WAV- oder Ogg-Vorbis-Klänge (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Diese Datei kann nicht abgespielt werden: Nur WAV- und Ogg-Vorbis-Dateien gehen. Stattdessen erklingt der Klang des Themas.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>„%1“ kann nicht abgespielt werden: Nur WAV- und Ogg-Vorbis-Dateien gehen.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Fokusminuten der letzten sieben Tage</translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation>%1: %2 min</translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message>
        <source>Previous week</source>
        <translation>Vorherige Woche</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 Fokuszeit</numerusform>
            <numerusform>%n Pomodoros, %1 Fokuszeit</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Stärkster Tag: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Kein Pomodoro in diesem Zeitraum</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n Pomodoro, %2</numerusform>
            <numerusform>%1: %n Pomodoros, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Stärkste Woche: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Es wurde kein Fingerabdruckleser gefunden.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Es ist kein Finger registriert: Fügen Sie einen in den Benutzereinstellungen der Arbeitsumgebung hinzu.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>Anrufen und dem Mikrofon</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>der Kamera</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>Bildschirmfreigabe</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>Vollbildfenstern</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>Programmen, die den Bildschirm anlassen</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Pausen zurückstellen bei</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Pausen zurückstellen bei: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo läuft ohne Symbol im Systembereich</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Starten und stoppen Sie Timer über die Starter-Aktionen von Mirelo oder mit „mirelo pomodoro“, „mirelo stop“ und „mirelo status“ in einem Terminal. Aktivieren Sie eine Erweiterung für den Systembereich (AppIndicator unter GNOME), um das Symbol zu erhalten.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo läuft bereits.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: kein Sitzungsbus; läuft ohne Skriptsteuerung und ohne Prüfung auf eine laufende Instanz.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Pause, sobald Ihr Anruf endet</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pause zurückgestellt: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Pause in einer Minute</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>Die Pause wurde so lange wie erlaubt zurückgestellt.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo kann nicht speichern</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Mirelo konnte nicht zum Starter hinzugefügt werden: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Zum Starter hinzugefügt</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Das andere Tastenkürzel verwendet diese Kombination bereits.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Diese Taste dient in allen Programmen zum Bewegen oder zum Beantworten von Fenstern: Wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Fügen Sie Strg, Alt oder Super hinzu: Eine Taste allein würde allen Programmen entzogen.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Eine neue Version von Mirelo ist verfügbar</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 kann installiert werden; Sie haben %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Sie sind auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Aktualisierungsfehler!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Beim Abrufen der Aktualisierungsinformationen ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>„Nicht stören“ ist aktiv</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>der Bildschirm wird wach gehalten</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>Mikrofon wird verwendet</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>Kamera wird verwendet</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>Bildschirm wird geteilt</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>Vollbildfenster</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Diese Tastatur hat keine solche Taste.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Ein anderes Programm verwendet diese Kombination bereits.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>Der X-Server hat diese Kombination abgelehnt.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 die Mirelo-Entwickler. Freie Software unter der GNU GPL, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Die Mirelo-Entwickler</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Danksagungen</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Über Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>%@ beenden?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Code erforderlich</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Mit Fingerabdruck entsperren</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>Foto von %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Zeit für eine Pause</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Zurück an die Arbeit!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Pause machen, um konzentriert zu bleiben</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Pause überspringen, Pomodoro starten</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Pause um 1 Minute verschieben</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Pause beenden</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Noch %1 in dieser Pause</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Falscher Code. Bitte erneut eingeben.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Code festlegen</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Vier Buchstaben oder Ziffern. Wird abgefragt, bevor eine Pause vorzeitig enden kann.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Die Codes stimmen nicht überein</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Geben Sie einen Code aus 4 Buchstaben oder Ziffern ein</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Der Code muss 4 Zeichen lang sein</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Geben Sie den Code unter „Wiederholen“ erneut ein</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Code-Sperre</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Code abfragen, wenn eine Pause vorzeitig oder regulär endet</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Code ändern …</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>sofort</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>nach 5 Sekunden</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>nach 10 Sekunden</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>nach 1 Minute</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Mit Fingerabdruck entsperren</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Globale Tastenkürzel</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausieren oder fortsetzen</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Wählen Sie ein Feld (Klick, Leertaste oder Eingabetaste) und drücken Sie dann die Kombination; die Rücktaste löscht sie, Esc behält die bisherige.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Protokolle und Starter</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Protokolle im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Aktionen zum Starter hinzufügen</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Seite zur Starter-Integration</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>Minute</numerusform>
            <numerusform>Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Lange Pause nach</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Klang abspielen, wenn eine Pause endet</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Countdown auf dem Symbol im Systembereich anzeigen</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Fortschritt als Kreis auf dem Symbol im Systembereich anzeigen</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Pomodoro starten, wenn Mirelo startet</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Mirelo bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Optionen anbieten, wenn eine Pause gestoppt wird</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Kein Abbrechen während der Pause</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Pomodoro stoppen, wenn ich abwesend bin</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Keine Eingabe oder ein gesperrter Bildschirm für diese Dauer stoppt den Pomodoro; für die Abwesenheit wird nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Abwesend nach</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Pausen bei Anrufen, Präsentationen und Vollbildarbeit zurückstellen</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Solange Mikrofon, Kamera oder eine Bildschirmfreigabe verwendet werden, „Nicht stören“ aktiv ist oder ein Vollbildfenster den Fokus hat, wartet die Pause und beginnt danach.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Höchstens zurückstellen</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>kurzen Pause</numerusform>
            <numerusform>kurzen Pausen</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Pausenhintergrund</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Desktop-Hintergrund</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Foto des Tages</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Unscharfer Bildschirm</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Zitate</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Keine Zitate</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Eigene Zitate</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Ein Zitat pro Zeile</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Keines — zum Aufnehmen auswählen</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Tastenkürzel drücken … (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Pausenvorschau</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Noch kein Timer</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren …</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>die Aufzeichnungen können gerade nicht gelesen werden (die Datenbank wird verwendet oder ist beschädigt)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Kurze Pause stoppen</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Lange Pause stoppen</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Pausenbildschirm schließen</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik …</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Vorschlag senden …</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Mirelo bewerten …</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Pomodoro stoppen</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Bitte entsperren Sie mit Ihrem Code.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Speichern fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Mirelo bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>In den &amp;Systemeinstellungen ändern …</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Diese Arbeitsumgebung bietet Programmen keine globalen Tastenkürzel. Legen Sie stattdessen in deren Tastatureinstellungen eine Taste für einen Mirelo-Befehl fest, zum Beispiel: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Die Arbeitsumgebung entscheidet, welche Tasten sie belegt, und fragt Sie eventuell vorher.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Ändern Sie sie in den Tastenkürzeln der Systemeinstellungen Ihrer Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Noch nicht von der Arbeitsumgebung belegt</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Von der Arbeitsumgebung belegt: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Pause, sobald Sie den Bildschirm nicht mehr teilen</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Pause, sobald Sie den Vollbildmodus verlassen</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Pause wartet, solange Sie beschäftigt sind</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Das Foto konnte nicht geladen werden. Wählen Sie ein anderes Bild oder versuchen Sie es online erneut.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden: Pausen zeigen das eingebaute Bild.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Pausen zeigen ein unscharfes Bild dessen, was jeder Bildschirm zeigt.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Kein Hintergrundbild gefunden: Pausen zeigen das eingebaute Bild.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Kein Hintergrundbild eingestellt: Pausen zeigen stattdessen ein unscharfes Bild des Bildschirms.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n beendetes Intervall kann nicht auf dem Datenträger gehalten werden und geht verloren, wenn Mirelo beendet wird, bevor die Aufzeichnungen gespeichert sind. Geben Sie Speicherplatz frei.</numerusform>
            <numerusform>%n beendete Intervalle können nicht auf dem Datenträger gehalten werden und gehen verloren, wenn Mirelo beendet wird, bevor die Aufzeichnungen gespeichert sind. Geben Sie Speicherplatz frei.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Der Datenträger ist voll. Mirelo legt Ihre Aufzeichnungen beiseite und speichert sie, sobald wieder Platz ist.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>Die Datenbank der Aufzeichnungen ist schreibgeschützt. Machen Sie sie wieder beschreibbar; bis dahin legt Mirelo Ihre Aufzeichnungen beiseite.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kann seine Datenbank der Aufzeichnungen nicht anlegen. Machen Sie seinen Datenordner beschreibbar; bis dahin legt Mirelo Ihre Aufzeichnungen beiseite.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kann seine Datenbank der Aufzeichnungen nicht lesen. Prüfen Sie die Rechte der Datei; bis dahin legt Mirelo Ihre Aufzeichnungen beiseite.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Diese Pause lässt sich nicht vorzeitig beenden: „Kein Abbrechen während der Pause“ unter Einstellungen › Allgemein.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>Die Pause ist vorbei. Geben Sie Ihren Code ein, um zum Schreibtisch zurückzukehren.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Kein E-Mail-Programm</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Schreiben Sie aus Ihrem E-Mail-Konto an %1. Die Adresse ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Keine Softwareverwaltung</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Bewerten Sie Mirelo in Ihrer Softwareverwaltung oder auf https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Der Update-Server ist nicht erreichbar. Prüfen Sie die Verbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo konnte seine Einstellungen nicht lesen</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Die Datei wurde als %1 aufbewahrt. Mirelo läuft vorerst mit den Standardeinstellungen und speichert nur die Einstellungen, die Sie ändern.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Im &amp;Browser öffnen</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 von %2 Zeichen eingegeben</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Pausierten Pomodoro stoppen nach</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Fokuszeit</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, in Minuten</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>Auf &amp;Standard zurücksetzen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Die Dauern, das Symbol im Systembereich, die Pausen- und die Abwesenheitseinstellungen werden auf den Auslieferungszustand zurückgesetzt. „Mirelo bei der Anmeldung starten“ bleibt unverändert.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Der Pausenhintergrund und die Zitate werden auf den Auslieferungszustand zurückgesetzt. Ihre eigenen Zitate bleiben erhalten.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Die Code-Sperre wird ausgeschaltet; ihre Verzögerung, der Fingerabdruck und die globalen Tastenkürzel werden auf den Auslieferungszustand zurückgesetzt. Ihr Code bleibt erhalten, falls Sie die Sperre wieder einschalten.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Standardeinstellungen für „%1“ wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Zitate aus dem Internet</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Mitgelieferte Zitate</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Wählen Sie „Eigene Zitate“, um sie zu bearbeiten.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Mirelo-Einstellungen — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Es läuft kein Timer.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Ein Timer läuft; beenden Sie ihn zuerst mit „mirelo stop“.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Der Pomodoro ist bereits angehalten.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Es läuft kein Pomodoro; Pausen lassen sich nicht anhalten.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Kein Pomodoro ist angehalten.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pomodoro pausieren oder fortsetzen</translation>
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
    <message>
        <source>&amp;Pomodoros</source>
        <translation>&amp;Pomodoros</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Nur Pomodoros zeigen</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Auch Pausen zeigen</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervalle des Tages</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV e&amp;xportieren …</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kurze Pause</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange Pause</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 um %2, %3</translation>
    </message>
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
            <numerusform>%n Intervall</numerusform>
            <numerusform>%n Intervalle</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Nichts aufgezeichnet</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>Fokuszeit: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n Pause</numerusform>
            <numerusform>%n Pausen</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo kann seine Aufzeichnungen nicht lesen</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Fortschritt des Exports</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Export abbrechen</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Export abgebrochen; die Datei wurde nicht geschrieben.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Mirelo-Statistik</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 von %n heute</numerusform>
            <numerusform>%1 von %n heute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n Tag in Folge</numerusform>
            <numerusform>%n Tage in Folge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo läuft nicht</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Kein Timer läuft</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pause zurückgestellt: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro pausiert, noch %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, noch %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Kurze Pause, noch %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Lange Pause, noch %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 von %n heute</numerusform>
            <numerusform>%1 von %n heute</numerusform>
        </translation>
    </message>
</context>
</TS>
