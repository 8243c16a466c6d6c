#!/bin/sh
# Installs the sample speech-runtime package with Wine's msiexec on the test bench, checks
# that its one file arrived, then uninstalls it and checks that the file is gone again.
#   msi_roundtrip.sh BENCH_SH PACKAGE INSTALLED_FILE   (Unix paths)
BENCH=$1
PACKAGE=$2
INSTALLED=$3
WINPATH=$(printf 'Z:%s' "$PACKAGE" | tr / '\\')
status=0

"$BENCH" run msiexec /i "$WINPATH" /qn
rc=$?
[ $rc -eq 0 ] || { echo "FAIL: msiexec /i returned $rc"; status=1; }
if [ -f "$INSTALLED" ]; then
    grep -q "Vaelk speech runtime sample" "$INSTALLED" || { echo "FAIL: unexpected content in $INSTALLED"; status=1; }
else
    echo "FAIL: $INSTALLED was not installed"
    status=1
fi

"$BENCH" run msiexec /x "$WINPATH" /qn
rc=$?
[ $rc -eq 0 ] || { echo "FAIL: msiexec /x returned $rc"; status=1; }
[ ! -e "$INSTALLED" ] || { echo "FAIL: $INSTALLED is still there after uninstalling"; status=1; }
[ $status -eq 0 ] && echo "installed and removed $INSTALLED"
exit $status
