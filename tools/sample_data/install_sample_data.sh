#!/usr/bin/env bash
# shellcheck shell=bash
# Puts the sample packages into the Wine prefix $WINEPREFIX, which the caller has made: package
# folders under its drive_c and the registry keys the program reads. Sourced, it defines
# tandrel_install_sample_data; run, it calls it with its arguments.
#
#   export WINEPREFIX=/tmp/some-prefix
#   tools/sample_data/install_sample_data.sh [OUT_DIR]
#
# OUT_DIR (default $WINEPREFIX/sample_data) receives sample_data.reg and sample_data.json, the
# rows the program should show. The keys reach the prefix's system.reg on disk only when its
# wineserver ends; Wine programs started before that see them at once.

_TANDREL_SAMPLE_DATA_HOME=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

_tandrel_sample_say() { printf 'install_sample_data: %s\n' "$*" >&2; }

# Wine, bounded, with no debug noise and no offer to download Mono or Gecko.
_tandrel_sample_wine() {
    local seconds=$1
    shift
    WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=} \
        timeout "$seconds" wine "$@" </dev/null
}

tandrel_install_sample_data() {
    [ -n "${WINEPREFIX:-}" ] || {
        _tandrel_sample_say "WINEPREFIX is not set"
        return 1
    }
    [ -d "$WINEPREFIX/drive_c" ] || {
        _tandrel_sample_say "$WINEPREFIX is not a Wine prefix (no drive_c); make it first"
        return 1
    }
    local out=${1:-$WINEPREFIX/sample_data}
    local reg=$out/sample_data.reg summary=$out/sample_data.json
    python3 "$_TANDREL_SAMPLE_DATA_HOME/make_sample_data.py" "$WINEPREFIX/drive_c" "$reg" || {
        _tandrel_sample_say "the generator failed"
        return 1
    }

    # reg.exe opens the file by its Windows name; a Unix path would be read as one on drive C:.
    local windows_reg output
    if ! windows_reg=$(_tandrel_sample_wine 60 winepath -w "$reg" 2>/dev/null) || [ -z "$windows_reg" ]; then
        _tandrel_sample_say "winepath could not name $reg for Windows"
        return 1
    fi
    # Debian's wine starts the 32-bit reg.exe, whose HKLM\SOFTWARE is the Wow6432Node; the
    # 64-bit program reads the 64-bit view.
    output=$(_tandrel_sample_wine 120 reg import "$windows_reg" /reg:64 2>&1) || {
        _tandrel_sample_say "wine reg import $windows_reg failed: $output"
        return 1
    }

    # The output of reg query is in the console's code page, so only plain-ASCII data is compared.
    local checks key value data answer
    if ! checks=$(python3 -c '
import json, sys
for check in json.load(open(sys.argv[1], encoding="utf-8"))["import_checks"]:
    print(check["key"], check["value"], check["data"], sep="\t")
' "$summary") || [ -z "$checks" ]; then
        _tandrel_sample_say "no checks in $summary"
        return 1
    fi
    while IFS=$'\t' read -r key value data; do
        answer=$(_tandrel_sample_wine 60 reg query "$key" /v "$value" /reg:64 2>&1) || true
        if ! grep -qF -- "$data" <<<"$answer"; then
            _tandrel_sample_say "the import did not land: $key\\$value is not \"$data\""
            _tandrel_sample_say "wine reg query said: $answer"
            return 1
        fi
    done <<<"$checks"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    tandrel_install_sample_data "$@"
fi
