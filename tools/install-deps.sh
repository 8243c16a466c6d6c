#!/bin/sh
# Installs the Debian packages that building and testing the setup program need,
# but only when one of them is missing, so repeated make targets stay quick.
set -e
PACKAGES="cmake make python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix \
gcc-mingw-w64-x86-64-posix gcc-mingw-w64-i686-posix libz-mingw-w64-dev googletest \
wine wine64 xvfb xauth xdotool imagemagick wixl msitools unifont"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
