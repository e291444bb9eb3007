#include "scene.h"

#include <utility>

namespace gloob {

namespace {
constexpr Layer shape(Shape Scene::*member, std::string_view name) {
    return {Layer::Kind::shape, member, nullptr, nullptr, name};
}
constexpr Layer label(Label Scene::*member, std::string_view name) {
    return {Layer::Kind::label, nullptr, member, nullptr, name};
}
constexpr Layer picture(Picture Scene::*member, std::string_view name) {
    return {Layer::Kind::picture, nullptr, nullptr, member, name};
}
} // namespace

const std::array<Layer, 18> stackingOrder{
    shape(&Scene::Shape1, "Shape1"),
    shape(&Scene::shpBottom2, "shpBottom2"),
    label(&Scene::lblPlayer2Score, "lblPlayer2Score"),
    label(&Scene::lblPlayer1Score, "lblPlayer1Score"),
    shape(&Scene::shpWallRight, "shpWallRight"),
    label(&Scene::lblGameOver, "lblGameOver"),
    shape(&Scene::shpBall, "shpBall"),
    shape(&Scene::shpBottom1, "shpBottom1"),
    shape(&Scene::shpBase1, "shpBase1"),
    shape(&Scene::shpGloob1, "shpGloob1"),
    shape(&Scene::shpTop, "shpTop"),
    shape(&Scene::shpLeft, "shpLeft"),
    shape(&Scene::shpRight, "shpRight"),
    shape(&Scene::shpWallLeft, "shpWallLeft"),
    shape(&Scene::shpBase2, "shpBase2"),
    shape(&Scene::shpGloob2, "shpGloob2"),
    picture(&Scene::imgMountain, "imgMountain"),
    picture(&Scene::imgBeach, "imgBeach"),
};

const std::array<MenuEntry, 13> menuTree{{
    {MenuId::mnuOptions, std::nullopt, "mnuOptions"},
    {MenuId::mnuNumberBalls, MenuId::mnuOptions, "mnuNumberBalls"},
    {MenuId::mnu3, MenuId::mnuNumberBalls, "mnu3"},
    {MenuId::mnu5, MenuId::mnuNumberBalls, "mnu5"},
    {MenuId::mnu8, MenuId::mnuNumberBalls, "mnu8"},
    {MenuId::mnuBackround, MenuId::mnuOptions, "mnuBackround"},
    {MenuId::mnuMountain, MenuId::mnuBackround, "mnuMountain"},
    {MenuId::mnuBeach, MenuId::mnuBackround, "mnuBeach"},
    {MenuId::mnuNone, MenuId::mnuBackround, "mnuNone"},
    {MenuId::mnuExit, MenuId::mnuOptions, "mnuExit"},
    {MenuId::mnuHelp, std::nullopt, "mnuHelp"},
    {MenuId::mnuInstructions, MenuId::mnuHelp, "mnuInstructions"},
    {MenuId::mnuAbout, MenuId::mnuHelp, "mnuAbout"},
}};

Timer& Scene::timer(TimerId id) {
    return const_cast<Timer&>(std::as_const(*this).timer(id));
}

const Timer& Scene::timer(TimerId id) const {
    switch (id) {
    case TimerId::tmrMain:
        return tmrMain;
    case TimerId::tmrBall:
        return tmrBall;
    case TimerId::tmrJump1:
        return tmrJump1;
    case TimerId::tmrJump2:
        break;
    }
    return tmrJump2;
}

MenuItem& Scene::menu(MenuId id) {
    return const_cast<MenuItem&>(std::as_const(*this).menu(id));
}

const MenuItem& Scene::menu(MenuId id) const {
    static constexpr std::array<MenuItem Scene::*, 13> items{
        &Scene::mnuOptions, &Scene::mnuNumberBalls, &Scene::mnu3,        &Scene::mnu5,
        &Scene::mnu8,       &Scene::mnuBackround,   &Scene::mnuMountain, &Scene::mnuBeach,
        &Scene::mnuNone,    &Scene::mnuExit,        &Scene::mnuHelp,     &Scene::mnuInstructions,
        &Scene::mnuAbout,
    };
    return this->*items[static_cast<std::size_t>(id)];
}

} // namespace gloob
