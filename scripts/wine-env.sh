#!/usr/bin/env bash
# Starts or stops the Wine environment that the Windows tests run in.
#
#   scripts/wine-env.sh start <dir> [layout]   virtual display + warm Wine prefix
#   scripts/wine-env.sh stop <dir>             ends what start started
#   scripts/wine-env.sh status <dir>           exit 0 when it is running
#   scripts/wine-env.sh prepare <dir> [layout] only creates/updates the prefix
#                                              (for running on a real display)
#
# layout is one of:
#   single    one 1280x1024 monitor at 96 DPI (Xvfb); the default
#   displays  two monitors at 144 DPI (Xorg with the dummy driver): the
#             1280x1024 primary and a larger 1920x1080 one left of it, at
#             negative coordinates; their bottoms differ, so the layout has a
#             gap that lies on no monitor
#
# <dir> is a build folder. start keeps a Wine prefix in <dir>/wineprefix
# between runs (created once, about 1 GB), starts the X server on a free
# display with xcompmgr (so alpha of layered windows is blended on screen), a persistent
# wineserver and a small hidden keep-alive program (so each test program
# starts in a fraction of a second), moves the pointer once (GetCursorPos is
# wrong before that), and writes <dir>/wine-env.sh.env:
#
#   DISPLAY WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES LC_ALL
#   TINTORA_WINE_ENV (the file itself) TINTORA_SCREEN_WIDTH/HEIGHT (the
#   primary monitor) TINTORA_DPI TINTORA_X_ORIGIN (X root position of the
#   Windows point 0,0: "x y") TINTORA_XSERVER_PID TINTORA_XCOMPMGR_PID
#   TINTORA_WINESERVER_PID TINTORA_KEEPALIVE_PID
#
# scripts/wine-exec and the end-to-end tests source that file. stop ends only
# the processes recorded there and runs wineserver -k on this prefix.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
screen_w=1280
screen_h=1024
# The second monitor of the displays layout, left of the primary.
left_w=1920
left_h=1080
# 32-bit prefix: the program is 32-bit. Creating it takes about half the time
# and space of a 64-bit one, and 32-bit programs start faster in it.
wine_arch=win32
mingw_cc=i686-w64-mingw32-gcc-posix

log() { echo "wine-env: $*" >&2; }
die() { log "$*"; exit 1; }

usage() { echo "usage: $0 start|stop|status|prepare <dir> [single|displays]" >&2; exit 2; }
[ $# -eq 2 ] || [ $# -eq 3 ] || usage
cmd="$1"
layout="${3:-single}"
case "$layout" in single | displays) ;; *) usage ;; esac
mkdir -p "$2"
dir="$(cd "$2" && pwd)"
env_file="$dir/wine-env.sh.env"
prefix="$dir/wineprefix"

# True when <pid> is alive and its command line contains <word>: a recorded
# PID is never signalled after it has been reused by some other program.
pid_is() {
  local pid="$1" word="$2"
  [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] &&
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF -- "$word"
}

stop_pid() {
  local pid="$1" word="$2" i
  pid_is "$pid" "$word" || return 0
  kill "$pid" 2>/dev/null || true
  for i in $(seq 50); do pid_is "$pid" "$word" || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}

env_alive() {
  [ -f "$env_file" ] || return 1
  (
    # shellcheck disable=SC1090
    . "$env_file"
    pid_is "${TINTORA_XSERVER_PID:-}" " $DISPLAY " &&
      pid_is "${TINTORA_WINESERVER_PID:-}" wineserver &&
      xdpyinfo >/dev/null 2>&1
  )
}

do_stop() {
  [ -f "$env_file" ] || return 0
  (
    set +e
    # shellcheck disable=SC1090
    . "$env_file"
    if [ -d "$WINEPREFIX" ]; then
      WINEPREFIX="$WINEPREFIX" wineserver -k </dev/null >/dev/null 2>&1
    fi
    stop_pid "${TINTORA_KEEPALIVE_PID:-}" wine-keepalive
    stop_pid "${TINTORA_WINESERVER_PID:-}" wineserver
    stop_pid "${TINTORA_XCOMPMGR_PID:-}" xcompmgr
    stop_pid "${TINTORA_XSERVER_PID:-}" " $DISPLAY "
    true
  )
  rm -f "$env_file"
}

# Registry settings of the prefix, as the UTF-16 file regedit reads.
write_registry_file() {
  local out="$1"
  {
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"SimSun"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"微软雅黑"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Control Panel\Desktop]
"ScreenSaveActive"="0"
EOF
    # A scaled display: 144 DPI is 150 %.
    [ "$layout" = single ] || printf '"LogPixels"=dword:%08x\n' "$dpi" | iconv -f UTF-8 -t UTF-16LE
  } | sed 's/\x0a\x00/\x0d\x00\x0a\x00/g' >"$out"
}

# Fonts the prefix gets: Wine's own and the Chinese font the replacements name.
font_files() {
  ls /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon 2>/dev/null || true
  ls /usr/share/fonts/truetype/wqy/wqy-microhei.ttc 2>/dev/null || true
}

# A hidden GUI program that does nothing but keep Wine's services and desktop
# process alive between test programs.
build_keepalive() {
  local exe="$dir/wine-keepalive.exe"
  [ -f "$exe" ] && return 0
  command -v "$mingw_cc" >/dev/null || die "$mingw_cc not found (scripts/install-deps.sh)"
  "$mingw_cc" -x c -O2 -s -mwindows -o "$exe.tmp" - <<'EOF'
#include <windows.h>
int WINAPI WinMain(HINSTANCE i, HINSTANCE p, LPSTR c, int s)
{
    (void)i; (void)p; (void)c; (void)s;
    GetDesktopWindow();
    for (;;)
        Sleep(INFINITE);
}
EOF
  mv "$exe.tmp" "$exe"
}

# Free display numbers from 50 up (low numbers are left to real desktops and
# to whoever starts :0 or :99 by hand).
free_displays() {
  local n
  for n in $(seq 50 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || echo "$n"
  done
}

# The Xorg configuration of the displays layout: one dummy device, monitor
# and screen per monitor, joined by Xinerama. Xorg runs without RandR: with
# it, Wine would take its monitors from RandR, which reports a single one.
write_xorg_conf() {
  local out="$1" i w h clock
  {
    printf 'Section "ServerFlags"\n  Option "Xinerama" "on"\n  Option "AutoAddDevices" "off"\nEndSection\n'
    for i in 0 1; do
      if [ $i -eq 0 ]; then w=$screen_w h=$screen_h; else w=$left_w h=$left_h; fi
      clock=$(((w + 160) * (h + 40) * 60 / 1000000 + 1))
      cat <<EOF
Section "Device"
  Identifier "d$i"
  Driver "dummy"
  VideoRam 64000
EndSection
Section "Monitor"
  Identifier "m$i"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline "${w}x$h" $clock $w $((w + 48)) $((w + 80)) $((w + 160)) $h $((h + 3)) $((h + 8)) $((h + 40))
EndSection
Section "Screen"
  Identifier "s$i"
  Device "d$i"
  Monitor "m$i"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual $w $h
    Modes "${w}x$h"
  EndSubSection
EndSection
EOF
    done
    printf 'Section "ServerLayout"\n  Identifier "layout"\n  Screen 0 "s0"\n  Screen 1 "s1" LeftOf "s0"\nEndSection\n'
  } >"$out"
}

# Starts the layout's X server on the first free display that it gets.
start_xserver() {
  local n i
  if [ "$layout" = displays ]; then
    write_xorg_conf "$dir/xorg.conf"
    mkdir -p "$dir/xorg.conf.d"
  fi
  for n in $(free_displays); do
    if [ "$layout" = single ]; then
      Xvfb ":$n" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
    else
      Xorg ":$n" -config "$dir/xorg.conf" -configdir "$dir/xorg.conf.d" -extension RANDR -noreset \
        -nolisten tcp -logfile "$dir/xorg.log" </dev/null >/dev/null 2>&1 &
    fi
    xserver_pid=$!
    for i in $(seq 100); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        display=":$n"
        return 0
      fi
      # Lost a race for this number: try the next one.
      kill -0 "$xserver_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop_pid "$xserver_pid" " :$n "
    xserver_pid=""
  done
  die "could not start the X server on a free display"
}

# Creates the prefix once, and (re)applies settings and fonts when they
# changed since the last start.
prepare_prefix() {
  local reg="$dir/.wine-settings.reg" stamp="$prefix/.tintora-settings" want
  write_registry_file "$reg"
  want="$( { cat "$reg"; font_files; echo "$wine_arch"; } | sha256sum | cut -d' ' -f1)"

  if [ -d "$prefix" ] && [ ! -f "$prefix/.tintora-created" ]; then
    log "removing an incomplete prefix"
    rm -rf "$prefix"
  fi
  if [ ! -d "$prefix" ]; then
    log "creating the Wine prefix (once per build folder)"
    local t0=$SECONDS
    # No Mono or Gecko installer dialogs: neither is available offline.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i </dev/null >/dev/null 2>&1 ||
      die "wineboot -i failed"
    wineserver -w </dev/null >/dev/null 2>&1 || true
    touch "$prefix/.tintora-created"
    log "prefix created in $((SECONDS - t0)) s"
  fi

  if [ "$(cat "$stamp" 2>/dev/null)" != "$want" ]; then
    log "applying registry settings and fonts"
    local fonts="$prefix/drive_c/windows/Fonts" f
    mkdir -p "$fonts"
    for f in $(font_files); do cp -f "$f" "$fonts/"; done
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1 ||
      die "importing registry settings failed"
    # Wait until wineserver has written the registry to disk.
    wineserver -w </dev/null >/dev/null 2>&1 || true
    grep -q '"Managed"="N"' "$prefix/user.reg" || die "registry settings did not reach user.reg"
    echo "$want" >"$stamp"
  fi
}

do_start() {
  if env_alive; then
    log "already running ($env_file)"
    echo "$env_file"
    return 0
  fi
  do_stop
  # A wineserver left over from an interrupted run would keep its old display.
  if [ -d "$prefix" ]; then
    WINEPREFIX="$prefix" wineserver -k </dev/null >/dev/null 2>&1 || true
  fi

  local server=Xvfb
  [ "$layout" = single ] || server=Xorg
  for tool in $server xcompmgr xdotool xdpyinfo wine wineserver wineboot iconv; do
    command -v "$tool" >/dev/null || die "$tool not found (scripts/install-deps.sh)"
  done

  export WINEPREFIX="$prefix" WINEARCH="$wine_arch" WINEDEBUG=-all LC_ALL=C.UTF-8
  unset WINESERVER WINELOADER

  start_xserver
  export DISPLAY="$display"
  # Write the env file now, so that stop can clean up after a failed start.
  write_env_file
  trap 'rc=$?; if [ $rc -ne 0 ]; then log "start failed"; do_stop; fi' EXIT

  xcompmgr </dev/null >/dev/null 2>&1 &
  xcompmgr_pid=$!
  write_env_file

  prepare_prefix
  build_keepalive

  wineserver -f -p </dev/null >/dev/null 2>&1 &
  wineserver_pid=$!
  write_env_file
  local i
  for i in $(seq 50); do
    [ -S "$(wine_socket)" ] && break
    sleep 0.1
  done

  wine "$dir/wine-keepalive.exe" </dev/null >/dev/null 2>&1 &
  keepalive_pid=$!
  write_env_file
  # The first program start brings up Wine's services and desktop process.
  wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || die "wine does not run 32-bit programs"

  xdotool mousemove $((x_origin_x + screen_w / 2)) $((screen_h / 2)) </dev/null >/dev/null 2>&1 || true
  xdotool mousemove 1 1 </dev/null >/dev/null 2>&1 || true

  pid_is "$xcompmgr_pid" xcompmgr || die "xcompmgr exited"
  pid_is "$wineserver_pid" wineserver || die "wineserver exited"
  trap - EXIT
  log "running on $DISPLAY"
  echo "$env_file"
}

# wineserver's socket for this prefix, to know when it accepts connections.
wine_socket() {
  local st
  st="$(stat -c '%d %i' "$prefix")" || return 0
  printf '/tmp/.wine-%s/server-%x-%x/socket' "$(id -u)" "${st% *}" "${st#* }"
}

xserver_pid="" xcompmgr_pid="" wineserver_pid="" keepalive_pid="" display=""
write_env_file() {
  cat >"$env_file.tmp" <<EOF
# Written by scripts/wine-env.sh start; removed by stop.
export DISPLAY=$display
export WINEPREFIX=$(printf %q "$prefix")
export WINEARCH=$wine_arch
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml='
export LC_ALL=C.UTF-8
export TINTORA_WINE_ENV=$(printf %q "$env_file")
export TINTORA_SCREEN_WIDTH=$screen_w
export TINTORA_SCREEN_HEIGHT=$screen_h
export TINTORA_DPI=$dpi
export TINTORA_X_ORIGIN="$x_origin_x 0"
TINTORA_XSERVER_PID=$xserver_pid
TINTORA_XCOMPMGR_PID=$xcompmgr_pid
TINTORA_WINESERVER_PID=$wineserver_pid
TINTORA_KEEPALIVE_PID=$keepalive_pid
EOF
  mv "$env_file.tmp" "$env_file"
}

# The X root is the bounding box of the monitors, so a monitor left of the
# primary shifts the Windows origin to the right in X.
dpi=96 x_origin_x=0
if [ "$layout" = displays ]; then dpi=144 x_origin_x=$left_w; fi

# start and stop run one at a time per folder. flock -o keeps the lock out of
# the background processes that start leaves running.
if [ "$cmd" = start ] || [ "$cmd" = stop ] || [ "$cmd" = prepare ]; then
  if [ "${_TINTORA_WINE_ENV_LOCKED:-}" != "$dir" ]; then
    if [ "$cmd" = start ] && env_alive; then
      log "already running ($env_file)"
      echo "$env_file"
      exit 0
    fi
    # A lock still held after the wait is a leftover of some crashed run:
    # stop goes on without it (it touches only recorded PIDs), start fails.
    wait_s=180
    [ "$cmd" != stop ] || wait_s=20
    rc=0
    _TINTORA_WINE_ENV_LOCKED="$dir" flock -E 75 -o -w "$wait_s" "$dir/.wine-env.lock" \
      bash "$0" "$cmd" "$dir" "$layout" || rc=$?
    [ "$rc" -eq 75 ] || exit "$rc"
    [ "$cmd" = stop ] || die "$dir/.wine-env.lock is still held after ${wait_s} s"
    log "lock still held after ${wait_s} s; stopping without it"
  fi
  unset _TINTORA_WINE_ENV_LOCKED
fi

case "$cmd" in
  start) do_start ;;
  stop) do_stop ;;
  prepare)
    export WINEPREFIX="$prefix" WINEARCH="$wine_arch" WINEDEBUG=-all LC_ALL=C.UTF-8
    unset WINESERVER WINELOADER
    prepare_prefix
    echo "$prefix"
    ;;
  status)
    if env_alive; then echo "running: $env_file"; else echo "not running"; exit 1; fi
    ;;
  *) usage ;;
esac
