# shellcheck shell=bash
# Shared by the scripts in scripts/: sourced, never run. Keeps no state beyond variables and
# functions, so any script may source it under its own `set -euo pipefail`.

TANDREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Built dependencies live outside the clone: a fresh clone or `git clean` must not cost a rebuild,
# and CI clones into another folder on the same machine.
TANDREL_CACHE=${TANDREL_CACHE:-$HOME/.cache/tandrel}
# Absolute, because it becomes an install prefix and is read again by CMake in other folders.
case $TANDREL_CACHE in
/*) ;;
*) TANDREL_CACHE=$PWD/$TANDREL_CACHE ;;
esac

# x86_64 first: Tandrel64.exe is the program; the i686 build only hands off to it.
TANDREL_TRIPLES=(x86_64-w64-mingw32 i686-w64-mingw32)

# The CMake toolchain files compute the same path from the same variable; keep them in step.
tandrel_deps_prefix() { printf '%s/deps/%s\n' "$TANDREL_CACHE" "$1"; }
tandrel_toolchain_file() { printf '%s/cmake/toolchain-%s.cmake\n' "$TANDREL_ROOT" "$1"; }

tandrel_say() { printf '%s: %s\n' "${TANDREL_SCRIPT:-$(basename "$0")}" "$*"; }
tandrel_die() {
    tandrel_say "error: $*" >&2
    exit 1
}

# Seconds since the epoch with a decimal, for the short timing lines.
tandrel_now() { date +%s.%N; }
tandrel_since() { awk -v a="$1" -v b="$(tandrel_now)" 'BEGIN { printf "%.1f s", b - a }'; }

# Runs a command with all its output appended to a log; on failure shows the log's end, so the
# reason is on screen without scrolling through a build.
tandrel_run_logged() {
    local log=$1
    shift
    printf '\n$ %s\n' "$*" >>"$log"
    if ! "$@" >>"$log" 2>&1; then
        tandrel_say "failed: $*" >&2
        tandrel_say "last lines of $log:" >&2
        tail -n 40 "$log" >&2
        return 1
    fi
}
