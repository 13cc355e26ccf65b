#!/usr/bin/env bash
# Builds the Debian package, installs it as a user would, checks that the program and its desktop
# files land where desktops look for them, opens the program's window from its desktop entry
# under Xvfb, and removes the package again. Debian 12, as root; replaces an installed varnoq.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"

build=build/default
rm -f "$build"/varnoq_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/varnoq_*.deb)
if ((${#debs[@]} != 1)) || [ ! -f "${debs[0]}" ]; then
  echo "check-package: expected one varnoq_*.deb in $build, found: ${debs[*]}" >&2
  exit 1
fi
deb="$(realpath "${debs[0]}")"

failures=0
fail() {
  echo "check-package: FAIL $*" >&2
  failures=$((failures + 1))
}
ok() { echo "check-package: ok   $*"; }

# The Qt libraries come from the program's own dependencies, the font from ours.
depends="$(dpkg-deb --field "$deb" Depends)"
for wanted in 'fonts-wqy-microhei | fonts-noto-cjk' libqt6widgets6 libqt6gui6 libqt6core6; do
  if grep -qF -- "$wanted" <<<"$depends"; then ok "Depends has $wanted"; else fail "Depends lacks $wanted: $depends"; fi
done

export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb"
# Whatever fails from here on, the machine is left without the package.
trap 'apt-get remove -y varnoq >/dev/null || true' EXIT

share=/usr/share
app_id=net.varnoq.Varnoq
installed=(
  "$share/applications/$app_id.desktop"
  "$share/metainfo/$app_id.metainfo.xml"
  "$share/icons/hicolor/scalable/apps/$app_id.svg"
)
for size in 16 32 48 64 128 256; do
  installed+=("$share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
if [ -x /usr/bin/varnoq ]; then ok "/usr/bin/varnoq"; else fail "/usr/bin/varnoq missing or not executable"; fi
for f in "${installed[@]}"; do
  if [ -s "$f" ]; then ok "$f"; else fail "$f missing or empty"; fi
done
# Each PNG must really be of the size its folder promises, or icon themes pick the wrong one.
for size in 16 32 48 64 128 256; do
  f="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -s "$f" ] || continue
  if file -b "$f" | grep -q "PNG image data, $size x $size,"; then ok "$f is ${size}x${size}"
  else fail "$f is not a ${size}x${size} PNG: $(file -b "$f")"; fi
done
# Stripping for the package must not lose the hardening.
if bash scripts/check-hardening.sh /usr/bin/varnoq; then ok "installed program hardened"
else fail "installed program not hardened"; fi

# Start the program the way a desktop does: the desktop entry's Exec line, found on PATH, from
# an unrelated folder, on the X11 platform rather than offscreen.
desktop="$share/applications/$app_id.desktop"
exec_line="$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)"
exec_program="${exec_line%% *}"
if [ "$(command -v "$exec_program")" = /usr/bin/varnoq ]; then ok "Exec=$exec_line runs /usr/bin/varnoq"
else fail "Exec=$exec_line does not run /usr/bin/varnoq (PATH finds: $(command -v "$exec_program" || echo nothing))"; fi

window_check="$(mktemp)"
cat >"$window_check" <<'EOF'
set -u
cd /
"$@" &
program=$!
title='"Varnoq": ('
for _ in $(seq 1 100); do
  if ! kill -0 "$program" 2>/dev/null; then
    wait "$program"
    echo "check-package: the program ended early (exit $?)" >&2
    exit 1
  fi
  tree="$(xwininfo -root -tree)"
  if grep -qF "$title" <<<"$tree"; then
    grep -F "$title" <<<"$tree" | head -n 1
    # Docks match the window to the desktop entry by its class (StartupWMClass).
    window="$(grep -F "$title" <<<"$tree" | awk '{ print $1; exit }')"
    xprop -id "$window" WM_CLASS
    kill "$program"
    wait "$program" 2>/dev/null
    exit 0
  fi
  sleep 0.1
done
echo "check-package: no window titled Varnoq after 10 s" >&2
kill "$program"
exit 1
EOF
if window_output="$(env -u QT_QPA_PLATFORM xvfb-run -a bash "$window_check" "$exec_program" 2>&1)"; then
  echo "$window_output"
  ok "a window titled Varnoq opened"
  wm_class="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
  if grep -Eq "^WM_CLASS\(STRING\) = \"[^\"]*\", \"$wm_class\"\$" <<<"$window_output"; then
    ok "window class $wm_class matches StartupWMClass"
  else
    fail "window class does not match StartupWMClass=$wm_class"
  fi
else
  echo "$window_output" >&2
  fail "no window titled Varnoq"
fi
rm -f "$window_check"

apt-get remove -y varnoq
trap - EXIT
if [ ! -e /usr/bin/varnoq ] && [ ! -e "$desktop" ]; then ok "package removed"
else fail "files left after removal"; fi

if ((failures)); then
  echo "check-package: $failures check(s) failed" >&2
  exit 1
fi
echo "check-package: the package installs, opens its window and removes cleanly"
