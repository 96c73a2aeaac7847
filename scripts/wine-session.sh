# Sourced by the run and test commands: a virtual or real display, a Japanese
# locale and a warm Wine server with its own prefix. zek_wine_stop ends all that
# zek_wine_start began, and is safe to call twice.

ZEK_WINE64=/usr/lib/wine/wine64

zek_wine_start() {  # prefix directory
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  ZEK_XVFB_PID=""
  if [ -z "${DISPLAY:-}" ] || [ "${ZEK_FORCE_XVFB:-0}" = 1 ]; then
    # The first free display from ZEK_DISPLAY_FROM (90); sessions started at once ask from apart.
    local n=${ZEK_DISPLAY_FROM:-90}
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    ZEK_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "creating the Wine prefix $WINEPREFIX (once)"
    "$ZEK_WINE64" wineboot -i </dev/null >/dev/null 2>&1 || true
  fi
  # A prefix made before Wine's 32-bit half was installed has an empty syswow64,
  # where every 32-bit program fails to load kernel32; an update fills it, and
  # runs only when the prefix's time stamp is gone.
  if [ -x /usr/lib/wine/wine ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "adding the 32-bit half to the Wine prefix $WINEPREFIX (once)"
    rm -f "$WINEPREFIX/.update-timestamp"
    "$ZEK_WINE64" wineboot -u </dev/null >/dev/null 2>&1 || true
  fi
  /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
  # A crashing program must end at once with a failure, not wait in winedbg (the
  # default when no debugger is named): name one that does not exist.
  if [ ! -f "$WINEPREFIX/.zek-no-debugger" ]; then
    "$ZEK_WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
      /v Debugger /d 'zek-no-debugger.exe %ld %ld' /f </dev/null >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.zek-no-debugger"
  fi
  # Without this warm-up the Wine services inherit the first program's output pipe.
  "$ZEK_WINE64" wineboot </dev/null >/dev/null 2>&1 || true
}

zek_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  if [ -n "${ZEK_XVFB_PID:-}" ]; then
    kill "$ZEK_XVFB_PID" 2>/dev/null || true
    wait "$ZEK_XVFB_PID" 2>/dev/null || true
    ZEK_XVFB_PID=""
  fi
}

# Windows path of a Linux path, for the programs under Wine.
zek_windows_path() { printf 'Z:%s' "$(realpath -m "$1" | tr '/' '\\')"; }
