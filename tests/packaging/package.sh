#!/usr/bin/env bash
# Builds the Debian package from a build directory into a temporary folder, checks what it
# holds, and installs it into a temporary root as dpkg would on a machine: the program, its
# desktop entry and icon land in the usual places and the postinst makes the settings store
# writable for every local user, keeping what the store already holds. Nothing outside the
# temporary folder is touched. Skipped (exit 77) without dpkg or cpack.
set -euo pipefail

build=$1
for tool in cpack dpkg dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
chmod 0755 "$tmp" # another user must reach the store inside it
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1) \
    || { cat "$tmp/cpack.log"; fail "cpack could not build the package"; }
deb=$(ls "$tmp"/out/*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = quorvel-designer ] || fail "wrong package name"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quorvel-designer ./usr/share/applications/quorvel-designer.desktop \
            ./usr/share/icons/hicolor/scalable/apps/quorvel-designer.svg; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done

# Install into an empty root with its own dpkg database; the maintainer script runs outside a
# chroot with DPKG_ROOT pointing at the root, as for any install into another root.
instroot=$tmp/root
mkdir -p "$instroot/var/lib/dpkg/info" "$instroot/var/lib/dpkg/updates"
touch "$instroot/var/lib/dpkg/status"
store_dir=$instroot/etc/xdg/Dremholt/Vormelline
store=$store_dir/V6.ini
install_package() {
    dpkg --root="$instroot" --force-depends --force-script-chrootless --log=/dev/null \
        -i "$deb" >"$tmp/dpkg.log" 2>&1 || { cat "$tmp/dpkg.log"; fail "dpkg -i failed"; }
}
install_package
[ -x "$instroot/usr/bin/quorvel-designer" ] || fail "the program was not installed"
grep -q '^Exec=quorvel-designer$' "$instroot/usr/share/applications/quorvel-designer.desktop" \
    || fail "the desktop entry does not start the program"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$instroot/usr/share/applications/quorvel-designer.desktop" \
        || fail "the desktop entry is not valid"
fi
[ "$(stat -c %a "$store_dir")" = 777 ] || fail "the store's folder is $(stat -c %a "$store_dir")"
[ "$(stat -c %a "$store")" = 666 ] || fail "the store is $(stat -c %a "$store")"

# A reinstall keeps what the store holds and makes it writable again.
printf '[IDE]\nLeft=10\n' >"$store"
chmod 0600 "$store"
install_package
[ "$(cat "$store")" = "$(printf '[IDE]\nLeft=10')" ] || fail "the reinstall changed the store"
[ "$(stat -c %a "$store")" = 666 ] || fail "the reinstall left the store at $(stat -c %a "$store")"

# Another user replaces the store whole, as the program saves it: a new file beside it,
# renamed over it.
if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    setpriv --reuid=65534 --regid=65534 --clear-groups sh -c \
        "printf '[IDE]\nLeft=20\n' >'$store.new' && mv -f '$store.new' '$store'" \
        || fail "another user cannot save the store"
    grep -q 'Left=20' "$store" || fail "another user's save was lost"
fi
echo "PASS: the package installs the program, its menu entry and a store every user can write"
