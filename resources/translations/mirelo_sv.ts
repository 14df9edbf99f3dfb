<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Mirelo-ikon</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Paus — %1 kvar</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Paus</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n sekund kvar</numerusform>
            <numerusform>%n sekunder kvar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>%n minut kvar</numerusform>
            <numerusform>%n minuter kvar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>%1 %2 kvar</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minuter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekund</numerusform>
            <numerusform>%n sekunder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Öppna %1 i webbläsaren</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Bibliotek som Mirelo bygger på</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Välkommen tillbaka — du var borta i %n min</numerusform>
            <numerusform>Välkommen tillbaka — du var borta i %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Pomodoron stoppades medan du var borta; inget registrerades.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Starta en pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 misslyckades: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: okänt kommando ”%1”</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo körs inte. Starta det först med `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: kunde inte läsa timern: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 nekades: %2</translation>
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
        <translation>Användning: mirelo [pomodoro | short-break | long-break | stop | pause |
                    resume | status | preferences | statistics]
Utan kommando startas Mirelo i systembrickan.
  pomodoro     starta en pomodoro
  short-break  starta en kort paus
  long-break   starta en lång paus
  stop         stoppa den aktiva timern
  pause        pausa den pågående pomodoron
  resume       fortsätt den pausade pomodoron
  status       skriv ut &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (tillståndet &quot;held&quot; medan en paus
               väntar på att ett samtal ska ta slut, &quot;paused&quot; medan pomodoron
               är pausad)
    --follow     skriv en rad vid varje ändring och varje minut, för statusfält
    --json       skriv var och en som ett JSON-objekt (text, tooltip, class, percentage)
  preferences  öppna inställningsfönstret
  statistics   öppna statistikfönstret
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoron stoppades</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Den var pausad i mer än %n minut.</numerusform>
            <numerusform>Den var pausad i mer än %n minuter.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Sista minuten!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Snart dags för en paus!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Dagens mål uppnått</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n pomodoro i dag. Dagar i rad: %1</numerusform>
            <numerusform>%n pomodoros i dag. Dagar i rad: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n pomodoro</numerusform>
            <numerusform>%n pomodoros</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Dagligt mål</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoros per dag. Visas i verktygstipset för ikonen i systembrickan och i statistiken, tillsammans med antalet dagar i rad då målet nåddes.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Meddela mig när målet är uppnått</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Fokustimer</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Arbeta i pomodoros och ta dina pauser</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;timer;fokus;koncentration;paus;rast;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Starta pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Kort paus</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Lång paus</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Stoppa timer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Fokustimer med obligatoriska pauser</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo kör pomodorocykeln från systembrickan: arbete, sedan en kort eller lång paus som täcker alla skärmar tills den är slut. Programmet registrerar varje avslutat intervall och kan styras från menyn, programstartarens åtgärder, D-Bus och kommandoraden.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>En löpande nedräkning i systembrickan och en varning en minut innan en pomodoro tar slut</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Pauser som täcker alla bildskärmar, med ett foto eller din skrivbordsbakgrund och ett citat</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>En valfri regel om att en paus inte kan avslutas i förtid</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Varje avslutat intervall sparas i en lokal SQLite-databas</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Fjärrstyrning: mirelo pomodoro, short-break, long-break, stop och status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>En kort paus täcker alla skärmar med sin nedräkning</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>När en paus är slut ber Mirelo dig att återgå till arbetet</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>fokustimer med obligatoriska pauser</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Klart</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Klocka</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Väckarklocka</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nytt meddelande</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uppmärksamhet</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>När en pomodoro tar slut</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>När en paus tar slut</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>Under sista minuten</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Välj ett ljud</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Inget</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>En fil…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volym: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spela upp</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Spela upp: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>WAV- eller Ogg Vorbis-ljud (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Filen kan inte spelas upp: bara WAV- och Ogg Vorbis-filer kan det. Temats ljud spelas i stället.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>”%1” kan inte spelas upp: bara WAV- och Ogg Vorbis-filer kan det.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Fokuserade minuter de senaste sju dagarna</translation>
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
        <translation>Föregående vecka</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Föregående månad</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Föregående år</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Nästa vecka</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nästa månad</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nästa år</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n pomodoro, %1 fokus</numerusform>
            <numerusform>%n pomodoros, %1 fokus</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Mest aktiva dag: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Ingen pomodoro under perioden</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n pomodoro, %2</numerusform>
            <numerusform>%1: %n pomodoros, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Mest aktiva vecka: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Ingen fingeravtrycksläsare hittades.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Inget fingeravtryck är registrerat: lägg till ett i skrivbordsmiljöns användarinställningar.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>samtal och mikrofonen</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>kameran</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>skärmdelning</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>helskärmsfönster</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Stör ej</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>program som håller skärmen på</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Skjut upp pauser under</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Skjut upp pauser under: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo körs utan ikon i systembrickan</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Starta och stoppa timrar via Mirelos åtgärder i programstartaren eller med ”mirelo pomodoro”, ”mirelo stop” och ”mirelo status” i en terminal. Aktivera ett tillägg för systembrickan (AppIndicator i GNOME) för att få ikonen.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo körs redan.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: ingen sessionsbuss; körs utan skriptstyrning och utan kontroll av enda instans.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Paus när samtalet är slut</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pausen väntar: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Paus om en minut</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>Pausen har väntat så länge som tillåtet.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo kan inte spara</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Kunde inte lägga till Mirelo i din programstartare: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Tillagt i din programstartare</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Kort paus</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Lång paus</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Det andra kortkommandot använder redan denna kombination.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Denna tangent används för att flytta runt i och svara på fönster i alla program: välj en annan.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Lägg till Ctrl, Alt eller Super: en ensam tangent skulle tas från alla andra program.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>En ny version av Mirelo finns tillgänglig</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 är redo att installeras; du har %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Du har den senaste versionen!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 är den senaste tillgängliga versionen.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Uppdateringsfel!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Ett fel uppstod när uppdateringsinformationen hämtades.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Stör ej är på</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>skärmen hålls på</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>mikrofonen används</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>kameran används</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>skärmen delas</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>helskärmsfönster</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Tangentbordet har ingen sådan tangent.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Ett annat program använder redan denna kombination.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>X-servern avvisade denna kombination.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Mirelo-utvecklarna. Fri programvara under GNU GPL, version 3 eller senare.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Mirelo-utvecklarna</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Tack till</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Om Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliotek</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licens</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Webbplats</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Avsluta %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Lösenkod krävs</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Lås upp med ditt fingeravtryck</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Lösenkod</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>foto: %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Ta en paus</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Tillbaka till arbetet!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Ta en paus för att behålla fokus</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Hoppa över pausen, starta en pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Skjut upp pausen 1 minut</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Stoppa pausen</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>%1 kvar av pausen</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Fel lösenkod. Skriv den igen.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Ange lösenkod</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Fyra bokstäver eller siffror. Efterfrågas innan en paus kan avslutas i förtid.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bekräfta</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Lösenkoderna stämmer inte överens</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Skriv en lösenkod på 4 bokstäver eller siffror</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Lösenkoden ska vara 4 tecken</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Skriv lösenkoden igen under Upprepa</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Lösenkodslås</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Fråga efter lösenkod för att avsluta en paus i förtid och när den är slut</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Ändra lösenkod…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Fråga efter den</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>direkt</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>efter 5 sekunder</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>efter 10 sekunder</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>efter 1 minut</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Lås upp med fingeravtryck</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Globala kortkommandon</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Starta en pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kort paus</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausa eller återuppta</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Välj ett fält (klicka, blanksteg eller Retur) och tryck sedan på kombinationen; Backsteg rensar den, Escape behåller den gamla.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Loggar och programstartare</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Visa loggar i filhanteraren</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Lägg till åtgärder i programstartaren</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Sida om integrering</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>minut</numerusform>
            <numerusform>minuter</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lång paus</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Ta en lång paus efter</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Spela ett ljud när en paus tar slut</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Visa nedräkningen på ikonen i systembrickan</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Visa förloppet som ett cirkeldiagram på ikonen</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Starta en pomodoro när Mirelo startar</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Starta Mirelo vid inloggning</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Erbjud alternativ när en paus stoppas</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Pausen kan inte avbrytas</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Stoppa en pomodoro när jag är borta</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Ingen inmatning så här länge, eller en skärm som är låst så länge, stoppar pomodoron; inget registreras för tiden borta.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Borta efter</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Låt pauser vänta under samtal, presentationer och helskärmsarbete</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Medan mikrofonen, kameran eller skärmdelning används, Stör ej är på eller ett helskärmsfönster har fokus väntar pausen och startar när de är slut.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Vänta högst</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>kort paus</numerusform>
            <numerusform>korta pauser</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Pausbakgrund</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Skrivbordsbakgrund</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Dagens foto</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Suddig skärm</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citat</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Inga citat</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Mina egna citat</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Ett citat per rad</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Inget — välj för att spela in</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Tryck på ett kortkommando… (Escape avbryter)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Förhandsvisning av paus</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Föregående dag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nästa dag</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Ingen timer än</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportera CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>posterna kan inte läsas just nu (databasen används eller är skadad)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Starta pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Kort paus</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Lång paus</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Stoppa kort paus</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Stoppa lång paus</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Stäng pausskärmen</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Inställningar…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sök efter uppdateringar…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Skicka förslag…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Betygsätt Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Stoppa pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Lås upp med din lösenkod.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Kunde inte spara: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Sparat i %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Starta Mirelo vid inloggning</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Ändra i systeminställningarna…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Den här skrivbordsmiljön ger inte program några globala kortkommandon. Tilldela i stället en tangent till ett Mirelo-kommando i dess tangentbordsinställningar, till exempel: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Skrivbordsmiljön bestämmer vilka tangenter den tilldelar och kan fråga dig först.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Ändra dem under kortkommandon i skrivbordsmiljöns systeminställningar.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Inte tilldelat av skrivbordsmiljön än</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Tilldelat av skrivbordsmiljön: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Paus när du slutar dela skärmen</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Paus när du lämnar helskärmsläget</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Pausen väntar medan du är upptagen</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Fotot kunde inte läsas in. Välj en annan bild eller försök igen när du är ansluten.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Skärmen kunde inte fångas: pauser visar den inbyggda bilden.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Pauser visar en suddig bild av det varje skärm visar.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Ingen skrivbordsbakgrund hittades: pauser visar den inbyggda bilden.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Ingen skrivbordsbakgrund är vald: pauser visar i stället en suddig bild av skärmen.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n avslutat intervall kan inte sparas på disken och går förlorat om Mirelo avslutas innan posterna kan sparas. Frigör diskutrymme.</numerusform>
            <numerusform>%n avslutade intervall kan inte sparas på disken och går förlorade om Mirelo avslutas innan posterna kan sparas. Frigör diskutrymme.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Disken är full. Mirelo lägger dina poster åt sidan och sparar dem när det finns plats.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>Databasen med poster är skrivskyddad. Gör den skrivbar igen; till dess lägger Mirelo dina poster åt sidan.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kan inte skapa sin databas med poster. Gör datamappen skrivbar; till dess lägger Mirelo dina poster åt sidan.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kan inte läsa sin databas med poster. Kontrollera filens behörigheter; till dess lägger Mirelo dina poster åt sidan.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Den här pausen kan inte avslutas i förtid: ”Pausen kan inte avbrytas” i Inställningar › Allmänt.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>Pausen är slut. Skriv din kod för att återgå till skrivbordet.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Inget e-postprogram</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Skriv till %1 från din e-post. Adressen finns på urklipp.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Ingen programcentral</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Betygsätt Mirelo i din programcentral eller på https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Uppdateringsservern kunde inte nås. Kontrollera anslutningen och försök igen.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo kunde inte läsa sina inställningar</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Filen sparades som %1. Mirelo kör tills vidare med standardinställningarna och sparar bara de inställningar du ändrar.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minut</numerusform>
            <numerusform>%n minuter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Öppna i &amp;webbläsare</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 av %2 tecken inskrivna</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Stoppa en pausad pomodoro efter</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Fokuserad tid</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, i minuter</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Återställ standardvärden</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Längderna, ikonen i systembrickan samt paus- och frånvaroinställningarna återställs till hur Mirelo levererades. Start vid inloggning förblir som den är.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Pausbakgrunden och citaten återställs till hur Mirelo levererades. Citat som du har skrivit behålls.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Lösenkodslåset stängs av, och dess fördröjning, fingeravtrycket och de globala kortkommandona återställs till hur Mirelo levererades. Din lösenkod sparas till när du slår på låset igen.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Återställa standardinställningarna för ”%1”?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citat från webben</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Inbyggda citat</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Välj ”Mina egna citat” för att redigera dem.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Mirelo-inställningar — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Ingen timer är igång.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>En timer är igång; stoppa den först med ”mirelo stop”.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Pomodoron är redan pausad.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Ingen pomodoro är igång; pauser kan inte pausas.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Ingen pomodoro är pausad.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Lösenkod:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Upprepa:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Starta en pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kort paus</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pausa eller återuppta pomodoron</translation>
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
        <translation>Visa endast pomodoros</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Alla</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Visa även pauser</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Dagens intervall</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportera CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kort paus</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lång paus</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 kl. %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n pomodoro</numerusform>
            <numerusform>%n pomodoros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n intervall</numerusform>
            <numerusform>%n intervall</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Inget registrerat</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 fokus</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n paus</numerusform>
            <numerusform>%n pauser</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo kan inte läsa sina poster</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Exportförlopp</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Avbryt export</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Exporten avbröts; filen skrevs inte.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Mirelo-statistik</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Vecka</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Månad</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>År</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 av %n i dag</numerusform>
            <numerusform>%1 av %n i dag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n dag i rad</numerusform>
            <numerusform>%n dagar i rad</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo körs inte</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Ingen timer är igång</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pausen väntar: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoron pausad, %1 kvar</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, %1 kvar</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Kort paus, %1 kvar</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Lång paus, %1 kvar</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 av %n i dag</numerusform>
            <numerusform>%1 av %n i dag</numerusform>
        </translation>
    </message>
</context>
</TS>
