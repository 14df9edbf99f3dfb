<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Mirelo-pictogram</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Pauze — nog %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pauze</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Nog %n seconde</numerusform>
            <numerusform>Nog %n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Nog %n minuut</numerusform>
            <numerusform>Nog %n minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Nog %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>%1 openen in de browser</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Bibliotheken waarop Mirelo gebouwd is</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Welkom terug — u was %n min weg</numerusform>
            <numerusform>Welkom terug — u was %n min weg</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>De Pomodoro is tijdens uw afwezigheid gestopt; er is niets vastgelegd.</translation>
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
        <translation>mirelo: %1 mislukt: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: onbekende opdracht ‘%1’</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo draait niet. Start het eerst met `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: kon de timer niet lezen: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 geweigerd: %2</translation>
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
        <translation>Gebruik: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
                 status | preferences | statistics]
Zonder opdracht start Mirelo in het systeemvak.
  pomodoro     een Pomodoro starten
  short-break  een korte pauze starten
  long-break   een lange pauze starten
  stop         de lopende timer stoppen
  pause        de lopende Pomodoro pauzeren
  resume       de gepauzeerde Pomodoro hervatten
  status       &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; tonen (status &quot;held&quot; zolang een pauze op het einde
               van een gesprek wacht, &quot;paused&quot; zolang de Pomodoro gepauzeerd is)
    --follow     bij elke wijziging en elke minuut een regel tonen, voor statusbalken
    --json       elke regel als JSON-object tonen (text, tooltip, class, percentage)
  preferences  het voorkeurenvenster openen
  statistics   het statistiekenvenster openen
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro gestopt</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Hij was langer dan %n minuut gepauzeerd.</numerusform>
            <numerusform>Hij was langer dan %n minuten gepauzeerd.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Laatste minuut!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Bijna tijd voor een pauze!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Dagdoel gehaald</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro vandaag. Dagen op rij: %1</numerusform>
            <numerusform>%n Pomodoro&apos;s vandaag. Dagen op rij: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodoro&apos;s</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Dagdoel</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoro&apos;s per dag, getoond in de tooltip van het systeemvakpictogram en in de statistieken, met het aantal dagen op rij waarop het gehaald is.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Melden wanneer het doel gehaald is</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Focustimer</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Werk in Pomodoro&apos;s en neem uw pauzes</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;timer;focus;concentratie;pauze;productiviteit;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Korte pauze</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Timer stoppen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Focustimer met verplichte pauzes</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo verzorgt de Pomodoro-cyclus vanuit het systeemvak: werken, dan een korte of lange pauze die elk scherm bedekt tot ze voorbij is. Het legt elk voltooid interval vast en is te bedienen via het menu, de acties van de starter, D-Bus en de opdrachtregel.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Een live aftelling in het systeemvak en een waarschuwing een minuut voordat een Pomodoro afloopt</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Pauzes die elke monitor bedekken, met een foto of uw bureaubladachtergrond en een citaat</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Een optionele regel dat een pauze niet vroegtijdig beëindigd kan worden</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Elk voltooid interval bewaard in een lokale SQLite-database</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Afstandsbediening: mirelo pomodoro, short-break, long-break, stop en status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Een korte pauze bedekt elk scherm met haar aftelling</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Als een pauze voorbij is, vraagt Mirelo u weer aan het werk te gaan</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>focustimer met verplichte pauzes</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Bel</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Wekker</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nieuw bericht</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Aandacht</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Als een Pomodoro afloopt</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Als een pauze afloopt</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>In de laatste minuut</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Kies een geluid</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Een bestand…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volume: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Afspelen: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>WAV- of Ogg Vorbis-geluiden (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Dit bestand kan niet worden afgespeeld: alleen WAV- en Ogg Vorbis-bestanden kunnen dat. In plaats daarvan klinkt het geluid van het thema.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>‘%1’ kan niet worden afgespeeld: alleen WAV- en Ogg Vorbis-bestanden kunnen dat.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Focusminuten van de afgelopen zeven dagen</translation>
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
        <translation>Vorige week</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorige maand</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Vorig jaar</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Volgende week</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Volgende maand</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Volgend jaar</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 gefocust</numerusform>
            <numerusform>%n Pomodoro&apos;s, %1 gefocust</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Drukste dag: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Geen Pomodoro in deze periode</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n Pomodoro, %2</numerusform>
            <numerusform>%1: %n Pomodoro&apos;s, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Drukste week: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Er is geen vingerafdruklezer gevonden.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Er is geen vinger geregistreerd: voeg er een toe in de gebruikersinstellingen van de desktop.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>gesprekken en de microfoon</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>de camera</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>scherm delen</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>schermvullende vensters</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Niet storen</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programma’s die het scherm aan houden</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Pauzes uitstellen tijdens</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Pauzes uitstellen tijdens: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo draait zonder systeemvakpictogram</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Start en stop timers via de starteracties van Mirelo of met ‘mirelo pomodoro’, ‘mirelo stop’ en ‘mirelo status’ in een terminal. Schakel een systeemvakextensie in (AppIndicator in GNOME) om het pictogram te krijgen.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo draait al.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: geen sessiebus; draait zonder scriptbesturing en zonder controle op één exemplaar.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Pauze zodra uw gesprek afloopt</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pauze in de wacht: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Pauze over een minuut</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>De pauze is zo lang als toegestaan in de wacht gezet.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo kan niet opslaan</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Kon Mirelo niet aan uw starter toevoegen: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Toegevoegd aan uw starter</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Korte pauze</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>De andere sneltoets gebruikt deze combinatie al.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Deze toets dient in elk programma om te navigeren of vensters te beantwoorden: kies een andere.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Voeg Ctrl, Alt of Super toe: een toets alleen zou aan alle programma&apos;s worden onttrokken.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Er is een nieuwe versie van Mirelo beschikbaar</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 staat klaar om te installeren; u hebt %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>U hebt de nieuwste versie!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 is de nieuwste beschikbare versie.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Fout bij bijwerken!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Er is een fout opgetreden bij het ophalen van de update-informatie.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Niet storen staat aan</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>het scherm wordt aan gehouden</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>microfoon in gebruik</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>camera in gebruik</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>scherm gedeeld</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>schermvullend venster</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Dit toetsenbord heeft zo&apos;n toets niet.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Een ander programma gebruikt deze combinatie al.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>De X-server heeft deze combinatie geweigerd.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 de ontwikkelaars van Mirelo. Vrije software onder de GNU GPL, versie 3 of later.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>De ontwikkelaars van Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Dankbetuigingen</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versie %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Over Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliotheek</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>%@ afsluiten?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Toegangscode vereist</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Ontgrendelen met uw vingerafdruk</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Toegangscode</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>foto door %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Neem een pauze</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Weer aan het werk!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Neem een pauze om gefocust te blijven</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Pauze overslaan, Pomodoro starten</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Pauze 1 minuut uitstellen</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Pauze stoppen</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Nog %1 in deze pauze</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Onjuiste toegangscode. Typ hem opnieuw.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Toegangscode instellen</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Vier letters of cijfers. Wordt gevraagd voordat een pauze vroegtijdig kan eindigen.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>De toegangscodes komen niet overeen</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Typ een toegangscode van 4 letters of cijfers</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>De toegangscode moet 4 tekens lang zijn</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Typ de toegangscode nogmaals bij ‘Herhalen’</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Vergrendeling met toegangscode</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Om een toegangscode vragen om een pauze vroegtijdig te beëindigen en aan het einde</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Toegangscode wijzigen…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Vragen</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>meteen</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>na 5 seconden</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>na 10 seconden</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>na 1 minuut</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Ontgrendelen met een vingerafdruk</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Globale sneltoetsen</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Korte pauze</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pauzeren of hervatten</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Kies een veld (klik, spatie of Enter) en druk dan op de combinatie; Backspace wist haar, Escape behoudt de oude.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Logboeken en starters</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Logboeken tonen in bestandsbeheer</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Acties aan de starter toevoegen</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Pagina over starterintegratie</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>minuut</numerusform>
            <numerusform>minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Lange pauze na</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Geluid afspelen als een pauze afloopt</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Aftelling tonen op het systeemvakpictogram</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Voortgang als taartdiagram tonen op het systeemvakpictogram</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Pomodoro starten wanneer Mirelo start</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Mirelo starten bij aanmelden</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Keuzes aanbieden als een pauze gestopt wordt</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Geen annuleren tijdens de pauze</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Een Pomodoro stoppen als ik afwezig ben</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Zo lang geen invoer, of het scherm zo lang vergrendeld, stopt de Pomodoro; voor de afwezige tijd wordt niets vastgelegd.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Afwezig na</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Pauzes in de wacht zetten tijdens gesprekken, presentaties en schermvullend werk</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Zolang de microfoon, de camera of schermdelen in gebruik is, Niet storen aan staat of een schermvullend venster de focus heeft, wacht de pauze en begint ze daarna.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Maximaal wachten</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>korte pauze</numerusform>
            <numerusform>korte pauzes</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Pauzeachtergrond</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Bureaubladachtergrond</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Foto van de dag</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Vervaagd scherm</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citaten</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Geen citaten</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Mijn eigen citaten</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Eén citaat per regel</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Geen — kies om op te nemen</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Druk op een sneltoets… (Escape annuleert)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Voorbeeld van de pauze</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorige dag</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Volgende dag</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Nog geen timer</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exporteren…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>de gegevens kunnen nu niet worden gelezen (de database is in gebruik of beschadigd)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Pomodoro starten</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Korte pauze</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Korte pauze stoppen</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Lange pauze stoppen</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Pauzescherm sluiten</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistieken…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Voorkeuren…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controleren op updates…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Suggestie sturen…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Mirelo beoordelen…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Pomodoro stoppen</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Ontgrendel met uw toegangscode.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Kon niet opslaan: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Opgeslagen in %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Mirelo starten bij het aanmelden</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Wijzigen in systeeminstellingen…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Deze desktop biedt programma’s geen globale sneltoetsen. Koppel in plaats daarvan in de toetsenbordinstellingen een toets aan een Mirelo-opdracht, bijvoorbeeld: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>De desktop bepaalt welke toetsen hij koppelt en kan het u eerst vragen.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Wijzig ze bij de sneltoetsen in de systeeminstellingen van uw desktop.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Nog niet gekoppeld door de desktop</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Gekoppeld door de desktop: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Pauze zodra u stopt met het delen van het scherm</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Pauze zodra u het volledige scherm verlaat</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Pauze wacht zolang u bezig bent</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>De foto kon niet worden geladen. Kies een andere afbeelding of probeer het opnieuw als je online bent.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Het scherm kon niet worden vastgelegd: pauzes tonen de ingebouwde afbeelding.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Pauzes tonen een vervaagde afbeelding van wat elk scherm toont.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Geen bureaubladachtergrond gevonden: pauzes tonen de ingebouwde afbeelding.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Geen bureaubladachtergrond ingesteld: pauzes tonen in plaats daarvan een vervaagde afbeelding van het scherm.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n afgerond interval kan niet op schijf bewaard worden en gaat verloren als Mirelo stopt voordat de gegevens opgeslagen zijn. Maak schijfruimte vrij.</numerusform>
            <numerusform>%n afgeronde intervallen kunnen niet op schijf bewaard worden en gaan verloren als Mirelo stopt voordat de gegevens opgeslagen zijn. Maak schijfruimte vrij.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>De schijf is vol. Mirelo bewaart je gegevens apart en slaat ze op zodra er ruimte is.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>De database met gegevens is alleen-lezen. Maak hem weer schrijfbaar; tot dan bewaart Mirelo je gegevens apart.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kan zijn database met gegevens niet aanmaken. Maak de gegevensmap schrijfbaar; tot dan bewaart Mirelo je gegevens apart.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kan zijn database met gegevens niet lezen. Controleer de rechten van het bestand; tot dan bewaart Mirelo je gegevens apart.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Deze pauze kan niet eerder worden beëindigd: ‘Geen annuleren tijdens de pauze’ in Voorkeuren › Algemeen.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>De pauze is voorbij. Typ je toegangscode om terug te gaan naar je bureaublad.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Geen e-mailprogramma</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Schrijf vanuit je e-mail naar %1. Het adres staat op het klembord.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Geen softwarecentrum</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Beoordeel Mirelo in je softwarecentrum of op https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>De updateserver is niet bereikbaar. Controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo kon zijn voorkeuren niet lezen</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Het bestand is bewaard als %1. Mirelo draait voorlopig op de standaardinstellingen en bewaart alleen de instellingen die u wijzigt.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Openen in &amp;browser</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 van %2 tekens getypt</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Gepauzeerde Pomodoro stoppen na</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Focustijd</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, in minuten</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>Standaard he&amp;rstellen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>De duur, het systeemvakpictogram, de pauze en de afwezigheidsinstellingen gaan terug naar hoe Mirelo geleverd werd. ‘Mirelo starten bij aanmelden’ blijft zoals het is.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>De pauzeachtergrond en de citaten gaan terug naar hoe Mirelo geleverd werd. De citaten die u zelf schreef, blijven bewaard.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>De vergrendeling met toegangscode wordt uitgeschakeld, en haar vertraging, de vingerafdruk en de globale sneltoetsen gaan terug naar hoe Mirelo geleverd werd. Uw toegangscode blijft bewaard voor als u de vergrendeling weer inschakelt.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaard herstellen</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>De standaardinstellingen van ‘%1’ herstellen?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citaten van het web</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Ingebouwde citaten</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Kies ‘Mijn eigen citaten’ om ze te bewerken.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Mirelo-voorkeuren — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Er loopt geen timer.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Er loopt een timer; stop die eerst met ‘mirelo stop’.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>De Pomodoro is al gepauzeerd.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Er loopt geen Pomodoro; pauzes kunnen niet gepauzeerd worden.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Er is geen Pomodoro gepauzeerd.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Toegangscode:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Herhalen:</translation>
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
        <translation>Korte pauze</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pomodoro pauzeren of hervatten</translation>
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
        <translation>%1 u %2 min</translation>
    </message>
</context>
<context>
    <name>StatViewController</name>
    <message>
        <source>&amp;Pomodoros</source>
        <translation>&amp;Pomodoro&apos;s</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Alleen Pomodoro&apos;s tonen</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>A&amp;lle</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Ook pauzes tonen</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervallen van de dag</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;exporteren…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Korte pauze</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Lange pauze</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 om %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodoro&apos;s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n interval</numerusform>
            <numerusform>%n intervallen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Niets vastgelegd</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 gefocust</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n pauze</numerusform>
            <numerusform>%n pauzes</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo kan zijn gegevens niet lezen</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Voortgang van de export</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Export annuleren</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Export geannuleerd; het bestand is niet geschreven.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Mirelo-statistieken</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Maand</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 van %n vandaag</numerusform>
            <numerusform>%1 van %n vandaag</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n dag op rij</numerusform>
            <numerusform>%n dagen op rij</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo draait niet</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Er loopt geen timer</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pauze in de wacht: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro gepauzeerd, nog %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, nog %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Korte pauze, nog %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Lange pauze, nog %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 van %n vandaag</numerusform>
            <numerusform>%1 van %n vandaag</numerusform>
        </translation>
    </message>
</context>
</TS>
