# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# What the window measurements share: finding the court on the screen of
# $DISPLAY and clicking on it by court pixels. Uses $work for screenshots.
# Sourced.

# Where the court is on the screen and at what scale, from the ball at home:
# 25 court pixels wide, its top-left corner at court pixel (616, 72).
locate_court() {
    local box w x y
    import -window root "$work/shot.png"
    box=$(convert "$work/shot.png" -fill black +opaque '#FF0000' -format '%@' info:)
    IFS='x+' read -r w _ x y <<<"$box"
    scale=$((w / 25))
    court_x=$((x - 616 * scale))
    court_y=$((y - 72 * scale))
}
click_court() { xdotool mousemove $((court_x + $1 * scale)) $((court_y + $2 * scale)) click 1; }
# Play! again once a match is over: its button covers the court's white.
play_if_over() {
    import -window root "$work/shot.png"
    local seen
    seen=$(convert "$work/shot.png" -format "%[hex:p{$((court_x + 336 * scale)),$((court_y + 444 * scale))}]" info:)
    if [ "$seen" != FFFFFF ]; then
        click_court 336 444
        sleep 2.5
    fi
}
