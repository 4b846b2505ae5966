# Sourced by the scripts that run Windows programs: a private, quiet Wine
# prefix in the build folder that never stops to ask anything.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${PELONIX_WINEPREFIX:-$repo/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers; with the help engine turned off WinHelp fails
# at once instead of opening a window of its own.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winhlp32.exe=d}

# Creates the prefix once, with Wine's crash dialog turned off so that a
# crashing test ends instead of waiting for someone to close a window.
pelonix_wine_prefix() {
    if [ ! -f "$WINEPREFIX/.pelonix-ready" ]; then
        mkdir -p "$WINEPREFIX"
        timeout 300 wineboot -i >/dev/null 2>&1 || { echo "wineboot failed or timed out" >&2; return 1; }
        timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        timeout 60 wineserver -w
        touch "$WINEPREFIX/.pelonix-ready"
    fi
}
