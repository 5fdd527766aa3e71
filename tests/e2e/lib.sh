# Shell helpers of the end-to-end tests; sourced inside tools/wine-session.
#   run_driver LANG LOG SCENARIO...
# runs the driver over the scenarios with the given Unix locale (which fixes
# the code page of the driver and of every program it starts), waits for the
# closing line of its log, and prints the log's result lines. Screenshots:
# with SNAP_DIR set, each "SNAP NAME" request of a scenario becomes
# $SNAP_DIR/${SNAP_PREFIX}NAME.png, taken of the whole virtual display.
# Needs: program (DROVU_95.EXE), drive (drive.exe), scratch (a folder).

run_driver() {
  local lang=$1 log=$2
  shift 2
  : > "$log"
  local args=(--log "$log" --program "$program" --scratch "$scratch")
  local acks=
  if [ -n "${SNAP_DIR:-}" ]; then
    acks=$(mktemp -d "$scratch/snaps.XXXXXX")
    args+=(--snaps "$acks")
  fi
  LANG=$lang LC_ALL=$lang wine "$drive" "${args[@]}" "$@" >/dev/null 2>&1 &
  local pid=$!
  # Every wait inside the driver has its own timeout; this one only catches
  # a driver that hangs or dies.
  local limit=$((120 + 60 * $#)) start=$SECONDS taken=0 verdict=
  while :; do
    if grep -q '^END ' "$log"; then break; fi
    if [ -n "$acks" ]; then
      local requests
      mapfile -t requests < <(sed -n 's/^SNAP //p' "$log")
      while [ "$taken" -lt "${#requests[@]}" ]; do
        local name=${requests[$taken]}
        import -window root "$SNAP_DIR/${SNAP_PREFIX:-}$name.png"
        touch "$acks/$name.done"
        taken=$((taken + 1))
      done
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      grep -q '^END ' "$log" || verdict="FAIL driver: it ended without finishing"
      break
    fi
    if [ $((SECONDS - start)) -gt "$limit" ]; then
      verdict="FAIL driver: no result within $limit s"
      break
    fi
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  grep -v '^SNAP \|^END ' "$log"
  if [ -n "$verdict" ]; then echo "$verdict"; return 1; fi
  grep -q '^END [0-9]* 0$' "$log"
}
