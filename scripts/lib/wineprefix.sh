# shellcheck shell=bash
# Throwaway Wine prefixes and a virtual display for the Windows tests. Sourced (after common.sh
# or on its own), never run. Every function works on $WINEPREFIX, which the caller sets; none
# touches another prefix, and none ends a process it did not start.
#
#   export WINEPREFIX=/tmp/some-prefix
#   tandrel_make_prefix "$WINEPREFIX" build/win64/tools/powershell_standin/powershell.exe
#   tandrel_start_xvfb
#   tandrel_start_wine_services
#   ctest --test-dir build/win64 -R e2e --output-on-failure
#   tandrel_stop_wine
#   tandrel_stop_xvfb

: "${TANDREL_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"

# What every Wine command of the tests runs with: a 64-bit prefix that prints no debug noise and
# never offers to download Mono or Gecko (there is no internet, and the dialog would wait).
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

_tandrel_wine_say() { printf '%s: %s\n' "${TANDREL_SCRIPT:-wineprefix}" "$*" >&2; }

# Where the program looks for PowerShell, inside a prefix.
tandrel_prefix_powershell() {
    printf '%s/drive_c/windows/system32/WindowsPowerShell/v1.0/powershell.exe\n' "$1"
}

# Where the viewer stand-in goes below a prefix's drive C: a folder with blanks, as browsers have.
TANDREL_VIEWER_FOLDER='Program Files/Tandrel Viewer'

# tandrel_make_prefix DIR [STAND_IN_EXE]
# Makes DIR a fresh prefix that reports Windows 10 and has the PowerShell stand-in where Windows
# PowerShell would be. DIR is removed first when it exists. STAND_IN_EXE defaults to the one
# the win64 build makes. The runas and viewer stand-ins of the same build (tools/runas_standin,
# tools/viewer_standin beside tools/powershell_standin) go in too; see _tandrel_install_openers.
tandrel_make_prefix() {
    local dir=$1
    local standin=${2:-$TANDREL_ROOT/build/win64/tools/powershell_standin/powershell.exe}
    [ -n "$dir" ] || {
        _tandrel_wine_say "tandrel_make_prefix: no folder given"
        return 1
    }
    [ -f "$standin" ] || {
        _tandrel_wine_say "no PowerShell stand-in at $standin (build the win64 preset first)"
        return 1
    }
    case $dir in
    /*) ;;
    *) dir=$PWD/$dir ;;
    esac
    if [ -d "$dir" ]; then
        WINEPREFIX=$dir wineserver -k 2>/dev/null || true
        rm -rf "$dir"
    fi
    mkdir -p "$dir"
    # Bounded like every wait of the tests: a first boot takes about 12 s.
    WINEPREFIX=$dir timeout 300 wineboot -i </dev/null >/dev/null 2>&1 || {
        _tandrel_wine_say "wineboot -i failed in $dir"
        return 1
    }
    WINEPREFIX=$dir timeout 120 wine winecfg -v win10 </dev/null >/dev/null 2>&1 || {
        _tandrel_wine_say "winecfg -v win10 failed in $dir"
        return 1
    }
    local target
    target=$(tandrel_prefix_powershell "$dir")
    mkdir -p "$(dirname "$target")"
    cp -f "$standin" "$target"
    _tandrel_install_openers "$dir" "$(dirname "$(dirname "$standin")")" || return 1
    # The registry reaches the disk when the server ends, a few seconds after its last program.
    WINEPREFIX=$dir timeout 120 wineserver -w || {
        _tandrel_wine_say "the wineserver of $dir did not end"
        return 1
    }
}

# _tandrel_install_openers DIR TOOLS_DIR
# The program opens web pages and its help file through "runas /trustlevel:0x20000" with the
# command the shell associates with .html and .chm. Wine has no runas.exe: the stand-in goes into
# system32, and the viewer stand-in becomes the program for both file types.
_tandrel_install_openers() {
    local dir=$1 tools=$2
    local runas=$tools/runas_standin/runas.exe viewer=$tools/viewer_standin/viewer.exe exe
    for exe in "$runas" "$viewer"; do
        [ -f "$exe" ] || {
            _tandrel_wine_say "no $exe (build the win64 preset first)"
            return 1
        }
    done
    cp -f "$runas" "$dir/drive_c/windows/system32/runas.exe"
    mkdir -p "$dir/drive_c/$TANDREL_VIEWER_FOLDER"
    cp -f "$viewer" "$dir/drive_c/$TANDREL_VIEWER_FOLDER/viewer.exe"

    # "C:\<folder>\viewer.exe" -single "%1", written as a .reg file writes a value: every backslash
    # and double quote escaped with a backslash.
    local folder=${TANDREL_VIEWER_FOLDER//\//\\\\}
    local command="\\\"C:\\\\$folder\\\\viewer.exe\\\" -single \\\"%1\\\""
    local reg=$dir/tandrel-openers.reg type windows_reg
    {
        printf 'Windows Registry Editor Version 5.00\r\n'
        for type in html chm; do
            printf '\r\n[HKEY_CLASSES_ROOT\\.%s]\r\n@="TandrelViewer.%s"\r\n' "$type" "$type"
            printf '\r\n[HKEY_CLASSES_ROOT\\TandrelViewer.%s\\Shell\\Open\\Command]\r\n@="%s"\r\n' "$type" "$command"
        done
    } >"$reg"
    # reg.exe opens the file by its Windows name, and the 64-bit program reads the 64-bit view.
    windows_reg=$(WINEPREFIX=$dir timeout 60 wine winepath -w "$reg" 2>/dev/null) || true
    WINEPREFIX=$dir timeout 120 wine reg import "$windows_reg" /reg:64 </dev/null >/dev/null 2>&1 || {
        _tandrel_wine_say "wine reg import of the viewer's file types failed in $dir"
        return 1
    }
    rm -f "$reg"
}

# Starts the prefix's wineserver and Wine's own services outside ctest. Services started by the
# first Wine program inside ctest would inherit ctest's output pipe and keep it open, so ctest
# would wait for them forever.
tandrel_start_wine_services() {
    [ -n "${WINEPREFIX:-}" ] || {
        _tandrel_wine_say "WINEPREFIX is not set"
        return 1
    }
    # A server left by an earlier step (importing sample data, say) would refuse the persistent one.
    wineserver -k 2>/dev/null || true
    timeout 60 wineserver -w || true
    wineserver -p
    timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Ends the prefix's wineserver and every Wine process of this prefix, and only those.
tandrel_stop_wine() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k 2>/dev/null || true
}

# tandrel_start_xvfb
# Starts Xvfb on the first free display from :90 up, exports DISPLAY and returns once the server
# answers. TANDREL_XVFB_PID holds its process id for tandrel_stop_xvfb.
tandrel_start_xvfb() {
    local n pid log
    for n in $(seq 90 140); do
        # A lock or socket means another server has (or had) this number.
        if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then
            continue
        fi
        log=$(mktemp "${TMPDIR:-/tmp}/tandrel-xvfb.XXXXXX")
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$log" 2>&1 &
        pid=$!
        if _tandrel_wait_for_display ":$n" "$pid"; then
            rm -f "$log"
            TANDREL_XVFB_PID=$pid
            export DISPLAY=":$n"
            return 0
        fi
        # Lost a race for this number to another server, or Xvfb failed: try the next one.
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        rm -f "$log"
    done
    _tandrel_wine_say "no free display for Xvfb between :90 and :140"
    return 1
}

# Polls for up to 10 s until the server answers; gives up early when it has died.
_tandrel_wait_for_display() {
    local display=$1 pid=$2 _
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || return 1
        if DISPLAY=$display xdpyinfo >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

tandrel_stop_xvfb() {
    [ -n "${TANDREL_XVFB_PID:-}" ] || return 0
    kill "$TANDREL_XVFB_PID" 2>/dev/null || true
    wait "$TANDREL_XVFB_PID" 2>/dev/null || true
    unset TANDREL_XVFB_PID
}
