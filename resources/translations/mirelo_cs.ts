<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Ikona Mirelo</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Přestávka — zbývá %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Přestávka</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Zbývá %n sekunda</numerusform>
            <numerusform>Zbývají %n sekundy</numerusform>
            <numerusform>Zbývá %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Zbývá %n minuta</numerusform>
            <numerusform>Zbývají %n minuty</numerusform>
            <numerusform>Zbývá %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Zbývá: %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Otevřít %1 v prohlížeči</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Knihovny, na kterých je Mirelo postaveno</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Vítejte zpět — byli jste pryč %n min</numerusform>
            <numerusform>Vítejte zpět — byli jste pryč %n min</numerusform>
            <numerusform>Vítejte zpět — byli jste pryč %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Pomodoro se během vaší nepřítomnosti zastavilo; nic nebylo zaznamenáno.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Spustit pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 selhalo: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: neznámý příkaz „%1“</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo neběží. Nejdřív jej spusťte příkazem `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: časovač nelze přečíst: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 odmítnuto: %2</translation>
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
        <translation>Použití: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
                 status | preferences | statistics]
Bez příkazu spustí Mirelo v oznamovací oblasti.
  pomodoro     spustí pomodoro
  short-break  spustí krátkou přestávku
  long-break   spustí dlouhou přestávku
  stop         zastaví běžící časovač
  pause        pozastaví běžící pomodoro
  resume       obnoví pozastavené pomodoro
  status       vypíše &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (stav &quot;held&quot;, když přestávka čeká na
               konec hovoru, &quot;paused&quot;, když je pomodoro pozastaveno)
    --follow     vypisovat řádek při každé změně a každou minutu, pro stavové lišty
    --json       vypsat každý jako objekt JSON (text, tooltip, class, percentage)
  preferences  otevře okno nastavení
  statistics   otevře okno statistik
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro zastaveno</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Pomodoro bylo pozastaveno déle než %n minutu.</numerusform>
            <numerusform>Pomodoro bylo pozastaveno déle než %n minuty.</numerusform>
            <numerusform>Pomodoro bylo pozastaveno déle než %n minut.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Poslední minuta!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Brzy je čas na přestávku!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Denní cíl splněn</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>Dnes %n pomodoro. Dní v řadě: %1</numerusform>
            <numerusform>Dnes %n pomodoro. Dní v řadě: %1</numerusform>
            <numerusform>Dnes %n pomodoro. Dní v řadě: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n pomodoro</numerusform>
            <numerusform>%n pomodoro</numerusform>
            <numerusform>%n pomodoro</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Denní cíl</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Počet pomodoro za den. Zobrazuje se v tipu ikony v oznamovací oblasti a ve statistikách spolu s počtem dní v řadě, kdy byl splněn.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Upozornit při splnění cíle</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Časovač soustředění</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Pracujte v intervalech pomodoro a dělejte si přestávky</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;časovač;soustředění;koncentrace;přestávka;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Spustit pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Krátká přestávka</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Dlouhá přestávka</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Zastavit časovač</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiky</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Časovač soustředění s povinnými přestávkami</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo řídí cyklus pomodoro z oznamovací oblasti: práce, pak krátká nebo dlouhá přestávka, která až do svého konce zakryje všechny obrazovky. Zaznamenává každý dokončený interval a lze jej ovládat z nabídky, akcemi v nabídce aplikací, přes D-Bus a z příkazového řádku.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Průběžný odpočet v oznamovací oblasti a upozornění minutu před koncem pomodoro</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Přestávky přes všechny monitory s fotografií nebo pozadím plochy a citátem</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Volitelné pravidlo, že přestávku nelze ukončit předčasně</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Každý dokončený interval uložený v místní databázi SQLite</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Dálkové ovládání: mirelo pomodoro, short-break, long-break, stop a status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Krátká přestávka zakryje všechny obrazovky svým odpočtem</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Po skončení přestávky vás Mirelo pozve zpět k práci</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>časovač soustředění s povinnými přestávkami</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Dokončení</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zvonek</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budík</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nová zpráva</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informace</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Pozornost</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Na konci pomodoro</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Na konci přestávky</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>V poslední minutě</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Vybrat zvuk</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádný</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Soubor…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Hlasitost: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Přehrát</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Přehrát: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Zvuky WAV nebo Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Tento soubor nelze přehrát: přehrát lze jen soubory WAV a Ogg Vorbis. Místo něj zazní zvuk motivu.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>„%1“ nelze přehrát: přehrát lze jen soubory WAV a Ogg Vorbis.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Minuty soustředění za posledních sedm dní</translation>
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
        <translation>Předchozí týden</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Předchozí měsíc</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Předchozí rok</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Další týden</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Další měsíc</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Další rok</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n pomodoro, %1 soustředění</numerusform>
            <numerusform>%n pomodoro, %1 soustředění</numerusform>
            <numerusform>%n pomodoro, %1 soustředění</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Nejrušnější den: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>V tomto období žádné pomodoro</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n pomodoro, %2</numerusform>
            <numerusform>%1: %n pomodoro, %2</numerusform>
            <numerusform>%1: %n pomodoro, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Nejrušnější týden: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Nebyla nalezena čtečka otisků prstů.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Není zaregistrován žádný otisk prstu: přidejte jej v nastavení uživatelů prostředí.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>hovorů a mikrofonu</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>kamery</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>sdílení obrazovky</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>oken na celou obrazovku</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>režimu Nerušit</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programů, které udržují obrazovku zapnutou</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Odkládat přestávky při</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Odkládat přestávky při: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo běží bez ikony v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Časovače spouštějte a zastavujte akcemi Mirelo v nabídce aplikací nebo příkazy „mirelo pomodoro“, „mirelo stop“ a „mirelo status“ v terminálu. Chcete-li ikonu, zapněte rozšíření pro oznamovací oblast (AppIndicator v GNOME).</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo již běží.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: chybí sběrnice sezení; běží bez skriptování a bez kontroly jediné instance.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Přestávka po skončení hovoru</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Přestávka odložena: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Přestávka za minutu</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>Přestávka byla odkládána nejdéle, jak je povoleno.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo nemůže ukládat</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Mirelo se nepodařilo přidat do nabídky aplikací: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Přidáno do nabídky aplikací</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Krátká přestávka</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Dlouhá přestávka</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Tuto kombinaci už používá jiná zkratka Mirelo.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Tato klávesa slouží v každém programu k pohybu nebo k odpovědi v oknech: zvolte jinou.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Přidejte Ctrl, Alt nebo Super: samotná klávesa by byla odebrána všem ostatním programům.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Je dostupná nová verze Mirelo</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 je připraveno k instalaci; máte verzi %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Máte nejnovější verzi!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 je nejnovější dostupná verze.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Chyba aktualizace!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Při získávání informací o aktualizacích došlo k chybě.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>zapnutý režim Nerušit</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>obrazovka se nevypíná</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>mikrofon se používá</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>kamera se používá</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>obrazovka je sdílena</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>okno na celou obrazovku</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Tato klávesnice takovou klávesu nemá.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Tuto kombinaci už používá jiný program.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>X server tuto kombinaci odmítl.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 vývojáři Mirelo. Svobodný software pod licencí GNU GPL verze 3 nebo novější.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Vývojáři Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Poděkování</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Verze %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>O aplikaci Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Knihovna</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Domovská stránka</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Ukončit %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Vyžadován přístupový kód</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Odemknout otiskem prstu</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Přístupový kód</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>foto: %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Dejte si přestávku</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Zpět do práce!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Přestávka pomáhá udržet soustředění</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Přeskočit přestávku a spustit pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Odložit přestávku o 1 minutu</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Zastavit přestávku</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Do konce přestávky zbývá %1</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Chybný kód. Zadejte jej znovu.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Nastavit přístupový kód</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Čtyři písmena nebo číslice. Vyžaduje se před předčasným ukončením přestávky.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potvrdit</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Kódy se neshodují</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Zadejte kód ze 4 písmen nebo číslic</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Kód musí mít 4 znaky</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Zadejte kód znovu do pole Ověření</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Zámek přístupovým kódem</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Vyžadovat kód k předčasnému ukončení přestávky a na jejím konci</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Změnit kód…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Vyžadovat</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>ihned</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>po 5 sekundách</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>po 10 sekundách</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>po 1 minutě</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Odemykat otiskem prstu</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Globální klávesové zkratky</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Spustit pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Krátká přestávka</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pozastavit nebo pokračovat</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Vyberte pole (kliknutím, mezerníkem nebo klávesou Enter) a stiskněte kombinaci; Backspace ji vymaže, Escape ponechá původní.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Protokoly a nabídka aplikací</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Zobrazit protokoly ve správci souborů</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Přidat akce do nabídky aplikací</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Stránka o integraci</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>minuta</numerusform>
            <numerusform>minuty</numerusform>
            <numerusform>minut</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Dlouhá přestávka</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Dlouhá přestávka po</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Přehrát zvuk na konci přestávky</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Zobrazovat odpočet na ikoně v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Zobrazovat průběh jako výseč na ikoně</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Při spuštění Mirelo spustit pomodoro</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Spouštět Mirelo po přihlášení</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Při zastavení přestávky nabídnout možnosti</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Zakázat zrušení přestávky</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Zastavit pomodoro při mé nepřítomnosti</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Pokud po tuto dobu nepřijde žádný vstup nebo je obrazovka tak dlouho zamčená, pomodoro se zastaví; doba nepřítomnosti se nezaznamená.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Doba do nepřítomnosti</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Odkládat přestávky během hovorů, prezentací a práce na celou obrazovku</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Když se používá mikrofon, kamera nebo sdílení obrazovky, je zapnutý režim Nerušit nebo je aktivní okno na celou obrazovku, přestávka počká a začne, až to skončí.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Nejdelší odklad</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>krátké přestávce</numerusform>
            <numerusform>krátkých přestávkách</numerusform>
            <numerusform>krátkých přestávkách</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Pozadí přestávky</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Pozadí plochy</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Fotka dne</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Rozmazaná obrazovka</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citáty</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Bez citátů</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Vlastní citáty</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Jeden citát na řádek</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Žádná — vyberte a nastavte</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Stiskněte zkratku… (Escape ruší)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Náhled přestávky</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Předchozí den</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Další den</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Zatím žádný časovač</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportovat CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>záznamy teď nelze přečíst (databáze se používá nebo je poškozená)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Spustit pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Krátká přestávka</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Dlouhá přestávka</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Zastavit krátkou přestávku</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Zastavit dlouhou přestávku</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Zavřít obrazovku přestávky</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiky…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Nastavení…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Zkontrolovat aktualizace…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Poslat návrh…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Ohodnotit Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Zastavit pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Odemkněte prosím přístupovým kódem.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Nelze uložit: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Uloženo do %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Spouštět Mirelo po přihlášení</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Změnit v nastavení systému…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Toto prostředí neposkytuje programům globální klávesové zkratky. V jeho nastavení klávesnice přiřaďte klávesu příkazu Mirelo, například: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Prostředí samo rozhoduje, které klávesy přiřadí, a může se vás nejdřív zeptat.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Změňte je v klávesových zkratkách v nastavení systému vašeho prostředí.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Prostředí zatím nepřiřadilo</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Přiřazeno prostředím: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Přestávka, až přestanete sdílet obrazovku</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Přestávka, až opustíte celou obrazovku</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Přestávka čeká, dokud jste zaneprázdněni</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Fotografii se nepodařilo načíst. Vyberte jiný obrázek, nebo to zkuste znovu, až budete online.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Obrazovku se nepodařilo zachytit: přestávky ukážou vestavěný obrázek.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Přestávky ukazují rozmazaný obraz toho, co ukazuje každá obrazovka.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Nebyla nalezena tapeta plochy: přestávky ukážou vestavěný obrázek.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Tapeta plochy není nastavena: přestávky místo ní ukazují rozmazaný obraz obrazovky.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n dokončený interval nelze uložit na disk a ztratí se, pokud se Mirelo ukončí dřív, než půjde záznamy uložit. Uvolněte místo na disku.</numerusform>
            <numerusform>%n dokončené intervaly nelze uložit na disk a ztratí se, pokud se Mirelo ukončí dřív, než půjde záznamy uložit. Uvolněte místo na disku.</numerusform>
            <numerusform>%n dokončených intervalů nelze uložit na disk a ztratí se, pokud se Mirelo ukončí dřív, než půjde záznamy uložit. Uvolněte místo na disku.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Disk je plný. Mirelo si záznamy uschová stranou a uloží je, jakmile bude místo.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>Databáze záznamů je jen pro čtení. Povolte do ní znovu zápis; Mirelo si do té doby záznamy uschová stranou.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo nemůže vytvořit databázi záznamů. Povolte zápis do jeho datové složky; Mirelo si do té doby záznamy uschová stranou.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo nemůže číst databázi záznamů. Zkontrolujte oprávnění souboru; Mirelo si do té doby záznamy uschová stranou.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Tuto přestávku nelze ukončit předčasně: „Zakázat zrušení přestávky“ v Nastavení › Obecné.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>Přestávka skončila. Zadejte heslo a vraťte se na plochu.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Žádný poštovní program</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Napište na %1 ze své pošty. Adresa je ve schránce.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Žádné centrum softwaru</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Ohodnoťte Mirelo ve svém centru softwaru nebo na https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Server s aktualizacemi není dostupný. Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo nemohl přečíst své předvolby</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Soubor byl uschován jako %1. Mirelo zatím běží s výchozím nastavením a ukládá jen nastavení, která změníte.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuta</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Otevřít v &amp;prohlížeči</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>Zadáno znaků: %1 z %2</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Nejdelší pozastavení pomodoro</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Doba soustředění</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, v minutách</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Obnovit výchozí</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Délky, ikona v oznamovací oblasti a nastavení přestávky a nepřítomnosti se vrátí k původním hodnotám. Spouštění po přihlášení zůstane beze změny.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Pozadí přestávky a citáty se vrátí k původním hodnotám. Vaše vlastní citáty zůstanou zachovány.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Zámek přístupovým kódem se vypne a jeho prodleva, otisk prstu a globální zkratky se vrátí k původním hodnotám. Váš kód zůstane uložen pro případ, že zámek znovu zapnete.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Obnovit výchozí nastavení karty „%1“?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citáty z webu</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Vestavěné citáty</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Chcete-li citáty upravit, zvolte „Vlastní citáty“.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Nastavení Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Neběží žádný časovač.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Běží časovač; nejprve jej zastavte příkazem „mirelo stop“.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Pomodoro je již pozastaveno.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Neběží žádné pomodoro; přestávky pozastavit nelze.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Žádné pomodoro není pozastaveno.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Kód:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Ověření:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Spustit pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Krátká přestávka</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pozastavit nebo obnovit pomodoro</translation>
    </message>
</context>
<context>
    <name>StatRow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n s</numerusform>
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
        <translation>&amp;Pomodoro</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Zobrazit jen pomodoro</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Vše</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Zobrazit i přestávky</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervaly dne</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportovat CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Krátká přestávka</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Dlouhá přestávka</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 v %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n pomodoro</numerusform>
            <numerusform>%n pomodoro</numerusform>
            <numerusform>%n pomodoro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n interval</numerusform>
            <numerusform>%n intervaly</numerusform>
            <numerusform>%n intervalů</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Nic nezaznamenáno</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 soustředění</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n přestávka</numerusform>
            <numerusform>%n přestávky</numerusform>
            <numerusform>%n přestávek</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo nemůže přečíst své záznamy</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Průběh exportu</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Zrušit export</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Export zrušen; soubor nebyl zapsán.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Statistiky Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Den</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Týden</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Měsíc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 z %n dnes</numerusform>
            <numerusform>%1 z %n dnes</numerusform>
            <numerusform>%1 z %n dnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n den v řadě</numerusform>
            <numerusform>%n dny v řadě</numerusform>
            <numerusform>%n dní v řadě</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo neběží</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Neběží žádný časovač</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Přestávka odložena: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro pozastaveno, zbývá %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, zbývá %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Krátká přestávka, zbývá %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Dlouhá přestávka, zbývá %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 z %n dnes</numerusform>
            <numerusform>%1 z %n dnes</numerusform>
            <numerusform>%1 z %n dnes</numerusform>
        </translation>
    </message>
</context>
</TS>
