#!/usr/bin/env bash
# Installs and prepares what the Windows build and its tests under Wine need:
# the mingw-w64 cross toolchain for 32-bit x86, qemu-user as the interpreter
# of 32-bit x86 Linux programs (this kernel runs none natively, and 32-bit
# Wine is one), Wine itself, and a 32-bit Wine prefix.
# Idempotent: prints nothing and changes nothing when everything is in place.
# Each step that has work to do prints one line with the time it took.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/windows-env.sh"

log_dir=${KESTROW_SETUP_LOG_DIR:-/tmp/kestrow-windows-setup}
mkdir -p "$log_dir"

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3 "$@"
}

# Prints the packages of the arguments that are not installed.
missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
    done
}

# Runs one step with its output in a log file; says how long it took, and
# shows the log when the step fails.
step() {
    local name=$1; shift
    local log="$log_dir/$name.log" start=$SECONDS
    if ! "$@" >"$log" 2>&1 </dev/null; then
        echo "windows-setup: step '$name' failed; its log ($log):" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
    echo "windows-setup: $name done in $((SECONDS - start)) s"
}

apt_updated=0
install_packages() {
    [ "$apt_updated" -eq 1 ] || apt_get update -q
    apt_updated=1
    apt_get install -y -q --no-install-recommends "$@"
}

# 1. The cross toolchain and the sources and headers the cross build compiles.
toolchain=(g++-mingw-w64-i686 binutils-mingw-w64-i686 cmake make
           googletest nlohmann-json3-dev libcli11-dev python3)
mapfile -t missing < <(missing_packages "${toolchain[@]}")
if [ ${#missing[@]} -gt 0 ]; then
    step toolchain install_packages "${missing[@]}"
fi

# 2. qemu-user, version 8.1 or later. Older versions look for free guest
#    memory page by page on every mapping, and 32-bit Wine maps tens of
#    thousands of times while it starts: a minute per Wine process with
#    qemu 7.2, under a second with qemu 10. Debian 12 has the newer one in
#    its backports suite, which is added from the same archive as the
#    system's own packages (backports install only when asked for by name).
qemu_good_enough() {
    local version
    version=$(dpkg-query -W -f='${Version}' qemu-user-static 2>/dev/null) || return 1
    dpkg-query -W -f='${Status}\n' qemu-user-static 2>/dev/null | grep -q "install ok installed" &&
        dpkg --compare-versions "$version" ge 1:8.1
}
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
backports_list=/etc/apt/sources.list.d/kestrow-$codename-backports.sources
add_backports() {
    local uri
    uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' |
          awk -v suite="$codename" '$2 == suite && $3 == "main" { print $1; exit }')
    [ -n "$uri" ] || { echo "no source of the $codename suite to take the archive from"; return 1; }
    {
        echo "Types: deb"
        echo "URIs: $uri"
        echo "Suites: $codename-backports"
        echo "Components: main"
        [ -e /usr/share/keyrings/debian-archive-keyring.gpg ] &&
            echo "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
    } | "${as_root[@]}" tee "$backports_list" >/dev/null
}
install_qemu() {
    if [ "$codename" = bookworm ]; then
        [ -e "$backports_list" ] || add_backports
        apt_updated=0
        install_packages -t bookworm-backports qemu-user-static
    else
        install_packages qemu-user-static
    fi
    qemu_good_enough || { echo "qemu-user-static is older than 8.1"; return 1; }
}
if ! qemu_good_enough; then
    step qemu install_qemu
fi

# 3. qemu-user runs 32-bit x86 ELF programs. The flag F makes the kernel open
#    the interpreter at registration and keep it: a registration made before
#    qemu was upgraded keeps running the old one. So the registration is
#    renewed when the boot or the installed qemu differ from those it was
#    made with.
binfmt=/proc/sys/fs/binfmt_misc
interpreter=/usr/bin/qemu-i386-static
i386_magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
i386_mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
registration_state=/var/lib/kestrow/binfmt-qemu-i386
registration_key() {
    echo "$(cat /proc/sys/kernel/random/boot_id) $(dpkg-query -W -f='${Version}' qemu-user-static)"
}
register_i386() {
    if [ ! -e "$binfmt/register" ]; then
        "${as_root[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
    fi
    [ "$(cat "$binfmt/status")" = enabled ] || echo 1 | "${as_root[@]}" tee "$binfmt/status" >/dev/null
    if [ -e "$binfmt/qemu-i386" ]; then
        echo -1 | "${as_root[@]}" tee "$binfmt/qemu-i386" >/dev/null
    fi
    printf ':qemu-i386:M::%s:%s:%s:F' "$i386_magic" "$i386_mask" "$interpreter" |
        "${as_root[@]}" tee "$binfmt/register" >/dev/null
    "${as_root[@]}" mkdir -p "$(dirname "$registration_state")"
    registration_key | "${as_root[@]}" tee "$registration_state" >/dev/null
}
i386_registered() {
    [ -r "$binfmt/qemu-i386" ] || return 1
    grep -qx enabled "$binfmt/qemu-i386" &&
        grep -qx "interpreter $interpreter" "$binfmt/qemu-i386" &&
        grep -q '^flags: .*F' "$binfmt/qemu-i386" &&
        [ "$(cat "$registration_state" 2>/dev/null)" = "$(registration_key)" ]
}
if ! i386_registered; then
    step binfmt register_i386
fi

# 4. The i386 architecture for Debian's 32-bit Wine.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    add_i386() {
        "${as_root[@]}" dpkg --add-architecture i386
        apt_updated=0
    }
    step i386-architecture add_i386
    apt_updated=0
fi

# 5. Wine: 32-bit for the real target. wine64 brings the 64-bit Wine server,
#    which serves 32-bit programs as well and runs without emulation.
mapfile -t missing < <(missing_packages wine wine32:i386 wine64)
if [ ${#missing[@]} -gt 0 ]; then
    step wine install_packages "${missing[@]}"
fi

# 6. The 32-bit prefix. The marker is written only once wineboot and the
#    Wine server have finished.
make_prefix() {
    rm -rf "$KESTROW_WINE32_PREFIX"
    kestrow_wine32 wineboot -i
    WINEPREFIX=$KESTROW_WINE32_PREFIX wineserver -w
    touch "$KESTROW_WINE32_PREFIX/.kestrow-ready"
}
if [ ! -e "$KESTROW_WINE32_PREFIX/.kestrow-ready" ]; then
    step wine32-prefix make_prefix
fi
