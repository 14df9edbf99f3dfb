<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Mirelo 图标</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>休息 — 剩余 %1</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休息</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>剩余 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>剩余 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>剩余 %1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>在浏览器中打开 %1</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Mirelo 所使用的库</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>欢迎回来 — 您离开了 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>您离开期间番茄钟已停止，未记录任何内容。</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>开始番茄钟</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo：%1 失败：%2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo：未知命令“%1”</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo 未运行。请先用 `mirelo` 启动它。</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo：无法读取计时器：%1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo：%1 被拒绝：%2</translation>
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
        <translation>用法：mirelo [pomodoro | short-break | long-break | stop | pause | resume |
              status | preferences | statistics]
不带命令时，在系统托盘中启动 Mirelo。
  pomodoro     开始一个番茄钟
  short-break  开始短休息
  long-break   开始长休息
  stop         停止正在运行的计时
  pause        暂停正在进行的番茄钟
  resume       继续已暂停的番茄钟
  status       输出 &quot;&lt;state&gt; &lt;mm:ss&gt;&quot;（休息等待通话结束时状态为 &quot;held&quot;，
               番茄钟暂停时为 &quot;paused&quot;）
    --follow     每次变化和每分钟输出一行，供状态栏使用
    --json       每行以 JSON 对象输出（text、tooltip、class、percentage）
  preferences  打开首选项窗口
  statistics   打开统计窗口
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>番茄钟已停止</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>番茄钟暂停已超过 %n 分钟。</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>最后一分钟！</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>马上就该休息了！</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>已达成每日目标</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>今天已完成 %n 个番茄钟。连续天数：%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n 个番茄钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>每日目标</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>每天的番茄钟数量，将与达成目标的连续天数一起显示在托盘图标的提示和统计中。</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>达成目标时通知我</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>专注计时器</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>用番茄钟工作，按时休息</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;番茄钟;番茄工作法;计时器;专注;休息;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>开始番茄钟</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>短休息</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>停止计时</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>强制休息的专注计时器</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo 在系统托盘中运行番茄钟循环：先工作，然后是短休息或长休息，休息画面会覆盖所有屏幕直到休息结束。它会记录每个已完成的时段，并可通过菜单、启动器操作、D-Bus 和命令行进行控制。</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>托盘中的实时倒计时，以及番茄钟结束前一分钟的提醒</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>覆盖所有显示器的休息画面，配有照片或桌面壁纸以及一句名言</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>可选规则：休息不能提前结束</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>每个已完成的时段都保存在本地 SQLite 数据库中</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>远程控制：mirelo pomodoro、short-break、long-break、stop 和 status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>短休息以倒计时覆盖所有屏幕</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>休息结束后，Mirelo 会提醒您回到工作</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>强制休息的专注计时器</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>铃声</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>闹钟</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>新消息</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>注意</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>番茄钟结束时</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>休息结束时</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>最后一分钟时</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>选择声音</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>文件…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>音量：%1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>播放：%1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>WAV 或 Ogg Vorbis 声音 (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>无法播放此文件：只能播放 WAV 和 Ogg Vorbis 文件。将改为播放主题的声音。</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>无法播放“%1”：只能播放 WAV 和 Ogg Vorbis 文件。</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>最近七天的专注分钟数</translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation>%1：%2 分钟</translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message>
        <source>Previous week</source>
        <translation>上一周</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>上一年</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>下一周</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>下一年</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n 个番茄钟，专注 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>最忙的一天：%1，%2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>此期间没有番茄钟</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1：%n 个番茄钟，%2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%2年%1</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>最忙的一周：%1，%2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>未找到指纹识别器。</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>尚未录入指纹：请在桌面环境的用户设置中添加。</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>通话和麦克风</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>屏幕共享</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>全屏窗口</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>勿扰模式</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>保持屏幕常亮的程序</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>在以下情况推迟休息</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>在以下情况推迟休息：%1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo 正在运行，但没有托盘图标</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>可以通过 Mirelo 的启动器操作，或在终端中使用“mirelo pomodoro”、“mirelo stop”和“mirelo status”来启动和停止计时。启用托盘扩展（GNOME 上为 AppIndicator）即可显示图标。</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo 已在运行。</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo：没有会话总线；将在没有脚本控制和单实例检查的情况下运行。</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>通话结束后休息</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>休息已推迟：%1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>一分钟后休息</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>休息已推迟到允许的最长时间。</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo 无法保存</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>无法将 Mirelo 添加到启动器：%1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>已添加到启动器</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>番茄钟</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>短休息</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Mirelo 的另一个快捷键已使用此组合。</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>此键在所有程序中都用于移动焦点或响应窗口：请另选一个。</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>请加上 Ctrl、Alt 或 Super：单独一个键会让所有其他程序都无法使用它。</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>有新版本的 Mirelo 可用</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 已可安装；您当前的版本为 %2。</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>已是最新版本！</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 是最新的可用版本。</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>更新出错！</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>获取更新信息时出错。</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>勿扰模式已开启</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>屏幕保持常亮</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>麦克风正在使用</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>摄像头正在使用</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>正在共享屏幕</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>全屏窗口</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>此键盘上没有这个键。</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>其他程序已使用此组合。</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>X 服务器拒绝了此组合。</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Copyright © 2026 Mirelo 开发者。本软件为自由软件，以 GNU GPL 第 3 版或更高版本授权。</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Mirelo 开发者</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>致谢</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>版本 %1（%2）</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>关于 Mirelo</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>库</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>许可证</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>要退出 %@ 吗？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>需要密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>使用指纹解锁</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>摄影：%@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>休息一下</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>回到工作吧！</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>休息一下，保持专注</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>跳过休息，开始番茄钟</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>将休息推迟 1 分钟</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>停止休息</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>本次休息还剩 %1</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>密码错误，请重新输入。</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>设置密码</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>四个字母或数字。提前结束休息前需要输入。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>两次输入的密码不一致</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>请输入由 4 个字母或数字组成的密码</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>密码应为 4 个字符</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>请在“确认密码”中再次输入密码</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>密码锁</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>提前结束休息及休息结束时要求输入密码</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>更改密码…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>何时要求</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>立即</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>5 秒后</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>10 秒后</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>1 分钟后</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>允许使用指纹解锁</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>全局快捷键</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>开始番茄钟</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>短休息</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>暂停或继续</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>选择一个输入框（单击，或按 Space 或 Return 键），然后按下组合键；Backspace 清除，Escape 保留原来的组合。</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>日志与启动器</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>在文件管理器中显示日志</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>将操作添加到启动器</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>启动器集成页面</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>番茄钟</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>长休息间隔</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>休息结束时播放声音</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>在托盘图标上显示倒计时</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>在托盘图标上以饼图显示进度</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Mirelo 启动时开始番茄钟</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>登录时启动 Mirelo</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>停止休息时提供选项</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>休息期间不可取消</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>我离开时停止番茄钟</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>在这段时间内没有任何输入或屏幕一直锁定，番茄钟将停止；离开的时间不会被记录。</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>判定离开的时间</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>在通话、演示和全屏工作时推迟休息</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>当麦克风、摄像头或屏幕共享正在使用、勿扰模式已开启或全屏窗口处于焦点时，休息会等待，并在这些情况结束后开始。</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>最长推迟</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>次短休息</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>休息背景</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>桌面壁纸</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>每日一图</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>模糊屏幕</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>名言</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>不显示名言</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>我自己的名言</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>每行一句名言</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>壁纸</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>无 — 选中后按下组合键</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>请按快捷键…（Escape 取消）</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>休息预览</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>前一天</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>后一天</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>还没有计时</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>导出 CSV…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>当前无法读取记录（数据库正被使用或已损坏）</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>开始番茄钟</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>短休息</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>停止短休息</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>停止长休息</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>关闭休息画面</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>统计…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>检查更新…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>发送建议…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>为 Mirelo 评分…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>停止番茄钟</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>请使用密码解锁。</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>无法保存：%1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>登录时启动 Mirelo</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>在系统设置中更改(&amp;C)…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>此桌面不为程序提供全局快捷键。请在其键盘设置中为 Mirelo 命令绑定按键，例如：mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>由桌面决定绑定哪些按键，并可能先询问您。</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>请在桌面系统设置的键盘快捷键中更改。</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>桌面尚未绑定</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>桌面已绑定：%1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>停止共享屏幕后休息</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>退出全屏后休息</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>你忙碌时休息将推迟</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>无法加载照片。请选择其他图片，或联网后重试。</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>无法截取屏幕：休息时将显示内置图片。</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>休息时显示每个屏幕内容的模糊画面。</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>未找到桌面壁纸：休息时将显示内置图片。</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>未设置桌面壁纸：休息时改为显示屏幕的模糊画面。</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n 个已完成的时段无法保存到磁盘，若 Mirelo 在记录保存前退出，这些时段将丢失。请释放磁盘空间。</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>磁盘已满。Mirelo 会先另行保存你的记录，待有空间时再写入。</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>记录数据库为只读。请恢复其写入权限；在此之前 Mirelo 会另行保存你的记录。</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo 无法创建记录数据库。请让其数据文件夹可写；在此之前 Mirelo 会另行保存你的记录。</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo 无法读取记录数据库。请检查该文件的权限；在此之前 Mirelo 会另行保存你的记录。</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>此次休息无法提前结束：见 首选项 › 常规 中的“休息期间不可取消”。</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>休息已结束。输入密码以返回桌面。</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>没有邮件程序</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>请用您的邮箱写信至 %1。地址已复制到剪贴板。</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>没有软件中心</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>请在软件中心或 https://mirelo.org 为 Mirelo 评分。</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>无法连接更新服务器。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo 无法读取其偏好设置</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>该文件已保留为 %1。Mirelo 暂时使用默认设置运行，并且只保存您更改的设置。</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>在浏览器中打开(&amp;B)</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>已输入 %1/%2 个字符</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>番茄钟暂停上限</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>专注时间</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1（分钟）</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>恢复默认设置(&amp;R)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>时长、托盘图标、休息和离开设置将恢复为初始状态。“登录时启动”保持不变。</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>壁纸</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>休息背景和名言将恢复为初始状态。您自己写的名言会保留。</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>密码锁将被关闭，其延迟、指纹和全局快捷键将恢复为初始状态。您的密码会保留，以便再次开启密码锁时使用。</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>要恢复“%1”的默认设置吗？</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>网络名言</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>内置名言</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>选择“我自己的名言”即可编辑。</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Mirelo 首选项 — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>没有正在运行的计时器。</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>计时器正在运行；请先用“mirelo stop”停止它。</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>番茄钟已暂停。</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>没有正在进行的番茄钟；休息不能暂停。</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>没有已暂停的番茄钟。</translation>
    </message>
</context>
<context>
    <name>SetPasscodeViewController</name>
    <message>
        <source>&amp;Passcode:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Verify:</source>
        <translation>确认密码(&amp;V)：</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>开始番茄钟</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>短休息</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>暂停或继续番茄钟</translation>
    </message>
</context>
<context>
    <name>StatRow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
</context>
<context>
    <name>StatViewController</name>
    <message>
        <source>&amp;Pomodoros</source>
        <translation>番茄钟(&amp;P)</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>仅显示番茄钟</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>全部(&amp;L)</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>同时显示休息</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>当天的时段</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>导出 CSV(&amp;E)…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>番茄钟</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>短休息</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>长休息</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>时段</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1，开始于 %2，%3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n 个番茄钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n 个时段</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>没有记录</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>专注 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n 次休息</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo 无法读取其记录</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>导出进度</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>取消导出</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>导出已取消；文件未写入。</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Mirelo 统计</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>今天 %1/%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>连续 %n 天</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo 未运行</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>没有正在运行的计时器</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>休息已推迟：%1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>番茄钟已暂停，剩余 %1</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>番茄钟，剩余 %1</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>短休息，剩余 %1</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>长休息，剩余 %1</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>今天 %1/%n</numerusform>
        </translation>
    </message>
</context>
</TS>
