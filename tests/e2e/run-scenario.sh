#!/usr/bin/env bash
# Runs one end-to-end scenario under Wine; on failure saves a screenshot of the
# display as <screenshot dir>/<scenario>.png. Needs the session of scripts/wine-session.sh.
set -u
scenarios=$1 scenario=$2 screenshots=$3
# The output goes through a file: a program the scenario started and that outlives
# it must not hold the test runner's pipe open.
log=$(mktemp)
/usr/lib/wine/wine64 "$scenarios" --gtest_filter="$scenario" --gtest_brief=1 </dev/null >"$log" 2>&1
status=$?
cat "$log"
# A filter that matches nothing passes in silence: count it as a failure.
if [ $status -eq 0 ] && ! grep -q '^\[  PASSED  \] 1 test' "$log"; then
  echo "scenario $scenario did not run"
  status=1
fi
rm -f "$log"
if [ $status -ne 0 ]; then
  mkdir -p "$screenshots"
  import -window root "$screenshots/$scenario.png" 2>/dev/null \
    && echo "screenshot: $screenshots/$scenario.png"
fi
exit $status
