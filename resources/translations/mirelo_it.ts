<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Icona di Mirelo</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Pausa — mancano %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Manca %n secondo</numerusform>
            <numerusform>Mancano %n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Manca %n minuto</numerusform>
            <numerusform>Mancano %n minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Mancano %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Apri %1 nel browser</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Librerie su cui si basa Mirelo</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Bentornato — sei stato via %n min</numerusform>
            <numerusform>Bentornato — sei stato via %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Il Pomodoro si è fermato durante la tua assenza; non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Avvia un Pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 non riuscito: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: comando sconosciuto «%1»</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo non è in esecuzione. Avvialo prima con `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: impossibile leggere il timer: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 rifiutato: %2</translation>
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
        <translation>Uso: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
             status | preferences | statistics]
Senza comando, avvia Mirelo nell&apos;area di notifica.
  pomodoro     avvia un Pomodoro
  short-break  avvia una pausa breve
  long-break   avvia una pausa lunga
  stop         ferma il timer in corso
  pause        sospende il Pomodoro in corso
  resume       riprende il Pomodoro sospeso
  status       stampa &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (stato &quot;held&quot; mentre una pausa attende la fine
               di una chiamata, &quot;paused&quot; mentre il Pomodoro è sospeso)
    --follow     stampa una riga a ogni cambiamento e ogni minuto, per le barre di stato
    --json       stampa ognuna come oggetto JSON (text, tooltip, class, percentage)
  preferences  apre la finestra delle preferenze
  statistics   apre la finestra delle statistiche
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro fermato</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>È rimasto sospeso per più di %n minuto.</numerusform>
            <numerusform>È rimasto sospeso per più di %n minuti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Ultimo minuto!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>È quasi ora di fare una pausa!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Obiettivo giornaliero raggiunto</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro oggi. Giorni di fila: %1</numerusform>
            <numerusform>%n Pomodori oggi. Giorni di fila: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodori</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Obiettivo giornaliero</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodori al giorno, mostrati nel suggerimento dell&apos;icona nell&apos;area di notifica e nelle statistiche, con i giorni di fila in cui è stato raggiunto.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Avvisami quando raggiungo l&apos;obiettivo</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Timer di concentrazione</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Lavora a Pomodori e fai le tue pause</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;timer;concentrazione;pausa;produttività;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Avvia Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Pausa breve</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Ferma timer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Timer di concentrazione con pause obbligatorie</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo gestisce il ciclo Pomodoro dall&apos;area di notifica: lavoro, poi una pausa breve o lunga che copre ogni schermo fino alla fine. Registra ogni intervallo concluso e si può comandare dal menu, dalle azioni del lanciatore, tramite D-Bus e dalla riga di comando.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Un conto alla rovescia dal vivo nell&apos;area di notifica e un avviso un minuto prima della fine di un Pomodoro</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Pause che coprono ogni monitor, con una fotografia o lo sfondo della scrivania e una citazione</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Una regola facoltativa per cui una pausa non può essere terminata prima</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Ogni intervallo concluso è conservato in un database SQLite locale</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Controllo remoto: mirelo pomodoro, short-break, long-break, stop e status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Una pausa breve copre ogni schermo con il suo conto alla rovescia</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Quando una pausa è finita, Mirelo ti invita a tornare al lavoro</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>timer di concentrazione con pause obbligatorie</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campanello</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Sveglia</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nuovo messaggio</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Alla fine di un Pomodoro</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Alla fine di una pausa</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>All&apos;ultimo minuto</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Scegli un suono</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Un file…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volume: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Riproduci: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Suoni WAV o Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Questo file non può essere riprodotto: solo i file WAV e Ogg Vorbis possono esserlo. Al suo posto suona il suono del tema.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>«%1» non può essere riprodotto: solo i file WAV e Ogg Vorbis possono esserlo.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Minuti di concentrazione degli ultimi sette giorni</translation>
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
        <translation>Settimana precedente</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mese precedente</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Anno precedente</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Settimana successiva</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mese successivo</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Anno successivo</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 di concentrazione</numerusform>
            <numerusform>%n Pomodori, %1 di concentrazione</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Giorno più intenso: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Nessun Pomodoro in questo periodo</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n Pomodoro, %2</numerusform>
            <numerusform>%1: %n Pomodori, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Settimana più intensa: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Nessun lettore di impronte trovato.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Nessuna impronta registrata: aggiungine una nelle impostazioni utente del desktop.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>chiamate e microfono</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>la fotocamera</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>condivisione dello schermo</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>finestre a schermo intero</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Non disturbare</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programmi che tengono acceso lo schermo</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Trattenere le pause durante</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Trattenere le pause durante: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo è in esecuzione senza icona di notifica</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Avvia e ferma i timer dalle azioni del lanciatore di Mirelo oppure con «mirelo pomodoro», «mirelo stop» e «mirelo status» in un terminale. Attiva un&apos;estensione per l&apos;area di notifica (AppIndicator su GNOME) per avere l&apos;icona.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo è già in esecuzione.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: nessun bus di sessione; in esecuzione senza controllo tramite script né verifica di istanza singola.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Pausa alla fine della chiamata</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pausa in attesa: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Pausa tra un minuto</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>La pausa è rimasta in attesa per il tempo massimo consentito.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo non riesce a salvare</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Impossibile aggiungere Mirelo al lanciatore: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Aggiunto al tuo lanciatore</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Pausa breve</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>L&apos;altra scorciatoia usa già questa combinazione.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Questo tasto serve a spostarsi o a rispondere alle finestre in ogni programma: scegline un altro.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Aggiungi Ctrl, Alt o Super: un tasto da solo verrebbe tolto a tutti i programmi.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>È disponibile una nuova versione di Mirelo</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 è pronto per l&apos;installazione; hai la versione %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Hai già l&apos;ultima versione!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 è la versione più recente disponibile.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Errore di aggiornamento!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Si è verificato un errore nel recuperare le informazioni sugli aggiornamenti.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Non disturbare attivo</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>lo schermo è tenuto acceso</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>microfono in uso</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>fotocamera in uso</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>schermo condiviso</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>finestra a schermo intero</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Questa tastiera non ha questo tasto.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Un altro programma usa già questa combinazione.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>Il server X ha rifiutato questa combinazione.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 gli sviluppatori di Mirelo. Software libero sotto la GNU GPL, versione 3 o successiva.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Gli sviluppatori di Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Riconoscimenti</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versione %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Informazioni su Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Libreria</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Uscire da %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Codice richiesto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Sblocca con la tua impronta</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>foto di %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Fai una pausa</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Torna al lavoro!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Fai una pausa per restare concentrato</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Salta la pausa, avvia un Pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Posticipa la pausa di 1 minuto</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Ferma la pausa</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Mancano %1 alla fine della pausa</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Codice errato. Digitalo di nuovo.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Imposta codice</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Quattro lettere o cifre. Richiesto prima che una pausa possa finire in anticipo.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>I codici non corrispondono</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Digita un codice di 4 lettere o cifre</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Il codice deve avere 4 caratteri</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Digita di nuovo il codice in «Verifica»</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Blocco con codice</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Chiedi un codice per terminare una pausa in anticipo e alla sua fine</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Cambia codice…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Richiedilo</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>subito</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>dopo 5 secondi</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>dopo 10 secondi</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>dopo 1 minuto</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Sblocca con un&apos;impronta digitale</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Scorciatoie globali</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Avvia un Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pausa breve</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Sospendi o riprendi</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Scegli un campo (clic, Spazio o Invio), poi premi la combinazione; Backspace la cancella, Esc mantiene quella precedente.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Log e lanciatori</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Mostra i log nel gestore di file</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Aggiungi azioni al lanciatore</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Pagina di integrazione con i lanciatori</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>minuto</numerusform>
            <numerusform>minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Fai una pausa lunga dopo</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Riproduci un suono alla fine di una pausa</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Mostra il conto alla rovescia sull&apos;icona di notifica</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Mostra l&apos;avanzamento come torta sull&apos;icona di notifica</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Avvia un Pomodoro all&apos;avvio di Mirelo</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Avvia Mirelo all&apos;accesso</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Offri delle scelte quando una pausa viene fermata</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Nessun annullamento durante la pausa</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Ferma un Pomodoro quando sono assente</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Nessun input per questo tempo, o lo schermo bloccato altrettanto, ferma il Pomodoro; per il tempo di assenza non viene registrato nulla.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Assente dopo</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Metti in attesa le pause durante chiamate, presentazioni e lavoro a schermo intero</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Mentre il microfono, la fotocamera o una condivisione dello schermo sono in uso, Non disturbare è attivo o una finestra a schermo intero ha il focus, la pausa attende e inizia quando finiscono.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Attendi al massimo</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>pausa breve</numerusform>
            <numerusform>pause brevi</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Sfondo della pausa</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Sfondo della scrivania</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Foto del giorno</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Schermo sfocato</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citazioni</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Nessuna citazione</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Le mie citazioni</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Una citazione per riga</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Nessuna — scegli per registrare</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Premi una scorciatoia… (Esc per annullare)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Anteprima della pausa</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Giorno precedente</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Giorno successivo</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Ancora nessun timer</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Esporta CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>i dati non possono essere letti ora (il database è in uso o danneggiato)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Avvia Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Pausa breve</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Ferma pausa breve</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Ferma pausa lunga</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Chiudi la schermata di pausa</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiche…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Controlla aggiornamenti…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Invia un suggerimento…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Valuta Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Ferma Pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Sblocca con il tuo codice.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Impossibile salvare: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Avvia Mirelo all’accesso</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Modifica nelle impostazioni di sistema…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Questo desktop non offre scorciatoie globali ai programmi. Nelle sue impostazioni della tastiera, assegna invece un tasto a un comando di Mirelo, per esempio: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Il desktop decide quali tasti assegnare e potrebbe chiedertelo prima.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Modificale nelle scorciatoie da tastiera delle impostazioni di sistema del desktop.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Non ancora assegnata dal desktop</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Assegnata dal desktop: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Pausa quando smetti di condividere lo schermo</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Pausa quando esci dallo schermo intero</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>La pausa attende finché sei occupato</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Impossibile caricare la foto. Scegli un’altra immagine o riprova quando sei online.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Impossibile catturare lo schermo: le pause mostreranno l’immagine integrata.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Le pause mostrano un’immagine sfocata di ciò che mostra ogni schermo.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Nessuna immagine del desktop trovata: le pause mostreranno l’immagine integrata.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Nessuna immagine del desktop impostata: le pause mostrano invece un’immagine sfocata dello schermo.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n intervallo concluso non può essere conservato sul disco e andrà perso se Mirelo si chiude prima di poter salvare i dati. Libera spazio sul disco.</numerusform>
            <numerusform>%n intervalli conclusi non possono essere conservati sul disco e andranno persi se Mirelo si chiude prima di poter salvare i dati. Libera spazio sul disco.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Il disco è pieno. Mirelo tiene da parte i tuoi dati e li salva appena c’è spazio.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>Il database dei dati è in sola lettura. Rendilo di nuovo scrivibile; fino ad allora Mirelo tiene da parte i tuoi dati.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo non riesce a creare il database dei dati. Rendi scrivibile la sua cartella dei dati; fino ad allora Mirelo tiene da parte i tuoi dati.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo non riesce a leggere il database dei dati. Controlla i permessi del file; fino ad allora Mirelo tiene da parte i tuoi dati.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Questa pausa non può finire prima: «Nessun annullamento durante la pausa» in Preferenze › Generali.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>La pausa è finita. Digita il codice per tornare alla scrivania.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Nessun programma di posta</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Scrivi a %1 dalla tua posta. L’indirizzo è negli appunti.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Nessun centro software</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Valuta Mirelo nel tuo centro software o su https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Impossibile raggiungere il server degli aggiornamenti. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo non è riuscito a leggere le sue preferenze</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Il file è stato conservato come %1. Per ora Mirelo usa le impostazioni predefinite e salva solo le impostazioni che modifichi.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Apri nel &amp;browser</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 di %2 caratteri digitati</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Ferma un Pomodoro sospeso dopo</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Tempo di concentrazione</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, in minuti</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Ripristina predefiniti</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Le durate, l&apos;icona di notifica, la pausa e le impostazioni di assenza tornano come erano in origine. «Avvia Mirelo all&apos;accesso» resta com&apos;è.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Lo sfondo della pausa e le citazioni tornano come erano in origine. Le citazioni che hai scritto vengono conservate.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Il blocco con codice viene disattivato, e il suo ritardo, l&apos;impronta digitale e le scorciatoie globali tornano come erano in origine. Il tuo codice viene conservato per quando riattiverai il blocco.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Ripristinare le impostazioni predefinite di «%1»?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citazioni dal web</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Citazioni incluse</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Scegli «Le mie citazioni» per modificarle.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Preferenze di Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Nessun timer in corso.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Un timer è in corso; fermalo prima con «mirelo stop».</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Il Pomodoro è già in pausa.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Nessun Pomodoro in corso; le pause non si possono sospendere.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Nessun Pomodoro in pausa.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Codice:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Verifica:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Avvia un Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pausa breve</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Sospendi o riprendi il Pomodoro</translation>
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
        <translation>&amp;Pomodori</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Mostra solo i Pomodori</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Tutti</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Mostra anche le pause</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervalli del giorno</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Esporta CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pausa breve</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa lunga</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 alle %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
            <numerusform>%n Pomodori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n intervallo</numerusform>
            <numerusform>%n intervalli</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Nessuna registrazione</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 di concentrazione</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n pausa</numerusform>
            <numerusform>%n pause</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo non riesce a leggere i suoi dati</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Avanzamento dell’esportazione</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Annulla l’esportazione</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Esportazione annullata; il file non è stato scritto.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Statistiche di Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Settimana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mese</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 di %n oggi</numerusform>
            <numerusform>%1 di %n oggi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n giorno di fila</numerusform>
            <numerusform>%n giorni di fila</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo non è in esecuzione</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Nessun timer in corso</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pausa in attesa: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro in pausa, mancano %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, mancano %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Pausa breve, mancano %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Pausa lunga, mancano %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 di %n oggi</numerusform>
            <numerusform>%1 di %n oggi</numerusform>
        </translation>
    </message>
</context>
</TS>
