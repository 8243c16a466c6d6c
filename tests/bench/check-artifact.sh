#!/bin/sh
# Checks a built installer: a stripped Windows GUI program that imports system DLLs only
# (zlib and the C/C++ runtime are linked in). Usage: check-artifact.sh OBJDUMP EXE
set -u
OBJDUMP="$1"
EXE="$2"
[ -f "$EXE" ] || { echo "missing: $EXE"; exit 1; }
HEADERS=$("$OBJDUMP" -p "$EXE") || exit 1
status=0
echo "$HEADERS" | grep -q 'Subsystem[[:space:]]*00000002' || { echo "$EXE: not a GUI program"; status=1; }
SYSTEM="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll shell32.dll user32.dll"
for dll in $(echo "$HEADERS" | sed -n 's/.*DLL Name: //p'); do
    lower=$(echo "$dll" | tr "[:upper:]" "[:lower:]")
    case " $SYSTEM " in
    *" $lower "*) echo "imports $dll" ;;
    *) echo "$EXE: imports $dll, which is not a system DLL"; status=1 ;;
    esac
done
if "$OBJDUMP" -h "$EXE" | grep -q '\.debug_'; then
    echo "$EXE: carries debug sections (not stripped)"; status=1
fi
[ $status -eq 0 ] && echo "$EXE: GUI program, system DLLs only, stripped"
exit $status
