// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "scene/controls.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace gloob::testing {
namespace {

// A const control without an initialiser compiles only when every member
// has a default of its own, so a member added without one breaks this build.
TEST(Controls, MadeWithoutValuesStartEmptyAtTheOrigin) {
    const Shape shape;
    const Label label;
    const Picture picture;
    const PushButton button;
    const MenuItem item;
    const Timer timer;
    EXPECT_EQ(shape.pixelBox().width(), 0);
    EXPECT_EQ(shape.pixelBox().height(), 0);
    EXPECT_EQ(label.pixelBox().x0, 0);
    EXPECT_EQ(label.font.pointSize, 0);
    EXPECT_FALSE(label.font.bold);
    EXPECT_EQ(picture.pixelBox().y1, 0);
    EXPECT_FALSE(picture.Visible);
    EXPECT_FALSE(item.Checked);
    EXPECT_EQ(timer.Interval, 0) << "a timer made without an interval does not fire";
}

} // namespace
} // namespace gloob::testing
