// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "headless_front_end.h"

#include "scene/twips.h"

namespace gloob {

namespace {
constexpr float screenWidthPixels = 1280;
constexpr float screenHeightPixels = 1024;
// A plain frame: a 1-pixel border, a 22-pixel caption and a 20-pixel menu bar.
constexpr float frameWidthPixels = 2;
constexpr float frameHeightPixels = 2 + 22 + 20;
} // namespace

TwipRect HeadlessFrontEnd::availableScreen() {
    return {0, 0, screenWidthPixels * twipsPerPixel, screenHeightPixels * twipsPerPixel};
}

TwipRect HeadlessFrontEnd::windowOuterFrame() {
    return {0, 0, clientWidthTwips + frameWidthPixels * twipsPerPixel,
            clientHeightTwips + frameHeightPixels * twipsPerPixel};
}

} // namespace gloob
