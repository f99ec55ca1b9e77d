# Sourced by the scripts/windows-*.sh commands: where the Wine prefixes live
# and the environment every Wine run gets. Override any of these from outside.

: "${HOME:=/root}"
KESTROW_WINE32_PREFIX=${KESTROW_WINE32_PREFIX:-$HOME/.kestrow-wine32}
KESTROW_WINE64_PREFIX=${KESTROW_WINE64_PREFIX:-$HOME/.kestrow-wine64}
# Debian keeps the 64-bit loader in Wine's library folder, not on the PATH.
KESTROW_WINE64_LOADER=${KESTROW_WINE64_LOADER:-/usr/lib/wine/wine64}

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono and no Gecko: nothing here needs them, and without a display their
# installers would only stall the first start.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export DEBIAN_FRONTEND=noninteractive

# Runs a Windows program under 32-bit Wine in the project's own prefix.
kestrow_wine32() {
    WINEPREFIX=$KESTROW_WINE32_PREFIX WINEARCH=win32 wine "$@"
}

# Runs a 64-bit Windows program under wine64 in a prefix of its own.
kestrow_wine64() {
    WINEPREFIX=$KESTROW_WINE64_PREFIX WINEARCH=win64 "$KESTROW_WINE64_LOADER" "$@"
}
