# Shared by scripts/run, scripts/test and scripts/bench: build folders, the project's own Wine
# prefix, a private Xvfb display and a resident wineserver.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD="$ROOT/build"
JOBS="${JOBS:-$(nproc)}"

export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win64
WINE="$ROOT/scripts/lib/wine-run"

# True when this machine can run 32-bit programs (and so the 32-bit build's tests).
can_run_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

configure_and_build() {  # name [toolchain]
  local dir="$BUILD/$1" args=(-DCMAKE_BUILD_TYPE=Release)
  [ -n "${2:-}" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$2.cmake")
  [ "$1" = host ] && args=(-DCMAKE_BUILD_TYPE=Debug)
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" "${args[@]}" >/dev/null
  fi
  cmake --build "$dir" -j "$JOBS" -- --no-print-directory >/dev/null
}

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix (once) ..." >&2
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    # Unmanaged windows: without a window manager Wine otherwise waits two seconds for one
    # whenever a window is hidden or destroyed.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
}

XVFB_PID=""
start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${SPANDLE_OWN_DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
    kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""
  done
  echo "could not start Xvfb" >&2
  return 1
}

# A resident wineserver, and Wine's own services started here with no output attached:
# started from inside a test they would inherit CTest's output pipe and hold it open.
start_wineserver() {
  wineserver -p >/dev/null 2>&1 || true
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_session() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}
