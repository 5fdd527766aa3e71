# The scenario language: shell functions, sourced inside tools/wine-session
# by tests/e2e/scenarios. Input comes from the display as a hand gives it
# (xdotool); what the program shows is compared with approved pictures
# (import, compare); probe.exe reads what a picture cannot show. Every
# expectation polls until it holds or $timeout seconds have passed.
# Needs: program, probe, scratch, golden (folder of approved pictures), shots
# (where the pictures taken go); APPROVE=1 makes `look` approve instead.
timeout=10
lang=en
declare -A button=([input]=171 [read]=172 [setting]=173 [solve]=174 [save]=175 [error]=176
  [about]=177 [help]=178 [exit]=179)

fail() {  # names the scenario line that failed and ends the scenario
  local i=1
  while [ $i -lt ${#BASH_SOURCE[@]} ] && [ "${BASH_SOURCE[$i]}" != "$case_file" ]; do i=$((i + 1)); done
  import -window root "$shots/$case_name.failed.png"
  echo "FAIL $case_name: line ${BASH_LINENO[$((i - 1))]} ${FUNCNAME[$((i - 1))]}: $* (screen: $shots/$case_name.failed.png)"
  exit 1
}

within() {  # within COMMAND...: until it succeeds, or false after $timeout s
  local end=$((SECONDS + timeout))
  until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done
}

ask() {  # ask REQUEST...: one answer of probe.exe into $answer
  local IFS=$'\t'
  printf '%s\n' "$*" >&7
  IFS= read -r answer <&8
  answer=${answer%$'\r'}
}

# launch LANG PROGRAM: a copy of the program in the scratch folder, under
# the code page of LANG (en or ja); its process id in $!.
launch() {
  local locale=C.UTF-8
  [ "$1" = ja ] && locale=ja_JP.UTF-8
  (cd "$scratch" && LANG=$locale LC_ALL=$locale exec wine "$2" >/dev/null 2>&1) &
}
ended() { ! kill -0 "$1" 2>/dev/null; }

# start [LANG [PROGRAM]]: a fresh program (the one before ended), the mouse
# away from it, up with its toolbar.
start() {
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

second_copy() {  # second_copy LANG: another copy ends at once with exit code 0
  launch "$1" "$program"
  local copy=$!
  within ended $copy || { kill $copy; fail "the second copy goes on"; }
  wait $copy || fail "the second copy ended with code $?"
}

id_of() {  # a toolbar button's name, "re ROW" or "im ROW", or a control id
  case $1 in re) echo $((101 + $2)) ;; im) echo $((131 + $2)) ;; *) echo "${button[$1]:-$1}" ;; esac
}

at() {  # at ID: the control's screen centre into $x $y
  ask where "$1"
  [ "$answer" != none ] && read -r x y <<<"$answer"
}

rest() { xdotool mousemove 0 767; }  # outside the program's windows

point() {  # point TARGET: the mouse over the control
  within at "$(id_of "$@")" || fail "no control $*"
  xdotool mousemove --sync "$x" "$y"
}
# click BUTTON [2]: presses a toolbar button (twice: a double-click), and
# returns once its command has run or opened a box; click TARGET: the mouse
# clicks the control, then rests.
click() {
  if [ -n "${button[$1]:-}" ]; then
    ask click "${button[$1]}" ${2:-}
    [ "$answer" = ok ] || fail "$answer"
  else
    point "$@"
    xdotool click 1
    rest
  fi
}
type() { point "${@:1:$#-1}"; xdotool click 1 type -- "${@: -1}"; }  # type TARGET TEXT: into the field
key() { xdotool key "$@"; }
coefficients() {  # coefficients RE IM [RE IM ...]: typed into rows 0, 1, ...
  local row=0
  while [ $# -gt 1 ]; do type re $row "$1"; type im $row "$2"; shift 2; row=$((row + 1)); done
}
hover() {  # hover TARGET: the mouse stays over it; the program has followed
  point "$@"
  ask poke "$x" "$y"
  [ "$answer" = ok ] || fail "$answer"
}

text_is() { ask text "$1"; [ "$answer" = "$2" ]; }
expect() {  # expect TARGET... TEXT: the control shows exactly TEXT
  local id; id=$(id_of "${@:1:$#-1}")
  within text_is "$id" "${@: -1}" || fail "shows \"$answer\""
}

box_is() { ask box; [ "$answer" = "$1" ] || [ "${answer%%$'\t'*}" = "$1" ]; }
box() {  # box CAPTION [TEXT BUTTONS]: the open dialog, or message box (texts with \n)
  local IFS=$'\t'
  within box_is "$*" || fail "box \"$answer\""
}
no_box() { within box_is "" || fail "a box is open: \"$answer\""; }

# look NAME [PIXELS]: the screen is the approved picture golden/NAME.png, to
# within PIXELS differing pixels (0 unless said). A failure leaves the
# picture taken and a picture of the differences in $shots. APPROVE=1
# approves the screen instead, once it has settled.
look() {
  local actual=$shots/$1.png
  if [ -n "${APPROVE:-}" ]; then
    within steady "$actual" && cp "$actual" "$golden/$1.png" || fail "the screen does not settle"
  elif [ ! -f "$golden/$1.png" ]; then fail "no approved picture $1.png: make approve"
  elif within same_picture "$golden/$1.png" "$actual" "${2:-0}"; then rm -f "${actual%.png}.diff.png"
  else fail "$differ pixels differ from golden/$1.png; see $actual and ${actual%.png}.diff.png"; fi
}
same_picture() {
  import -window root "$2"
  differ=$(compare -metric AE "$1" "$2" "${2%.png}.diff.png" 2>&1)
  [ "${differ%% *}" -le "$3" ] 2>/dev/null
}
steady() {  # the screen is as the picture FILE, taken half a second ago, shows it
  sleep 0.5
  import -window root "$1.new.png"
  [ "$(compare -metric AE "$1" "$1.new.png" null: 2>&1)" = 0 ]
  local same=$?
  mv "$1.new.png" "$1"
  return $same
}

write() { printf '%b' "$2" | iconv -f UTF-8 -t CP932 > "$scratch/$1"; }  # write FILE TEXT

file_is() { [ -f "$scratch/$1" ] && cmp -s "$scratch/$1" <(printf '%b' "$2" | iconv -f UTF-8 -t CP932); }
file() {  # file FILE TEXT|-: the scratch file holds TEXT (as the program writes it), or is none
  if [ "$2" = - ]; then within eval "[ ! -e \"$scratch/$1\" ]" || fail "$1 exists"
  else within file_is "$1" "$2" || fail "$1 holds \"$(cat -A "$scratch/$1" 2>&1)\""; fi
}

reg() {  # reg KEY VALUE [DATA]: sets (or deletes) a string value under HKLM, until the scenario ends
  ask reg "$@"
  [ "${answer%%$'\t'*}" = ok ] || fail "$answer"
  undo=("reg"$'\t'"$1"$'\t'"$2${answer#ok}" "${undo[@]}")
}

# run_case FILE: runs a scenario in a subshell of its own; prints its verdict.
# Whatever it started is ended, and a box nobody answered fails it.
run_case() {
  (
    case_file=$1
    case_name=$(basename "$1" .scn)
    pid=
    undo=()
    finish() {
      local status=$? step
      if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        [ $status -ne 0 ] || { ask box; [ -z "$answer" ] || { echo "FAIL $case_name: at the end a box is open: \"$answer\""; status=1; }; }
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
