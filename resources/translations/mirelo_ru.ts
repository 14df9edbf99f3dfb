<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Значок Mirelo</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Перерыв — осталось %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Перерыв</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>Осталась %n секунда</numerusform>
            <numerusform>Осталось %n секунды</numerusform>
            <numerusform>Осталось %n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>Осталась %n минута</numerusform>
            <numerusform>Осталось %n минуты</numerusform>
            <numerusform>Осталось %n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>Осталось: %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>Открыть %1 в браузере</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Библиотеки, на которых основан Mirelo</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>С возвращением — вас не было %n мин</numerusform>
            <numerusform>С возвращением — вас не было %n мин</numerusform>
            <numerusform>С возвращением — вас не было %n мин</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Помодоро остановлено, пока вас не было; ничего не записано.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Начать помодоро</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: ошибка %1: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: неизвестная команда «%1»</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo не запущен. Сначала запустите его командой `mirelo`.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: не удалось прочитать таймер: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 отклонено: %2</translation>
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
        <translation>Использование: mirelo [pomodoro | short-break | long-break | stop | pause |
                       resume | status | preferences | statistics]
Без команды запускает Mirelo в системном лотке.
  pomodoro     начать помодоро
  short-break  начать короткий перерыв
  long-break   начать длинный перерыв
  stop         остановить текущий таймер
  pause        приостановить текущее помодоро
  resume       продолжить приостановленное помодоро
  status       вывести &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; (состояние &quot;held&quot;, пока перерыв ждёт
               окончания звонка, &quot;paused&quot;, пока помодоро приостановлено)
    --follow     выводить строку при каждом изменении и каждую минуту, для панелей состояния
    --json       выводить каждую как объект JSON (text, tooltip, class, percentage)
  preferences  открыть окно настроек
  statistics   открыть окно статистики
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Помодоро остановлено</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Помодоро было на паузе больше %n минуты.</numerusform>
            <numerusform>Помодоро было на паузе больше %n минут.</numerusform>
            <numerusform>Помодоро было на паузе больше %n минут.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Последняя минута!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Скоро пора сделать перерыв!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Дневная цель достигнута</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>Сегодня %n помодоро. Дней подряд: %1</numerusform>
            <numerusform>Сегодня %n помодоро. Дней подряд: %1</numerusform>
            <numerusform>Сегодня %n помодоро. Дней подряд: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n помодоро</numerusform>
            <numerusform>%n помодоро</numerusform>
            <numerusform>%n помодоро</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Цель на день</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Число помодоро в день. Показывается во всплывающей подсказке значка в лотке и в статистике вместе с числом дней подряд, когда цель была достигнута.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Уведомлять о достижении цели</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Таймер концентрации</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Работайте по помодоро и не пропускайте перерывы</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;помодоро;помидор;таймер;фокус;концентрация;перерыв;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Начать помодоро</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Короткий перерыв</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Остановить таймер</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Таймер концентрации с обязательными перерывами</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo ведёт цикл помодоро из системного лотка: работа, затем короткий или длинный перерыв, который закрывает все экраны до своего окончания. Программа записывает каждый завершённый интервал, а управлять ею можно из меню, через действия в меню приложений, по D-Bus и из командной строки.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Обратный отсчёт в системном лотке и предупреждение за минуту до конца помодоро</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Перерывы на всех мониторах с фотографией или фоном рабочего стола и цитатой</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Возможность запретить досрочное завершение перерыва</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Все завершённые интервалы хранятся в локальной базе данных SQLite</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Удалённое управление: mirelo pomodoro, short-break, long-break, stop и status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Короткий перерыв закрывает все экраны обратным отсчётом</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Когда перерыв закончен, Mirelo зовёт вас обратно к работе</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>таймер концентрации с обязательными перерывами</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокольчик</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Новое сообщение</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>В конце помодоро</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>В конце перерыва</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>За минуту до конца</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Выбор звука</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Файл…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Громкость: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Прослушать</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Прослушать: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>Звуки WAV или Ogg Vorbis (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Этот файл нельзя воспроизвести: воспроизводятся только файлы WAV и Ogg Vorbis. Вместо него прозвучит звук темы.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>«%1» нельзя воспроизвести: воспроизводятся только файлы WAV и Ogg Vorbis.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Минуты работы за последние семь дней</translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation>%1: %2 мин</translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message>
        <source>Previous week</source>
        <translation>Предыдущая неделя</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Предыдущий год</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Следующая неделя</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Следующий год</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n помодоро, %1 работы</numerusform>
            <numerusform>%n помодоро, %1 работы</numerusform>
            <numerusform>%n помодоро, %1 работы</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>Самый активный день: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>За этот период нет помодоро</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n помодоро, %2</numerusform>
            <numerusform>%1: %n помодоро, %2</numerusform>
            <numerusform>%1: %n помодоро, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>Самая активная неделя: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Сканер отпечатков пальцев не найден.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Нет зарегистрированных отпечатков: добавьте отпечаток в параметрах пользователей рабочей среды.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>звонков и работы микрофона</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>работы камеры</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>показа экрана</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>полноэкранных окон</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>режима «Не беспокоить»</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>программ, не дающих погаснуть экрану</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Откладывать перерывы во время</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Откладывать перерывы во время: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo работает без значка в системном лотке</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Запускайте и останавливайте таймеры через действия Mirelo в меню приложений или командами «mirelo pomodoro», «mirelo stop» и «mirelo status» в терминале. Чтобы появился значок, включите расширение для системного лотка (AppIndicator в GNOME).</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo уже запущен.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: сеансовая шина недоступна; работа без управления из сценариев и без проверки единственного экземпляра.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Перерыв — после окончания звонка</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Перерыв отложен: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Перерыв через минуту</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>Перерыв откладывался максимально допустимое время.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo не может сохранить данные</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Не удалось добавить Mirelo в меню приложений: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Добавлено в меню приложений</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Помодоро</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Короткий перерыв</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Это сочетание уже назначено другому действию Mirelo.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Эта клавиша служит для перемещения и ответа в окнах всех программ: выберите другую.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Добавьте Ctrl, Alt или Super: одиночная клавиша перестанет работать во всех остальных программах.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Доступна новая версия Mirelo</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 готов к установке; у вас версия %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>У вас последняя версия!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 — последняя доступная версия.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Ошибка обновления!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Не удалось получить сведения об обновлениях.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>включён режим «Не беспокоить»</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>экран не гаснет</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>микрофон используется</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>камера используется</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>идёт демонстрация экрана</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>полноэкранное окно</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>На этой клавиатуре нет такой клавиши.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Это сочетание уже используется другой программой.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>X-сервер отклонил это сочетание.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 разработчики Mirelo. Свободная программа под лицензией GNU GPL версии 3 или более поздней.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Разработчики Mirelo</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Благодарности</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Версия %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>О программе Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Библиотека</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Лицензия</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>Завершить %@?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Завершить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Требуется код доступа</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Разблокировать отпечатком пальца</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Код доступа</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>фото: %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Сделайте перерыв</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>Пора за работу!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Перерыв помогает сохранить концентрацию</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Пропустить перерыв и начать помодоро</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Отложить перерыв на 1 минуту</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Остановить перерыв</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>До конца перерыва: %1</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Неверный код. Введите его ещё раз.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Установка кода доступа</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Четыре буквы или цифры. Запрашивается перед досрочным завершением перерыва.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Коды не совпадают</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>Введите код из 4 букв или цифр</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Код должен состоять из 4 символов</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Введите код ещё раз в поле «Повтор»</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Блокировка кодом доступа</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Запрашивать код для досрочного завершения перерыва и в его конце</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Изменить код…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Запрашивать</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>сразу</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>через 5 секунд</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>через 10 секунд</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>через 1 минуту</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Разблокировка отпечатком пальца</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Глобальные сочетания клавиш</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Начать помодоро</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Короткий перерыв</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Пауза и продолжение</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Выберите поле (щелчком, клавишей Space или Enter) и нажмите сочетание клавиш; Backspace очищает поле, Escape оставляет прежнее сочетание.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Журналы и меню приложений</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Показать журналы в диспетчере файлов</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Добавить действия в меню</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Справка по интеграции</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>минута</numerusform>
            <numerusform>минуты</numerusform>
            <numerusform>минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Помодоро</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Длинный перерыв после</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Проигрывать звук в конце перерыва</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Показывать обратный отсчёт на значке в лотке</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Показывать прогресс круговой диаграммой на значке</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Начинать помодоро при запуске Mirelo</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Запускать Mirelo при входе в систему</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Предлагать варианты при остановке перерыва</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Запретить отмену перерыва</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Останавливать помодоро при отсутствии</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Если столько времени нет ввода или экран столько времени заблокирован, помодоро останавливается; время отсутствия не записывается.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Время до отсутствия</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Откладывать перерывы во время звонков, презентаций и полноэкранной работы</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Пока используется микрофон, камера или демонстрация экрана, включён режим «Не беспокоить» или в фокусе полноэкранное окно, перерыв ждёт и начинается, когда это закончится.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>Максимальная отсрочка</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>короткого перерыва</numerusform>
            <numerusform>коротких перерывов</numerusform>
            <numerusform>коротких перерывов</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Фон перерыва</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Фон рабочего стола</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Фото дня</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Размытый экран</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Цитаты</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Без цитат</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Мои цитаты</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>По одной цитате на строку</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Обои</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Нет — выберите, чтобы задать</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Нажмите сочетание… (Escape — отмена)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Предпросмотр перерыва</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Предыдущий день</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Следующий день</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Таймеров пока не было</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>записи сейчас не удаётся прочитать (база данных занята или повреждена)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Начать помодоро</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Короткий перерыв</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Остановить короткий перерыв</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Остановить длинный перерыв</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Закрыть экран перерыва</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Статистика…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Отправить предложение…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Оценить Mirelo…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Остановить помодоро</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Разблокируйте с помощью кода доступа.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Не удалось сохранить: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Запускать Mirelo при входе в систему</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>&amp;Изменить в параметрах системы…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Эта среда рабочего стола не даёт программам глобальных сочетаний клавиш. Назначьте клавишу команде Mirelo в её настройках клавиатуры, например: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Среда рабочего стола сама решает, какие клавиши назначить, и может сначала спросить вас.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Измените их в разделе сочетаний клавиш параметров системы.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Среда рабочего стола ещё не назначила</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Назначено средой рабочего стола: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Перерыв, когда вы перестанете показывать экран</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Перерыв, когда вы выйдете из полноэкранного режима</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Перерыв ждёт, пока вы заняты</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Не удалось загрузить фото. Выберите другое изображение или повторите попытку при подключении к сети.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Не удалось сделать снимок экрана: в перерывах будет показано встроенное изображение.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>В перерывах показывается размытое изображение того, что на каждом экране.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Фон рабочего стола не найден: в перерывах будет показано встроенное изображение.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Фон рабочего стола не задан: в перерывах вместо него показывается размытый снимок экрана.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n завершённый интервал нельзя сохранить на диске, и он пропадёт, если Mirelo закроется до сохранения записей. Освободите место на диске.</numerusform>
            <numerusform>%n завершённых интервала нельзя сохранить на диске, и они пропадут, если Mirelo закроется до сохранения записей. Освободите место на диске.</numerusform>
            <numerusform>%n завершённых интервалов нельзя сохранить на диске, и они пропадут, если Mirelo закроется до сохранения записей. Освободите место на диске.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Диск заполнен. Mirelo отложит ваши записи и сохранит их, когда появится место.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>База записей доступна только для чтения. Снова разрешите запись; до тех пор Mirelo хранит ваши записи отдельно.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo не может создать базу записей. Разрешите запись в его папку данных; до тех пор Mirelo хранит ваши записи отдельно.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo не может прочитать базу записей. Проверьте права доступа к файлу; до тех пор Mirelo хранит ваши записи отдельно.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Этот перерыв нельзя закончить раньше: «Запретить отмену перерыва» в Настройки › Основные.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>Перерыв окончен. Введите код, чтобы вернуться к рабочему столу.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>Нет почтовой программы</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>Напишите на %1 из своей почты. Адрес скопирован в буфер обмена.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Нет центра приложений</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Оцените Mirelo в центре приложений или на https://mirelo.org.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Сервер обновлений недоступен. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo не удалось прочитать свои настройки</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Файл сохранён как %1. Пока Mirelo работает с настройками по умолчанию и сохраняет только те настройки, которые вы измените.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>Открыть в &amp;браузере</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>Введено символов: %1 из %2</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Предельная длительность паузы</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Время работы</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, в минутах</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Сбросить настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Длительности, значок в лотке, параметры перерыва и отсутствия вернутся к исходным значениям. Запуск при входе в систему не изменится.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Обои</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Фон перерыва и цитаты вернутся к исходным значениям. Написанные вами цитаты сохранятся.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Блокировка кодом доступа будет выключена, а её задержка, отпечаток пальца и глобальные сочетания клавиш вернутся к исходным значениям. Ваш код сохранится на случай, если вы снова включите блокировку.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Сброс настроек</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>Восстановить исходные настройки на вкладке «%1»?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Цитаты из интернета</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Встроенные цитаты</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Чтобы редактировать цитаты, выберите «Мои цитаты».</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Настройки Mirelo — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Таймер не запущен.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Таймер уже запущен; сначала остановите его командой «mirelo stop».</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Помодоро уже приостановлен.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Помодоро не запущен; перерывы не приостанавливаются.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Нет приостановленного помодоро.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>&amp;Код:</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>&amp;Повтор:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Начать помодоро</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Короткий перерыв</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Приостановить или продолжить помодоро</translation>
    </message>
</context>
<context>
    <name>StatRow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
            <numerusform>%n мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n с</numerusform>
            <numerusform>%n с</numerusform>
            <numerusform>%n с</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
</context>
<context>
    <name>StatViewController</name>
    <message>
        <source>&amp;Pomodoros</source>
        <translation>&amp;Помодоро</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Показывать только помодоро</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Все</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Показывать и перерывы</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Интервалы за день</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Экспорт в CSV…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Помодоро</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Короткий перерыв</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Длинный перерыв</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1 в %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n помодоро</numerusform>
            <numerusform>%n помодоро</numerusform>
            <numerusform>%n помодоро</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n интервал</numerusform>
            <numerusform>%n интервала</numerusform>
            <numerusform>%n интервалов</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Ничего не записано</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 работы</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n перерыв</numerusform>
            <numerusform>%n перерыва</numerusform>
            <numerusform>%n перерывов</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo не может прочитать свои записи</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Ход экспорта</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Отменить экспорт</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Экспорт отменён; файл не записан.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Статистика Mirelo</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Неделя</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Месяц</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>%1 из %n сегодня</numerusform>
            <numerusform>%1 из %n сегодня</numerusform>
            <numerusform>%1 из %n сегодня</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n день подряд</numerusform>
            <numerusform>%n дня подряд</numerusform>
            <numerusform>%n дней подряд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo не запущен</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Таймер не запущен</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Перерыв отложен: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Помодоро приостановлен, осталось %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Помодоро, осталось %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Короткий перерыв, осталось %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Длинный перерыв, осталось %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>%1 из %n сегодня</numerusform>
            <numerusform>%1 из %n сегодня</numerusform>
            <numerusform>%1 из %n сегодня</numerusform>
        </translation>
    </message>
</context>
</TS>
