# The steps of the end-to-end scenarios: shell functions, sourced inside
# tools/wine-session (tests/e2e/README.md describes them). Input comes from
# the display as a hand gives it (xdotool); what the program shows is compared
# with approved pictures (import, compare); probe.exe reads what a picture
# cannot show. Every expectation polls until it holds or $timeout seconds
# have passed. Needs: program, scratch, golden (the approved pictures), shots
# (where the pictures taken go), and open_probe run once.
timeout=10
lang=en
declare -A button=([input]=171 [read]=172 [setting]=173 [solve]=174 [save]=175 [error]=176
  [about]=177 [help]=178 [exit]=179)

fail() {  # fail REASON: names the scenario's line that failed, and ends the scenario
  local i=1
  while [ $i -lt ${#BASH_SOURCE[@]} ] && [ "${BASH_SOURCE[$i]}" != "$case_file" ]; do i=$((i + 1)); done
  import -window root "$shots/$case_name.failed.png"
  echo "FAIL $case_name: line ${BASH_LINENO[$((i - 1))]} ${FUNCNAME[$((i - 1))]}: $* (screen: $shots/$case_name.failed.png)"
  exit 1
}

within() {  # within COMMAND...: until it succeeds; false after $timeout s
  local end=$((SECONDS + timeout))
  until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.02; done
}

open_probe() {  # open_probe WINDOWS_BUILD: starts its probe.exe, asked through fds 7 and 8
  mkfifo "$DROVU_SESSION_DIR/ask" "$DROVU_SESSION_DIR/answer"
  wine "$1/tests/e2e/probe.exe" <"$DROVU_SESSION_DIR/ask" >"$DROVU_SESSION_DIR/answer" 2>/dev/null &
  exec 7>"$DROVU_SESSION_DIR/ask" 8<"$DROVU_SESSION_DIR/answer"
}

ask() {  # ask REQUEST...: the probe's answer in $answer
  local IFS=$'\t'
  printf '%s\n' "$*" >&7
  IFS= read -r answer <&8
  answer=${answer%$'\r'}
}

launch() {  # launch en|ja PROGRAM: started in the scratch folder under that code page; its id in $!
  local locale=C.UTF-8
  [ "$1" = en ] || locale=ja_JP.UTF-8
  (cd "$scratch" && LANG=$locale LC_ALL=$locale exec wine "$2" >/dev/null 2>&1) &
}
ended() { ! kill -0 "$1" 2>/dev/null; }

start() {  # start [en|ja [PROGRAM]]: a fresh program, the mouse away from it, up with its toolbar
  [ $# -gt 0 ] && lang=$1
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid"
  rest
  launch "$lang" "${2:-$program}"
  pid=$!
  timeout=30 within at 180 || fail "no main window with its toolbar"
}

exits() {  # exits CODE: the program ends by itself with this exit code
  within ended $pid || fail "still running"
  wait $pid
  local code=$?
  pid=
  [ $code -eq "$1" ] || fail "exit code $code"
}

second_copy() {  # second_copy en|ja: another copy ends at once with exit code 0
  launch "$1" "$program"
  local copy=$!
  timeout=30 within ended $copy || { kill $copy; fail "the second copy goes on"; }
  wait $copy || fail "the second copy ended with code $?"
}

target() {  # target TARGET: the control's number in $id
  id=${button[$1]:-$1}
  case $1 in re) id=$((101 + $2)) ;; im) id=$((131 + $2)) ;; esac
}
at() { target "$@"; ask where "$id"; [ "$answer" != none ] && read -r x y <<<"$answer"; }
locate() { within at "$@" || fail "no control $*"; }
rest() { xdotool mousemove 0 767; }  # outside the program's windows

click() {  # click BUTTON [2] | click TARGET
  if [ -n "${button[$1]:-}" ]; then
    ask click "${button[$1]}" ${2:-}
    [ "$answer" = ok ] || fail "$answer"
  else
    locate "$@"
    xdotool mousemove --sync "$x" "$y" click 1 mousemove 0 767
  fi
}
type() { locate "${@:1:$#-1}"; xdotool mousemove --sync "$x" "$y" click 1 type --delay 2 -- "${@: -1}"; }
key() { xdotool key "$@"; }
coefficients() {  # coefficients RE IM [RE IM ...]: typed into rows 0, 1, ...
  local row=0
  while [ $# -gt 1 ]; do type re $row "$1"; type im $row "$2"; shift 2; row=$((row + 1)); done
}
hover() { locate "$@"; xdotool mousemove --sync "$x" "$y"; ask poke; [ "$answer" = ok ] || fail "$answer"; }

shows() { target "${@:1:$#-1}"; ask text "$id"; [ "$answer" = "${@: -1}" ]; }
expect() { within shows "$@" || fail "shows \"$answer\""; }

box_is() { ask box; [ "$answer" = "$1" ] || [ "${answer%%$'\t'*}" = "$1" ]; }
box() { local IFS=$'\t'; within box_is "$*" || fail "box \"$answer\""; }
no_box() { within box_is "" || fail "a box is open: \"$answer\""; }

look() {  # look NAME [PIXELS]: the screen is golden/NAME.png, to within PIXELS pixels
  local actual=$shots/$1.png
  if [ -n "${APPROVE:-}" ]; then
    within steady "$actual" && cp "$actual" "$golden/$1.png" || fail "the screen does not settle"
  elif [ ! -f "$golden/$1.png" ]; then fail "no approved picture $1.png: make approve"
  elif ! within same_picture "$golden/$1.png" "${2:-0}"; then
    import -window root "$actual"
    compare "$golden/$1.png" "$actual" "${actual%.png}.diff.png"
    fail "$differ pixels differ from golden/$1.png; see $actual and ${actual%.png}.diff.png"
  elif [ -n "${DROVU_SHOTS:-}" ]; then import -window root "$actual"  # make screenshots keeps them
  fi
}
same_picture() {  # same_picture GOLDEN PIXELS
  differ=$(import -window root miff:- | compare -metric AE "$1" - null: 2>&1)
  [ "${differ%% *}" -le "$2" ] 2>/dev/null
}
steady() {  # the screen is as the picture FILE, taken half a second before, shows it
  sleep 0.5
  import -window root "$1.new.png"
  [ "$(compare -metric AE "$1" "$1.new.png" null: 2>&1; mv "$1.new.png" "$1")" = 0 ]
}

write() { printf '%b' "$2" | iconv -f UTF-8 -t CP932 >"$scratch/$1"; }  # write FILE TEXT
holds() { cmp -s "$scratch/$1" <(printf '%b' "$2" | iconv -f UTF-8 -t CP932); }
file() { within holds "$1" "$2" || fail "$1 holds \"$(cat -A "$scratch/$1" 2>&1)\""; }

reg() {  # reg KEY VALUE [DATA]: sets (deletes) a string value under HKLM, until the scenario ends
  ask reg "$@"
  [ "${answer%%$'\t'*}" = ok ] || fail "$answer"
  undo=("reg"$'\t'"$1"$'\t'"$2${answer#ok}" "${undo[@]}")
}

# run_case FILE: the scenario in a subshell of its own, and its verdict. What
# it started is ended, its registry changes undone; a box left open fails it.
run_case() {
  (
    set +e
    case_file=$1
    case_name=$(basename "$1" .scn)
    pid=
    undo=()
    finish() {
      local status=$? step
      if [ -n "$pid" ] && ! ended "$pid"; then
        [ $status -ne 0 ] || within box_is "" || { echo "FAIL $case_name: a box is left open: \"$answer\""; status=1; }
        kill "$pid"
        wait "$pid" 2>/dev/null
      fi
      for step in "${undo[@]}"; do ask "$step"; done
      [ $status -ne 0 ] || echo "ok   $case_name"
      exit $status
    }
    trap finish EXIT
    . "$case_file"
  )
}
