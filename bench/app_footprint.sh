#!/usr/bin/env bash
# Start-up time, wake-ups and memory of the running program, under Xvfb with an XEmbed tray.
#   bench/app_footprint.sh [path/to/mirelo] [runs]
# Prints: the median time from exec to the tray icon being shown; context switches per second
# of all the process's threads, and per thread, while idle with and without a tray and while
# counting down; PSS after start; then the context switches, CPU time and PSS during a break on
# one and on two monitors. Each phase lasts WINDOW seconds (60 by default).
#   PHASES=break bench/app_footprint.sh …   measures the breaks only
set -euo pipefail
bin=${1:-build/release/src/app/mirelo}
runs=${2:-15}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

phases=${PHASES:-all}
window=${WINDOW:-60}
# Two monitors side by side (1920×1080 and 1280×1024), as a break meets them.
Xvfb :77 -screen 0 3200x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
sleep 1
export DISPLAY=:77
xrandr --setmonitor L 1920/508x1080/286+0+0 screen >/dev/null
xrandr --setmonitor R 1280/338x1024/270+1920+0 none >/dev/null
eval "$(dbus-launch --sh-syntax)"
startTray() {
    trayer --edge top --align right --widthtype request --height 28 >/dev/null 2>&1 &
    tray=$!
    sleep 1
}
startTray

prepare() {
    rm -rf "$work/home"; mkdir -p "$work/home/config/org.mirelo.Mirelo" "$work/home/data"
    # Endpoints on a closed loopback port: nothing leaves the machine and no request lingers.
    echo '{"LaunchAtLogin": false, "shortBreakKey": 600, "UnsplashBaseURL": "http://127.0.0.1:9", "QuotesBaseURL": "http://127.0.0.1:9", "NewsBaseURL": "http://127.0.0.1:9", "UpdateBaseURL": "http://127.0.0.1:9"}' > "$work/home/config/org.mirelo.Mirelo/preferences.json"
    export XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
}
logfile() { echo "$work/home/data/org.mirelo.Mirelo/data/logs/$(date +%F).log"; }
# One line per thread: "tid switches". Threads come and go (the D-Bus and DNS helpers), so
# the rate is counted per thread over the threads seen at the end.
snapshot() {
    for f in /proc/$1/task/*/status; do
        tid=$(basename "$(dirname "$f")")
        name=$(tr ' ' '_' < "$(dirname "$f")/comm")
        echo "$tid $(awk '/^voluntary_ctxt_switches/ {v=$2} /^nonvoluntary_ctxt_switches/ {n=$2} END {print v, n}' "$f") $name"
    done
}
# Voluntary switches are the process's own wake-ups; involuntary ones (preemption) depend on
# what else the machine runs, so both are shown.
rate() { # before-file after-file seconds
    awk -v secs="$3" 'NR == FNR {v[$1] = $2; n[$1] = $3; next}
        {d = $2 - ($1 in v ? v[$1] : 0); vol += d; inv += $3 - ($1 in n ? n[$1] : 0); per[$4] += d}
        END {printf "%.2f voluntary + %.2f involuntary [voluntary per thread:", vol / secs, inv / secs
             for (t in per) if (per[t] > 0) printf " %s %.2f", t, per[t] / secs
             printf " ]"}' "$1" "$2"
}

# CPU seconds (user + system) the process has used so far.
cputime() { awk -v hz="$(getconf CLK_TCK)" '{printf "%.3f", ($14 + $15) / hz}' "/proc/$1/stat"; }

if [ "$phases" = all ]; then
times=()
for i in $(seq "$runs"); do
    prepare
    start=$(date +%s%3N)
    "$bin" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 200); do
        grep -q "Status item shown." "$(logfile)" 2>/dev/null && break
        sleep 0.02
    done
    shown=$(grep "Status item shown." "$(logfile)" | head -1 | cut -c1-23)
    shown_ms=$(date -d "$shown" +%s%3N)
    times+=($((shown_ms - start)))
    kill $pid; wait $pid 2>/dev/null || true
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "exec to tray icon shown: median ${sorted[$((runs / 2))]} ms (min ${sorted[0]}, max ${sorted[-1]}, $runs runs)"

prepare
"$bin" >/dev/null 2>&1 &
pid=$!
sleep 3
pss=$(awk '/^Pss:/ {print $2}' /proc/$pid/smaps_rollup)
echo "PSS after start: $((pss / 1024)) MB ($pss kB)"
snapshot $pid > "$work/a"; sleep "$window"; snapshot $pid > "$work/b"
echo "idle with a tray: $(rate "$work/a" "$work/b" "$window") context switches/s ($(wc -l < "$work/b") threads)"
"$bin" pomodoro
sleep 1
snapshot $pid > "$work/a"; sleep "$window"; snapshot $pid > "$work/b"
echo "counting down: $(rate "$work/a" "$work/b" "$window") context switches/s ($(wc -l < "$work/b") threads)"
kill $pid; wait $pid 2>/dev/null || true

# No tray (stock GNOME): the program waits for one to appear.
kill $tray; wait $tray 2>/dev/null || true
prepare
"$bin" >/dev/null 2>&1 &
pid=$!
sleep 3
snapshot $pid > "$work/a"; sleep "$window"; snapshot $pid > "$work/b"
echo "idle without a tray: $(rate "$work/a" "$work/b" "$window") context switches/s ($(wc -l < "$work/b") threads)"
kill $pid; wait $pid 2>/dev/null || true
startTray
fi

# A break on one monitor, then on both: the countdown repaints every second over the blurred
# picture.
for monitors in 1 2; do
    [ "$monitors" = 1 ] && xrandr --delmonitor R >/dev/null
    prepare
    "$bin" >/dev/null 2>&1 &
    pid=$!
    sleep 3
    "$bin" short-break
    sleep 5
    snapshot $pid > "$work/a"; cpu_a=$(cputime $pid); sleep "$window"; snapshot $pid > "$work/b"; cpu_b=$(cputime $pid)
    echo "during a break on $monitors monitor(s): $(rate "$work/a" "$work/b" "$window") context switches/s ($(wc -l < "$work/b") threads), $(echo "($cpu_b - $cpu_a) * 60 / $window" | bc -l | cut -c1-5) CPU s/min"
    pss=$(awk '/^Pss:/ {print $2}' /proc/$pid/smaps_rollup)
    rss=$(awk '/^VmRSS:/ {print $2}' /proc/$pid/status)
    echo "PSS during a break on $monitors monitor(s): $((pss / 1024)) MB, RSS $((rss / 1024)) MB"
    kill $pid; wait $pid 2>/dev/null || true
    [ "$monitors" = 1 ] && xrandr --setmonitor R 1280/338x1024/270+1920+0 none >/dev/null
done
kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
