<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>AboutViewController</name>
    <message>
        <source>Mirelo icon</source>
        <translation>Mirelo simgesi</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Break — %1 left</source>
        <translation>Mola — %1 kaldı</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Mola</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left</source>
        <translation>
            <numerusform>%n saniye kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes left</source>
        <translation>
            <numerusform>%n dakika kaldı</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 left</source>
        <translation>%1 %2 kaldı</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AcknowledgementsViewController</name>
    <message>
        <source>Open %1 in the browser</source>
        <translation>%1 adresini tarayıcıda aç</translation>
    </message>
    <message>
        <source>Libraries Mirelo is built on</source>
        <translation>Mirelo&apos;nun üzerine kurulduğu kitaplıklar</translation>
    </message>
</context>
<context>
    <name>AwayDetector</name>
    <message numerus="yes">
        <source>Welcome back — you were away %n min</source>
        <translation>
            <numerusform>Tekrar hoş geldiniz — %n dk uzaktaydınız</numerusform>
        </translation>
    </message>
    <message>
        <source>The Pomodoro stopped while you were away; nothing was recorded.</source>
        <translation>Siz uzaktayken Pomodoro durdu; hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro başlat</translation>
    </message>
</context>
<context>
    <name>CommandLineClient</name>
    <message>
        <source>mirelo: %1 failed: %2</source>
        <translation>mirelo: %1 başarısız: %2</translation>
    </message>
    <message>
        <source>mirelo: unknown command &apos;%1&apos;</source>
        <translation>mirelo: bilinmeyen komut &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Mirelo is not running. Start it with `mirelo` first.</source>
        <translation>Mirelo çalışmıyor. Önce `mirelo` ile başlatın.</translation>
    </message>
    <message>
        <source>mirelo: could not read the timer: %1</source>
        <translation>mirelo: zamanlayıcı okunamadı: %1</translation>
    </message>
    <message>
        <source>mirelo: %1 refused: %2</source>
        <translation>mirelo: %1 reddedildi: %2</translation>
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
        <translation>Kullanım: mirelo [pomodoro | short-break | long-break | stop | pause | resume |
                  status | preferences | statistics]
Komut verilmezse Mirelo&apos;yu sistem tepsisinde başlatır.
  pomodoro     bir Pomodoro başlatır
  short-break  kısa mola başlatır
  long-break   uzun mola başlatır
  stop         çalışan zamanlayıcıyı durdurur
  pause        çalışan Pomodoro&apos;yu duraklatır
  resume       duraklatılan Pomodoro&apos;yu sürdürür
  status       &quot;&lt;state&gt; &lt;mm:ss&gt;&quot; yazdırır (mola bir görüşmenin bitmesini
               beklerken durum &quot;held&quot;, Pomodoro duraklatılmışken &quot;paused&quot; olur)
    --follow     her değişiklikte ve her dakika bir satır yazdır, durum çubukları için
    --json       her birini JSON nesnesi olarak yazdır (text, tooltip, class, percentage)
  preferences  tercihler penceresini açar
  statistics   istatistik penceresini açar
</translation>
    </message>
</context>
<context>
    <name>CycleController</name>
    <message>
        <source>Pomodoro stopped</source>
        <translation>Pomodoro durduruldu</translation>
    </message>
    <message numerus="yes">
        <source>It was paused for more than %n minute(s).</source>
        <translation>
            <numerusform>Pomodoro %n dakikadan uzun süre duraklatılmıştı.</numerusform>
        </translation>
    </message>
    <message>
        <source>Last Minute!</source>
        <translation>Son dakika!</translation>
    </message>
    <message>
        <source>Almost time to take a break!</source>
        <translation>Mola vaktine az kaldı!</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Daily goal met</source>
        <translation>Günlük hedefe ulaşıldı</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s) today. Days in a row: %1</source>
        <translation>
            <numerusform>Bugün %n Pomodoro. Art arda gün: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DailyGoalRow</name>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s)</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily goal</source>
        <translation>Günlük hedef</translation>
    </message>
    <message>
        <source>Pomodoros a day, shown in the tray&apos;s tooltip and the statistics with the days in a row that met it.</source>
        <translation>Günlük Pomodoro sayısı. Tepsi simgesinin ipucunda ve istatistiklerde, hedefe ulaşılan art arda gün sayısıyla birlikte gösterilir.</translation>
    </message>
    <message>
        <source>Notify me when the goal is met</source>
        <translation>Hedefe ulaşıldığında bildir</translation>
    </message>
</context>
<context>
    <name>DesktopFiles</name>
    <message>
        <source>Focus Timer</source>
        <translation>Odak Zamanlayıcısı</translation>
    </message>
    <message>
        <source>Work in Pomodoros and take your breaks</source>
        <translation>Pomodoro&apos;larla çalışın ve molalarınızı verin</translation>
    </message>
    <message>
        <source>pomodoro;timer;focus;break;</source>
        <translation>pomodoro;zamanlayıcı;sayaç;odak;odaklanma;mola;</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Pomodoro Başlat</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Kısa Mola</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Uzun Mola</translation>
    </message>
    <message>
        <source>Stop Timer</source>
        <translation>Zamanlayıcıyı Durdur</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Tercihler</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>İstatistikler</translation>
    </message>
    <message>
        <source>Focus timer with enforced breaks</source>
        <translation>Zorunlu molalı odak zamanlayıcısı</translation>
    </message>
    <message>
        <source>Mirelo runs the Pomodoro cycle from the tray: work, then a short or long break that covers every screen until it ends. It records every finished interval and can be driven from the menu, the launcher&apos;s actions, D-Bus and the command line.</source>
        <translation>Mirelo, Pomodoro döngüsünü sistem tepsisinden yürütür: çalışma, ardından bitene kadar tüm ekranları kaplayan kısa ya da uzun bir mola. Tamamlanan her aralığı kaydeder; menüden, başlatıcı eylemlerinden, D-Bus üzerinden ve komut satırından yönetilebilir.</translation>
    </message>
    <message>
        <source>A live countdown in the tray and a warning a minute before a Pomodoro ends</source>
        <translation>Tepside canlı geri sayım ve Pomodoro bitmeden bir dakika önce uyarı</translation>
    </message>
    <message>
        <source>Breaks that cover every monitor, with a photograph or your desktop picture and a quote</source>
        <translation>Tüm monitörleri kaplayan, bir fotoğraf ya da masaüstü resminiz ve bir alıntıyla gelen molalar</translation>
    </message>
    <message>
        <source>An optional rule that a break cannot be ended early</source>
        <translation>Molanın erken bitirilemeyeceğine dair isteğe bağlı bir kural</translation>
    </message>
    <message>
        <source>Every finished interval kept in a local SQLite database</source>
        <translation>Tamamlanan her aralık yerel bir SQLite veritabanında saklanır</translation>
    </message>
    <message>
        <source>Remote control: mirelo pomodoro, short-break, long-break, stop and status</source>
        <translation>Uzaktan denetim: mirelo pomodoro, short-break, long-break, stop ve status</translation>
    </message>
    <message>
        <source>A short break covers every screen with its countdown</source>
        <translation>Kısa mola, geri sayımıyla tüm ekranları kaplar</translation>
    </message>
    <message>
        <source>When a break is over, Mirelo asks you back to work</source>
        <translation>Mola bittiğinde Mirelo sizi işe geri çağırır</translation>
    </message>
    <message>
        <source>focus timer with enforced breaks</source>
        <translation>zorunlu molalı odak zamanlayıcısı</translation>
    </message>
</context>
<context>
    <name>EventSoundsView</name>
    <message>
        <source>Complete</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Zil</translation>
    </message>
    <message>
        <source>Alarm clock</source>
        <translation>Çalar saat</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Yeni ileti</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Dikkat</translation>
    </message>
    <message>
        <source>When a Pomodoro ends</source>
        <translation>Pomodoro bittiğinde</translation>
    </message>
    <message>
        <source>When a break ends</source>
        <translation>Mola bittiğinde</translation>
    </message>
    <message>
        <source>At the last minute</source>
        <translation>Son dakikada</translation>
    </message>
    <message>
        <source>Choose a sound</source>
        <translation>Ses seçin</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sesler</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>A file…</source>
        <translation>Dosya…</translation>
    </message>
    <message>
        <source>Volume: %1</source>
        <translation>Ses düzeyi: %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Çal</translation>
    </message>
    <message>
        <source>Play: %1</source>
        <translation>Çal: %1</translation>
    </message>
    <message>
        <source>WAV or Ogg Vorbis sounds (*.wav *.ogg *.oga)</source>
        <translation>WAV veya Ogg Vorbis sesleri (*.wav *.ogg *.oga)</translation>
    </message>
    <message>
        <source>This file cannot be played: only WAV and Ogg Vorbis files can. The theme&apos;s sound plays instead.</source>
        <translation>Bu dosya çalınamaz: yalnızca WAV ve Ogg Vorbis dosyaları çalınabilir. Yerine temanın sesi çalar.</translation>
    </message>
    <message>
        <source>“%1” cannot be played: only WAV and Ogg Vorbis files can.</source>
        <translation>“%1” çalınamaz: yalnızca WAV ve Ogg Vorbis dosyaları çalınabilir.</translation>
    </message>
</context>
<context>
    <name>FocusChart</name>
    <message>
        <source>Focused minutes of the last seven days</source>
        <translation>Son yedi günde odaklanılan dakikalar</translation>
    </message>
    <message>
        <source>%1: %2 min</source>
        <translation>%1: %2 dk</translation>
    </message>
</context>
<context>
    <name>FocusPeriodView</name>
    <message>
        <source>Previous week</source>
        <translation>Önceki hafta</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Önceki ay</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Önceki yıl</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>Sonraki hafta</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Sonraki ay</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Sonraki yıl</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoro(s), %1 focused</source>
        <translation>
            <numerusform>%n Pomodoro, %1 odaklanma</numerusform>
        </translation>
    </message>
    <message>
        <source>Busiest day: %1, %2</source>
        <translation>En yoğun gün: %1, %2</translation>
    </message>
    <message>
        <source>No Pomodoro in this period</source>
        <translation>Bu dönemde Pomodoro yok</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n Pomodoro(s), %2</source>
        <translation>
            <numerusform>%1: %n Pomodoro, %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a month as a heading: %1 the month&apos;s name, %2 the year</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Busiest week: %1, %2</source>
        <translation>En yoğun hafta: %1, %2</translation>
    </message>
</context>
<context>
    <name>FprintdBiometrics</name>
    <message>
        <source>No fingerprint reader was found.</source>
        <translation>Parmak izi okuyucu bulunamadı.</translation>
    </message>
    <message>
        <source>No finger is enrolled: add one in the desktop&apos;s user settings.</source>
        <translation>Kayıtlı parmak izi yok: masaüstünün kullanıcı ayarlarından bir tane ekleyin.</translation>
    </message>
</context>
<context>
    <name>HoldSourcesRow</name>
    <message>
        <source>calls and the microphone</source>
        <translation>aramalar ve mikrofon</translation>
    </message>
    <message>
        <source>the camera</source>
        <translation>kamera</translation>
    </message>
    <message>
        <source>screen sharing</source>
        <translation>ekran paylaşımı</translation>
    </message>
    <message>
        <source>full-screen windows</source>
        <translation>tam ekran pencereler</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Rahatsız Etmeyin</translation>
    </message>
    <message>
        <source>programs that keep the screen on</source>
        <translation>ekranı açık tutan programlar</translation>
    </message>
    <message>
        <source>Hold breaks during</source>
        <translation>Molaları şu durumlarda beklet</translation>
    </message>
    <message>
        <source>Hold breaks during %1</source>
        <translation>Molaları beklet: %1</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>Mirelo is running without a tray icon</source>
        <translation>Mirelo tepsi simgesi olmadan çalışıyor</translation>
    </message>
    <message>
        <source>Start and stop timers from Mirelo&apos;s launcher actions or with &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; and &quot;mirelo status&quot; in a terminal. Enable a tray extension (AppIndicator on GNOME) to get the icon.</source>
        <translation>Zamanlayıcıları Mirelo&apos;nun başlatıcı eylemleriyle ya da uçbirimde &quot;mirelo pomodoro&quot;, &quot;mirelo stop&quot; ve &quot;mirelo status&quot; komutlarıyla başlatıp durdurun. Simgeyi görmek için bir tepsi uzantısını etkinleştirin (GNOME&apos;da AppIndicator).</translation>
    </message>
    <message>
        <source>Mirelo is already running.</source>
        <translation>Mirelo zaten çalışıyor.</translation>
    </message>
    <message>
        <source>Mirelo: no session bus; running without scripting and single-instance check.</source>
        <translation>Mirelo: oturum veri yolu yok; betik desteği ve tek örnek denetimi olmadan çalışıyor.</translation>
    </message>
    <message>
        <source>Break when your call ends</source>
        <translation>Görüşmeniz bitince mola</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Mola bekletiliyor: %1</translation>
    </message>
    <message>
        <source>Break in one minute</source>
        <translation>Bir dakika sonra mola</translation>
    </message>
    <message>
        <source>The break was held as long as allowed.</source>
        <translation>Mola, izin verilen en uzun süre boyunca bekletildi.</translation>
    </message>
    <message>
        <source>Mirelo cannot save</source>
        <translation>Mirelo kaydedemiyor</translation>
    </message>
    <message>
        <source>Could not add Mirelo to your launcher: %1</source>
        <translation>Mirelo başlatıcınıza eklenemedi: %1</translation>
    </message>
    <message>
        <source>Added to your launcher</source>
        <translation>Başlatıcınıza eklendi</translation>
    </message>
    <message>
        <source>Today-Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Today-Short-break</source>
        <translation>Kısa mola</translation>
    </message>
    <message>
        <source>Today-Long-break</source>
        <translation>Uzun mola</translation>
    </message>
    <message>
        <source>The other shortcut already uses this combination.</source>
        <translation>Bu birleşimi Mirelo&apos;nun diğer kısayolu zaten kullanıyor.</translation>
    </message>
    <message>
        <source>This key moves around or answers windows in every program: choose another.</source>
        <translation>Bu tuş her programda pencerelerde gezinmek ya da yanıt vermek için kullanılır: başka bir tuş seçin.</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super: a key alone would be taken from every program.</source>
        <translation>Ctrl, Alt veya Super ekleyin: tek başına bir tuş diğer tüm programlardan alınmış olur.</translation>
    </message>
    <message>
        <source>A new version of Mirelo is available</source>
        <translation>Mirelo&apos;nun yeni bir sürümü var</translation>
    </message>
    <message>
        <source>Mirelo %1 is ready to install; you have %2.</source>
        <translation>Mirelo %1 kurulmaya hazır; sizdeki sürüm %2.</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Güncelsiniz!</translation>
    </message>
    <message>
        <source>Mirelo %1 is the newest version available.</source>
        <translation>Mirelo %1 mevcut en yeni sürüm.</translation>
    </message>
    <message>
        <source>Update Error!</source>
        <translation>Güncelleme Hatası!</translation>
    </message>
    <message>
        <source>An error occurred in retrieving update information.</source>
        <translation>Güncelleme bilgileri alınırken bir hata oluştu.</translation>
    </message>
    <message>
        <source>Do Not Disturb on</source>
        <translation>Rahatsız Etmeyin açık</translation>
    </message>
    <message>
        <source>the screen is kept on</source>
        <translation>ekran açık tutuluyor</translation>
    </message>
    <message>
        <source>microphone in use</source>
        <translation>mikrofon kullanımda</translation>
    </message>
    <message>
        <source>camera in use</source>
        <translation>kamera kullanımda</translation>
    </message>
    <message>
        <source>screen shared</source>
        <translation>ekran paylaşılıyor</translation>
    </message>
    <message>
        <source>full-screen window</source>
        <translation>tam ekran pencere</translation>
    </message>
    <message>
        <source>This keyboard has no such key.</source>
        <translation>Bu klavyede böyle bir tuş yok.</translation>
    </message>
    <message>
        <source>Another program already uses this combination.</source>
        <translation>Bu birleşimi başka bir program zaten kullanıyor.</translation>
    </message>
    <message>
        <source>The X server refused this combination.</source>
        <translation>X sunucusu bu birleşimi reddetti.</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Mirelo developers. Free software under the GNU GPL, version 3 or later.</source>
        <translation>Telif hakkı © 2026 Mirelo geliştiricileri. GNU GPL sürüm 3 veya sonrası altında özgür yazılım.</translation>
    </message>
    <message>
        <source>The Mirelo developers</source>
        <translation>Mirelo geliştiricileri</translation>
    </message>
    <message>
        <source>Acknowledgements</source>
        <translation>Teşekkürler</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Sürüm %1 (%2)</translation>
    </message>
    <message>
        <source>About Mirelo</source>
        <translation>Mirelo Hakkında</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>Kitaplık</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Lisans</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Ana sayfa</translation>
    </message>
    <message>
        <source>Quit %@?</source>
        <translation>%@ kapatılsın mı?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Passcode Required</source>
        <translation>Erişim kodu gerekli</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Unlock with Touch ID</source>
        <translation>Parmak iziyle kilidi aç</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Erişim kodu</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Durdur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>photo by %@</source>
        <translation>fotoğraf: %@</translation>
    </message>
    <message>
        <source>Take a break</source>
        <translation>Mola verin</translation>
    </message>
    <message>
        <source>Back to work!</source>
        <translation>İşe dönme zamanı!</translation>
    </message>
    <message>
        <source>Take a Break to Stay Focused</source>
        <translation>Odaklı kalmak için mola verin</translation>
    </message>
    <message>
        <source>Popover-Pomodoro</source>
        <translation>Molayı atla, Pomodoro başlat</translation>
    </message>
    <message>
        <source>Popover-Postpone</source>
        <translation>Molayı 1 dakika ertele</translation>
    </message>
    <message>
        <source>Popover-Stop</source>
        <translation>Molayı durdur</translation>
    </message>
    <message>
        <source>Popover-Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1 left in this break</source>
        <translation>Molanın bitmesine %1 kaldı</translation>
    </message>
    <message>
        <source>Wrong passcode. Type it again.</source>
        <translation>Yanlış kod. Yeniden yazın.</translation>
    </message>
    <message>
        <source>Set Passcode</source>
        <translation>Erişim Kodu Belirle</translation>
    </message>
    <message>
        <source>Four letters or digits. Asked before a break can end early.</source>
        <translation>Dört harf ya da rakam. Mola erken bitirilmeden önce sorulur.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Passcodes do not match</source>
        <translation>Kodlar eşleşmiyor</translation>
    </message>
    <message>
        <source>Type a passcode of 4 letters or digits</source>
        <translation>4 harf ya da rakamdan oluşan bir kod yazın</translation>
    </message>
    <message>
        <source>Passcode should be 4 characters</source>
        <translation>Kod 4 karakter olmalı</translation>
    </message>
    <message>
        <source>Type the passcode again under Verify</source>
        <translation>Kodu Doğrula alanına yeniden yazın</translation>
    </message>
    <message>
        <source>Passcode lock</source>
        <translation>Erişim kodu kilidi</translation>
    </message>
    <message>
        <source>Ask for a passcode to end a break early and at its end</source>
        <translation>Molayı erken bitirmek için ve mola sonunda erişim kodu sor</translation>
    </message>
    <message>
        <source>Change passcode…</source>
        <translation>Kodu değiştir…</translation>
    </message>
    <message>
        <source>Ask for it</source>
        <translation>Ne zaman sorulsun</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>hemen</translation>
    </message>
    <message>
        <source>after 5 seconds</source>
        <translation>5 saniye sonra</translation>
    </message>
    <message>
        <source>after 10 seconds</source>
        <translation>10 saniye sonra</translation>
    </message>
    <message>
        <source>after 1 minute</source>
        <translation>1 dakika sonra</translation>
    </message>
    <message>
        <source>Unlock with a fingerprint</source>
        <translation>Parmak iziyle kilit açma</translation>
    </message>
    <message>
        <source>Global shortcuts</source>
        <translation>Genel kısayollar</translation>
    </message>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro başlat</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kısa mola</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Duraklat veya sürdür</translation>
    </message>
    <message>
        <source>Choose a field (click, Space or Return), then press the combination; Backspace clears it, Escape keeps the old one.</source>
        <translation>Bir alan seçin (tıklayarak, Space ya da Return ile), ardından tuş birleşimine basın; Backspace birleşimi temizler, Escape eskisini korur.</translation>
    </message>
    <message>
        <source>Logs and launchers</source>
        <translation>Günlükler ve başlatıcılar</translation>
    </message>
    <message>
        <source>Reveal logs in the file manager</source>
        <translation>Günlükleri dosya yöneticisinde göster</translation>
    </message>
    <message>
        <source>Add actions to the launcher</source>
        <translation>Başlatıcıya eylem ekle</translation>
    </message>
    <message>
        <source>Launcher integration page</source>
        <translation>Başlatıcı tümleştirme sayfası</translation>
    </message>
    <message numerus="yes">
        <source>pref-mins</source>
        <translation>
            <numerusform>dakika</numerusform>
        </translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Uzun mola</translation>
    </message>
    <message>
        <source>Take a long break after</source>
        <translation>Uzun moladan önce</translation>
    </message>
    <message>
        <source>Play a sound when a break ends</source>
        <translation>Mola bittiğinde ses çal</translation>
    </message>
    <message>
        <source>Show the countdown on the tray icon</source>
        <translation>Tepsi simgesinde geri sayımı göster</translation>
    </message>
    <message>
        <source>Show the progress as a pie on the tray icon</source>
        <translation>Tepsi simgesinde ilerlemeyi pasta olarak göster</translation>
    </message>
    <message>
        <source>Start a Pomodoro when Mirelo starts</source>
        <translation>Mirelo açılınca Pomodoro başlat</translation>
    </message>
    <message>
        <source>Launch Mirelo at login</source>
        <translation>Oturum açılınca Mirelo&apos;yu başlat</translation>
    </message>
    <message>
        <source>Offer options when a break is stopped</source>
        <translation>Mola durdurulunca seçenekler sun</translation>
    </message>
    <message>
        <source>No cancellation during the break</source>
        <translation>Molanın iptaline izin verme</translation>
    </message>
    <message>
        <source>Stop a Pomodoro when I am away</source>
        <translation>Uzaktayken Pomodoro&apos;yu durdur</translation>
    </message>
    <message>
        <source>No input for this long, or the screen locked that long, stops the Pomodoro; nothing is recorded for the time away.</source>
        <translation>Bu süre boyunca hiçbir giriş olmazsa ya da ekran bu kadar kilitli kalırsa Pomodoro durur; uzakta geçen süre kaydedilmez.</translation>
    </message>
    <message>
        <source>Away after</source>
        <translation>Uzakta sayılma süresi</translation>
    </message>
    <message>
        <source>Hold breaks during calls, presentations and full-screen work</source>
        <translation>Görüşme, sunum ve tam ekran çalışma sırasında molaları beklet</translation>
    </message>
    <message>
        <source>While the microphone, the camera or a screen share is in use, Do Not Disturb is on or a full-screen window has the focus, the break waits and starts when they end.</source>
        <translation>Mikrofon, kamera ya da ekran paylaşımı kullanımdayken, Rahatsız Etmeyin açıkken ya da odak tam ekran bir penceredeyken mola bekler ve bunlar bitince başlar.</translation>
    </message>
    <message>
        <source>Hold at most</source>
        <translation>En uzun bekletme</translation>
    </message>
    <message numerus="yes">
        <source>short breaks</source>
        <translation>
            <numerusform>kısa mola</numerusform>
        </translation>
    </message>
    <message>
        <source>Break background</source>
        <translation>Mola arka planı</translation>
    </message>
    <message>
        <source>Desktop picture</source>
        <translation>Masaüstü resmi</translation>
    </message>
    <message>
        <source>Photo of the day</source>
        <translation>Günün fotoğrafı</translation>
    </message>
    <message>
        <source>Blurred screen</source>
        <translation>Bulanık ekran</translation>
    </message>
    <message>
        <source>Quotes</source>
        <translation>Alıntılar</translation>
    </message>
    <message>
        <source>No quotes</source>
        <translation>Alıntı yok</translation>
    </message>
    <message>
        <source>My own quotes</source>
        <translation>Kendi alıntılarım</translation>
    </message>
    <message>
        <source>One quote per line</source>
        <translation>Her satıra bir alıntı</translation>
    </message>
    <message>
        <source>Pref-General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Pref-Wallpaper</source>
        <translation>Duvar kâğıdı</translation>
    </message>
    <message>
        <source>Pref-Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>Pref-About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>None — choose to record</source>
        <translation>Yok — kaydetmek için seçin</translation>
    </message>
    <message>
        <source>Press a shortcut… (Escape cancels)</source>
        <translation>Bir kısayola basın… (Escape iptal eder)</translation>
    </message>
    <message>
        <source>Break preview</source>
        <translation>Mola önizlemesi</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Önceki gün</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Sonraki gün</translation>
    </message>
    <message>
        <source>No timer yet</source>
        <translation>Henüz zamanlayıcı yok</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV Dışa Aktar…</translation>
    </message>
    <message>
        <source>the records cannot be read now (the database is in use or damaged)</source>
        <translation>kayıtlar şu anda okunamıyor (veritabanı kullanımda ya da hasarlı)</translation>
    </message>
    <message>
        <source>Start Pomodoro</source>
        <translation>Pomodoro Başlat</translation>
    </message>
    <message>
        <source>Short Break</source>
        <translation>Kısa Mola</translation>
    </message>
    <message>
        <source>Long Break</source>
        <translation>Uzun Mola</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Stop Short Break</source>
        <translation>Kısa Molayı Durdur</translation>
    </message>
    <message>
        <source>Stop Long Break</source>
        <translation>Uzun Molayı Durdur</translation>
    </message>
    <message>
        <source>Close the Break Screen</source>
        <translation>Mola Ekranını Kapat</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>İstatistikler…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Tercihler…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Güncellemeleri Denetle…</translation>
    </message>
    <message>
        <source>Send suggestion…</source>
        <translation>Öneri gönder…</translation>
    </message>
    <message>
        <source>Rate us on the App Store…</source>
        <translation>Mirelo&apos;yu değerlendirin…</translation>
    </message>
    <message>
        <source>Stop Pomodoro</source>
        <translation>Pomodoro&apos;yu Durdur</translation>
    </message>
    <message>
        <source>Please unlock with your passcode.</source>
        <translation>Lütfen erişim kodunuzla kilidi açın.</translation>
    </message>
    <message>
        <source>Could not save: %1</source>
        <translation>Kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Kaydedildiği yer: %1</translation>
    </message>
    <message>
        <source>Start Mirelo when you log in</source>
        <translation>Oturum açılınca Mirelo&apos;yu başlat</translation>
    </message>
    <message>
        <source>&amp;Change in System Settings…</source>
        <translation>Sistem Ayarlarında &amp;Değiştir…</translation>
    </message>
    <message>
        <source>This desktop gives programs no global shortcuts. In its keyboard settings, bind a key to a Mirelo command instead, for example: mirelo pomodoro</source>
        <translation>Bu masaüstü programlara genel kısayol sunmuyor. Bunun yerine masaüstünün klavye ayarlarında bir Mirelo komutuna tuş atayın, örneğin: mirelo pomodoro</translation>
    </message>
    <message>
        <source>The desktop decides which keys it binds and may ask you first.</source>
        <translation>Hangi tuşların atanacağına masaüstü karar verir ve önce size sorabilir.</translation>
    </message>
    <message>
        <source>Change them in the keyboard shortcuts of your desktop&apos;s system settings.</source>
        <translation>Bunları masaüstünüzün sistem ayarlarındaki klavye kısayollarından değiştirin.</translation>
    </message>
    <message>
        <source>Not bound by the desktop yet</source>
        <translation>Masaüstü henüz atamadı</translation>
    </message>
    <message>
        <source>Bound by the desktop: %1</source>
        <translation>Masaüstünün atadığı: %1</translation>
    </message>
    <message>
        <source>Break when you stop sharing the screen</source>
        <translation>Ekranı paylaşmayı bıraktığınızda mola</translation>
    </message>
    <message>
        <source>Break when you leave full screen</source>
        <translation>Tam ekrandan çıktığınızda mola</translation>
    </message>
    <message>
        <source>Break held while you are busy</source>
        <translation>Meşgulken mola bekliyor</translation>
    </message>
    <message>
        <source>The photo could not be loaded. Choose another picture, or try again when online.</source>
        <translation>Fotoğraf yüklenemedi. Başka bir resim seçin ya da çevrimiçiyken yeniden deneyin.</translation>
    </message>
    <message>
        <source>The screen could not be captured: breaks will show the built-in picture.</source>
        <translation>Ekran görüntüsü alınamadı: molalarda yerleşik resim gösterilecek.</translation>
    </message>
    <message>
        <source>Breaks show a blurred picture of what each screen shows.</source>
        <translation>Molalarda her ekranın gösterdiğinin bulanık bir resmi gösterilir.</translation>
    </message>
    <message>
        <source>No desktop picture was found: breaks will show the built-in picture.</source>
        <translation>Masaüstü resmi bulunamadı: molalarda yerleşik resim gösterilecek.</translation>
    </message>
    <message>
        <source>No desktop picture is set: breaks show a blurred picture of the screen instead.</source>
        <translation>Masaüstü resmi ayarlanmamış: molalarda bunun yerine ekranın bulanık bir resmi gösterilir.</translation>
    </message>
    <message numerus="yes">
        <source>%n finished interval(s) cannot be kept on disk and will be lost if Mirelo quits before the records can be saved. Free some disk space.</source>
        <translation>
            <numerusform>%n tamamlanan aralık diskte tutulamıyor ve kayıtlar kaydedilmeden Mirelo kapanırsa kaybolacak. Diskte yer açın.</numerusform>
        </translation>
    </message>
    <message>
        <source>The disk is full. Mirelo keeps your records aside and saves them once there is space.</source>
        <translation>Disk dolu. Mirelo kayıtlarınızı bir kenarda tutar ve yer açılınca kaydeder.</translation>
    </message>
    <message>
        <source>The records database is read-only. Make it writable again; Mirelo keeps your records aside until then.</source>
        <translation>Kayıt veritabanı salt okunur. Yeniden yazılabilir yapın; o zamana kadar Mirelo kayıtlarınızı bir kenarda tutar.</translation>
    </message>
    <message>
        <source>Mirelo cannot create its records database. Make its data folder writable; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kayıt veritabanını oluşturamıyor. Veri klasörünü yazılabilir yapın; o zamana kadar Mirelo kayıtlarınızı bir kenarda tutar.</translation>
    </message>
    <message>
        <source>Mirelo cannot read its records database. Check the file&apos;s permissions; Mirelo keeps your records aside until then.</source>
        <translation>Mirelo kayıt veritabanını okuyamıyor. Dosyanın izinlerini kontrol edin; o zamana kadar Mirelo kayıtlarınızı bir kenarda tutar.</translation>
    </message>
    <message>
        <source>This break cannot be ended early: &quot;No cancellation during the break&quot; in Preferences › General.</source>
        <translation>Bu mola erken bitirilemez: Tercihler › Genel içinde “Molanın iptaline izin verme”.</translation>
    </message>
    <message>
        <source>The break is over. Type your passcode to return to your desktop.</source>
        <translation>Mola bitti. Masaüstüne dönmek için parolanızı yazın.</translation>
    </message>
    <message>
        <source>No mail program</source>
        <translation>E-posta programı yok</translation>
    </message>
    <message>
        <source>Write to %1 from your mail. The address is on the clipboard.</source>
        <translation>E-postanızdan %1 adresine yazın. Adres panoya kopyalandı.</translation>
    </message>
    <message>
        <source>No software centre</source>
        <translation>Yazılım merkezi yok</translation>
    </message>
    <message>
        <source>Rate Mirelo in your software centre, or at https://mirelo.org.</source>
        <translation>Mirelo'yu yazılım merkezinizde ya da https://mirelo.org adresinde değerlendirin.</translation>
    </message>
    <message>
        <source>The update server could not be reached. Check the connection and try again.</source>
        <translation>Güncelleme sunucusuna ulaşılamadı. Bağlantıyı denetleyip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Mirelo could not read its preferences</source>
        <translation>Mirelo tercihlerini okuyamadı</translation>
    </message>
    <message>
        <source>The file was kept as %1. Mirelo runs on its default settings for now and saves only the settings you change.</source>
        <translation>Dosya %1 olarak saklandı. Mirelo şimdilik varsayılan ayarlarla çalışıyor ve yalnızca değiştirdiğiniz ayarları kaydediyor.</translation>
    </message>
</context>
<context>
    <name>MinutesSpinBox</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NewsWindowController</name>
    <message>
        <source>Open in &amp;Browser</source>
        <translation>&amp;Tarayıcıda Aç</translation>
    </message>
</context>
<context>
    <name>PasscodeView</name>
    <message>
        <source>%1 of %2 characters typed</source>
        <translation>%1/%2 karakter yazıldı</translation>
    </message>
</context>
<context>
    <name>PauseLimitRow</name>
    <message>
        <source>Stop a paused Pomodoro after</source>
        <translation>Duraklatılan Pomodoro&apos;yu şu süre sonra durdur:</translation>
    </message>
</context>
<context>
    <name>PeriodChart</name>
    <message>
        <source>Focused time</source>
        <translation>Odaklanılan süre</translation>
    </message>
</context>
<context>
    <name>PreferencesGeneralViewController</name>
    <message>
        <source>%1, in minutes</source>
        <translation>%1, dakika olarak</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Varsayılanları Geri Yükle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>The lengths, the tray icon, the break and the away settings go back to how Mirelo came. Launch at login stays as it is.</source>
        <translation>Süreler, tepsi simgesi, mola ve uzakta olma ayarları Mirelo&apos;nun ilk hâline döner. Oturum açılınca başlatma olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Duvar kâğıdı</translation>
    </message>
    <message>
        <source>The break background and the quotes go back to how Mirelo came. The quotes you wrote are kept.</source>
        <translation>Mola arka planı ve alıntılar Mirelo&apos;nun ilk hâline döner. Yazdığınız alıntılar korunur.</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>The passcode lock is turned off, and its delay, the fingerprint and the global shortcuts go back to how Mirelo came. Your passcode is kept for when you turn the lock on again.</source>
        <translation>Erişim kodu kilidi kapatılır; gecikmesi, parmak izi ve genel kısayollar Mirelo&apos;nun ilk hâline döner. Kilidi yeniden açtığınızda kullanılmak üzere kodunuz saklanır.</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Varsayılanları Geri Yükle</translation>
    </message>
    <message>
        <source>Restore the default settings of %1?</source>
        <translation>&quot;%1&quot; bölümünün varsayılan ayarları geri yüklensin mi?</translation>
    </message>
</context>
<context>
    <name>PreferencesWallpaperViewController</name>
    <message>
        <source>Quotes from the web</source>
        <translation>Web&apos;den alıntılar</translation>
    </message>
    <message>
        <source>Built-in quotes</source>
        <translation>Yerleşik alıntılar</translation>
    </message>
    <message>
        <source>Choose “My own quotes” to edit them.</source>
        <translation>Düzenlemek için “Kendi alıntılarım” seçeneğini seçin.</translation>
    </message>
</context>
<context>
    <name>PreferencesWindowController</name>
    <message>
        <source>Mirelo Preferences — %1</source>
        <translation>Mirelo Tercihleri — %1</translation>
    </message>
</context>
<context>
    <name>ScriptCommand</name>
    <message>
        <source>No timer is running.</source>
        <translation>Çalışan bir zamanlayıcı yok.</translation>
    </message>
    <message>
        <source>A timer is running; stop it first with &quot;mirelo stop&quot;.</source>
        <translation>Bir zamanlayıcı çalışıyor; önce &quot;mirelo stop&quot; ile durdurun.</translation>
    </message>
    <message>
        <source>The Pomodoro is already paused.</source>
        <translation>Pomodoro zaten duraklatıldı.</translation>
    </message>
    <message>
        <source>No Pomodoro is running; breaks do not pause.</source>
        <translation>Çalışan bir Pomodoro yok; molalar duraklatılamaz.</translation>
    </message>
    <message>
        <source>No Pomodoro is paused.</source>
        <translation>Duraklatılmış bir Pomodoro yok.</translation>
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
        <translation>&amp;Doğrula:</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Start a Pomodoro</source>
        <translation>Pomodoro başlat</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kısa mola</translation>
    </message>
    <message>
        <source>Pause or resume the Pomodoro</source>
        <translation>Pomodoroyu duraklat veya sürdür</translation>
    </message>
</context>
<context>
    <name>StatRow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n dk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n s</source>
        <translation>
            <numerusform>%n sn</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 sa %2 dk</translation>
    </message>
</context>
<context>
    <name>StatViewController</name>
    <message>
        <source>&amp;Pomodoros</source>
        <translation>&amp;Pomodoro&apos;lar</translation>
    </message>
    <message>
        <source>Show Pomodoros only</source>
        <translation>Yalnızca Pomodoro&apos;ları göster</translation>
    </message>
    <message>
        <source>A&amp;ll</source>
        <translation>&amp;Tümü</translation>
    </message>
    <message>
        <source>Show breaks too</source>
        <translation>Molaları da göster</translation>
    </message>
    <message>
        <source>Intervals of the day</source>
        <translation>Günün aralıkları</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV &amp;Dışa Aktar…</translation>
    </message>
    <message>
        <source>Pomodoro</source>
        <translation>Pomodoro</translation>
    </message>
    <message>
        <source>Short break</source>
        <translation>Kısa mola</translation>
    </message>
    <message>
        <source>Long break</source>
        <translation>Uzun mola</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>%1 at %2, %3</source>
        <translation>%1, saat %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%n Pomodoros</source>
        <translation>
            <numerusform>%n Pomodoro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n intervals</source>
        <translation>
            <numerusform>%n aralık</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing recorded</source>
        <translation>Kayıt yok</translation>
    </message>
    <message>
        <source>%1 focused</source>
        <translation>%1 odaklanma</translation>
    </message>
    <message numerus="yes">
        <source>%n breaks</source>
        <translation>
            <numerusform>%n mola</numerusform>
        </translation>
    </message>
    <message>
        <source>Mirelo cannot read its records</source>
        <translation>Mirelo kayıtlarını okuyamıyor</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Dışa aktarma ilerlemesi</translation>
    </message>
    <message>
        <source>Cancel export</source>
        <translation>Dışa aktarmayı iptal et</translation>
    </message>
    <message>
        <source>Export cancelled; the file was not written.</source>
        <translation>Dışa aktarma iptal edildi; dosya yazılmadı.</translation>
    </message>
</context>
<context>
    <name>StatWindowController</name>
    <message>
        <source>Mirelo Statistics</source>
        <translation>Mirelo İstatistikleri</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Hafta</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <translation>
            <numerusform>Bugün %1/%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in a row</source>
        <translation>
            <numerusform>%n gün üst üste</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusFollower</name>
    <message>
        <source>Mirelo is not running</source>
        <translation>Mirelo çalışmıyor</translation>
    </message>
    <message>
        <source>No timer is running</source>
        <translation>Çalışan zamanlayıcı yok</translation>
    </message>
    <message>
        <source>Break held: %1</source>
        <translation>Mola bekletiliyor: %1</translation>
    </message>
    <message>
        <source>Pomodoro paused, %1 left</source>
        <translation>Pomodoro duraklatıldı, %1 kaldı</translation>
    </message>
    <message>
        <source>Pomodoro, %1 left</source>
        <translation>Pomodoro, %1 kaldı</translation>
    </message>
    <message>
        <source>Short break, %1 left</source>
        <translation>Kısa mola, %1 kaldı</translation>
    </message>
    <message>
        <source>Long break, %1 left</source>
        <translation>Uzun mola, %1 kaldı</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message numerus="yes">
        <source>%1 of %n today</source>
        <extracomment>The day&apos;s Pomodoros against the daily goal, e.g. &quot;5 of 8 today&quot;.</extracomment>
        <translation>
            <numerusform>Bugün %1/%n</numerusform>
        </translation>
    </message>
</context>
</TS>
