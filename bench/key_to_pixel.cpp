// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Key to pixel: how long from a key press to the first frame on the screen
// that shows player 1 moved. It presses Left or Right through XTEST, then
// reads a row across player 1's body back from the X server in a tight loop
// until the body's left edge has moved. Samples taken while the ball waits
// at home (the pause after a point, when the game hands keys over only every
// 100 ms) or that a point cut short are left out.
//
// usage: key_to_pixel COURT_X COURT_Y SCALE [SAMPLES]
//   COURT_X, COURT_Y: the court's top-left corner on the screen; SCALE: screen
//   pixels a court pixel. Prints each delay in milliseconds on a line of its
//   own, then a summary line that starts with '#'.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Court pixels, as the game draws them at scale 1.
constexpr int bodyRow = 390;   // through the upper half of player 1's body
constexpr int halfLeft = 400;  // player 1's half, right of the net
constexpr int halfRight = 745; // up to the right wall
constexpr int ballHomeX = 628; // the ball's centre at home
constexpr int ballHomeY = 84;
constexpr unsigned long blue = 0x0000FF;
constexpr unsigned long red = 0xFF0000;

struct Court {
    Display* display;
    Window root;
    int x, y, scale;

    unsigned long pixel(int courtX, int courtY) const {
        XImage* image = XGetImage(display, root, x + courtX * scale, y + courtY * scale, 1, 1,
                                  AllPlanes, ZPixmap);
        const unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return value;
    }

    // The first screen column of player 1's body in its row, or -1.
    int bodyLeft() const {
        const int width = (halfRight - halfLeft) * scale;
        XImage* image = XGetImage(display, root, x + halfLeft * scale, y + bodyRow * scale,
                                  static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
        int left = -1;
        for (int i = 0; i < width && left < 0; ++i) {
            if ((XGetPixel(image, i, 0) & 0xFFFFFF) == blue) {
                left = i;
            }
        }
        XDestroyImage(image);
        return left;
    }

    bool ballAtHome() const { return pixel(ballHomeX, ballHomeY) == red; }
};

void sendKey(Display* display, KeyCode key, bool press) {
    XTestFakeKeyEvent(display, key, press ? True : False, CurrentTime);
    XFlush(display);
}

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: key_to_pixel COURT_X COURT_Y SCALE [SAMPLES]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "key_to_pixel: cannot open the display\n");
        return 1;
    }
    const Court court{display, DefaultRootWindow(display), std::atoi(argv[1]), std::atoi(argv[2]),
                      std::atoi(argv[3])};
    const int wanted = argc > 4 ? std::atoi(argv[4]) : 300;
    const KeyCode keys[] = {XKeysymToKeycode(display, XK_Left),
                            XKeysymToKeycode(display, XK_Right)};

    // A random pause between samples, so that presses fall anywhere between two heartbeats.
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> restMillis(60, 140);
    std::vector<double> delays;
    int skipped = 0;
    int stuck = 0;
    for (int attempt = 0; static_cast<int>(delays.size()) < wanted && attempt < wanted * 4;
         ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(restMillis(random)));
        const int before = court.bodyLeft();
        if (before < 0 || court.ballAtHome()) {
            ++skipped;
            continue;
        }
        const KeyCode key = keys[attempt % 2];
        const Clock::time_point pressed = Clock::now();
        sendKey(display, key, true);
        int now = before;
        Clock::time_point seen = pressed;
        // A fifth of a millisecond between looks leaves the two cores to the
        // game and the X server.
        while (now == before && millis(seen - pressed) < 500) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            now = court.bodyLeft();
            seen = Clock::now();
        }
        sendKey(display, key, false);
        // Ten keys in a row that moved nothing: no match is running.
        stuck = now == before ? stuck + 1 : 0;
        if (stuck == 10) {
            break;
        }
        if (now == before || court.ballAtHome()) {
            ++skipped;
            continue;
        }
        delays.push_back(millis(seen - pressed));
        std::printf("%.3f\n", delays.back());
    }
    XCloseDisplay(display);
    if (delays.empty()) {
        std::fprintf(stderr, "key_to_pixel: no sample (%d left out)\n", skipped);
        return 1;
    }
    std::sort(delays.begin(), delays.end());
    const auto at = [&](double share) {
        return delays[std::min(delays.size() - 1, static_cast<std::size_t>(delays.size() * share))];
    };
    std::printf("# %zu keys, median %.2f ms, p99 %.2f ms, longest %.2f ms (%d left out)\n",
                delays.size(), at(0.5), at(0.99), delays.back(), skipped);
    return 0;
}
