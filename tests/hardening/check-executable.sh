#!/usr/bin/env bash
# Checks the built Pelonix.exe itself, without running it:
#   - ASLR (DYNAMIC_BASE with relocations, HIGH_ENTROPY_VA) and DEP (NX_COMPAT);
#   - it imports from Windows' own DLLs only, no C++, GCC or thread runtime DLL;
#   - it imports nothing that writes the registry or files, opens the
#     network, beyond two C runtime functions named below with the reason;
#   - it was built with the stack protector, our own code included.
# Usage: check-executable.sh OBJDUMP NM Pelonix.exe
set -uo pipefail
objdump=${1:?usage: check-executable.sh OBJDUMP NM EXE}
nm=${2:?usage: check-executable.sh OBJDUMP NM EXE}
exe=${3:?usage: check-executable.sh OBJDUMP NM EXE}

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

headers=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }

# --- ASLR and DEP -----------------------------------------------------------
for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    if grep -qw "$flag" <<<"$headers"; then pass "$flag set"; else fail "$flag not set"; fi
done
# Without relocations the loader cannot move the image, whatever the flag says.
if grep -Eq '^Entry 5 0*[1-9a-f][0-9a-f]* [0-9a-f]*[1-9a-f][0-9a-f]* Base Relocation' <<<"$headers"; then
    pass "base relocations present"
else
    fail "no base relocation table: the image cannot be moved"
fi

# --- Imported DLLs ------------------------------------------------------------
# Windows' own DLLs that a Win32 program of this kind may use.
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll ntdll.dll comctl32.dll
 comdlg32.dll shell32.dll ole32.dll oleaut32.dll version.dll uxtheme.dll "
mapfile -t dlls < <(sed -n 's/^\tDLL Name: //p' <<<"$headers")
[ "${#dlls[@]}" -gt 0 ] || fail "no import table found"
for dll in "${dlls[@]}"; do
    lower=${dll,,}
    case "$lower" in
        libstdc++*|libgcc*|libwinpthread*) fail "imports $dll: a runtime DLL that must be linked in" ;;
        *) if [[ "$system_dlls" == *" $lower "* ]]; then pass "imports $dll"; else fail "imports $dll, not one of Windows' own DLLs"; fi ;;
    esac
done

# --- Imported functions -------------------------------------------------------
# DLL!function for every import.
mapfile -t imports < <(awk '
    /^\tDLL Name: / { dll = $3; next }
    /^\t[0-9a-f]+\t +[0-9]+  [A-Za-z_?@$]/ { print dll "!" $3 }' <<<"$headers")
echo "imports ${#imports[@]} functions"

# What would write the registry, a file or a folder, or reach the network.
forbidden=(
    "registry|^Reg(Set|Create|Delete|Save|Restore|Replace|Load|Unload|Copy|Rename|Flush|OverridePredef|ConnectRegistry)"
    "shell registry|^SH(Set|Delete|Copy|Reg(Set|Write|Create|Delete))"
    "profile files|^Write(Private)?Profile"
    "files|^(Create|Open|Write|Delete|Move|Copy|Replace|Lock|Encrypt|Decrypt)File"
    "old file calls|^_?(lcreat|lopen|lwrite|hwrite)$"
    "folders|^(Create|Remove)Directory"
    "file attributes and size|^(SetFile(Attributes|Time|Information|Pointer|ValidData|ShortName)|SetEndOfFile|FlushFileBuffers)"
    "links|^Create(Hard|Symbolic)Link"
    "temporary files|^GetTempFileName"
    "file mappings and devices|^(CreateFileMapping|DeviceIoControl)"
    "C runtime files|^_?w?(open|sopen|sopen_s|creat|write|fopen|fopen_s|freopen|fdopen|mkdir|rmdir|unlink|remove|rename|tmpfile|tmpnam|tempnam|mktemp|chmod|utime)$"
    "network|^(socket|connect|WSA|Internet|Http|WinHttp|URLDownload)"
)
# Brought in by the runtime, with the reason. The stack protector (libssp),
# when it finds a smashed stack, opens the console ("CONOUT$", write-only,
# never creating anything) to report it before it ends the program.
allowed=(
    "msvcrt.dll!_open"
    "msvcrt.dll!_write"
)
for entry in "${imports[@]}"; do
    name=${entry#*!}
    for rule in "${forbidden[@]}"; do
        what=${rule%%|*}
        if [[ "$name" =~ ${rule#*|} ]]; then
            if [[ " ${allowed[*]} " == *" $entry "* ]]; then
                echo "allowed: $entry ($what, from the runtime)"
            else
                fail "imports $entry ($what)"
            fi
        fi
    done
done

# --- Stack protector ----------------------------------------------------------
symbols=$("$nm" "$exe" 2>/dev/null)
if [ -z "$symbols" ]; then
    fail "$exe has no symbols: the stack protector cannot be checked"
else
    if grep -Eq ' [BDRS] __stack_chk_guard$' <<<"$symbols"; then pass "__stack_chk_guard defined"; else fail "no __stack_chk_guard"; fi
    # The functions that call __stack_chk_fail, by name; some must be ours.
    guarded=$("$objdump" -d -C --no-show-raw-insn "$exe" | awk '
        /^[0-9a-f]+ <.*>:$/ { fn = substr($0, index($0, "<") + 1); sub(/>:$/, "", fn); next }
        /call.*<__stack_chk_fail>/ { print fn }' | sort -u)
    total=$(grep -c . <<<"$guarded")
    ours=$(grep -Ec '^(CPiDigitsDlg|CAboutBox|CPiDigitsApp|CDialog|CWnd|CWinApp|CDataExchange|CMixedRadixPi|CString|CPaintDC)::|^(DDX_Text|FormatInt|FormatDouble|ParseInt|ParseDouble)\(' <<<"$guarded")
    if [ "$ours" -gt 0 ]; then
        pass "stack protector: $total functions check the guard, $ours of them ours"
    else
        fail "stack protector: none of our functions checks the guard ($total functions do)"
    fi
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "all checks passed"
