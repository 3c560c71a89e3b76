#!/usr/bin/env bash
# Installs the Debian packages that Huecracker needs, and only those missing.
#   scripts/setup.sh play   to build and play
#   scripts/setup.sh test   to build and run every test, benchmark and package check
set -euo pipefail

build_packages=(
    cmake ninja-build g++ pkg-config dpkg-dev file libx11-dev libxcb1-dev
    qt6-base-dev qt6-qpa-plugins
    # The tests of what screen readers hear switch Qt's accessibility on without one.
    qt6-base-private-dev
    googletest libgtest-dev libgmock-dev
    # Stand-ins for the faces the window asks for, of the same size and weight.
    fonts-comic-neue fonts-dancingscript
)
test_packages=(
    xvfb xauth xdotool x11-utils imagemagick openbox
    # The game on Qt's own Wayland platform, under a compositor nested in Xvfb.
    weston qt6-wayland
    # A screen reader's view: an AT-SPI client on a private session bus.
    dbus-daemon at-spi2-core python3-pyatspi
    # What a blind player hears: Orca, speaking silently through espeak-ng.
    orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng dconf-gsettings-backend
    fakeroot lintian desktop-file-utils appstream bc
    clang-tidy clang-format cppcheck shellcheck devscripts valgrind git
    libbenchmark-dev
)

case "${1:-test}" in
    play) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
