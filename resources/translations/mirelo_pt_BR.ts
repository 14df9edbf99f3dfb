<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Ícone do Mirelo</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Pausa — faltam %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Falta %n segundo</numerusform>
            <numerusform>Faltam %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Falta %n minuto</numerusform>
            <numerusform>Faltam %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Faltam %1 %2</translation>
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
        <translation>Abrir %1 no navegador</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Bibliotecas em que o Mirelo se baseia</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Bem-vindo de volta — você ficou ausente por %n min</numerusform>
            <numerusform>Bem-vindo de volta — você ficou ausente por %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>O Pomodoro parou enquanto você estava ausente; nada foi registrado.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Iniciar um Pomodoro</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 falhou: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: comando desconhecido “%1”</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>O Mirelo não está em execução. Inicie-o primeiro com `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: não foi possível ler o temporizador: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 recusado: %2</translation>
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
Sem um comando, inicia o Mirelo na área de notificação.
  pomodoro     inicia um Pomodoro
  short-break  inicia uma pausa curta
  long-break   inicia uma pausa longa
  stop         para o temporizador em andamento
  pause        pausa o Pomodoro em andamento
  resume       retoma o Pomodoro pausado
  status       exibe &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (estado &quot;held&quot; enquanto uma pausa espera o fim
               de uma chamada, &quot;paused&quot; enquanto o Pomodoro está pausado)
    --follow     exibe uma linha a cada mudança e a cada minuto, para barras de status
    --json       exibe cada uma como objeto JSON (text, tooltip, class, percentage)
  preferences  abre a janela de preferências
  statistics   abre a janela de estatísticas
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro parado</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Ficou pausado por mais de %n minuto.</numerusform>
            <numerusform>Ficou pausado por mais de %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Último minuto!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Está quase na hora de fazer uma pausa!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Meta diária cumprida</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>%n Pomodoro hoje. Dias seguidos: %1</numerusform>
            <numerusform>%n Pomodoros hoje. Dias seguidos: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Desativada</translation>
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
        <translation>Meta diária</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Pomodoros por dia, exibidos na dica do ícone da área de notificação e nas estatísticas, com os dias seguidos em que a meta foi cumprida.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Notificar quando a meta for cumprida</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Temporizador de foco</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Trabalhe em Pomodoros e faça suas pausas</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;temporizador;cronômetro;foco;concentração;pausa;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Iniciar Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Pausa curta</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Parar temporizador</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Temporizador de foco com pausas obrigatórias</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>O Mirelo conduz o ciclo Pomodoro a partir da área de notificação: trabalho e depois uma pausa curta ou longa que cobre todas as telas até terminar. Ele registra cada intervalo concluído e pode ser controlado pelo menu, pelas ações do lançador, pelo D-Bus e pela linha de comando.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Uma contagem regressiva ao vivo na área de notificação e um aviso um minuto antes de um Pomodoro terminar</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Pausas que cobrem todos os monitores, com uma fotografia ou seu papel de parede e uma citação</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Uma regra opcional que impede encerrar uma pausa antes da hora</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Cada intervalo concluído é guardado em um banco de dados SQLite local</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Controle remoto: mirelo pomodoro, short-break, long-break, stop e status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Uma pausa curta cobre todas as telas com sua contagem regressiva</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Quando uma pausa termina, o Mirelo chama você de volta ao trabalho</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>temporizador de foco com pausas obrigatórias</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Sino</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Despertador</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Nova mensagem</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Quando um Pomodoro termina</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Quando uma pausa termina</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>No último minuto</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Escolher um som</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Um arquivo…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Volume: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Reproduzir: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Sons WAV ou Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Este arquivo não pode ser reproduzido: só arquivos WAV e Ogg Vorbis podem. No lugar dele toca o som do tema.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>“%1” não pode ser reproduzido: só arquivos WAV e Ogg Vorbis podem.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Minutos de foco dos últimos sete dias</translation>
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
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Ano anterior</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Próxima semana</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Próximo ano</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 de foco</numerusform>
            <numerusform>%n Pomodoros, %1 de foco</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Dia mais produtivo: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Nenhum Pomodoro neste período</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>De %1 a %2</translation>
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
        <translation>Semana mais produtiva: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Nenhum leitor de impressões digitais foi encontrado.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Nenhuma impressão digital cadastrada: adicione uma nas configurações de usuário do ambiente.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>chamadas e o microfone</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>a câmera</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>compartilhamento de tela</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>janelas em tela cheia</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Não perturbe</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>programas que mantêm a tela ligada</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Adiar pausas durante</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Adiar pausas durante: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>O Mirelo está em execução sem ícone de notificação</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Inicie e pare temporizadores pelas ações do lançador do Mirelo ou com “mirelo pomodoro”, “mirelo stop” e “mirelo status” em um terminal. Ative uma extensão de área de notificação (AppIndicator no GNOME) para ter o ícone.</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>O Mirelo já está em execução.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: sem barramento de sessão; em execução sem controle por scripts e sem verificação de instância única.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Pausa quando sua chamada terminar</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pausa em espera: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Pausa em um minuto</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>A pausa ficou em espera pelo tempo máximo permitido.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>O Mirelo não consegue salvar</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Não foi possível adicionar o Mirelo ao seu lançador: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Adicionado ao seu lançador</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Pausa curta</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>O outro atalho já usa esta combinação.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Esta tecla serve para navegar ou responder a janelas em todos os programas: escolha outra.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Adicione Ctrl, Alt ou Super: uma tecla sozinha seria tirada de todos os programas.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Uma nova versão do Mirelo está disponível</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>O Mirelo %1 está pronto para ser instalado; você tem a versão %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>O Mirelo está atualizado!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>O Mirelo %1 é a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Erro de atualização!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Ocorreu um erro ao obter as informações de atualização.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Não perturbe ativado</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>a tela está sendo mantida ligada</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>microfone em uso</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>câmera em uso</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>tela compartilhada</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>janela em tela cheia</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Este teclado não tem essa tecla.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Outro programa já usa esta combinação.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>O servidor X recusou esta combinação.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 os desenvolvedores do Mirelo. Software livre sob a GNU GPL, versão 3 ou posterior.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Os desenvolvedores do Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Agradecimentos</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Versão %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Sobre o Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Sair do %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Código necessário</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Desbloquear com sua impressão digital</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>foto de %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Faça uma pausa</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>De volta ao trabalho!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Faça uma pausa para manter o foco</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Pular a pausa e iniciar um Pomodoro</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Adiar a pausa em 1 minuto</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Parar a pausa</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Faltam %1 nesta pausa</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Código incorreto. Digite-o novamente.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Definir código</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Quatro letras ou algarismos. Pedido antes que uma pausa possa terminar antes da hora.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Os códigos não coincidem</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Digite um código de 4 letras ou algarismos</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>O código deve ter 4 caracteres</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Digite o código novamente em “Verificar”</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Bloqueio por código</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Pedir um código para encerrar uma pausa antes da hora e ao seu fim</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Alterar código…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>imediatamente</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>após 5 segundos</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>após 10 segundos</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>após 1 minuto</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Desbloquear com impressão digital</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Atalhos globais</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Iniciar um Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pausa curta</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar ou retomar</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Escolha um campo (clique, Espaço ou Enter) e pressione a combinação; Backspace a apaga, Esc mantém a anterior.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Logs e lançadores</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Mostrar logs no gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Adicionar ações ao lançador</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Página de integração com lançadores</translation>
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
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Fazer uma pausa longa após</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Tocar um som quando uma pausa terminar</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Mostrar a contagem regressiva no ícone de notificação</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Mostrar o progresso como gráfico de pizza no ícone de notificação</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Iniciar um Pomodoro quando o Mirelo iniciar</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Iniciar o Mirelo ao entrar na sessão</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Oferecer opções quando uma pausa for parada</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Sem cancelamento durante a pausa</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Parar um Pomodoro quando eu estiver ausente</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Sem nenhuma entrada por esse tempo, ou com a tela bloqueada por esse tempo, o Pomodoro para; nada é registrado pelo tempo ausente.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Ausente após</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Deixar pausas em espera durante chamadas, apresentações e tela cheia</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Enquanto o microfone, a câmera ou um compartilhamento de tela estiver em uso, o Não perturbe estiver ativado ou uma janela em tela cheia tiver o foco, a pausa espera e começa quando isso terminar.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Esperar no máximo</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>pausa curta</numerusform>
            <numerusform>pausas curtas</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Fundo da pausa</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Papel de parede da área de trabalho</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Foto do dia</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Tela desfocada</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Citações</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Sem citações</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Minhas citações</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Uma citação por linha</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Papel de parede</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Nenhum — escolha para gravar</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Pressione um atalho… (Esc cancela)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Prévia da pausa</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Dia anterior</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Próximo dia</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Nenhum temporizador ainda</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>os registros não podem ser lidos agora (o banco de dados está em uso ou danificado)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Iniciar Pomodoro</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Pausa curta</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Parar pausa curta</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Parar pausa longa</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Fechar a tela de pausa</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estatísticas…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Verificar atualizações…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Enviar sugestão…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Avaliar o Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Parar Pomodoro</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Desbloqueie com seu código.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Não foi possível salvar: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Iniciar o Mirelo ao entrar na sessão</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Alterar nas configurações do sistema…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Este ambiente não oferece atalhos globais aos programas. Nas configurações de teclado dele, associe uma tecla a um comando do Mirelo, por exemplo: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>O ambiente decide quais teclas associa e pode perguntar a você antes.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Altere-os nos atalhos de teclado das configurações do sistema do seu ambiente.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Ainda não associado pelo ambiente</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Associado pelo ambiente: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Pausa quando você parar de compartilhar a tela</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Pausa quando você sair da tela cheia</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>A pausa espera enquanto você está ocupado</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Não foi possível carregar a foto. Escolha outra imagem ou tente de novo quando estiver on-line.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Não foi possível capturar a tela: as pausas mostrarão a imagem embutida.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>As pausas mostram uma imagem desfocada do que cada tela mostra.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Nenhuma imagem da área de trabalho foi encontrada: as pausas mostrarão a imagem embutida.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Nenhuma imagem da área de trabalho definida: as pausas mostram uma imagem desfocada da tela.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n intervalo concluído não pode ser guardado no disco e será perdido se o Mirelo fechar antes de salvar os registros. Libere espaço em disco.</numerusform>
            <numerusform>%n intervalos concluídos não podem ser guardados no disco e serão perdidos se o Mirelo fechar antes de salvar os registros. Libere espaço em disco.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>O disco está cheio. O Mirelo guarda seus registros à parte e os salva quando houver espaço.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>O banco de dados de registros está somente leitura. Torne-o gravável de novo; até lá o Mirelo guarda seus registros à parte.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>O Mirelo não consegue criar o banco de dados de registros. Torne a pasta de dados gravável; até lá o Mirelo guarda seus registros à parte.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>O Mirelo não consegue ler o banco de dados de registros. Verifique as permissões do arquivo; até lá o Mirelo guarda seus registros à parte.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Esta pausa não pode terminar antes: “Sem cancelamento durante a pausa” em Preferências › Geral.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>A pausa terminou. Digite seu código para voltar à área de trabalho.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Nenhum programa de e-mail</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Escreva para %1 pelo seu e-mail. O endereço está na área de transferência.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Nenhuma central de programas</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Avalie o Mirelo na sua central de programas ou em https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Não foi possível acessar o servidor de atualizações. Verifique a conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>O Mirelo não conseguiu ler suas preferências</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>O arquivo foi guardado como %1. Por enquanto o Mirelo usa as configurações padrão e salva só as configurações que você mudar.</translation>
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
        <translation>Abrir no &amp;navegador</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1 de %2 caracteres digitados</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Parar um Pomodoro pausado após</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Tempo de foco</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, em minutos</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Restaurar padrões</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>As durações, o ícone de notificação, a pausa e as configurações de ausência voltam ao padrão do Mirelo. “Iniciar o Mirelo ao entrar na sessão” continua como está.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Papel de parede</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>O fundo da pausa e as citações voltam ao padrão do Mirelo. As citações que você escreveu são mantidas.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>O bloqueio por código é desativado, e o seu atraso, a impressão digital e os atalhos globais voltam ao padrão do Mirelo. Seu código é mantido para quando você ativar o bloqueio de novo.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Restaurar as configurações padrão de “%1”?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Citações da web</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Citações incluídas</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Escolha “Minhas citações” para editá-las.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Preferências do Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Nenhum timer está em execução.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Um timer está em execução; pare-o antes com “mirelo stop”.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>O Pomodoro já está pausado.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Nenhum Pomodoro em execução; as pausas não podem ser pausadas.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Nenhum Pomodoro está pausado.</translation>
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
        <translation>Iniciar um Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Pausa curta</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pausar ou retomar o Pomodoro</translation>
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
        <translation>Mostrar só os Pomodoros</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Mostrar também as pausas</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Intervalos do dia</translation>
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
        <translation>Pausa curta</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Pausa longa</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 às %2, %3</translation>
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
        <translation>%1 de foco</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n pausa</numerusform>
            <numerusform>%n pausas</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>O Mirelo não consegue ler seus registros</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progresso da exportação</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Cancelar exportação</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Exportação cancelada; o arquivo não foi gravado.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Estatísticas do Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semana</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mês</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 de %n hoje</numerusform>
            <numerusform>%1 de %n hoje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n dia seguido</numerusform>
            <numerusform>%n dias seguidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>O Mirelo não está em execução</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Nenhum temporizador em andamento</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Pausa em espera: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro pausado, faltam %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, faltam %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Pausa curta, faltam %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Pausa longa, faltam %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 de %n hoje</numerusform>
            <numerusform>%1 de %n hoje</numerusform>
        </translation>
    </message>
</context>
</TS>
