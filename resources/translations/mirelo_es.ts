<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Icono de Mirelo</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Descanso — quedan %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Descanso</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Queda %n segundo</numerusform>
            <numerusform>Quedan %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Queda %n minuto</numerusform>
            <numerusform>Quedan %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Quedan %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Abrir %1 en el navegador</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Bibliotecas en las que se basa Mirelo</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Hola de nuevo — ha estado ausente %n min</numerusform>
            <numerusform>Hola de nuevo — ha estado ausente %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>El Pomodoro se detuvo durante su ausencia; no se registró nada.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Iniciar un Pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 falló: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: orden desconocida «%1»</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo no está en ejecución. Inícielo primero con `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: no se pudo leer el temporizador: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 rechazado: %2</translation>
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
Sin una orden, inicia Mirelo en la bandeja del sistema.
  pomodoro     iniciar un Pomodoro
  short-break  iniciar un descanso corto
  long-break   iniciar un descanso largo
  stop         detener el temporizador en marcha
  pause        pausar el Pomodoro en marcha
  resume       reanudar el Pomodoro pausado
  status       mostrar &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (estado &quot;held&quot; mientras un descanso espera
               a que acabe una llamada, &quot;paused&quot; mientras el Pomodoro está pausado)
    --follow     mostrar una línea en cada cambio y cada minuto, para barras de estado
    --json       mostrar cada una como objeto JSON (text, tooltip, class, percentage)
  preferences  abrir la ventana de preferencias
  statistics   abrir la ventana de estadísticas
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro detenido</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Estuvo en pausa más de %n minuto.</numerusform>
            <numerusform>Estuvo en pausa más de %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>¡Último minuto!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>¡Casi es hora de tomar un descanso!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Objetivo diario cumplido</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro hoy. Días seguidos: %1</numerusform>
            <numerusform>%n Pomodoros hoy. Días seguidos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
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
        <translation>Objetivo diario</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoros al día, mostrados en la información emergente del icono de la bandeja y en las estadísticas, junto con los días seguidos en que se cumplió.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Avisarme cuando se cumpla el objetivo</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Temporizador de concentración</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Trabaje en Pomodoros y tome sus descansos</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;temporizador;concentración;descanso;productividad;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Iniciar Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Descanso corto</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Detener temporizador</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Temporizador de concentración con descansos obligatorios</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo gestiona el ciclo Pomodoro desde la bandeja del sistema: trabajo y luego un descanso corto o largo que cubre todas las pantallas hasta que termina. Registra cada intervalo terminado y se puede controlar desde el menú, las acciones del lanzador, D-Bus y la línea de órdenes.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Una cuenta atrás en directo en la bandeja y un aviso un minuto antes de que termine un Pomodoro</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Descansos que cubren todos los monitores, con una fotografía o su fondo de escritorio y una cita</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Una regla opcional para que un descanso no se pueda terminar antes de tiempo</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Cada intervalo terminado se guarda en una base de datos SQLite local</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Control remoto: mirelo pomodoro, short-break, long-break, stop y status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Un descanso corto cubre todas las pantallas con su cuenta atrás</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Cuando termina un descanso, Mirelo le invita a volver al trabajo</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>temporizador de concentración con descansos obligatorios</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Mensaje nuevo</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Al terminar un Pomodoro</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Al terminar un descanso</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>En el último minuto</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Elegir un sonido</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Un archivo…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volumen: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Reproducir: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Sonidos WAV u Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Este archivo no se puede reproducir: solo se pueden archivos WAV y Ogg Vorbis. En su lugar suena el sonido del tema.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>«%1» no se puede reproducir: solo se pueden archivos WAV y Ogg Vorbis.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Minutos de concentración de los últimos siete días</translation>
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
        <translation>Semana anterior</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Semana siguiente</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Año siguiente</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 de concentración</numerusform>
            <numerusform>%n Pomodoros, %1 de concentración</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Día con más actividad: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Ningún Pomodoro en este período</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>Del %1 al %2</translation>
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
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Semana con más actividad: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>No se encontró ningún lector de huellas.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>No hay ninguna huella registrada: añada una en la configuración de usuarios del escritorio.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>llamadas y el micrófono</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>la cámara</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>compartir pantalla</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>ventanas a pantalla completa</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>No molestar</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programas que mantienen la pantalla encendida</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Retener los descansos durante</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Retener los descansos durante: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo se está ejecutando sin icono en la bandeja</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Inicie y detenga temporizadores desde las acciones del lanzador de Mirelo o con «mirelo pomodoro», «mirelo stop» y «mirelo status» en una terminal. Active una extensión de bandeja (AppIndicator en GNOME) para ver el icono.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: no hay bus de sesión; se ejecuta sin control por scripts ni comprobación de instancia única.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Descanso cuando termine su llamada</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Descanso en espera: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Descanso en un minuto</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>El descanso estuvo en espera todo el tiempo permitido.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo no puede guardar</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>No se pudo añadir Mirelo a su lanzador: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Añadido a su lanzador</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Descanso corto</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>El otro atajo ya usa esta combinación.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Esta tecla sirve para moverse o responder a ventanas en todos los programas: elija otra.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Añada Ctrl, Alt o Súper: una tecla sola se quitaría a todos los programas.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Hay una nueva versión de Mirelo disponible</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 está listo para instalarse; tiene la versión %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>¡Está al día!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>¡Error de actualización!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Se produjo un error al obtener la información de actualización.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>No molestar activado</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>la pantalla se mantiene encendida</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>micrófono en uso</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>cámara en uso</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>pantalla compartida</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>ventana a pantalla completa</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Este teclado no tiene esa tecla.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Otro programa ya usa esta combinación.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>El servidor X rechazó esta combinación.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 los desarrolladores de Mirelo. Software libre bajo la GNU GPL, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Los desarrolladores de Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versión %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Acerca de Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>¿Salir de %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Se necesita el código</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Desbloquear con su huella</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>foto de %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Tómese un descanso</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>¡A trabajar!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Descanse para mantener la concentración</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Saltar el descanso e iniciar un Pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Posponer el descanso 1 minuto</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Detener el descanso</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Quedan %1 de este descanso</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Código incorrecto. Escríbalo de nuevo.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Establecer código</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Cuatro letras o cifras. Se pide antes de poder terminar un descanso antes de tiempo.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Los códigos no coinciden</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Escriba un código de 4 letras o cifras</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>El código debe tener 4 caracteres</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Escriba el código de nuevo en «Verificar»</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Bloqueo con código</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Pedir un código para terminar un descanso antes de tiempo y al final</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Cambiar el código…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Pedirlo</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>de inmediato</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>tras 5 segundos</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>tras 10 segundos</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>tras 1 minuto</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Desbloquear con una huella</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Atajos globales</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Iniciar un Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Descanso corto</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Elija un campo (clic, Espacio o Intro) y pulse la combinación; Retroceso la borra, Esc mantiene la anterior.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Registros y lanzadores</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Mostrar los registros en el gestor de archivos</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Añadir acciones al lanzador</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Página de integración con lanzadores</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>minuto</numerusform>
            <numerusform>minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Tomar un descanso largo tras</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Reproducir un sonido al terminar un descanso</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Mostrar la cuenta atrás en el icono de la bandeja</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Mostrar el progreso como un gráfico circular en el icono de la bandeja</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Iniciar un Pomodoro al iniciar Mirelo</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Iniciar Mirelo al iniciar sesión</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Ofrecer opciones al detener un descanso</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Sin cancelación durante el descanso</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Detener un Pomodoro cuando me ausente</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Si no hay actividad durante este tiempo, o la pantalla está bloqueada ese tiempo, el Pomodoro se detiene; no se registra nada del tiempo de ausencia.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Ausente tras</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Poner los descansos en espera durante llamadas, presentaciones y pantalla completa</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Mientras el micrófono, la cámara o una pantalla compartida estén en uso, No molestar esté activado o una ventana a pantalla completa tenga el foco, el descanso espera y empieza cuando terminen.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Esperar como máximo</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>descanso corto</numerusform>
            <numerusform>descansos cortos</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Fondo del descanso</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Fondo de escritorio</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Foto del día</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Pantalla desenfocada</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citas</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Sin citas</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Mis propias citas</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Una cita por línea</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Ninguno — elija para grabar</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Pulse un atajo… (Esc para cancelar)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Vista previa del descanso</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Aún no hay temporizadores</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>los registros no se pueden leer ahora (la base de datos está en uso o dañada)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Iniciar Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Descanso corto</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Detener descanso corto</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Detener descanso largo</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Cerrar la pantalla de descanso</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Enviar sugerencia…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Valorar Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Detener Pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Desbloquee con su código.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>No se pudo guardar: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Iniciar Mirelo al iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Cambiar en la configuración del sistema…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Este escritorio no ofrece atajos globales a los programas. En su configuración del teclado, asigne una tecla a una orden de Mirelo, por ejemplo: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>El escritorio decide qué teclas asigna y puede preguntarle antes.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Cámbielos en los atajos de teclado de la configuración del sistema de su escritorio.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>El escritorio aún no lo ha asignado</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Asignado por el escritorio: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Descanso cuando deje de compartir la pantalla</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Descanso cuando salga de la pantalla completa</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>El descanso espera mientras está ocupado</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>No se pudo cargar la foto. Elija otra imagen o vuelva a intentarlo con conexión.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>No se pudo capturar la pantalla: los descansos mostrarán la imagen incluida.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Los descansos muestran una imagen desenfocada de lo que muestra cada pantalla.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>No se encontró ninguna imagen de escritorio: los descansos mostrarán la imagen incluida.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>No hay imagen de escritorio: los descansos muestran en su lugar una imagen desenfocada de la pantalla.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n intervalo terminado no se puede guardar en el disco y se perderá si Mirelo se cierra antes de poder guardar los registros. Libera espacio en el disco.</numerusform>
            <numerusform>%n intervalos terminados no se pueden guardar en el disco y se perderán si Mirelo se cierra antes de poder guardar los registros. Libera espacio en el disco.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>El disco está lleno. Mirelo guarda tus registros aparte y los salva cuando haya espacio.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>La base de datos de registros es de solo lectura. Vuelve a hacerla escribible; hasta entonces Mirelo guarda tus registros aparte.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo no puede crear su base de datos de registros. Haz escribible su carpeta de datos; hasta entonces Mirelo guarda tus registros aparte.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo no puede leer su base de datos de registros. Revisa los permisos del archivo; hasta entonces Mirelo guarda tus registros aparte.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Este descanso no se puede terminar antes: «Sin cancelación durante el descanso» en Preferencias › General.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>El descanso ha terminado. Escribe tu código para volver al escritorio.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Ningún programa de correo</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Escribe a %1 desde tu correo. La dirección está en el portapapeles.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Ningún centro de software</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Valora Mirelo en tu centro de software o en https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>No se pudo contactar con el servidor de actualizaciones. Comprueba la conexión y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo no pudo leer sus preferencias</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>El archivo se guardó como %1. Por ahora Mirelo usa los ajustes predeterminados y solo guarda los ajustes que cambie.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Abrir en el &amp;navegador</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 de %2 caracteres escritos</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Detener un Pomodoro en pausa tras</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Tiempo de concentración</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, en minutos</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Las duraciones, el icono de la bandeja, el descanso y los ajustes de ausencia vuelven a los valores de fábrica de Mirelo. «Iniciar Mirelo al iniciar sesión» no cambia.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>El fondo del descanso y las citas vuelven a los valores de fábrica de Mirelo. Se conservan las citas que haya escrito.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>El bloqueo con código se desactiva, y su retardo, la huella y los atajos globales vuelven a los valores de fábrica de Mirelo. Su código se conserva para cuando vuelva a activar el bloqueo.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>¿Restablecer los ajustes predeterminados de «%1»?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citas de la web</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Citas incluidas</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Elija «Mis propias citas» para editarlas.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Preferencias de Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>No hay ningún temporizador en marcha.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Hay un temporizador en marcha; deténgalo primero con «mirelo stop».</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>El Pomodoro ya está en pausa.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>No hay ningún Pomodoro en marcha; los descansos no se pausan.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>No hay ningún Pomodoro en pausa.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Código:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Verificar:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Iniciar un Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Descanso corto</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pausar o reanudar el Pomodoro</translation>
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
        <translation>Mostrar solo los Pomodoros</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Mostrar también los descansos</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervalos del día</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Descanso corto</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Descanso largo</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 a las %2, %3</translation>
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
            <numerusform>%n intervalo</numerusform>
            <numerusform>%n intervalos</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Nada registrado</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 de concentración</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n descanso</numerusform>
            <numerusform>%n descansos</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo no puede leer sus registros</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progreso de la exportación</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Cancelar la exportación</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Exportación cancelada; el archivo no se escribió.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Estadísticas de Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 de %n hoy</numerusform>
            <numerusform>%1 de %n hoy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n día seguido</numerusform>
            <numerusform>%n días seguidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo no se está ejecutando</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>No hay ningún temporizador en marcha</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Descanso en espera: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro en pausa, quedan %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, quedan %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Descanso corto, quedan %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Descanso largo, quedan %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 de %n hoy</numerusform>
            <numerusform>%1 de %n hoy</numerusform>
        </translation>
    </message>
</context>
</TS>
