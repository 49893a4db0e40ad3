#!/usr/bin/env bash
# Starts or stops the Wine environment that the Windows tests run in.
#
#   scripts/wine-env.sh start <dir>   virtual display + warm Wine prefix
#   scripts/wine-env.sh stop <dir>    ends what start started
#   scripts/wine-env.sh status <dir>  exit 0 when it is running
#   scripts/wine-env.sh prepare <dir> only creates/updates the prefix (for
#                                     running on a real display)
#
# <dir> is a build folder. start keeps a Wine prefix in <dir>/wineprefix
# between runs (created once, about 1 GB), starts Xvfb on a free display with
# xcompmgr (so alpha of layered windows is blended on screen), a persistent
# wineserver and a small hidden keep-alive program (so each test program
# starts in a fraction of a second), moves the pointer once (GetCursorPos is
# wrong before that), and writes <dir>/wine-env.sh.env:
#
#   DISPLAY WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES LC_ALL
#   TINTORA_WINE_ENV (the file itself) TINTORA_SCREEN_WIDTH/HEIGHT
#   TINTORA_XVFB_PID TINTORA_XCOMPMGR_PID TINTORA_WINESERVER_PID
#   TINTORA_KEEPALIVE_PID
#
# scripts/wine-exec and the end-to-end tests source that file. stop ends only
# the processes recorded there and runs wineserver -k on this prefix.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
screen_w=1280
screen_h=1024
# 32-bit prefix: the program is 32-bit. Creating it takes about half the time
# and space of a 64-bit one, and 32-bit programs start faster in it.
wine_arch=win32
mingw_cc=i686-w64-mingw32-gcc-posix

log() { echo "wine-env: $*" >&2; }
die() { log "$*"; exit 1; }

usage() { echo "usage: $0 start|stop|status|prepare <dir>" >&2; exit 2; }
[ $# -eq 2 ] || usage
cmd="$1"
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
    pid_is "${TINTORA_XVFB_PID:-}" Xvfb &&
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
    stop_pid "${TINTORA_XVFB_PID:-}" Xvfb
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

# Xvfb on the first free display number from 50 up (low numbers are left to
# real desktops and to whoever starts :0 or :99 by hand).
start_xvfb() {
  local n i
  for n in $(seq 50 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp \
      </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    for i in $(seq 100); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        display=":$n"
        return 0
      fi
      # Lost a race for this number: try the next one.
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    stop_pid "$xvfb_pid" Xvfb
    xvfb_pid=""
  done
  die "could not start Xvfb on a free display"
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

  for tool in Xvfb xcompmgr xdotool xdpyinfo wine wineserver wineboot iconv; do
    command -v "$tool" >/dev/null || die "$tool not found (scripts/install-deps.sh)"
  done

  export WINEPREFIX="$prefix" WINEARCH="$wine_arch" WINEDEBUG=-all LC_ALL=C.UTF-8
  unset WINESERVER WINELOADER

  start_xvfb
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

  xdotool mousemove $((screen_w / 2)) $((screen_h / 2)) </dev/null >/dev/null 2>&1 || true
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

xvfb_pid="" xcompmgr_pid="" wineserver_pid="" keepalive_pid="" display=""
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
TINTORA_XVFB_PID=$xvfb_pid
TINTORA_XCOMPMGR_PID=$xcompmgr_pid
TINTORA_WINESERVER_PID=$wineserver_pid
TINTORA_KEEPALIVE_PID=$keepalive_pid
EOF
  mv "$env_file.tmp" "$env_file"
}

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
      bash "$0" "$cmd" "$dir" || rc=$?
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
