#!/usr/bin/env bash
# Builds the .deb, checks its contents and metadata with Debian's validators,
# unpacks it into a scratch root and starts the installed game until its window
# shows, then closes the window as a close box would.
set -euo pipefail

build=${1:?usage: package_test.sh BUILD-DIR X-CLOSE}
x_close=${2:?usage: package_test.sh BUILD-DIR X-CLOSE}
# shellcheck source=../support/e2e.sh
source "$(dirname "$0")/../support/e2e.sh"

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || fail "cpack"
deb=$(ls "$work"/out/huecracker_*_amd64.deb)

id=org.huecracker.Huecracker
expected=(
    usr/bin/huecracker
    usr/games/huecracker
    usr/share/applications/"$id".desktop
    usr/share/doc/huecracker/changelog.gz
    usr/share/doc/huecracker/copyright
    usr/share/icons/hicolor/128x128/apps/"$id".png
    usr/share/icons/hicolor/16x16/apps/"$id".png
    usr/share/icons/hicolor/24x24/apps/"$id".png
    usr/share/icons/hicolor/256x256/apps/"$id".png
    usr/share/icons/hicolor/32x32/apps/"$id".png
    usr/share/icons/hicolor/48x48/apps/"$id".png
    usr/share/icons/hicolor/64x64/apps/"$id".png
    usr/share/icons/hicolor/scalable/apps/"$id".svg
    usr/share/man/man6/huecracker.6.gz
    usr/share/metainfo/"$id".metainfo.xml
)
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)
diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") || fail "the package's files differ from the list"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-comic-neue fonts-dancingscript; do
    [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$work/root"
root=$work/root
[[ $(readlink "$root/usr/games/huecracker") == ../bin/huecracker ]] || fail "usr/games/huecracker is not a link to the binary"
for size in 16 24 32 48 64 128 256; do
    got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png")
    [[ $got == "${size}x$size" ]] || fail "the ${size}px icon is $got"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
# The game has no web page, and appstream 1.0 warns where metadata names none:
# that one finding is accepted rather than answered with an address that leads
# nowhere. Any other warning or error still fails.
status=0
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 || status=$?
cat "$work/appstream.log"
if [[ $status -ne 0 ]]; then
    others=$(grep -E '^[EW]: ' "$work/appstream.log" | grep -vE '^W: [^ ]+: url-homepage-missing$' || true)
    if [[ -n $others ]] || ! grep -qE '^W: [^ ]+: url-homepage-missing$' "$work/appstream.log"; then
        fail "appstreamcli validate"
    fi
fi
lintian --allow-root "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q '^E:' "$work/lintian.log"; then fail "lintian reports errors"; fi

"$root/usr/bin/huecracker" &
game_pid=$!
background_pids+=("$game_pid")
window=$(find_window Huecracker) || fail "the installed game never showed its window"
"$x_close" "$window"
wait_exit "$game_pid" || fail "closing the window did not end the game"
[[ $exit_status == 0 ]] || fail "the installed game ended with status $exit_status"
echo "package: $(basename "$deb"), ${#expected[@]} files, validators clean, window shown and closed"
