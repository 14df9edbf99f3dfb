<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Przerwa — pozostało %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Przerwa</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Została %n sekunda</numerusform>
            <numerusform>Zostały %n sekundy</numerusform>
            <numerusform>Zostało %n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Została %n minuta</numerusform>
            <numerusform>Zostały %n minuty</numerusform>
            <numerusform>Zostało %n minut</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Pozostało: %1 %2</translation>
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
        <translation>Otwórz %1 w przeglądarce</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Biblioteki, na których zbudowano Mirelo</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Witamy ponownie — nieobecność: %n min</numerusform>
            <numerusform>Witamy ponownie — nieobecność: %n min</numerusform>
            <numerusform>Witamy ponownie — nieobecność: %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Pomodoro zostało zatrzymane podczas nieobecności; nic nie zapisano.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Rozpocznij pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 nie powiodło się: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: nieznane polecenie „%1”</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo nie działa. Najpierw uruchom je poleceniem `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: nie można odczytać minutnika: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 odrzucono: %2</translation>
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
        <translation>Użycie: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
                status | preferences | statistics]
Bez polecenia uruchamia Mirelo w zasobniku systemowym.
  pomodoro     rozpoczyna pomodoro
  short-break  rozpoczyna krótką przerwę
  long-break   rozpoczyna długą przerwę
  stop         zatrzymuje bieżący minutnik
  pause        wstrzymuje bieżące pomodoro
  resume       wznawia wstrzymane pomodoro
  status       wypisuje &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (stan &quot;held&quot;, gdy przerwa czeka na
               koniec rozmowy, &quot;paused&quot;, gdy pomodoro jest wstrzymane)
    --follow     wypisuje wiersz przy każdej zmianie i co minutę, dla pasków stanu
    --json       wypisuje każdy jako obiekt JSON (text, tooltip, class, percentage)
  preferences  otwiera okno ustawień
  statistics   otwiera okno statystyk
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Zatrzymano pomodoro</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Pomodoro było wstrzymane dłużej niż %n minutę.</numerusform>
            <numerusform>Pomodoro było wstrzymane dłużej niż %n minuty.</numerusform>
            <numerusform>Pomodoro było wstrzymane dłużej niż %n minut.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Ostatnia minuta!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Już prawie czas na przerwę!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Dzienny cel osiągnięty</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>Dzisiaj %n pomodoro. Dni z rzędu: %1</numerusform>
            <numerusform>Dzisiaj %n pomodoro. Dni z rzędu: %1</numerusform>
            <numerusform>Dzisiaj %n pomodoro. Dni z rzędu: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
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
        <translation>Dzienny cel</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Liczba pomodoro dziennie. Jest widoczna w podpowiedzi ikony w zasobniku oraz w statystykach wraz z liczbą kolejnych dni, w których cel został osiągnięty.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Powiadamiaj o osiągnięciu celu</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Minutnik skupienia</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Pracuj w cyklach pomodoro i rób przerwy</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;minutnik;czasomierz;skupienie;koncentracja;przerwa;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Rozpocznij pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Krótka przerwa</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Zatrzymaj minutnik</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Minutnik skupienia z obowiązkowymi przerwami</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo prowadzi cykl pomodoro z zasobnika systemowego: praca, a potem krótka lub długa przerwa, która zakrywa wszystkie ekrany aż do swojego końca. Program zapisuje każdy ukończony interwał i można nim sterować z menu, za pomocą akcji w menu aplikacji, przez D-Bus i z wiersza poleceń.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Odliczanie na żywo w zasobniku i ostrzeżenie minutę przed końcem pomodoro</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Przerwy zakrywające wszystkie monitory, ze zdjęciem lub tapetą pulpitu i cytatem</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Opcjonalny zakaz wcześniejszego kończenia przerwy</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Każdy ukończony interwał zapisany w lokalnej bazie danych SQLite</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Zdalne sterowanie: mirelo pomodoro, short-break, long-break, stop i status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Krótka przerwa zakrywa wszystkie ekrany swoim odliczaniem</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Po zakończeniu przerwy Mirelo zaprasza z powrotem do pracy</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>minutnik skupienia z obowiązkowymi przerwami</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Ukończenie</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Dzwonek</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Budzik</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nowa wiadomość</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Na koniec pomodoro</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Na koniec przerwy</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>W ostatniej minucie</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Wybierz dźwięk</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Plik…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Głośność: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Odtwórz: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Dźwięki WAV lub Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Tego pliku nie można odtworzyć: odtwarzane są tylko pliki WAV i Ogg Vorbis. Zamiast niego zabrzmi dźwięk motywu.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>„%1” nie można odtworzyć: odtwarzane są tylko pliki WAV i Ogg Vorbis.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Minuty skupienia z ostatnich siedmiu dni</translation>
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
        <translation>Poprzedni tydzień</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Poprzedni miesiąc</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Poprzedni rok</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Następny tydzień</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Następny miesiąc</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Następny rok</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n pomodoro, %1 skupienia</numerusform>
            <numerusform>%n pomodoro, %1 skupienia</numerusform>
            <numerusform>%n pomodoro, %1 skupienia</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Najbardziej pracowity dzień: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Brak pomodoro w tym okresie</translation>
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
        <translation>Najbardziej pracowity tydzień: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Nie znaleziono czytnika odcisków palców.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Nie zarejestrowano żadnego odcisku palca: dodaj go w ustawieniach użytkowników środowiska.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>rozmów i mikrofonu</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>kamery</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>udostępniania ekranu</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>okien pełnoekranowych</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>trybu Nie przeszkadzać</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programów, które nie pozwalają wygasić ekranu</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Wstrzymuj przerwy podczas</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Wstrzymuj przerwy podczas: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo działa bez ikony w zasobniku</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Uruchamiaj i zatrzymuj minutniki za pomocą akcji Mirelo w menu aplikacji lub poleceniami „mirelo pomodoro”, „mirelo stop” i „mirelo status” w terminalu. Aby zobaczyć ikonę, włącz rozszerzenie zasobnika (AppIndicator w GNOME).</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo jest już uruchomione.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: brak magistrali sesji; działanie bez obsługi skryptów i bez sprawdzania pojedynczej instancji.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Przerwa po zakończeniu rozmowy</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Przerwa wstrzymana: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Przerwa za minutę</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>Przerwa była wstrzymywana najdłużej, jak to dozwolone.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo nie może zapisać danych</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Nie udało się dodać Mirelo do menu aplikacji: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Dodano do menu aplikacji</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Krótka przerwa</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Ta kombinacja jest już przypisana do innego skrótu.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Ten klawisz służy do nawigacji i odpowiadania w oknach wszystkich programów: wybierz inny.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Dodaj Ctrl, Alt lub Super: sam klawisz zostałby odebrany wszystkim programom.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Dostępna jest nowa wersja Mirelo</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 jest gotowe do instalacji; zainstalowana wersja to %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Masz najnowszą wersję!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 to najnowsza dostępna wersja.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Błąd aktualizacji!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Wystąpił błąd podczas pobierania informacji o aktualizacjach.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>włączony tryb „Nie przeszkadzać”</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>ekran nie jest wygaszany</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>mikrofon w użyciu</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>kamera w użyciu</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>ekran jest udostępniany</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>okno pełnoekranowe</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Ta klawiatura nie ma takiego klawisza.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Ta kombinacja jest już używana przez inny program.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>Serwer X odrzucił tę kombinację.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 twórcy Mirelo. Wolne oprogramowanie na licencji GNU GPL w wersji 3 lub nowszej.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Twórcy Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Podziękowania</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Wersja %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>O programie Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteka</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencja</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Zakończyć %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Wymagany kod dostępu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Odblokuj odciskiem palca</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Kod dostępu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>zdjęcie: %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Czas na przerwę</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Czas wrócić do pracy!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Przerwa pomaga zachować skupienie</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Pomiń przerwę i rozpocznij pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Odłóż przerwę o 1 minutę</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Zatrzymaj przerwę</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Do końca przerwy: %1</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Błędny kod. Wpisz go ponownie.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Ustaw kod dostępu</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Cztery litery lub cyfry. Wymagany przed wcześniejszym zakończeniem przerwy.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Kody nie są zgodne</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Wpisz kod z 4 liter lub cyfr</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Kod musi mieć 4 znaki</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Wpisz kod ponownie w polu „Powtórz”</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Blokada kodem dostępu</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Pytaj o kod przy wcześniejszym kończeniu przerwy i na jej koniec</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Zmień kod…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Pytaj o kod</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>od razu</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>po 5 sekundach</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>po 10 sekundach</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>po 1 minucie</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Odblokowywanie odciskiem palca</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Globalne skróty klawiszowe</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Rozpocznij pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Krótka przerwa</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Wstrzymaj lub wznów</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Wybierz pole (kliknięciem, klawiszem Spacja lub Enter), a następnie naciśnij kombinację; Backspace ją czyści, Escape zachowuje poprzednią.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Dzienniki i menu aplikacji</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Pokaż dzienniki w menedżerze plików</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Dodaj akcje do menu aplikacji</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Strona o integracji</translation>
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
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Długa przerwa po</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Odtwarzaj dźwięk na koniec przerwy</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Pokazuj odliczanie na ikonie w zasobniku</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Pokazuj postęp jako wykres kołowy na ikonie</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Rozpoczynaj pomodoro po uruchomieniu Mirelo</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Uruchamiaj Mirelo po zalogowaniu</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Proponuj opcje przy zatrzymaniu przerwy</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Nie pozwalaj anulować przerwy</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Zatrzymuj pomodoro podczas mojej nieobecności</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Brak aktywności przez ten czas lub ekran zablokowany tak długo zatrzymuje pomodoro; czas nieobecności nie jest zapisywany.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Czas do uznania nieobecności</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Wstrzymuj przerwy podczas rozmów, prezentacji i pracy na pełnym ekranie</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Gdy używany jest mikrofon, kamera lub udostępnianie ekranu, włączony jest tryb „Nie przeszkadzać” albo aktywne jest okno pełnoekranowe, przerwa czeka i zaczyna się, gdy to się skończy.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Maksymalne wstrzymanie</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>krótkiej przerwie</numerusform>
            <numerusform>krótkich przerwach</numerusform>
            <numerusform>krótkich przerwach</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Tło przerwy</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Tapeta pulpitu</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Zdjęcie dnia</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Rozmyty ekran</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Cytaty</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Bez cytatów</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Własne cytaty</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Jeden cytat w wierszu</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Brak — wybierz, aby ustawić</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Naciśnij skrót… (Escape anuluje)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Podgląd przerwy</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Poprzedni dzień</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Następny dzień</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Nie uruchomiono jeszcze minutnika</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Eksportuj CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>nie można teraz odczytać zapisów (baza danych jest w użyciu lub uszkodzona)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Rozpocznij pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Krótka przerwa</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Zatrzymaj krótką przerwę</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Zatrzymaj długą przerwę</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Zamknij ekran przerwy</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statystyki…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź aktualizacje…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Wyślij sugestię…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Oceń Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Zatrzymaj pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Odblokuj za pomocą kodu dostępu.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Nie udało się zapisać: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Zapisano w %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Uruchamiaj Mirelo po zalogowaniu</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Zmień w ustawieniach systemu…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>To środowisko nie udostępnia programom globalnych skrótów. W jego ustawieniach klawiatury przypisz klawisz do polecenia Mirelo, na przykład: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Środowisko samo decyduje, które klawisze przypisze, i może najpierw zapytać.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Zmień je w skrótach klawiszowych ustawień systemu swojego środowiska.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Jeszcze nieprzypisany przez środowisko</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Przypisany przez środowisko: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Przerwa, gdy przestaniesz udostępniać ekran</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Przerwa, gdy wyjdziesz z trybu pełnoekranowego</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Przerwa czeka, dopóki jesteś zajęty</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Nie udało się wczytać zdjęcia. Wybierz inny obraz albo spróbuj ponownie po połączeniu z siecią.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Nie udało się przechwycić ekranu: przerwy pokażą wbudowany obraz.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Przerwy pokazują rozmyty obraz tego, co widać na każdym ekranie.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Nie znaleziono tapety pulpitu: przerwy pokażą wbudowany obraz.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Nie ustawiono tapety pulpitu: przerwy pokazują zamiast niej rozmyty obraz ekranu.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n zakończonego interwału nie da się zachować na dysku i przepadnie, jeśli Mirelo zakończy działanie przed zapisaniem. Zwolnij miejsce na dysku.</numerusform>
            <numerusform>%n zakończonych interwałów nie da się zachować na dysku i przepadną, jeśli Mirelo zakończy działanie przed zapisaniem. Zwolnij miejsce na dysku.</numerusform>
            <numerusform>%n zakończonych interwałów nie da się zachować na dysku i przepadną, jeśli Mirelo zakończy działanie przed zapisaniem. Zwolnij miejsce na dysku.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Dysk jest pełny. Mirelo odkłada zapisy na bok i zapisze je, gdy zwolni się miejsce.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>Baza zapisów jest tylko do odczytu. Przywróć możliwość zapisu; do tego czasu Mirelo odkłada zapisy na bok.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo nie może utworzyć bazy zapisów. Umożliw zapis w jego folderze danych; do tego czasu Mirelo odkłada zapisy na bok.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo nie może odczytać bazy zapisów. Sprawdź uprawnienia pliku; do tego czasu Mirelo odkłada zapisy na bok.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Tej przerwy nie można zakończyć wcześniej: „Nie pozwalaj anulować przerwy” w Ustawienia › Ogólne.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>Przerwa się skończyła. Wpisz kod, aby wrócić do pulpitu.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Brak programu pocztowego</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Napisz na %1 ze swojej poczty. Adres jest w schowku.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Brak centrum oprogramowania</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Oceń Mirelo w centrum oprogramowania lub na https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Nie można połączyć się z serwerem aktualizacji. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo nie mógł odczytać swoich preferencji</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Plik zachowano jako %1. Mirelo działa na razie na ustawieniach domyślnych i zapisuje tylko ustawienia, które zmienisz.</translation>
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
        <translation>Otwórz w &amp;przeglądarce</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>Wpisano znaków: %1 z %2</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Maksymalny czas wstrzymania pomodoro</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Czas skupienia</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, w minutach</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>P&amp;rzywróć domyślne</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Długości, ikona w zasobniku oraz ustawienia przerwy i nieobecności wrócą do wartości początkowych. Uruchamianie po zalogowaniu pozostanie bez zmian.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Tło przerwy i cytaty wrócą do wartości początkowych. Własne cytaty zostaną zachowane.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Blokada kodem dostępu zostanie wyłączona, a jej opóźnienie, odcisk palca i globalne skróty wrócą do wartości początkowych. Kod dostępu zostanie zachowany na wypadek ponownego włączenia blokady.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Przywrócić domyślne ustawienia karty „%1”?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Cytaty z internetu</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Wbudowane cytaty</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Wybierz „Własne cytaty”, aby je edytować.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Ustawienia Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Żaden licznik nie działa.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Licznik działa; najpierw zatrzymaj go poleceniem „mirelo stop”.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Pomodoro jest już wstrzymane.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Żadne pomodoro nie trwa; przerw nie można wstrzymać.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Żadne pomodoro nie jest wstrzymane.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Powtórz:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Rozpocznij pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Krótka przerwa</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Wstrzymaj lub wznów pomodoro</translation>
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
        <translation>%1 godz. %2 min</translation>
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
        <translation>Pokazuj tylko pomodoro</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Wszystko</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Pokazuj też przerwy</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Interwały dnia</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Eksportuj CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Krótka przerwa</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Długa przerwa</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Interwał</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 o %2, %3</translation>
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
            <numerusform>%n interwał</numerusform>
            <numerusform>%n interwały</numerusform>
            <numerusform>%n interwałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Nic nie zapisano</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 skupienia</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n przerwa</numerusform>
            <numerusform>%n przerwy</numerusform>
            <numerusform>%n przerw</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo nie może odczytać swoich zapisów</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Postęp eksportu</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Anuluj eksport</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Eksport anulowany; plik nie został zapisany.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Statystyki Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Tydzień</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 z %n dzisiaj</numerusform>
            <numerusform>%1 z %n dzisiaj</numerusform>
            <numerusform>%1 z %n dzisiaj</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n dzień z rzędu</numerusform>
            <numerusform>%n dni z rzędu</numerusform>
            <numerusform>%n dni z rzędu</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo nie jest uruchomione</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Żaden minutnik nie działa</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Przerwa wstrzymana: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro wstrzymane, zostało %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, zostało %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Krótka przerwa, zostało %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Długa przerwa, zostało %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 z %n dzisiaj</numerusform>
            <numerusform>%1 z %n dzisiaj</numerusform>
            <numerusform>%1 z %n dzisiaj</numerusform>
        </translation>
    </message>
</context>
</TS>
