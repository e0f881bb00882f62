# Sourced by the end-to-end tests: a throwaway Wine prefix, the test tools, products installed
# for real, the launcher started as a user would start it, its message box read and dismissed,
# and the case bookkeeping. Needs ROOT (the repository) and OUT (a folder under build/).

Wine64=/usr/lib/wine/wine64
Passed=0
Failed=0
CaseName=""
CaseFailures=0

Say() { echo "-- $*"; }

# Windows path of a file or folder inside the prefix's drive C.
Drive() { echo "$WINEPREFIX/drive_c/$1"; }

Wine() { "$Wine64" "$@"; }

# Registers qemu for 32-bit ELF programs when this kernel cannot run them itself.
Ensure32BitElf() {
    if /usr/lib/wine/wine --version >/dev/null 2>&1; then return 0; fi
    Say "this kernel cannot run 32-bit programs: registering qemu-i386-static for them"
    mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        echo 1 >/proc/sys/fs/binfmt_misc/qemu-i386
    else
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            >/proc/sys/fs/binfmt_misc/register
    fi
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Wine and what the cases use beside it; with 32, also the 32-bit side of Wine and, where this
# kernel cannot run 32-bit programs, qemu to run them. Needs scripts/ensure-packages.sh.
EnsureWinePackages() {  # [32]
    EnsurePackages wine wine64 wixl xvfb xdotool imagemagick fonts-noto-cjk \
        g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32
    [ "${1:-}" = 32 ] || return 0
    dpkg --print-foreign-architectures | grep -qx i386 || {
        Say "adding Debian's i386 architecture for Wine's 32-bit side"
        dpkg --add-architecture i386
    }
    EnsurePackages wine32:i386
    /usr/lib/wine/wine --version >/dev/null 2>&1 || EnsurePackages qemu-user-static
}

# Builds one test tool with a Windows cross-compiler; warnings are errors here too.
BuildTool() {  # compiler source output [flags...]
    local compiler=$1 source=$2 output=$3
    shift 3
    [ "$output" -nt "$source" ] && [ "$output" -nt "$ROOT/tests/e2e/tools/Text.h" ] && return 0
    "$compiler" -std=c++20 -O2 -Wall -Wextra -Werror -static -o "$output" "$source" "$@"
}

# The test tools: the starter, the message-box reader, the product query, the recorder that takes
# msiexec's place (64-bit, and 32-bit for the command processor of a 32-bit launcher) and the
# planted msi.dll.
BuildTools() {  # folder
    Say "building the test tools"
    local tools=$1 source=$ROOT/tests/e2e/tools x64=x86_64-w64-mingw32-g++-win32
    mkdir -p "$tools"
    BuildTool $x64 "$source/Start.cpp" "$tools/Start.exe" -municode &&
        BuildTool $x64 "$source/ReadMessageBox.cpp" "$tools/ReadMessageBox.exe" -municode &&
        BuildTool $x64 "$source/ProductVersion.cpp" "$tools/ProductVersion.exe" &&
        BuildTool $x64 "$source/Recorder.cpp" "$tools/Recorder.exe" -municode &&
        BuildTool i686-w64-mingw32-g++-win32 "$source/Recorder.cpp" "$tools/Recorder32.exe" -municode &&
        BuildTool $x64 "$source/PlantedMsi.cpp" "$tools/msi.dll" -shared
}

# Puts the tools into C:\tools and the recorders in msiexec's place. Wine keeps its own msiexec
# unless told otherwise, so they can lie there from the start: Launch asks for them with
# msiexec.exe=n, while installing products uses Wine's own. The planted msi.dll stays out of
# C:\tools: the product query there loads msi.dll by name, and only the planting case wants it.
InstallTools() {  # folder
    mkdir -p "$(Drive tools)"
    cp "$1"/*.exe "$(Drive tools)/"
    cp "$1/Recorder.exe" "$(Drive windows/system32/msiexec.exe)"
    [ -d "$(Drive windows/syswow64)" ] && cp "$1/Recorder32.exe" "$(Drive windows/syswow64/msiexec.exe)"
    return 0
}

# Starts a virtual display, then a prefix of its own for this run and a persistent wineserver;
# all three end, and the prefix goes, when the run ends, also when a case fails. The display comes
# first: Wine's desktop process started by wineboot would otherwise have none. A prefix for 64-bit
# programs only is made with 32-bit emulation switched off for the moment, which saves minutes of
# emulated setup nobody uses.
StartWine() {  # 64|32
    exec 3>"$OUT/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$OUT/xvfb.log" 2>&1 &
    XvfbPid=$!
    for _ in $(seq 50); do [ -s "$OUT/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$OUT/display")"
    exec 3>&-
    trap StopWine EXIT

    export WINEPREFIX="$OUT/prefix"
    export WINEDEBUG=-all
    rm -rf "$WINEPREFIX"
    if [ "$1" = 32 ]; then
        Say "creating the Wine prefix $WINEPREFIX with 32-bit support (minutes under emulation)"
    else
        Say "creating the Wine prefix $WINEPREFIX"
    fi
    local started=$SECONDS emulation=/proc/sys/fs/binfmt_misc/qemu-i386 paused=0
    # Not while another run has emulated programs going: they would fail to start meanwhile.
    if [ "$1" = 64 ] && [ -w "$emulation" ] && grep -q '^enabled' "$emulation" &&
        ! pgrep -f qemu-i386-static >/dev/null; then
        echo 0 >"$emulation" && paused=1
    fi
    Wine wineboot -i >"$OUT/wineboot.log" 2>&1
    [ "$paused" = 1 ] && echo 1 >"$emulation"
    # With no window manager on the display, Wine draws the frames itself, caption included.
    Wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    Wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -p 2>/dev/null || true
    Say "prefix ready in $((SECONDS - started)) s"
}

StopWine() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    [ -n "${XvfbPid:-}" ] && kill "$XvfbPid" 2>/dev/null
    [ -n "${WINEPREFIX:-}" ] && [ "${KEEP_PREFIX:-0}" != 1 ] && rm -rf "$WINEPREFIX"
    return 0
}

# The launcher beside its two architecture folders, each with a patch file (not a real patch).
LayPackage() {  # folder-under-drive-c launcher [name]
    local folder
    folder=$(Drive "$1")
    mkdir -p "$folder/32-bit" "$folder/64-bit"
    cp "$2" "$folder/${3:-setup.exe}"
    echo "not a patch" >"$folder/32-bit/QuorvaneServer12v5Update.msp"
    echo "not a patch" >"$folder/64-bit/QuorvaneServer12v5Update.msp"
}

# --- products -----------------------------------------------------------------------------------

Product1="{4A7C2E19-B3D5-4F68-9E01-7D25C6A8B943}"
Product2="{C8E31F56-0A94-4D2B-B7E6-5F1A93D0C274}"
UninstallKey="HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$Product2"
InstalledMsis=()

# A real MSI of the product code and version, built with wixl (once per run).
BuildMsi() {  # product-code version
    local name
    name="$OUT/msi/$(echo "$1-$2" | tr -c 'A-Za-z0-9.-' '_').msi"
    if [ ! -f "$name" ]; then
        mkdir -p "$OUT/msi"
        sed -e "s/@PRODUCT@/$1/" -e "s/@VERSION@/$2/" "$ROOT/tests/e2e/product.wxs" >"$name.wxs"
        wixl -o "$name" "$name.wxs"
    fi
    echo "$name"
}

# Runs a preparing step up to three times. Wine has, rarely, failed to run a step that works
# every other time, printing nothing; what each failed attempt said is shown.
TryThrice() {  # command...
    local attempt said status
    for attempt in 1 2 3; do
        said=$("$@" 2>&1) && return 0
        status=$?
        echo "     attempt $attempt of '$*' ended with $status: $(tr -d '\r' <<<"$said" | tail -n 5)"
        sleep 1
    done
    return 1
}

Install() {  # product-code version
    local msi
    msi=$(BuildMsi "$1" "$2")
    TryThrice Wine msiexec /i "$msi" /qn || Fail "installing $1 $2 with msiexec failed"
    InstalledMsis+=("$msi")
}

SetUninstallEntry() {  # view(64|32) version
    TryThrice Wine reg add "$UninstallKey" /v DisplayVersion /d "$2" /f "/reg:$1" ||
        Fail "reg add into the $1-bit view failed"
}

# Removes every product this case installed and both views' uninstall entries.
ClearProducts() {
    local msi
    # A product left behind would decide the next case, so its removal is tried again too.
    for msi in "${InstalledMsis[@]}"; do
        TryThrice Wine msiexec /x "$msi" /qn || echo "     removing $msi failed: the next case may fail"
    done
    InstalledMsis=()
    Wine reg delete "$UninstallKey" /f /reg:64 >/dev/null 2>&1
    Wine reg delete "$UninstallKey" /f /reg:32 >/dev/null 2>&1
    return 0
}

# --- running the launcher -----------------------------------------------------------------------

# Starts the launcher through Start.exe with exactly this command line and current directory,
# with msiexec replaced by the recorder unless REAL_MSIEXEC=1, and Wine's system language taken
# from SYSTEM_LOCALE if set. A message box that shows is read (Box, BoxCaption), photographed to
# SHOT if set, and dismissed with its OK button. Sets Status and Recorded.
Launch() {  # command-line current-directory [timeout-seconds]
    local timeout=${3:-120}
    printf '%s\n%s\n' "$1" "$2" >"$(Drive start.txt)"
    rm -f "$(Drive recorder.txt)" "$(Drive box.txt)"
    Box="" BoxCaption="" Recorded="" BoxShown=0
    local overrides=${EXTRA_OVERRIDES:-}
    [ "${REAL_MSIEXEC:-0}" = 1 ] || overrides="msiexec.exe=n${overrides:+;$overrides}"
    env LC_ALL="${SYSTEM_LOCALE:-$LC_ALL}" WINEDLLOVERRIDES="$overrides" \
        "$Wine64" "$(Drive tools/Start.exe)" 'C:\start.txt' >"$OUT/launch.log" 2>&1 &
    local pid=$! started=$SECONDS window=""
    while kill -0 "$pid" 2>/dev/null; do
        window=$(xdotool search --onlyvisible --name '.' 2>/dev/null | head -n 1)
        if [ -n "$window" ]; then
            BoxShown=1
            env LC_ALL="${SYSTEM_LOCALE:-$LC_ALL}" "$Wine64" "$(Drive tools/ReadMessageBox.exe)" 'C:\box.txt' >/dev/null 2>&1
            BoxCaption=$(xdotool getwindowname "$window" 2>/dev/null)
            [ -n "${SHOT:-}" ] && timeout 20 import -window "$window" "$SHOT" 2>/dev/null
            env LC_ALL="${SYSTEM_LOCALE:-$LC_ALL}" "$Wine64" "$(Drive tools/ReadMessageBox.exe)" --press-ok >/dev/null 2>&1
            sleep 1
        fi
        if [ $((SECONDS - started)) -gt "$timeout" ]; then
            Fail "no end after $timeout s"
            kill "$pid" 2>/dev/null
            break
        fi
        sleep 0.2
    done
    wait "$pid"
    Status=$?
    [ -f "$(Drive recorder.txt)" ] && Recorded=$(cat "$(Drive recorder.txt)")
    [ -f "$(Drive box.txt)" ] && Box=$(cat "$(Drive box.txt)")
    return 0
}

RecordedField() {  # name
    sed -n "s/^$1: //p" <<<"$Recorded" | tr -d '\r'
}

# --- cases --------------------------------------------------------------------------------------

Case() {
    CaseName=$1
    CaseFailures=0
    CaseStarted=$SECONDS
}

Fail() {
    echo "FAIL [$CaseName] $*"
    CaseFailures=$((CaseFailures + 1))
}

Expect() {  # what expected got
    [ "$2" = "$3" ] && return 0
    Fail "$1: expected [$2], got [$3]"
}

# Expects a run of the patch installer: status 0, the recorder started in the folder given (long
# form, compared without regard to case), in its short form, with this command line.
ExpectPatchRun() {  # long-folder command-line
    Expect "exit status" 0 "$Status"
    Expect "message box shown" 0 "$BoxShown"
    if [ -z "$Recorded" ]; then
        Fail "msiexec was not started"
        return
    fi
    # Only A to Z are compared without regard to case, as the launcher lower-cases only those.
    Expect "folder (long form)" "$(tr 'A-Z' 'a-z' <<<"$1")" "$(RecordedField 'long form' | tr 'A-Z' 'a-z')"
    Expect "folder is in short form" yes "$(RecordedField 'is short form')"
    Expect "msiexec command line" "$2" "$(RecordedField 'command line')"
}

ExpectRefusal() {
    Expect "exit status" 1 "$Status"
    Expect "message box shown" 1 "$BoxShown"
    Expect "msiexec started" "" "$Recorded"
}

EndCase() {
    if [ "$CaseFailures" -eq 0 ]; then
        Passed=$((Passed + 1))
        echo "ok   [$CaseName] ($((SECONDS - CaseStarted)) s)"
    else
        Failed=$((Failed + 1))
        [ -n "$Recorded" ] && printf 'recorder file:\n%s\n' "$Recorded" | sed 's/^/     /'
        [ -n "$Box" ] && printf 'message box:\n%s\n' "$Box" | sed 's/^/     /'
        [ -s "$OUT/launch.log" ] && sed 's/^/     wine: /' "$OUT/launch.log" | tail -n 20
        # What the launcher was told, asked again the same way.
        local product
        for product in "$Product1" "$Product2"; do
            echo "     Windows Installer's VersionString of $product: $(Wine "$(Drive tools/ProductVersion.exe)" "$product" 2>/dev/null | tr -d '\r')"
        done
    fi
}

Summary() {  # tier
    echo "$1: $Passed passed, $Failed failed"
    [ "$Failed" -eq 0 ]
}
