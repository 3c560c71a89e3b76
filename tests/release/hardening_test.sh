#!/usr/bin/env bash
# The game binary of the default build is optimised and hardened: PIE, full
# RELRO with BIND_NOW, stack protector, and _FORTIFY_SOURCE.
set -euo pipefail
binary=${1:?usage: hardening_test.sh BINARY COMPILE-COMMANDS}
commands=${2:?usage: hardening_test.sh BINARY COMPILE-COMMANDS}
fail() { echo "FAIL: $*" >&2; exit 1; }

# Control-flow protection needs CET notes in Debian 12's own start-up objects,
# which they lack, so no binary linked here can show it; hardening-check is told
# to leave it out. Branch protection is arm64's (BTI and PAC), yet newer
# hardening-checks ask for it of x86-64 binaries too, which cannot have it; older
# ones know no option to leave it out, and do not check it.
skip=(--nocfprotection --nofortify)
if [[ $(hardening-check --help 2>&1) == *--nobranchprotection* ]]; then skip+=(--nobranchprotection); fi
report=$(hardening-check "${skip[@]}" "$binary") || { echo "$report"; fail "hardening-check"; }
echo "$report"
for line in "Position Independent Executable: yes" "Stack protected: yes" "Read-only relocations: yes" \
            "Immediate binding: yes"; do
    grep -qF "$line" <<<"$report" || fail "expected '$line'"
done

# hardening-check sees _FORTIFY_SOURCE only where the compiler found a call it
# could check; this program's few memcpy calls have sizes known only at run
# time. So it must say so, and every source of the project must be compiled
# with the flag and with optimisation, without which the flag does nothing.
grep -qE "Fortify Source functions: (yes|no, only unprotected functions found)" <<<"$report" \
    || fail "unexpected fortify report"
sources=$(grep -cE '"file": ".*/(game|ui|app)/[^"]*\.cpp"' "$commands")
[[ $sources -gt 0 ]] || fail "no project sources in $commands"
fortified=$(grep -E '"command": ' "$commands" | grep -E '/(game|ui|app)/[^ ]*\.cpp"' \
    | grep -- '-D_FORTIFY_SOURCE=2' | grep -cE -- ' -O[23s] ' || true)
[[ $fortified -eq $sources ]] || fail "$fortified of $sources sources are built with -D_FORTIFY_SOURCE=2 and -O2 or more"
echo "hardening: all $sources sources fortified and optimised"
