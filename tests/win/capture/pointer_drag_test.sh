#!/usr/bin/env bash
# A capture driven by the real pointer through the X server (xdotool), the way a user
# drags: down at (20, 20), away, up at (10, 10).
#   pointer_drag_test.sh TREE PROBE.exe
set -u
tree=$1 probe=$2
DISPLAY=$(cat "$tree/wine-session/display") || exit 1
export DISPLAY
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$tree/wine-run" "$probe" >"$out" 2>&1 &
pid=$!
for _ in $(seq 1 300); do
  grep -q -e ready -e 'no capture' "$out" && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
if ! grep -q ready "$out"; then cat "$out"; kill "$pid" 2>/dev/null; exit 1; fi
xdotool mousemove 20 20 sleep 0.05 mousedown 1 sleep 0.05 mousemove 25 28 sleep 0.05 \
        mousemove 10 10 sleep 0.05 mouseup 1
for _ in $(seq 1 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pid" 2>/dev/null; then
  echo "fail: the release did not end the capture"; kill "$pid"; exit 1
fi
wait "$pid"; rc=$?
cat "$out"
exit $rc
