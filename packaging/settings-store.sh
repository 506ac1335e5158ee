#!/bin/sh
# Makes the designer's machine-wide settings store writable by every local user: the folder
# /etc/xdg/Dremholt/Vormelline and the file V6.ini in it. Window places are shared by everyone
# who uses the machine, so whoever closes the designer must be able to write them. The file is
# replaced whole on every save (a new file in the same folder, renamed over the old one), so the
# folder must be writable too; it gets no sticky bit, which would stop one user replacing a file
# another user saved last. What the store already holds is kept.
#
# Run as root. Used by tools/dev.sh, by `cmake --install` and as the Debian package's postinst
# (which passes "configure" and, for an install into another root, sets DPKG_ROOT).
set -eu

case "${1:-configure}" in
configure) ;;
*) exit 0 ;; # the package's other maintainer steps have nothing to do
esac

folder="${DPKG_ROOT:-}/etc/xdg/Dremholt/Vormelline"
store="$folder/V6.ini"

mkdir -p "$folder"
chmod 0777 "$folder"
[ -e "$store" ] || : >"$store"
chmod 0666 "$store"
