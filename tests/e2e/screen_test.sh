#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# End-to-end test of the court on other screens, on private X servers: F11
# fills a 1920 x 1080 screen with the court at 2x and Esc brings the window
# back; P does nothing on the first screen, freezes a rally and P again lets
# it go on, and Exit while paused ends the program; at a scale factor of 2 the
# whole window fits a 1280 x 1024 screen.
#
# usage: screen_test.sh GLOOB_BINARY BUILD_DIR
#
# On failure the screenshots and logs stay in BUILD_DIR/screen-artifacts.
set -Eeuo pipefail
export LC_ALL=C

GLOOB=${1:?usage: screen_test.sh GLOOB_BINARY BUILD_DIR}
BUILD_DIR=${2:?usage: screen_test.sh GLOOB_BINARY BUILD_DIR}
WORK="$BUILD_DIR/screen-work"
ARTIFACTS="$BUILD_DIR/screen-artifacts"

source "$(dirname "${BASH_SOURCE[0]}")/tap.sh"

cleanup() {
    local status=$?
    set +e
    stop_all
    # A trap's own status is not the script's: the verdict must be said.
    finish "$status"
    exit $?
}

for tool in Xvfb openbox xdotool import convert xdpyinfo xwininfo xprop; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "screen_test.sh: missing $tool; install xvfb openbox xdotool imagemagick x11-utils" >&2
        exit 1
    }
done
[[ -x $GLOOB ]] || { echo "screen_test.sh: no game binary at $GLOOB" >&2; exit 1; }

rm -rf "$WORK" "$ARTIFACTS"
mkdir -p "$WORK/runtime"
chmod 700 "$WORK/runtime"
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

export XDG_RUNTIME_DIR="$WORK/runtime" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR \
    QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI || true

# start_screen WxH: a private X server of that size with a window manager.
start_screen() {
    local n
    for n in $(seq 121 139); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "${1}x24" -nolisten tcp -noreset >"$WORK/xvfb-$1.log" 2>&1 </dev/null &
        PIDS+=($!)
        for _ in $(seq 1 100); do
            if xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                openbox --sm-disable >"$WORK/openbox-$1.log" 2>&1 </dev/null &
                PIDS+=($!)
                for _ in $(seq 1 100); do
                    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
                    sleep 0.1
                done
                fatal "the window manager runs on a ${1} screen" "$(tail -3 "$WORK/openbox-$1.log")"
            fi
            sleep 0.1
        done
        stop_all
    done
    fatal "a ${1} X server starts" "no free display in :121..:139"
}

# start_game [ENV...]: the game on the current screen; sets WID.
start_game() {
    env "$@" "$GLOOB" >"$WORK/gloob.log" 2>&1 </dev/null &
    PIDS+=($!)
    WID=$(timeout 30 xdotool search --sync --onlyvisible --name '^Gloob Volleyballl' 2>/dev/null |
        sed -n 1p || true)
    [[ -n $WID ]] || fatal "the game's window appears" "$(tail -3 "$WORK/gloob.log")"
}

shot() {
    import -window root -depth 8 "$WORK/$1.png"
    SHOT="$WORK/$1.png"
}

# The ball's red pixels in a screenshot: "WIDTHxHEIGHT+X+Y", or "none".
ball() {
    local box
    box=$(convert "$1" -fill black +opaque '#FF0000' -format '%@' info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+ ]] && ((BASH_REMATCH[1] > 0 && BASH_REMATCH[1] < 200)) &&
        echo "$box" || echo none
}

# wait_for SECONDS NAME COMMAND...: screenshots until the command holds.
wait_for() {
    local deadline=$(($(now_ms) + $1 * 1000)) name=$2
    shift 2
    while :; do
        shot "$name"
        "$@" && return 0
        (($(now_ms) > deadline)) && return 1
        sleep 0.1
    done
}

# client_geometry: "x y width height" of the game's window without its frame.
client_geometry() {
    xwininfo -id "$WID" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}

ball_is() { [[ $(ball "$SHOT") == "$1" ]]; }
ball_size_is() { [[ $(ball "$SHOT") == "$1"+* ]]; }

# ---------------------------------------------------------------- full screen

start_screen 1920x1080
start_game
wait_for 20 window ball_size_is 25x25 || fatal "the court is drawn at 1x in the window" "ball $(ball "$SHOT")"
read -r WIN_X WIN_Y WIN_W WIN_H <<<"$(client_geometry)"
ok "the window opens with the court at 1x, ${WIN_W}x${WIN_H}"

xdotool key F11
wait_for 10 full-screen ball_size_is 50x50 || true
read -r fx fy fw fh <<<"$(client_geometry)"
full_ball=$(ball "$SHOT")
check "F11 fills the 1920 x 1080 screen" "window ${fw}x${fh}+${fx}+${fy}" \
    [ "$fw" -eq 1920 -a "$fh" -eq 1080 -a "$fx" -eq 0 -a "$fy" -eq 0 ]
# At home the ball's box starts at court pixel (616, 72); at 2x the court is
# 1502 x 946 screen pixels.
IFS='x+' read -r bw bh bx by <<<"$full_ball"
court_x=$((bx - 616 * 2))
court_y=$((by - 72 * 2))
# The court view starts at the first row of the margin's white.
view_top=$(convert "$SHOT" -crop "1x200+4+0" +repage txt:- |
    awk '/#FFFFFF/ && !found { split($1, p, /[,:]/); print p[2]; found = 1 }')
check "the court is drawn at 2x: the ball is 50 pixels wide" "ball $full_ball" \
    [ "${bw:-0}" -eq 50 -a "${bh:-0}" -eq 50 ]
check "the court is centred across the screen" "court from x $court_x, 1502 wide" \
    [ "$court_x" -eq $(((1920 - 1502) / 2)) ]
above=$((court_y - ${view_top:-0}))
below=$((1080 - court_y - 946))
check "the court is centred down the screen" "view from y ${view_top:-?}, $above rows above the court, $below below" \
    [ -n "$view_top" -a $((above - below)) -ge -1 -a $((above - below)) -le 1 ]
wall=$(convert "$SHOT" -format "%[hex:p{$((court_x + 1)),$((court_y + 400))}] %[hex:p{$((court_x - 1)),$((court_y + 400))}]" info:)
check "the left wall starts where the court does, the margin beside it is white" "$wall" \
    [ "$wall" = "008080 FFFFFF" ]

xdotool key Escape
wait_for 10 window-again ball_size_is 25x25 || true
read -r ex ey ew eh <<<"$(client_geometry)"
check "Esc returns to the window" "window ${ew}x${eh}, ball $(ball "$SHOT")" \
    [ "$ew" -eq "$WIN_W" -a "$eh" -eq "$WIN_H" ]
stop_all

# ---------------------------------------------------------------- pause

start_screen 1280x1024
start_game
GAME_PID=${PIDS[-1]}
wait_for 20 first ball_size_is 25x25 || fatal "the court is drawn" "ball $(ball "$SHOT")"
BALL_HOME=$(ball "$SHOT")
IFS='x+' read -r _ _ hx hy <<<"$BALL_HOME"
CX=$((hx - 616))
CY=$((hy - 72))
# The first screen has no match to hold.
xdotool key p
sleep 0.3
shot first-p
band=$(convert "$SHOT" -format "%[hex:p{$((CX + 20)),$((CY + 236))}]" info:)
check "P on the first screen shows nothing" "title '$(xdotool getwindowname "$WID")', pixel $band" \
    [ "$(xdotool getwindowname "$WID")" = "Gloob Volleyballl" -a "$band" = FFFFFF ]
xdotool mousemove $((CX + 336)) $((CY + 444)) click 1
away() { local b; b=$(ball "$SHOT"); [[ $b != none && $b != "$BALL_HOME" ]]; }
if ! wait_for 10 rally away; then
    fatal "Play! starts a rally" "ball $(ball "$SHOT")"
fi
xdotool key p
sleep 0.3
shot paused-1
sleep 0.5
shot paused-2
court_region() { convert "$1" -crop "751x473+${CX}+${CY}" +repage rgb:- | md5sum; }
check "P during a rally freezes the picture: two screenshots 0.5 s apart are alike" \
    "ball $(ball "$WORK/paused-1.png") then $(ball "$WORK/paused-2.png")" \
    [ "$(court_region "$WORK/paused-1.png")" = "$(court_region "$WORK/paused-2.png")" ]
title=$(xdotool getwindowname "$WID")
band=$(convert "$SHOT" -format "%[hex:p{$((CX + 20)),$((CY + 236))}]" info:)
check "the title says Paused and PAUSED darkens the middle of the court" "title '$title', pixel $band" \
    [ "$title" = "Gloob Volleyballl - Paused" -a "$band" != FFFFFF ]
frozen=$(ball "$SHOT")
xdotool key p
moved() { [[ $(ball "$SHOT") != "$frozen" ]]; }
wait_for 3 resumed moved || true
check "P again lets the rally go on" "ball $frozen then $(ball "$SHOT"), title '$(xdotool getwindowname "$WID")'" \
    moved
# Paused again, Options > Exit (the third item) ends the program at once.
xdotool key p
read -r gx gy _ _ <<<"$(client_geometry)"
xdotool mousemove $((gx + 20)) $((gy + 10)) click 1
sleep 0.5
xdotool key Down Down Down Return
chosen=$(now_ms)
while kill -0 "$GAME_PID" 2>/dev/null && (($(now_ms) - chosen <= 1000)); do
    sleep 0.02
done
game_gone() { ! kill -0 "$GAME_PID" 2>/dev/null; }
check "Options > Exit while paused ends the program within 1 s" \
    "still running after $(($(now_ms) - chosen)) ms, title '$(xdotool getwindowname "$WID" 2>/dev/null)'" \
    game_gone
stop_all

# ---------------------------------------------------------------- scale factor 2

start_screen 1280x1024
start_game QT_SCALE_FACTOR=2
fits() {
    local x y w h extents l r t b
    read -r x y w h <<<"$(client_geometry)"
    extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    read -r l r t b <<<"${extents:-0 0 0 0}"
    FRAME="$((w + l + r))x$((h + t + b))+$((x - l))+$((y - t))"
    ((x - l >= 0 && y - t >= 0 && x + w + r <= 1280 && y + h + b <= 1024)) && ball_size_is 25x25
}
wait_for 20 scale-2 fits || true
check "at a scale factor of 2 the whole window is on the 1280 x 1024 screen, the court at one pixel a court pixel" \
    "frame $FRAME, ball $(ball "$SHOT")" fits
