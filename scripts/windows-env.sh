# Sourced by the scripts/windows-*.sh commands: where the Wine prefix lives
# and the environment every Wine run gets. Override any of these from outside.

: "${HOME:=/root}"
KESTROW_WINE32_PREFIX=${KESTROW_WINE32_PREFIX:-$HOME/.kestrow-wine32}

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono and no Gecko: nothing here needs them, and without a display their
# installers would only stall the first start.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export DEBIAN_FRONTEND=noninteractive

# Runs a Windows program under 32-bit Wine in the project's own prefix.
kestrow_wine32() {
    WINEPREFIX=$KESTROW_WINE32_PREFIX WINEARCH=win32 wine "$@"
}
