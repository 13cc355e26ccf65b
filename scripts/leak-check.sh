#!/usr/bin/env bash
# Runs the whole program, driven by a script (tests/leak/leak_session.cpp), under valgrind
# memcheck: offscreen, then on an X server (Xvfb). Fails on any leak (definite or indirect), any
# invalid access or use of uninitialised memory that tests/leak/valgrind.supp does not name as the
# toolkit's, and on a script that did not get through. Logs: build/leak/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target leak_session

logs=build/leak
mkdir -p "$logs"
# A session bus, present or not, only changes what Qt does in its D-Bus thread; none keeps the
# runs alike on every machine.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
export LC_ALL=C.UTF-8 LANG=C.UTF-8

memcheck=(valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect,possible
          --errors-for-leak-kinds=definite,indirect --error-exitcode=99
          --child-silent-after-fork=yes --num-callers=40 --gen-suppressions=all
          --suppressions="$PWD/tests/leak/valgrind.supp")

failed=0
check() {
    local platform="$1"
    shift
    local log="$logs/$platform.log"
    if "$@" "${memcheck[@]}" --log-file="$log" build/default/tests/leak_session >"$logs/$platform.out" 2>&1; then
        echo "leak-check: $platform: $(grep -E 'ERROR SUMMARY' "$log" | sed 's/^==[0-9]*== //')"
        grep -E 'definitely lost:|indirectly lost:' "$log" | sed 's/^==[0-9]*== */  /'
    else
        echo "leak-check: $platform: FAILED (valgrind log: $log, program output: $logs/$platform.out)" >&2
        grep -E -A25 'are definitely lost|are indirectly lost|Invalid|uninitialised|ERROR SUMMARY' "$log" \
            | head -80 >&2 || true
        cat "$logs/$platform.out" >&2
        failed=1
    fi
}

check offscreen env QT_QPA_PLATFORM=offscreen
check x11 env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24"
exit "$failed"
