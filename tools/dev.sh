#!/usr/bin/env bash
# Sets up a Debian 12 machine for the designer, builds it, then starts it ("run") or runs the
# whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer ("test").
# Idempotent: installed packages and up-to-date builds are left as they are.
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(g++ cmake ninja-build qt6-base-dev libqscintilla2-qt6-dev libxcb1-dev
          fonts-dejavu-core fonts-liberation xvfb xauth xdotool imagemagick openbox x11-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages. Install them first with:"
        echo "sudo apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
fi

# The window places live in a machine-wide store that every local user must be able to write;
# root makes it so (keeping what it holds), anyone else is told the one command that does.
prepare_settings_store() {
    local folder=/etc/xdg/Dremholt/Vormelline
    if [ "$(id -u)" -eq 0 ]; then
        sh "$root/packaging/settings-store.sh" configure
    elif [ ! -w "$folder" ] || [ ! -w "$folder/V6.ini" ]; then
        echo "The settings store $folder/V6.ini is not writable for you; window places will not"
        echo "be kept. Make it writable for every local user with:"
        echo "sudo sh $root/packaging/settings-store.sh"
    fi
}

# A compiler cache, where one is installed, makes rebuilds after a checkout cheap.
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

configure_and_build() { # build-dir, cmake options...
    local dir=$1; shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" "$@"
    fi
    cmake --build "$dir"
}

case "$mode" in
run)
    prepare_settings_store
    configure_and_build "$root/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
    exec "$root/build/release/shell/quorvel-designer"
    ;;
test)
    # Line tables (-g1) are all a sanitizer's report needs to name files and lines, and cost a
    # third less to compile and link than full debug information.
    configure_and_build "$root/build/test" -DCMAKE_BUILD_TYPE=Debug -DQZ_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1"
    cd "$root/build/test"
    # Tests run side by side, one per core; those on a virtual X server take turns (they hold
    # the resource "xvfb").
    exec ctest --output-on-failure -j "$(nproc)"
    ;;
*)
    echo "usage: tools/dev.sh run|test" >&2
    exit 2
    ;;
esac
