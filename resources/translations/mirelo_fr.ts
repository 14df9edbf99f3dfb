<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Icône de Mirelo</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Pause — il reste %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n seconde restante</numerusform>
            <numerusform>%n secondes restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>%n minute restante</numerusform>
            <numerusform>%n minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Il reste %1 %2</translation>
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
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Ouvrir %1 dans le navigateur</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Bibliothèques sur lesquelles repose Mirelo</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Bon retour — absence de %n min</numerusform>
            <numerusform>Bon retour — absence de %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Le Pomodoro s’est arrêté pendant votre absence&#xa0;; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Démarrer un Pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo&#xa0;: échec de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo&#xa0;: commande inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo n’est pas lancé. Lancez-le d’abord avec `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo&#xa0;: impossible de lire le minuteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo&#xa0;: %1 refusé&#xa0;: %2</translation>
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
        <translation>Utilisation : mirelo [pomodoro | short-break | long-break | stop | pause | resume |
                      status | preferences | statistics]
Sans commande, lance Mirelo dans la zone de notification.
  pomodoro     démarrer un Pomodoro
  short-break  démarrer une pause courte
  long-break   démarrer une pause longue
  stop         arrêter le minuteur en cours
  pause        mettre en pause le Pomodoro en cours
  resume       reprendre le Pomodoro en pause
  status       afficher &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (état &quot;held&quot; tant qu&apos;une pause attend la fin
               d&apos;un appel, &quot;paused&quot; tant que le Pomodoro est en pause)
    --follow     afficher une ligne à chaque changement et chaque minute, pour les barres d&apos;état
    --json       afficher chacune comme objet JSON (text, tooltip, class, percentage)
  preferences  ouvrir la fenêtre des préférences
  statistics   ouvrir la fenêtre des statistiques
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro arrêté</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Il était en pause depuis plus de %n minute.</numerusform>
            <numerusform>Il était en pause depuis plus de %n minutes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Dernière minute !</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>C’est bientôt l’heure de faire une pause !</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Objectif du jour atteint</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro aujourd’hui. Jours d’affilée&#xa0;: %1</numerusform>
            <numerusform>%n Pomodoros aujourd’hui. Jours d’affilée&#xa0;: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
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
        <translation>Objectif quotidien</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoros par jour, affichés dans l’infobulle de l’icône de notification et dans les statistiques avec le nombre de jours d’affilée où l’objectif a été atteint.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>M’avertir quand l’objectif est atteint</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Minuteur de concentration</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Travaillez en Pomodoros et prenez vos pauses</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;minuteur;concentration;pause;productivité;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Démarrer un Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Pause longue</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Arrêter le minuteur</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Minuteur de concentration avec pauses imposées</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo mène le cycle Pomodoro depuis la zone de notification&#xa0;: du travail, puis une pause courte ou longue qui couvre chaque écran jusqu’à sa fin. Il enregistre chaque intervalle terminé et se pilote depuis le menu, les actions du lanceur, D-Bus et la ligne de commande.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Un compte à rebours en direct dans la zone de notification et un avertissement une minute avant la fin d’un Pomodoro</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Des pauses qui couvrent chaque moniteur, avec une photo ou votre fond d’écran et une citation</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Une règle facultative qui empêche de terminer une pause plus tôt</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Chaque intervalle terminé est conservé dans une base de données SQLite locale</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Contrôle à distance&#xa0;: mirelo pomodoro, short-break, long-break, stop et status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Une pause courte couvre chaque écran avec son compte à rebours</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Quand une pause est finie, Mirelo vous invite à reprendre le travail</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>minuteur de concentration avec pauses imposées</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Réveil</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nouveau message</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>À la fin d’un Pomodoro</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>À la fin d’une pause</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>À la dernière minute</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Choisir un son</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Un fichier…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volume&#xa0;: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Écouter&#xa0;: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Sons WAV ou Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Ce fichier ne peut pas être lu : seuls les fichiers WAV et Ogg Vorbis le peuvent. Le son du thème est joué à la place.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>« %1 » ne peut pas être lu : seuls les fichiers WAV et Ogg Vorbis le peuvent.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Minutes de concentration des sept derniers jours</translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation>%1&#xa0;: %2 min</translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message>
        <source>Previous week</source>
        <translation>Semaine précédente</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Semaine suivante</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 de concentration</numerusform>
            <numerusform>%n Pomodoros, %1 de concentration</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Jour le plus chargé&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Aucun Pomodoro sur cette période</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1&#xa0;: %n Pomodoro, %2</numerusform>
            <numerusform>%1&#xa0;: %n Pomodoros, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Semaine la plus chargée : %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Aucun lecteur d’empreintes n’a été trouvé.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Aucun doigt n’est enregistré&#xa0;: ajoutez-en un dans les paramètres utilisateur du bureau.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>les appels et le micro</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>la caméra</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>le partage d’écran</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>les fenêtres en plein écran</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Ne pas déranger</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>les programmes qui gardent l’écran allumé</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Retenir les pauses pendant</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Retenir les pauses pendant : %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo fonctionne sans icône de notification</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Démarrez et arrêtez les minuteurs depuis les actions du lanceur de Mirelo ou avec «&#xa0;mirelo pomodoro&#xa0;», «&#xa0;mirelo stop&#xa0;» et «&#xa0;mirelo status&#xa0;» dans un terminal. Activez une extension de zone de notification (AppIndicator sous GNOME) pour obtenir l’icône.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo&#xa0;: pas de bus de session&#xa0;; fonctionnement sans pilotage par script ni contrôle d’instance unique.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Pause à la fin de votre appel</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pause en attente&#xa0;: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Pause dans une minute</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>La pause a été mise en attente aussi longtemps que permis.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Impossible d’ajouter Mirelo à votre lanceur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Ajouté à votre lanceur</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Pause longue</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>L’autre raccourci utilise déjà cette combinaison.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Cette touche sert à se déplacer ou à répondre aux fenêtres dans tous les programmes&#xa0;: choisissez-en une autre.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Ajoutez Ctrl, Alt ou Super&#xa0;: une touche seule serait retirée à tous les programmes.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Une nouvelle version de Mirelo est disponible</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 est prêt à être installé&#xa0;; vous avez la version %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Vous êtes à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 est la dernière version disponible.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erreur de mise à jour&#xa0;!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Une erreur s’est produite lors de la récupération des informations de mise à jour.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Ne pas déranger activé</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>l’écran est maintenu allumé</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>microphone utilisé</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>caméra utilisée</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>écran partagé</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>fenêtre en plein écran</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Ce clavier n’a pas cette touche.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Un autre programme utilise déjà cette combinaison.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>Le serveur X a refusé cette combinaison.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 les développeurs de Mirelo. Logiciel libre sous licence GNU GPL, version 3 ou ultérieure.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Les développeurs de Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>À propos de Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Quitter %@&#xa0;?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Code requis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Déverrouiller avec votre empreinte</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>photo de %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Faites une pause</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Au travail&#xa0;!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Faites une pause pour rester concentré</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Passer la pause, démarrer un Pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Reporter la pause d’une minute</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Arrêter la pause</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Il reste %1 dans cette pause</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Code incorrect. Saisissez-le à nouveau.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Définir le code</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Quatre lettres ou chiffres. Demandé avant qu’une pause puisse finir plus tôt.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Les codes ne correspondent pas</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Saisissez un code de 4 lettres ou chiffres</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Le code doit comporter 4 caractères</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Saisissez à nouveau le code sous «&#xa0;Vérifier&#xa0;»</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Verrouillage par code</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Demander un code pour finir une pause plus tôt et à sa fin</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Changer le code…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Le demander</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>immédiatement</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>après 5 secondes</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>après 10 secondes</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>après 1 minute</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Déverrouiller avec une empreinte digitale</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Raccourcis globaux</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Démarrer un Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Mettre en pause ou reprendre</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Choisissez un champ (clic, Espace ou Entrée), puis appuyez sur la combinaison&#xa0;; Retour arrière l’efface, Échap garde l’ancienne.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Journaux et lanceurs</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Afficher les journaux dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Ajouter des actions au lanceur</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Page d’intégration au lanceur</translation>
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
        <source>Long break</source>
        <translation>Pause longue</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Prendre une pause longue après</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Jouer un son à la fin d’une pause</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Afficher le compte à rebours sur l’icône de notification</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Afficher la progression en camembert sur l’icône de notification</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Démarrer un Pomodoro au lancement de Mirelo</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Lancer Mirelo à la connexion</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Proposer des choix quand une pause est arrêtée</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Pas d’annulation pendant la pause</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Arrêter un Pomodoro en cas d’absence</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Aucune saisie pendant cette durée, ou l’écran verrouillé aussi longtemps, arrête le Pomodoro&#xa0;; rien n’est enregistré pour le temps d’absence.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Absent après</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Mettre les pauses en attente pendant les appels, présentations et le plein écran</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Tant que le microphone, la caméra ou un partage d’écran est utilisé, que Ne pas déranger est activé ou qu’une fenêtre en plein écran a le focus, la pause attend et commence ensuite.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Attendre au plus</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>pause courte</numerusform>
            <numerusform>pauses courtes</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Arrière-plan de la pause</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Fond d’écran du bureau</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Photo du jour</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Écran flouté</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citations</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Aucune citation</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Mes propres citations</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Une citation par ligne</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Fond d’écran</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Aucun — choisir pour enregistrer</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Appuyez sur un raccourci… (Échap pour annuler)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Aperçu de la pause</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Aucun minuteur pour l’instant</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>les données ne peuvent pas être lues pour l’instant (la base de données est utilisée ou endommagée)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Démarrer un Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Pause longue</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Arrêter la pause courte</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Arrêter la pause longue</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Fermer l’écran de pause</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Envoyer une suggestion…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Noter Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Arrêter le Pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Veuillez déverrouiller avec votre code.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Impossible d’enregistrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Lancer Mirelo à l’ouverture de session</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Modifier dans les paramètres du système…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Cet environnement de bureau n’offre pas de raccourcis globaux aux programmes. Dans ses paramètres du clavier, associez plutôt une touche à une commande de Mirelo, par exemple&#xa0;: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Le bureau décide des touches qu’il associe et peut vous demander d’abord.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Modifiez-les dans les raccourcis clavier des paramètres système de votre bureau.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Pas encore associé par le bureau</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Associé par le bureau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Pause quand vous arrêterez de partager l’écran</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Pause quand vous quitterez le plein écran</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>La pause attend tant que vous êtes occupé</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>La photo n’a pas pu être chargée. Choisissez une autre image ou réessayez une fois en ligne.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>L’écran n’a pas pu être capturé : les pauses afficheront l’image intégrée.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Les pauses affichent une image floutée de ce que montre chaque écran.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Aucune image de bureau trouvée : les pauses afficheront l’image intégrée.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Aucune image de bureau n’est définie : les pauses affichent à la place une image floutée de l’écran.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n intervalle terminé ne peut pas être conservé sur le disque et sera perdu si Mirelo quitte avant de pouvoir enregistrer. Libérez de l’espace disque.</numerusform>
            <numerusform>%n intervalles terminés ne peuvent pas être conservés sur le disque et seront perdus si Mirelo quitte avant de pouvoir enregistrer. Libérez de l’espace disque.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Le disque est plein. Mirelo met vos enregistrements de côté et les sauvegarde dès qu’il y a de la place.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>La base des enregistrements est en lecture seule. Rendez-la de nouveau inscriptible ; d’ici là, Mirelo met vos enregistrements de côté.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo ne peut pas créer sa base d’enregistrements. Rendez son dossier de données inscriptible ; d’ici là, Mirelo met vos enregistrements de côté.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo ne peut pas lire sa base d’enregistrements. Vérifiez les droits du fichier ; d’ici là, Mirelo met vos enregistrements de côté.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Cette pause ne peut pas être écourtée : « Pas d’annulation pendant la pause » dans Préférences › Général.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>La pause est terminée. Saisissez votre code pour revenir au bureau.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Aucun logiciel de messagerie</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Écrivez à %1 depuis votre messagerie. L’adresse est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Aucune logithèque</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Notez Mirelo dans votre logithèque ou sur https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Le serveur de mises à jour est injoignable. Vérifiez la connexion et réessayez.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo n’a pas pu lire ses préférences</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Le fichier a été conservé sous %1. Mirelo utilise pour l’instant ses réglages par défaut et n’enregistre que les réglages que vous modifiez.</translation>
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
        <translation>Ouvrir dans le &amp;navigateur</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>Caractères saisis&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Arrêter un Pomodoro en pause après</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Temps de concentration</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, en minutes</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Les durées, l’icône de notification, la pause et les réglages d’absence reviennent aux réglages d’origine de Mirelo. «&#xa0;Lancer Mirelo à la connexion&#xa0;» reste inchangé.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fond d’écran</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>L’arrière-plan de la pause et les citations reviennent aux réglages d’origine de Mirelo. Les citations que vous avez écrites sont conservées.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Le verrouillage par code est désactivé, et son délai, l’empreinte digitale et les raccourcis globaux reviennent aux réglages d’origine de Mirelo. Votre code est conservé pour le jour où vous réactiverez le verrouillage.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Réinitialiser les réglages de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citations du web</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Citations intégrées</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Choisissez «&#xa0;Mes propres citations&#xa0;» pour les modifier.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Préférences de Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Aucun minuteur n’est en cours.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Un minuteur est en cours ; arrêtez-le d’abord avec « mirelo stop ».</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Le Pomodoro est déjà en pause.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Aucun Pomodoro n’est en cours ; les pauses ne se mettent pas en pause.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Aucun Pomodoro n’est en pause.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Code&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Vérifier&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Démarrer un Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Mettre en pause ou reprendre le Pomodoro</translation>
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
        <translation>Afficher uniquement les Pomodoros</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Afficher aussi les pauses</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervalles de la journée</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pause courte</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pause longue</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 à %2, %3</translation>
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
            <numerusform>%n intervalle</numerusform>
            <numerusform>%n intervalles</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Rien d’enregistré</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 de concentration</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n pause</numerusform>
            <numerusform>%n pauses</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo ne peut pas lire ses enregistrements</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progression de l’export</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Annuler l’export</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Export annulé ; le fichier n’a pas été écrit.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Statistiques de Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 sur %n aujourd’hui</numerusform>
            <numerusform>%1 sur %n aujourd’hui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n jour d’affilée</numerusform>
            <numerusform>%n jours d’affilée</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo n’est pas lancé</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Aucun minuteur en cours</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pause en attente&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro en pause, %1 restant</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, %1 restant</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Pause courte, %1 restant</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Pause longue, %1 restant</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 sur %n aujourd’hui</numerusform>
            <numerusform>%1 sur %n aujourd’hui</numerusform>
        </translation>
    </message>
</context>
</TS>
