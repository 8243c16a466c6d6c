#!/bin/sh
# make run: starts the freshly built setup under Wine. With a working X display the wizard
# opens there; without one it runs in a virtual Xvfb display, a screenshot of the first
# page is saved under the build folder, and the run is ended again.
set -u
BUILD="${1:-build/x86_64}"
BUILD=$(cd "$BUILD" && pwd)
SETUP="$BUILD/MirelQuorthSetup.exe"
export WINEPREFIX="$BUILD/run/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=win64
WINE=wine
[ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64
WINESERVER=wineserver
[ -x /usr/lib/wine/wineserver ] && WINESERVER=/usr/lib/wine/wineserver
mkdir -p "$BUILD/run"

if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "Starting $SETUP on display $DISPLAY (Wine prefix $WINEPREFIX)"
    exec "$WINE" "$SETUP"
fi

SHOT="$BUILD/wizard-first-page.png"
echo "No X display: running the wizard in a virtual display (Xvfb)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$BUILD/run/display" >"$BUILD/run/xvfb.log" 2>&1 &
XVFB_PID=$!
trap '"$WINESERVER" -k >/dev/null 2>&1; kill $XVFB_PID 2>/dev/null' EXIT
i=0
while [ ! -s "$BUILD/run/display" ]; do
    i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start"; exit 1; }; sleep 0.1
done
export DISPLAY=":$(cat "$BUILD/run/display")"
[ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot -i </dev/null >"$BUILD/run/wineboot.log" 2>&1
"$WINE" explorer /desktop=MirelQuorth,1024x768 "$SETUP" </dev/null >"$BUILD/run/setup.log" 2>&1 &
LOCATE="$BUILD/tests/e2e/mq_locate.exe"
if [ -f "$LOCATE" ]; then
    "$WINE" "$LOCATE" "Vaelkmorian Chinese Input Engine Installer" 1001 30000 </dev/null >/dev/null 2>&1
    sleep 1
else
    sleep 8
fi
/usr/bin/import -display "$DISPLAY" -window root "$SHOT"
echo "The wizard ran in the virtual display $DISPLAY; screenshot of its first page: $SHOT"
