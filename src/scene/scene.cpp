// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "scene.h"

#include <utility>

namespace gloob {

namespace {
constexpr Layer shape(Shape Scene::*member) {
    return {Layer::Kind::shape, member, nullptr, nullptr};
}
constexpr Layer label(Label Scene::*member) {
    return {Layer::Kind::label, nullptr, member, nullptr};
}
constexpr Layer picture(Picture Scene::*member) {
    return {Layer::Kind::picture, nullptr, nullptr, member};
}

// menuEntry() looks an item up by its place in the tree.
constexpr bool treeInMenuIdOrder() {
    for (std::size_t i = 0; i < menuTree.size(); ++i) {
        if (static_cast<std::size_t>(menuTree[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(treeInMenuIdOrder());
} // namespace

const std::array<Layer, 18> stackingOrder{
    shape(&Scene::Shape1),          shape(&Scene::shpBottom2),    label(&Scene::lblPlayer2Score),
    label(&Scene::lblPlayer1Score), shape(&Scene::shpWallRight),  label(&Scene::lblGameOver),
    shape(&Scene::shpBall),         shape(&Scene::shpBottom1),    shape(&Scene::shpBase1),
    shape(&Scene::shpGloob1),       shape(&Scene::shpTop),        shape(&Scene::shpLeft),
    shape(&Scene::shpRight),        shape(&Scene::shpWallLeft),   shape(&Scene::shpBase2),
    shape(&Scene::shpGloob2),       picture(&Scene::imgMountain), picture(&Scene::imgBeach),
};

Timer& Scene::timer(TimerId id) {
    return const_cast<Timer&>(std::as_const(*this).timer(id));
}

const Timer& Scene::timer(TimerId id) const {
    static constexpr std::array<Timer Scene::*, timerCount> timers{
        &Scene::tmrMain, &Scene::tmrBall, &Scene::tmrJump1, &Scene::tmrJump2};
    return this->*timers[static_cast<std::size_t>(id)];
}

MenuItem& Scene::menu(MenuId id) {
    return const_cast<MenuItem&>(std::as_const(*this).menu(id));
}

const MenuItem& Scene::menu(MenuId id) const {
    return this->*menuEntry(id).item;
}

} // namespace gloob
