#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# End-to-end test of the real game window on a private X server: the first
# screen, Play!, both players' keys, a point, the menus, About and Exit; the
# whole game is recorded and traced, and gloob-sim must replay the recording
# to the same trace.
#
# usage: e2e_test.sh GLOOB_BINARY BUILD_DIR [GLOOB_SIM_BINARY]
#
# Writes BUILD_DIR/screenshot.png (the first screen). On failure the
# screenshots and logs stay in BUILD_DIR/e2e-artifacts.
set -Eeuo pipefail
export LC_ALL=C

GLOOB=${1:?usage: e2e_test.sh GLOOB_BINARY BUILD_DIR}
BUILD_DIR=${2:?usage: e2e_test.sh GLOOB_BINARY BUILD_DIR}
GLOOB_SIM=${3:-$(dirname "$GLOOB")/gloob-sim}
GLOOB_APP_ID=${GLOOB_APP_ID:-io.github.gloobvolleyball.GloobVolleyball}
WORK="$BUILD_DIR/e2e-work"
ARTIFACTS="$BUILD_DIR/e2e-artifacts"

XVFB_PID=""
OPENBOX_PID=""
GLOOB_PID=""

# ---------------------------------------------------------------- reporting

source "$(dirname "${BASH_SOURCE[0]}")/tap.sh"

on_error() {
    echo "# unexpected failure of '$2' at line $1" >&2
}
trap 'on_error $LINENO "$BASH_COMMAND"' ERR

cleanup() {
    local status=$?
    trap - ERR
    set +e
    stop_process "$GLOOB_PID"
    stop_process "$OPENBOX_PID"
    stop_process "$XVFB_PID"
    if ((status != 0 || FAILED > 0)); then
        if ((FAILED == 0)); then
            FAILED=1
            echo "not ok - the test stopped early (status $status)"
        fi
        rm -rf "$ARTIFACTS"
        if [[ -d $WORK ]]; then
            mv "$WORK" "$ARTIFACTS"
            local f
            for f in "$ARTIFACTS"/*.ppm; do
                [[ -e $f ]] || continue
                "$CONVERT" "$f" "${f%.ppm}.png" && rm -f "$f"
            done
            echo "# screenshots and logs kept in $ARTIFACTS"
        fi
    else
        rm -rf "$WORK"
    fi
    echo "$PASSED passed, $FAILED failed"
    if ((FAILED > 0)); then
        exit 1
    fi
    exit 0
}

# ---------------------------------------------------------------- tools

missing=()
for tool in Xvfb openbox xdotool import xdpyinfo xwininfo xprop timeout awk setxkbmap; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [[ -x /usr/bin/convert ]]; then
    CONVERT=/usr/bin/convert
elif command -v convert >/dev/null 2>&1; then
    CONVERT=$(command -v convert)
else
    missing+=(convert)
    CONVERT=false
fi
if ((${#missing[@]} > 0)); then
    echo "e2e_test.sh: missing ${missing[*]}; install the packages xvfb openbox xdotool" \
        "imagemagick x11-utils (the project's make set-up does it)" >&2
    exit 1
fi
if [[ ! -x $GLOOB ]]; then
    echo "e2e_test.sh: no game binary at $GLOOB" >&2
    exit 1
fi

rm -rf "$WORK" "$ARTIFACTS"
mkdir -p "$WORK/runtime"
chmod 700 "$WORK/runtime"
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# Give up well before CTest's limit, which would kill the clean-up too.
STARTED_MS=$(now_ms)
TIME_LIMIT_MS=240000

# ---------------------------------------------------------------- X server

DISPLAY_NUMBER=""
for n in $(seq 90 120); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset \
        >"$WORK/xvfb.log" 2>&1 </dev/null &
    XVFB_PID=$!
    for _ in $(seq 1 100); do
        if ! kill -0 "$XVFB_PID" 2>/dev/null; then
            break
        fi
        if xdpyinfo -display ":$n" >/dev/null 2>&1; then
            DISPLAY_NUMBER=$n
            break
        fi
        sleep 0.1
    done
    [[ -n $DISPLAY_NUMBER ]] && break
    # Another server took this number first, or this one never answered.
    stop_process "$XVFB_PID"
    XVFB_PID=""
done
[[ -n $DISPLAY_NUMBER ]] || fatal "a virtual X server starts" "no free display in :90..:120" \
    "$(tail -5 "$WORK/xvfb.log" 2>/dev/null)"
ok "a virtual X server answers on :$DISPLAY_NUMBER"

export DISPLAY=":$DISPLAY_NUMBER"
export XDG_RUNTIME_DIR="$WORK/runtime"
# Settings and kept recordings stay in the test's own folders.
export XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
# No sound server, as on CI, wherever the test runs (and none started for it).
export PULSE_SERVER="unix:$WORK/runtime/no-sound-server"
# The game must draw on this X server, at its own size, in its own style.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE \
    QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI || true

# The window manager gives the game's window the keyboard.
openbox --sm-disable >"$WORK/openbox.log" 2>&1 </dev/null &
OPENBOX_PID=$!
wm_ready=0
for _ in $(seq 1 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        wm_ready=1
        break
    fi
    kill -0 "$OPENBOX_PID" 2>/dev/null || break
    sleep 0.1
done
((wm_ready)) || fatal "the window manager runs" "$(tail -5 "$WORK/openbox.log")"
ok "the window manager runs"

# ---------------------------------------------------------------- screenshots

# shot NAME: a screenshot of the whole screen, as $WORK/NAME.ppm. Every
# wait takes screenshots, so this is where the test gives up when time is out.
shot() {
    if (($(now_ms) - STARTED_MS > TIME_LIMIT_MS)); then
        fatal "the test finishes in $((TIME_LIMIT_MS / 1000)) s" "still waiting for '$1'"
    fi
    if [[ -n $GLOOB_PID ]] && ! kill -0 "$GLOOB_PID" 2>/dev/null; then
        fatal "the game keeps running" "it had ended when '$1' was due" "$(tail -5 "$WORK/gloob.log")"
    fi
    import -window root -depth 8 "$WORK/$1.ppm"
    SHOT="$WORK/$1.ppm"
}

# Court coordinates to screen coordinates, once the court is found.
CX=0
CY=0

# project FILE X Y W H MASK...: screen region X,Y W x H through the mask
# operations (white = counted); prints "c I N" for every column I and "r I N"
# for every row I holding N counted pixels.
project() {
    local file=$1 x=$2 y=$3 w=$4 h=$5
    shift 5
    "$CONVERT" "$file" -crop "${w}x${h}+${x}+${y}" +repage -alpha off "$@" \
        \( +clone -scale "${w}x1!" \) \( -clone 0 -scale "1x${h}!" \) -delete 0 \
        -depth 16 txt:- |
        awk -v W="$w" -v H="$h" '
            /^#/ { part++; next }
            {
                split($1, p, /[,:]/)
                v = $2; gsub(/[()]/, "", v); split(v, q, ",")
                if (part == 1) { k = int(q[1] * H / 65535 + 0.5); if (k > 0) print "c", p[1], k }
                else { k = int(q[1] * W / 65535 + 0.5); if (k > 0) print "r", p[2], k }
            }'
}

# Mask operations: the pixels of exactly one colour.
is_colour() {
    MASK=(-fill '#010203' +opaque "$1" -fill white -opaque "$1" -fill black -opaque '#010203')
}
# Every pixel but those of one colour.
is_not_colour() {
    MASK=(-fill '#010203' -opaque "$1" -fill white +opaque '#010203' -fill black -opaque '#010203')
}
# Dark pixels (text, check marks): every channel below 35 %.
is_dark() {
    MASK=(-fx 'max(max(r,g),b) < 0.35')
}

# stats FILE COLOUR X Y W H (court coordinates): prints
# "count meanx meany minx maxx miny maxy" of the pixels of that colour.
stats() {
    local file=$1 colour=$2 x=$3 y=$4 w=$5 h=$6
    is_colour "$colour"
    project "$file" $((CX + x)) $((CY + y)) "$w" "$h" "${MASK[@]}" | summarise "$x" "$y"
}

# Like stats, for every pixel that is not of that colour.
stats_not() {
    local file=$1 colour=$2 x=$3 y=$4 w=$5 h=$6
    is_not_colour "$colour"
    project "$file" $((CX + x)) $((CY + y)) "$w" "$h" "${MASK[@]}" | summarise "$x" "$y"
}

summarise() {
    awk -v X="$1" -v Y="$2" '
        $1 == "c" { n += $3; sx += $3 * ($2 + X); if (x0 == "") x0 = $2 + X; x1 = $2 + X }
        $1 == "r" { m += $3; sy += $3 * ($2 + Y); if (y0 == "") y0 = $2 + Y; y1 = $2 + Y }
        END {
            if (n == 0) print 0, -1, -1, -1, -1, -1, -1
            else printf "%d %.1f %.1f %d %d %d %d\n", n, sx / n, sy / m, x0, x1, y0, y1
        }'
}

# pixel FILE X Y (court coordinates): the colour as RRGGBB.
pixel() {
    "$CONVERT" "$1" -format "%[hex:p{$((CX + $2)),$((CY + $3))}]" info:
}

# The ball: "count minx maxx miny maxy" of the court's red pixels.
ball() {
    local s
    read -r -a s <<<"$(stats "$1" '#FF0000' 0 0 751 473)"
    echo "${s[0]} ${s[3]} ${s[4]} ${s[5]} ${s[6]}"
}

BALL_HOME="489 616 640 72 96"
ball_at_home() { [[ $(ball "$1") == "$BALL_HOME" ]]; }
# In play: red pixels outside the ball's home box.
ball_away() {
    local b
    read -r -a b <<<"$(ball "$1")"
    ((b[0] > 0)) && ((b[1] < 616 || b[2] > 640 || b[3] < 72 || b[4] > 96))
}

# A fingerprint of a score label's black pixels.
SCORE1_BOX=(688 16 50 50) # player 1, right
SCORE2_BOX=(8 16 50 50)   # player 2, left
label_mask() {
    local file=$1 x=$2 y=$3 w=$4 h=$5
    is_colour '#000000'
    "$CONVERT" "$file" -crop "${w}x${h}+$((CX + x))+$((CY + y))" +repage -alpha off \
        "${MASK[@]}" -format '%#' info:
}

black_count() {
    local s
    read -r -a s <<<"$(stats "$1" '#000000' "$2" "$3" "$4" "$5")"
    echo "${s[0]}"
}

# Visible override-redirect windows (open menus), one id a line.
popups() {
    local id info
    for id in $(xwininfo -root -children | awk '$1 ~ /^0x/ { print $1 }'); do
        info=$(xwininfo -id "$id" 2>/dev/null) || continue
        if grep -q 'Map State: IsViewable' <<<"$info" &&
            grep -q 'Override Redirect State: yes' <<<"$info"; then
            echo "$id"
        fi
    done | sort
}

# Popups shown now that are not in the list $1; waits up to $2 ms for one.
new_popups() {
    local before=$1 deadline=$(($(now_ms) + $2)) now_list fresh
    while :; do
        now_list=$(popups)
        fresh=$(comm -13 <(echo "$before") <(echo "$now_list") | grep . || true)
        if [[ -n $fresh ]] || (($(now_ms) > deadline)); then
            echo "$fresh"
            return 0
        fi
        sleep 0.05
    done
}

# Visible message boxes titled "Gloob Volleyball" (menus carry that name too,
# but they are override-redirect windows).
message_boxes() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Gloob Volleyball$' 2>/dev/null || true); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: no'; then
            echo "$id"
        fi
    done
}

# geometry ID: "x y width height" of a window on the screen.
geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# A game that has ended but is not yet waited for is a zombie: not alive.
game_alive() {
    local state
    state=$(awk '{ print $3 }' "/proc/$GLOOB_PID/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z ]]
}

# ---------------------------------------------------------------- start-up

"$GLOOB" --record "$WORK/live.replay" --trace "$WORK/live.trace" >"$WORK/gloob.log" 2>&1 </dev/null &
GLOOB_PID=$!

WID=$(timeout 30 xdotool search --sync --onlyvisible --name '^Gloob Volleyballl$' 2>/dev/null |
    sed -n 1p || true)
[[ -n $WID ]] || fatal "the game's window appears" "no visible window named 'Gloob Volleyballl'" \
    "$(tail -5 "$WORK/gloob.log")"
ok "the game's window appears"

caption=$(xdotool getwindowname "$WID")
check "the caption is 'Gloob Volleyballl'" "'$caption'" [ "$caption" = "Gloob Volleyballl" ]

# The desktop finds the menu entry by the window's class: both halves are the
# application id, the StartupWMClass of the entry.
wm_class=$(xprop -id "$WID" WM_CLASS 2>/dev/null | sed 's/^[^=]*= //' || true)
check "the window's class is the application id" "WM_CLASS $wm_class" \
    [ "$wm_class" = "\"$GLOOB_APP_ID\", \"$GLOOB_APP_ID\"" ]

# Size from xdotool; the position from xwininfo, as xdotool counts the
# window manager's frame twice.
WIN_W=$(xdotool getwindowgeometry --shell "$WID" | awk -F= '$1 == "WIDTH" { print $2 }')
WIN_H=$(xdotool getwindowgeometry --shell "$WID" | awk -F= '$1 == "HEIGHT" { print $2 }')
read -r WIN_X WIN_Y _ _ <<<"$(geometry "$WID")"

# Find the court: the first row of the ceiling's dark green in the window's
# column at court x 200 is court y 8; the left wall's teal starts at court x 0.
court_found=0
deadline=$(($(now_ms) + 20000))
while (($(now_ms) < deadline)); do
    shot first
    row=$("$CONVERT" "$SHOT" -crop "1x${WIN_H}+$((WIN_X + 200))+${WIN_Y}" +repage txt:- |
        awk '/#008000/ && !found { split($1, p, /[,:]/); print p[2]; found = 1 }')
    if [[ -n $row ]]; then
        CY=$((WIN_Y + row - 8))
        left=$((WIN_X > 20 ? WIN_X - 20 : 0))
        col=$("$CONVERT" "$SHOT" -crop "60x1+${left}+$((CY + 200))" +repage txt:- |
            awk '/#008080/ && !found { split($1, p, /[,:]/); print p[1]; found = 1 }')
        if [[ -n $col ]]; then
            CX=$((left + col))
            # Painted at last: the ball is there too.
            if ball_at_home "$SHOT"; then
                court_found=1
                break
            fi
        fi
    fi
    sleep 0.2
done
((court_found)) || fatal "the court is drawn in the window" "window ${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}," \
    "ceiling row '${row:-}', wall column '${col:-}', ball $(ball "$SHOT")"
ok "the court is drawn in the window"

MENU_H=$((CY - WIN_Y))
check "the court is 751 pixels wide (the window's width)" "window width $WIN_W, court at x offset $((CX - WIN_X))" \
    [ "$WIN_W" -eq 751 -a "$CX" -eq "$WIN_X" ]
check "the court is 473 pixels high, under the menu bar" \
    "window height $WIN_H, menu bar $MENU_H, court height $((WIN_Y + WIN_H - CY))" \
    [ "$MENU_H" -gt 0 -a $((WIN_Y + WIN_H - CY)) -eq 473 ]

# ---------------------------------------------------------------- first screen

FIRST=$SHOT
"$CONVERT" "$FIRST" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage "$BUILD_DIR/screenshot.png"

# expect_pixel DESCRIPTION X Y COLOUR...: the pixel is one of the colours.
expect_pixel() {
    local description=$1 x=$2 y=$3 seen
    shift 3
    seen=$(pixel "$FIRST" "$x" "$y")
    local c
    for c in "$@"; do
        if [[ $seen == "$c" ]]; then
            ok "$description"
            return 0
        fi
    done
    not_ok "$description" "pixel ($x,$y) is $seen, wanted $*"
}

seen_ball=$(ball "$FIRST")
check "ball at home on the first screen" "red pixels (count minx maxx miny maxy) $seen_ball" \
    [ "$seen_ball" = "$BALL_HOME" ]
expect_pixel "the ball's centre is red" 628 84 FF0000

# A body: its colour in the upper half, none in the lower half, which shows
# its white base or the floor strip.
body_check() {
    local name=$1 colour=$2 strip=$3 x0=$4 centre=$5 s
    expect_pixel "$name's body shows in its upper half" "$centre" 388 "${colour#\#}"
    read -r -a s <<<"$(stats "$FIRST" "$colour" "$x0" 368 81 40)"
    check "$name's upper half is a half-disc x $x0..$((x0 + 80)), y 368..407" "${s[*]}" \
        [ "${s[3]}" -eq "$x0" -a "${s[4]}" -eq $((x0 + 80)) -a "${s[5]}" -eq 368 -a "${s[6]}" -eq 407 ]
    read -r -a s <<<"$(stats "$FIRST" "$colour" "$((x0 - 8))" 408 97 49)"
    local lower
    lower=$(pixel "$FIRST" "$centre" 430)
    check "$name's lower half shows white or the floor strip, no body" \
        "body pixels below y 408: ${s[0]}, pixel ($centre,430) $lower" \
        [ "${s[0]}" -eq 0 -a \( "$lower" = FFFFFF -o "$lower" = "${strip#\#}" \) ]
}
body_check "player 1" '#0000FF' '#0000C0' 560 600
body_check "player 2" '#00C000' '#008000' 152 192

expect_pixel "the left net post is teal" 376 370 008080
expect_pixel "the right net post is navy" 392 370 000080
expect_pixel "the posts overlap in navy at x 384" 384 370 000080
expect_pixel "the left floor strip is dark green" 100 416 008000
expect_pixel "the right floor strip is blue" 700 416 0000C0
expect_pixel "the left ceiling is dark green" 200 12 008000
expect_pixel "the right ceiling is blue" 600 12 0000C0
expect_pixel "the left wall is teal" 4 200 008080
expect_pixel "the right wall is navy" 740 200 000080
expect_pixel "the court's background is white" 300 300 FFFFFF

n=$(black_count "$FIRST" "${SCORE2_BOX[@]}")
check "player 2's score label shows black text" "$n black pixels" [ "$n" -gt 20 ]
n=$(black_count "$FIRST" "${SCORE1_BOX[@]}")
check "player 1's score label shows black text" "$n black pixels" [ "$n" -gt 20 ]
GAME_OVER_BOX=(288 136 170 82)
n=$(black_count "$FIRST" "${GAME_OVER_BOX[@]}")
check "GAME OVER shows in black" "$n black pixels" [ "$n" -gt 100 ]
read -r -a first_digit1 <<<"$(stats "$FIRST" '#000000' "${SCORE1_BOX[@]}")"
read -r -a first_digit2 <<<"$(stats "$FIRST" '#000000' "${SCORE2_BOX[@]}")"

PLAY_BOX=(296 432 82 26)
EXIT_BOX=(392 432 74 26)
button_pixels() { # FILE BOX...: pixels that are not the court's white
    local s
    read -r -a s <<<"$(stats_not "$1" '#FFFFFF' "$2" "$3" "$4" "$5")"
    echo "${s[0]}"
}
n=$(button_pixels "$FIRST" "${PLAY_BOX[@]}")
check "the Play! button is shown" "$n of $((82 * 26)) pixels differ from white" [ "$n" -gt 1000 ]
n=$(button_pixels "$FIRST" "${EXIT_BOX[@]}")
check "the Exit button is shown" "$n of $((74 * 26)) pixels differ from white" [ "$n" -gt 900 ]

# The menu titles: clusters of dark pixels along the menu bar.
is_dark
MENU_TITLES=$(project "$FIRST" "$WIN_X" "$WIN_Y" "$WIN_W" "$MENU_H" "${MASK[@]}" |
    awk '$1 == "c" {
            if (start == "" || $2 > last + 8) { if (start != "") print start, last; start = $2 }
            last = $2
        }
        END { if (start != "") print start, last }')
read -r options_x0 options_x1 <<<"$(sed -n 1p <<<"$MENU_TITLES")"
read -r help_x0 help_x1 <<<"$(sed -n 3p <<<"$MENU_TITLES")"
check "the menu bar shows three titles: Options, Game, Help" "$(tr '\n' ' ' <<<"$MENU_TITLES")" \
    [ "$(wc -l <<<"$MENU_TITLES")" -eq 3 ]
OPTIONS_X=$((WIN_X + (${options_x0:-0} + ${options_x1:-0}) / 2))
HELP_X=$((WIN_X + (${help_x0:-0} + ${help_x1:-0}) / 2))
MENU_Y=$((WIN_Y + MENU_H / 2))

# ---------------------------------------------------------------- Play!

# The match is over: GAME OVER and both buttons shown, the ball hidden.
match_over() {
    local b
    read -r -a b <<<"$(ball "$1")"
    ((b[0] == 0)) && (($(black_count "$1" "${GAME_OVER_BOX[@]}") > 100)) &&
        (($(button_pixels "$1" "${PLAY_BOX[@]}") > 1000)) &&
        (($(button_pixels "$1" "${EXIT_BOX[@]}") > 900))
}

# press_play LIMIT: clicks Play! and waits up to LIMIT ms for both buttons
# and GAME OVER to go (PLAY_GONE=1); the court shows through their boxes.
press_play() {
    local limit=$1 p e g
    xdotool mousemove "$((CX + 296 + 41))" "$((CY + 432 + 13))" click 1
    PLAY_CLICKED=$(now_ms)
    PLAY_GONE=0
    while :; do
        shot play
        p=$(button_pixels "$SHOT" "${PLAY_BOX[@]}")
        e=$(button_pixels "$SHOT" "${EXIT_BOX[@]}")
        g=$(black_count "$SHOT" "${GAME_OVER_BOX[@]}")
        if ((p == 0 && e == 0 && g == 0)); then
            PLAY_GONE=1
            break
        fi
        (($(now_ms) - PLAY_CLICKED > limit)) && break
        sleep 0.05
    done
    PLAY_SEEN="non-white pixels: Play! box $p, Exit box $e; GAME OVER black pixels $g"
}

# Waits for the serve after Play!: the ball leaves its home box.
wait_for_serve() {
    while (($(now_ms) - PLAY_CLICKED < 4500)); do
        shot serve
        ball_away "$SHOT" && return 0
        sleep 0.1
    done
    return 1
}

press_play 1000
check "Play! hides both buttons and GAME OVER within 1 s" "$PLAY_SEEN" [ "$PLAY_GONE" -eq 1 ]

seen_ball=$(ball "$SHOT")
check "the ball stays at home during the pause" "red pixels (count minx maxx miny maxy) $seen_ball" \
    [ "$seen_ball" = "$BALL_HOME" ]

# The labels now read " 0": the same digit (its pixel count within a tenth,
# as it may be rasterised a little differently), moved right by half a space.
sleep 0.2
shot paused
PLAY_LABEL1=$(label_mask "$SHOT" "${SCORE1_BOX[@]}")
PLAY_LABEL2=$(label_mask "$SHOT" "${SCORE2_BOX[@]}")
read -r -a d1 <<<"$(stats "$SHOT" '#000000' "${SCORE1_BOX[@]}")"
read -r -a d2 <<<"$(stats "$SHOT" '#000000' "${SCORE2_BOX[@]}")"
check "both score labels are redrawn as ' 0' after Play!" \
    "player 1: ${d1[0]} black pixels x ${d1[3]}..${d1[4]} (was ${first_digit1[0]}, x ${first_digit1[3]}..${first_digit1[4]}); player 2: ${d2[0]} black pixels x ${d2[3]}..${d2[4]} (was ${first_digit2[0]}, x ${first_digit2[3]}..${first_digit2[4]})" \
    awk -v n1="${d1[0]}" -v f1="${first_digit1[0]}" -v x1="${d1[3]}" -v g1="${first_digit1[3]}" \
    -v n2="${d2[0]}" -v f2="${first_digit2[0]}" -v x2="${d2[3]}" -v g2="${first_digit2[3]}" \
    'function near(a, b) { return a > 0 && (a - b) * (a - b) * 100 <= b * b }
     BEGIN { exit !(near(n1, f1) && x1 > g1 && near(n2, f2) && x2 > g2) }'

served=0
wait_for_serve && served=1
check "the ball is served and leaves its home box" "red pixels (count minx maxx miny maxy) $(ball "$SHOT")" \
    [ "$served" -eq 1 ]

# ---------------------------------------------------------------- players

# Waits up to 10 s for a rally in play (the ball away from home). With
# nobody at the ball a rally lasts about a second: look often.
wait_for_rally() {
    local deadline=$(($(now_ms) + 10000))
    while (($(now_ms) < deadline)); do
        shot rally
        ball_away "$SHOT" && return 0
        sleep 0.02
    done
    return 1
}

# No point fell between two screenshots: the ball away from home in both,
# the score labels unchanged.
undisturbed() {
    ball_away "$1" && ball_away "$2" &&
        [ "$(label_mask "$1" "${SCORE1_BOX[@]}")" = "$(label_mask "$2" "${SCORE1_BOX[@]}")" ] &&
        [ "$(label_mask "$1" "${SCORE2_BOX[@]}")" = "$(label_mask "$2" "${SCORE2_BOX[@]}")" ]
}

# walk NAME KEY COLOUR X0 DIRECTION: holding KEY for 0.4 s moves the body's
# mean x by at least 40 pixels in DIRECTION (-1 left, 1 right), away from
# home. A point sends the players home and can only hide a walk, never fake
# one: a failed walk is tried again when a point fell during it.
walk() {
    local name=$1 key=$2 colour=$3 x0=$4 direction=$5 before after moved b a
    for _ in 1 2 3 4 5 6; do
        wait_for_rally || true
        before="$WORK/walk-$key-before.ppm"
        mv "$SHOT" "$before"
        xdotool keydown "$key"
        sleep 0.4
        xdotool keyup "$key"
        shot "walk-$key-after"
        after=$SHOT
        read -r -a b <<<"$(stats "$before" "$colour" "$x0" 288 376 120)"
        read -r -a a <<<"$(stats "$after" "$colour" "$x0" 288 376 120)"
        moved=$(awk -v b="${b[1]}" -v a="${a[1]}" -v d="$direction" \
            'BEGIN { print ((a - b) * d >= 40 && a > 0 && b > 0) ? 1 : 0 }')
        if ((moved)) || undisturbed "$before" "$after"; then
            break
        fi
        echo "# a point fell while $name walked; again"
    done
    local where="left"
    ((direction > 0)) && where="right"
    check "$name walks $where while '$key' is held" \
        "mean x ${b[1]} -> ${a[1]} (pixels ${b[0]} -> ${a[0]})" [ "$moved" -eq 1 ]
}

# jump NAME KEY COLOUR X0: 0.2 s after the jump key the body is in the air.
# Measured in a rally: during the pause after a point the game looks at its
# timers only every 100 ms, and a jump creeps.
jump() {
    local name=$1 key=$2 colour=$3 x0=$4 before after b a deadline
    for _ in 1 2 3 4 5 6; do
        wait_for_rally || true
        # An earlier jump may still be on its way down.
        deadline=$(($(now_ms) + 4000))
        while :; do
            read -r -a b <<<"$(stats "$SHOT" "$colour" "$x0" 200 376 168)"
            if ((b[0] == 0 || $(now_ms) > deadline)); then
                break
            fi
            sleep 0.05
            shot rally
        done
        before="$WORK/jump-$key-before.ppm"
        mv "$SHOT" "$before"
        xdotool keydown "$key"
        sleep 0.2
        shot "jump-$key-after"
        after=$SHOT
        xdotool keyup "$key"
        read -r -a a <<<"$(stats "$after" "$colour" "$x0" 200 376 168)"
        if ((b[0] == 0 && a[0] > 0 && a[5] <= 348)) || undisturbed "$before" "$after"; then
            break
        fi
        echo "# a point fell while $name jumped; again"
    done
    check "$name stands on the ground before '$key'" "${b[0]} body pixels above y 368" [ "${b[0]}" -eq 0 ]
    check "$name jumps on '$key'" "${a[0]} body pixels above y 368, top row ${a[5]}" \
        [ "${a[0]}" -gt 0 -a "${a[5]}" -le 348 ]
    # Back on the ground before the next move.
    sleep 0.5
}

walk "player 1" Left '#0000FF' 375 -1
jump "player 1" Up '#0000FF' 375
walk "player 2" d '#00C000' 0 1
jump "player 2" w '#00C000' 0

# ---------------------------------------------------------------- a point

# The walks and jumps above may have taken long enough for both players to
# score: any label that changed counts.
scorers=()
deadline=$(($(now_ms) + 60000))
while (($(now_ms) < deadline)); do
    shot point
    [[ $(label_mask "$SHOT" "${SCORE1_BOX[@]}") != "$PLAY_LABEL1" ]] && scorers+=("player 1")
    [[ $(label_mask "$SHOT" "${SCORE2_BOX[@]}") != "$PLAY_LABEL2" ]] && scorers+=("player 2")
    ((${#scorers[@]} > 0)) && break
    sleep 0.5
done
check "a point is scored and shown" "no score label changed within 60 s" [ "${#scorers[@]}" -gt 0 ]
((${#scorers[@]} > 0)) && echo "# scored: ${scorers[*]}"

# ---------------------------------------------------------------- menus

game_alive || fatal "the game still runs before the menus" "$(tail -5 "$WORK/gloob.log")"

# check_mark_rows POPUP_ID: sets ROWS to the dark pixels in the left margin
# of each of the submenu's three rows, once it is painted.
check_mark_rows() {
    local x y w h deadline
    read -r x y w h <<<"$(geometry "$1" 2>/dev/null || true)"
    if [[ -z $h ]]; then
        ROWS="submenu gone"
        return 0
    fi
    is_dark
    deadline=$(($(now_ms) + 3000))
    while :; do
        shot submenu
        ROWS=$(project "$SHOT" "$x" "$y" 24 "$h" "${MASK[@]}" |
            awk -v H="$h" '$1 == "r" { row = int($2 * 3 / H) + 1; n[row] += $3 }
                END { printf "%d %d %d\n", n[1], n[2], n[3] }')
        [[ $ROWS != "0 0 0" ]] && return 0
        (($(now_ms) > deadline)) && return 0
        sleep 0.1
    done
}

# With Options open: Down, Right opens Number of Balls; sets ROWS.
submenu_rows() {
    local before sub
    before=$(popups)
    xdotool key Down
    sleep 0.2
    xdotool key Right
    sub=$(new_popups "$before" 5000 | sed -n 1p)
    if [[ -z $sub ]]; then
        ROWS="no submenu"
        return 0
    fi
    check_mark_rows "$sub"
}

# Waits up to 3 s for every menu to close.
menus_closed() {
    local deadline=$(($(now_ms) + 3000))
    while [[ $(popups) != "$BASE_POPUPS" ]] && (($(now_ms) < deadline)); do
        sleep 0.05
    done
    [[ $(popups) == "$BASE_POPUPS" ]]
}

BASE_POPUPS=$(popups)
xdotool mousemove "$OPTIONS_X" "$MENU_Y" click 1
options_popup=$(new_popups "$BASE_POPUPS" 5000)
check "clicking Options opens its menu" "new popup windows: '${options_popup}'" [ -n "$options_popup" ]

submenu_rows
rows=$ROWS
check "Number of Balls opens with 5 checked (2nd row)" "dark pixels per row: $rows" \
    awk -v r="$rows" 'BEGIN { split(r, n, " "); exit !(n[1] == 0 && n[2] > 10 && n[3] == 0) }'
# The first row, 3, is selected: choose it.
xdotool key Return
menus_closed || true
check "choosing 3 closes the menus" "popups open: $(popups | tr '\n' ' ')" [ "$(popups)" = "$BASE_POPUPS" ]

xdotool mousemove "$OPTIONS_X" "$MENU_Y" click 1
new_popups "$BASE_POPUPS" 5000 >/dev/null
submenu_rows
rows=$ROWS
check "the check mark moved to 3 (1st row)" "dark pixels per row: $rows" \
    awk -v r="$rows" 'BEGIN { split(r, n, " "); exit !(n[1] > 10 && n[2] == 0 && n[3] == 0) }'
xdotool key Escape
sleep 0.2
xdotool key Escape
menus_closed || true
check "Escape closes the menus" "popups open: $(popups | tr '\n' ' ')" [ "$(popups)" = "$BASE_POPUPS" ]

# ---------------------------------------------------------------- the next matches

# Nobody plays now: the match runs out.
over=0
deadline=$(($(now_ms) + 60000))
while (($(now_ms) < deadline)); do
    shot match-1-end
    if match_over "$SHOT"; then
        over=1
        break
    fi
    sleep 0.5
done
check "the match ends: GAME OVER, Play! and Exit come back, the ball is hidden" \
    "ball $(ball "$SHOT"), GAME OVER black pixels $(black_count "$SHOT" "${GAME_OVER_BOX[@]}"), non-white pixels in Play! $(button_pixels "$SHOT" "${PLAY_BOX[@]}") and Exit $(button_pixels "$SHOT" "${EXIT_BOX[@]}")" \
    [ "$over" -eq 1 ]

# The second match is played to 3, chosen during the first: count the
# changes of each score label until it ends.
press_play 3000
check "Play! starts the next match" "$PLAY_SEEN" [ "$PLAY_GONE" -eq 1 ]
sleep 0.2
shot match-2
prev1=$(label_mask "$SHOT" "${SCORE1_BOX[@]}")
prev2=$(label_mask "$SHOT" "${SCORE2_BOX[@]}")
check "Play! puts both scores back to ' 0'" "labels equal to those of the first match: $([[ $prev1 == "$PLAY_LABEL1" ]] && echo yes || echo no), $([[ $prev2 == "$PLAY_LABEL2" ]] && echo yes || echo no)" \
    [ "$prev1" = "$PLAY_LABEL1" -a "$prev2" = "$PLAY_LABEL2" ]
changes1=0
changes2=0
over=0
deadline=$(($(now_ms) + 60000))
while (($(now_ms) < deadline)); do
    shot match-2
    l1=$(label_mask "$SHOT" "${SCORE1_BOX[@]}")
    l2=$(label_mask "$SHOT" "${SCORE2_BOX[@]}")
    [[ $l1 != "$prev1" ]] && changes1=$((changes1 + 1))
    [[ $l2 != "$prev2" ]] && changes2=$((changes2 + 1))
    prev1=$l1
    prev2=$l2
    if match_over "$SHOT"; then
        over=1
        break
    fi
    sleep 0.2
done
check "the next match ends after 3 points, as chosen during the first" \
    "match over: $over; score changes: player 1 $changes1, player 2 $changes2" \
    awk -v o="$over" -v a="$changes1" -v b="$changes2" \
    'BEGIN { exit !(o == 1 && ((a == 3 && b < 3) || (b == 3 && a < 3))) }'

# A third match for About and Exit.
press_play 3000
served=0
((PLAY_GONE)) && wait_for_serve && served=1
check "Play! starts a third match and serves" "$PLAY_SEEN; ball $(ball "$SHOT")" [ "$served" -eq 1 ]

# ---------------------------------------------------------------- About

xdotool mousemove "$HELP_X" "$MENU_Y" click 1
help_popup=$(new_popups "$BASE_POPUPS" 5000)
check "clicking Help opens its menu" "new popup windows: '${help_popup}'" [ -n "$help_popup" ]
xdotool key Down
sleep 0.1
xdotool key Down
sleep 0.1
xdotool key Return
box=""
deadline=$(($(now_ms) + 10000))
while (($(now_ms) < deadline)); do
    box=$(message_boxes | sed -n 1p)
    [[ -n $box ]] && break
    sleep 0.1
done
box_title=""
[[ -n $box ]] && box_title=$(xdotool getwindowname "$box" 2>/dev/null || true)
check "About opens a message box titled 'Gloob Volleyball'" "box '${box}' titled '$box_title'" \
    [ -n "$box" -a "$box_title" = "Gloob Volleyball" ]

if [[ -n $box ]]; then
    sleep 0.3
    shot about-1
    about1=$(ball "$SHOT")
    sleep 0.5
    shot about-2
    about2=$(ball "$SHOT")
    check "the game stands still while the box is open" "ball $about1 -> $about2" \
        [ "$about1" = "$about2" ]
    timeout 5 xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
    xdotool key Return
    deadline=$(($(now_ms) + 5000))
    while [[ -n $(message_boxes) ]] && (($(now_ms) < deadline)); do sleep 0.1; done
    check "Return closes the box" "boxes still open: $(message_boxes | tr '\n' ' ')" [ -z "$(message_boxes)" ]
else
    not_ok "the game stands still while the box is open" "no box"
    not_ok "Return closes the box" "no box"
fi

moving=0
shot after-about
previous=$(ball "$SHOT")
current=$previous
deadline=$(($(now_ms) + 6000))
while (($(now_ms) < deadline)); do
    sleep 0.2
    shot after-about
    current=$(ball "$SHOT")
    if [[ $current != "$previous" ]] && ball_away "$SHOT"; then
        moving=1
        break
    fi
    previous=$current
done
check "the game goes on after the box (the ball moves)" "ball $previous -> $current" [ "$moving" -eq 1 ]

# ---------------------------------------------------------------- Exit

game_alive || fatal "the game still runs before Exit" "$(tail -5 "$WORK/gloob.log")"

# Options is opened in a rally, with Exit highlighted (Number of Balls,
# Backround, Exit), and chosen as soon as a point sends the ball home: the
# menu stays open meanwhile and the game goes on under it.
deadline=$(($(now_ms) + 60000))
until ball_away "$SHOT"; do
    (($(now_ms) < deadline)) || break
    sleep 0.1
    shot exit-wait
done
xdotool mousemove "$OPTIONS_X" "$MENU_Y" click 1
options_popup=$(new_popups "$BASE_POPUPS" 3000)
check "Options opens during a rally" "menu '${options_popup}'" [ -n "$options_popup" ]
xdotool key Down Down Down
home=0
while (($(now_ms) < deadline)); do
    shot exit-wait
    if ball_at_home "$SHOT"; then
        home=1
        break
    fi
    sleep 0.05
done
check "a point puts the ball back home" "ball $(ball "$SHOT")" [ "$home" -eq 1 ]
xdotool key Return
chosen=$(now_ms)
ended=0
while (($(now_ms) - chosen <= 1000)); do
    if ! game_alive; then
        ended=1
        break
    fi
    sleep 0.02
done
status=0
if ((ended)); then
    wait "$GLOOB_PID" || status=$?
    GLOOB_PID=""
fi
check "Options > Exit in the pause after the point ends the game within 1 s" \
    "still running after $(($(now_ms) - chosen)) ms" [ "$ended" -eq 1 ]
check "the game exits with status 0" "status $status" [ "$ended" -eq 1 -a "$status" -eq 0 ]

# Without audio the game plays silently and says so once; Qt Multimedia's own
# complaints stay off standard error.
sound_lines=$(grep -ciE 'sound|audio|pulse|multimedia' "$WORK/gloob.log" || true)
check "without audio, one line about sound on standard error" \
    "$(grep -iE 'sound|audio|pulse|multimedia' "$WORK/gloob.log" | head -3 | tr '\n' '|')" \
    [ "$sound_lines" -eq 1 ]
check "that line says the game plays without sound" "$(head -3 "$WORK/gloob.log" | tr '\n' '|')" \
    grep -qx 'gloob: sound: no audio output found; playing without sound' "$WORK/gloob.log"

# ---------------------------------------------------------------- the recording

# gloob-sim plays the live game's recording to the live game's trace.
"$GLOOB_SIM" "$WORK/live.replay" >"$WORK/replayed.trace" 2>"$WORK/gloob-sim.log" || true
live_lines=$(wc -l <"$WORK/live.trace")
live_seconds=$(tail -n 1 "$WORK/live.trace" | sed -n 's/^{"t":\([0-9]*\),.*/\1/p')
recorded=$(grep -vc '^#' "$WORK/live.replay" || true)
if cmp -s "$WORK/live.trace" "$WORK/replayed.trace"; then
    ok "gloob-sim replays the recording to the live trace: $live_lines lines alike, $((live_seconds / 1000000)) s of play, $recorded recorded events"
else
    not_ok "gloob-sim replays the recording to the live trace" \
        "$(diff "$WORK/live.trace" "$WORK/replayed.trace" | head -4)"
fi
check "the live trace ends with the exit" "$(tail -n 1 "$WORK/live.trace")" \
    grep -q '"ev":"exit"' <(tail -n 1 "$WORK/live.trace")
check "the recording holds keys of both players, a point's menu command and Exit" \
    "$(grep -c keydown "$WORK/live.replay") key-downs" \
    bash -c "grep -q 'keydown 3[79]' '$WORK/live.replay' && grep -q 'keydown 6[58]' '$WORK/live.replay' &&
             grep -q 'menu 3' '$WORK/live.replay' && grep -q 'menu exit' '$WORK/live.replay'"

# ---------------------------------------------------------------- controls

# start_game NAME SETTINGS: the game with a fresh profile holding SETTINGS (an
# ini file's text), traced to $WORK/NAME.trace; sets WID.
start_game() {
    rm -rf "$WORK/config" && mkdir -p "$WORK/config/gloob-volleyball"
    printf '%s\n' "$2" >"$WORK/config/gloob-volleyball/gloob.ini"
    "$GLOOB" --trace "$WORK/$1.trace" >"$WORK/$1.log" 2>&1 </dev/null &
    GLOOB_PID=$!
    # A search can fail outright when another window goes away meanwhile: ask again.
    WID=""
    for _ in $(seq 1 120); do
        WID=$(timeout 5 xdotool search --onlyvisible --name '^Gloob Volleyballl$' 2>/dev/null |
            sed -n 1p || true)
        [[ -n $WID ]] && break
        sleep 0.25
    done
    [[ -n $WID ]] || fatal "the game starts for '$1'" "$(tail -5 "$WORK/$1.log")" \
        "windows: $(xdotool search --name 'Gloob' getwindowname %@ 2>&1 | tr '\n' ';')" \
        "trace lines: $(wc -l <"$WORK/$1.trace" 2>/dev/null)"
    for _ in $(seq 1 20); do
        xdotool windowactivate --sync "$WID" 2>/dev/null || true
        [[ $(xdotool getactivewindow 2>/dev/null) == "$WID" ]] && break
        sleep 0.25
    done
    # A click on the open court gives the window the keyboard for sure.
    local height
    height=$(xdotool getwindowgeometry --shell "$WID" | sed -n 's/^HEIGHT=//p')
    GAME_MENU_H=$((height - 473))
    xdotool mousemove --window "$WID" 200 $((GAME_MENU_H + 200)) click 1
    sleep 0.3
}

# end_game: closes the window as a player would, and waits for the end.
end_game() {
    xdotool key --window "$WID" alt+F4 2>/dev/null || true
    # When the window is gone before xdotool lets go of Alt, xdotool stops
    # with an error and Alt stays down: the next game would get Alt+Right.
    xdotool keyup alt F4 2>/dev/null || true
    for _ in $(seq 1 50); do game_alive || break; sleep 0.1; done
    stop_process "$GLOOB_PID"
    GLOOB_PID=""
}

# events NAME: the trace's input events, one a line, in order.
events() {
    { grep -o '"ev":"[a-z]*[ ]*[a-z0-9]*"' "$WORK/$1.trace" || true; } | sed 's/"ev":"//; s/"$//' |
        { grep -v '^tmr' || true; }
}
# last_p1_speed NAME: player 1's step in the trace's last line.
last_p1_speed() { tail -n 2 "$WORK/$1.trace" | head -n 1 | sed -n 's/.*"p1":\[[^]]*,\([-0-9]*\),[-0-9]*,[-0-9]*,[-0-9]*\].*/\1/p'; }

# The game's keys are places on the keyboard: with a French layout, the key
# that types Q sits where A is on a US keyboard, and Z where W is.
setxkbmap fr
start_game french ""
xdotool keydown q; sleep 0.2; xdotool keyup q
xdotool key z
sleep 0.3
end_game
setxkbmap us
check "French layout: the key at A's place walks player 2 left (keydown 65)" \
    "$(events french | tr '\n' ' ')" grep -q '^keydown 65$' <(events french)
check "French layout: the key at W's place makes player 2 jump (keydown 87)" \
    "$(events french | tr '\n' ' ')" grep -q '^keydown 87$' <(events french)

# hold_and_tap NAME SETTINGS: player 1 holds Right while player 2 taps W.
hold_and_tap() {
    start_game "$1" "$2"
    xdotool keydown Right
    sleep 0.3
    xdotool key w
    sleep 0.3
    HELD_SPEED=$(last_p1_speed "$1")
    xdotool keyup Right
    end_game
}

hold_and_tap held-off ""
check "held keys off (as written): player 2's tap on W stops player 1" \
    "player 1's step $HELD_SPEED; $(events held-off | tr '\n' ' ')" [ "$HELD_SPEED" = 0 ]
hold_and_tap held-on $'[options]\nheldKeys=true'
check "held keys on: player 1 holding Right walks on through player 2's tap on W" \
    "player 1's step $HELD_SPEED; $(events held-on | tr '\n' ' ')" [ "$HELD_SPEED" = 150 ]
check "held keys on: the trace shows Right pressed again after W's release" \
    "$(events held-on | tr '\n' ' ')" grep -Pzq 'keyup 87\nkeydown 39\n' <(events held-on)

# ---------------------------------------------------------------- against the computer

# A person (player 2) against the computer (player 1) in a match to 3: it plays
# to game over, and while the person holds A the computer's key releases
# never stop player 2.
start_game computer $'[options]\nmatchLength=3\n[players]\nplayer1=normal'
# Play! by the mouse.
xdotool mousemove --window "$WID" 336 $((GAME_MENU_H + 444)) click 1
sleep 2.5
# The main ticks and the computer's key releases since the person's first A.
held_ticks() {
    awk '/"ev":"keydown 65"/ { on = 1 } /"ev":"keyup 65"/ { on = 0 }
         on && /"ev":"tmrMain"/' "$WORK/computer.trace"
}
computer_releases() {
    awk '/"ev":"keydown 65"/ { on = 1 } /"ev":"keyup 65"/ { on = 0 }
         on && /"ev":"keyup (37|38|39)"/' "$WORK/computer.trace" | wc -l
}
# A point's pause runs no main tick, so hold A until enough play was seen,
# however a slow machine spreads the match out.
xdotool keydown a
for _ in $(seq 1 150); do
    [ "$(held_ticks | wc -l)" -gt 60 ] && [ "$(computer_releases)" -gt 0 ] && break
    sleep 0.1
done
xdotool keyup a
final_score() { grep -o '"score":\[[0-9]*,[0-9]*,3\]' "$WORK/computer.trace" | tail -n 1; }
for _ in $(seq 1 400); do
    [[ $(final_score) =~ \[3,|,3,3\] ]] && break
    sleep 0.1
done
sleep 0.5
end_game
check "a match against the computer plays to game over" "last score $(final_score)" \
    grep -q '"ui":\[1,1,[01],[01],0\]' <(grep '"score":\[[0-9]*,[0-9]*,3\]' "$WORK/computer.trace" |
        grep -E '"score":\[3,|,3,3\]' | tail -n 1)
held_ticks=$(held_ticks)
stopped=$(grep -c '"p2":\[[^]]*,0,0,[-0-9]*,[-0-9]*\]' <<<"$held_ticks" || true)
computer_releases=$(computer_releases)
check "the computer's key releases never stop the person holding A" \
    "$(wc -l <<<"$held_ticks") main ticks held, $stopped with player 2 stopped, $computer_releases releases by the computer" \
    [ "$(wc -l <<<"$held_ticks")" -gt 50 -a "$stopped" -eq 0 -a "$computer_releases" -gt 0 ]
