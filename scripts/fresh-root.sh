#!/usr/bin/env bash
# Runs scripts/test.sh, as the README's quick start does, in a fresh Debian root made
# with debootstrap: it shows whether setup.sh installs everything a bare system
# lacks, and how the suite fares on a release other than this machine's.
#   scripts/fresh-root.sh [--no-locale] RELEASE [REVISION]   e.g. trixie, or bookworm HEAD~3
# The suite runs with LANG=C.UTF-8, or with --no-locale with no LANG or LC_* at all,
# as in the bare environment of a minimal container.
# The root and its log stay in /var/tmp/huecracker-roots until the next run for
# that release; the bare debootstrap result is kept in /var/cache/huecracker-roots
# for a week, since making it again takes minutes. Exits with the suite's status.
set -euo pipefail

usage() {
    echo "usage: $0 [--no-locale] RELEASE [REVISION]" >&2
    exit 2
}
locale=(LANG=C.UTF-8)
if [[ ${1:-} == --no-locale ]]; then
    locale=()
    shift
fi
[[ $# -ge 1 && $# -le 2 ]] || usage
release=$1
revision=${2:-HEAD}
[[ $release =~ ^[a-z]+$ ]] || usage
[[ $(id -u) -eq 0 ]] || { echo "$0: debootstrap, mount and chroot need root" >&2; exit 2; }

repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse --verify --quiet "$revision^{commit}") \
    || { echo "$0: no such revision: $revision" >&2; exit 2; }

work=/var/tmp/huecracker-roots
cache=/var/cache/huecracker-roots
root=$work/$release
log=$work/$release.log
base=$cache/$release-minbase.tar
mkdir -p "$work" "$cache"

# Two runs in one root would unmount each other's /proc.
exec 9>"$work/$release.lock"
flock -n 9 || { echo "$0: another run for $release is going on" >&2; exit 2; }

# This machine may only reach the mirror it is set up with, so the root uses the same.
mirror_of() {
    local want=$1
    sed -n -e 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]\+\)[[:space:]].*/\2/p' \
        -e 's/^URIs:[[:space:]]*\([^[:space:]]\+\).*/\1/p' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
        | grep -E "$want" | head -n 1 || true
}
mirror=$(mirror_of '/debian/?$')
mirror=${mirror:-http://deb.debian.org/debian}
security=$(mirror_of '/debian-security/?$')
security=${security:-${mirror%/debian}/debian-security}

# Processes left behind in the root (a test's display or bus) would keep its mounts busy.
stop_processes_in_root() {
    local proc pids=()
    for proc in /proc/[0-9]*; do
        [[ $(readlink "$proc/root" 2>/dev/null) == "$root" ]] && pids+=("${proc#/proc/}")
    done
    [[ ${#pids[@]} -eq 0 ]] && return 0
    kill "${pids[@]}" 2>/dev/null || true
    sleep 2
    kill -KILL "${pids[@]}" 2>/dev/null || true
}

# Deepest first; also catches what an interrupted debootstrap left mounted.
mounts_in_root() {
    findmnt -rn -o TARGET | grep -E "^$root(/|$)" | sort -r || true
}
unmount_root() {
    local target
    for target in $(mounts_in_root); do
        umount "$target" || umount -l "$target"
    done
}

# Also run as the EXIT trap, where a bare return would pass on the script's status.
cleanup() {
    stop_processes_in_root || true
    unmount_root
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$SECONDS
cleanup
# rm must never reach through a mount that is still there into the host.
if [[ -n $(mounts_in_root) ]]; then
    echo "$0: could not unmount everything under $root" >&2
    exit 1
fi
rm -rf --one-file-system "$root"
mkdir -p "$root"
: >"$log"
say() { echo "fresh-root: $*" | tee -a "$log"; }

# The cache goes stale as the archive moves on; a week keeps the upgrade setup.sh meets small.
find "$cache" -maxdepth 1 -name "$release-minbase.tar" -mtime +7 -delete
if [[ -f $base ]]; then
    say "unpacking the bare $release root from $base"
    tar --numeric-owner -xpf "$base" -C "$root"
else
    command -v debootstrap >/dev/null || { say "debootstrap is not installed"; exit 1; }
    say "debootstrap --variant=minbase $release from $mirror"
    debootstrap --variant=minbase "$release" "$root" "$mirror" >>"$log" 2>&1 \
        || { say "debootstrap failed: see $log"; exit 1; }
    unmount_root
    # A run goes on without the cache if it cannot be written.
    if tar --numeric-owner -cpf "$base.part" -C "$root" .; then mv "$base.part" "$base"; else rm -f "$base.part"; fi
fi
say "bare root ready after $((SECONDS - started)) s"

cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
rm -f "$root/etc/apt/sources.list"
cat /etc/resolv.conf >"$root/etc/resolv.conf"
# Packages must not start their services (D-Bus, for one) outside the root's own life.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

git clone --quiet --no-hardlinks --no-checkout "$repo" "$root/root/huecracker"
# A clone brings branches only: a commit on a detached HEAD has to be asked for.
git -C "$root/root/huecracker" cat-file -e "$commit^{commit}" 2>/dev/null \
    || git -C "$root/root/huecracker" fetch --quiet origin "$commit"
git -C "$root/root/huecracker" checkout --quiet --detach "$commit"
say "testing $commit ($(git -C "$repo" log -1 --format=%s "$commit" | cut -c1-60)) with ${locale[*]:-no locale}"

# A /dev of the root's own, so that nothing run inside can reach or change the host's.
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount -t tmpfs -o mode=755,nosuid dev "$root/dev"
for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
    IFS=: read -r name major minor <<<"$node"
    mknod -m 666 "$root/dev/$name" c "$major" "$minor"
done
mkdir "$root/dev/pts" "$root/dev/shm"
ln -s pts/ptmx "$root/dev/ptmx"
ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin"
ln -s /proc/self/fd/1 "$root/dev/stdout"
ln -s /proc/self/fd/2 "$root/dev/stderr"
mount -t devpts -o newinstance,ptmxmode=0666,mode=620,gid=5 devpts "$root/dev/pts"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"

# Not a pipe into tee: a process the suite left running would hold it open, and the
# script would wait on it instead of stopping it.
status=0
env -i HOME=/root "${locale[@]}" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    chroot "$root" /bin/bash -c 'cd /root/huecracker && scripts/test.sh' </dev/null > >(tee -a "$log") 2>&1 \
    || status=$?

elapsed=$((SECONDS - started))
if [[ $status -eq 0 ]]; then
    say "PASS on $release in $((elapsed / 60)) min $((elapsed % 60)) s; log: $log"
else
    say "FAIL (status $status) on $release in $((elapsed / 60)) min $((elapsed % 60)) s; log: $log"
fi
exit "$status"
