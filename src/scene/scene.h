// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "controls.h"

#include <array>
#include <optional>
#include <string_view>

namespace gloob {

enum class TimerId { tmrMain, tmrBall, tmrJump1, tmrJump2 };
// The timers in the order a heartbeat visits them.
constexpr std::array<TimerId, 4> timersInDispatchOrder{TimerId::tmrMain, TimerId::tmrBall,
                                                       TimerId::tmrJump1, TimerId::tmrJump2};
constexpr std::size_t timerCount = timersInDispatchOrder.size();

enum class MenuId {
    mnuOptions,
    mnuNumberBalls,
    mnu3,
    mnu5,
    mnu8,
    mnuBackround,
    mnuMountain,
    mnuBeach,
    mnuNone,
    mnuExit,
    mnuHelp,
    mnuInstructions,
    mnuAbout,
};
constexpr std::size_t menuItemCount = static_cast<std::size_t>(MenuId::mnuAbout) + 1;

// Everything the window shows, as plain data. The shapes are the court: the
// rules read positions back from them and move things by writing Left and Top.
struct Scene {
    std::string Caption = "Gloob Volleyballl";
    float ClientWidth = clientWidthTwips;
    float ClientHeight = clientHeightTwips;
    Colour BackColor = colours::white;

    PushButton cmdExit{5880, 6480, 1095, 375, "Exit"};
    PushButton cmdPlay{4440, 6480, 1215, 375, "Play!"};

    Shape Shape1{ShapeKind::rectangle, 5880, 120, 5175, 135, colours::mediumBlue};
    Shape shpBottom2{ShapeKind::rectangle, 0, 6120, 5775, 255, colours::darkGreen};
    Label lblPlayer2Score{120, 240, 735, 735, "0", scoreFont()};
    Label lblPlayer1Score{10320, 240, 735, 735, "0", scoreFont()};
    Shape shpWallRight{ShapeKind::rectangle, 5760, 5040, 255, 1095, colours::navy};
    Label lblGameOver{4320, 2040, 2535, 1215, "GAME OVER", gameOverFont()};
    Shape shpBall{ShapeKind::circle, 9240, 1080, 375, 375, colours::red};
    Shape shpBottom1{ShapeKind::rectangle, 5760, 6120, 5415, 255, colours::mediumBlue};
    Shape shpBase1{ShapeKind::rectangle, 8280, 6120, 1455, 735, colours::white};
    Shape shpGloob1{ShapeKind::circle, 8280, 5520, 1455, 1215, colours::blue};
    Shape shpTop{ShapeKind::rectangle, 120, 120, 5775, 135, colours::darkGreen};
    Shape shpLeft{ShapeKind::rectangle, 0, 120, 135, 6015, colours::teal};
    Shape shpRight{ShapeKind::rectangle, 11040, 120, 135, 6015, colours::navy};
    Shape shpWallLeft{ShapeKind::rectangle, 5520, 5040, 255, 1095, colours::teal};
    Shape shpBase2{ShapeKind::rectangle, 2160, 6120, 1455, 735, colours::white};
    Shape shpGloob2{ShapeKind::circle, 2160, 5520, 1455, 1215, colours::green};
    Picture imgMountain{120, 240, 10920, 4860, PictureId::mountain};
    Picture imgBeach{120, 240, 10920, 4770, PictureId::beach};

    Timer tmrMain{1};
    Timer tmrBall{30};
    Timer tmrJump1{10};
    Timer tmrJump2{10};

    MenuItem mnuOptions{"Options"};
    MenuItem mnuNumberBalls{"Number of Balls"};
    MenuItem mnu3{"3"};
    MenuItem mnu5{"5", true};
    MenuItem mnu8{"8"};
    MenuItem mnuBackround{"Backround"};
    MenuItem mnuMountain{"Mountain"};
    MenuItem mnuBeach{"Beach"};
    MenuItem mnuNone{"None", true};
    MenuItem mnuExit{"Exit"};
    MenuItem mnuHelp{"Help "};
    MenuItem mnuInstructions{"Instructions"};
    MenuItem mnuAbout{"About"};

    Timer& timer(TimerId id);
    const Timer& timer(TimerId id) const;
    MenuItem& menu(MenuId id);
    const MenuItem& menu(MenuId id) const;

    bool operator==(const Scene&) const = default;

    static Font scoreFont() { return {"Palatino Linotype", 33, true, true}; }
    static Font gameOverFont() { return {"MS Sans Serif", 18, false, false}; }
};

// One drawn control in the stacking order.
struct Layer {
    enum class Kind { shape, label, picture };
    Kind kind;
    Shape Scene::*shape = nullptr;
    Label Scene::*label = nullptr;
    Picture Scene::*picture = nullptr;
};

// The drawn controls from the top of the stack down; the buttons are native
// widgets above all of them and the white background lies below.
extern const std::array<Layer, 18> stackingOrder;

// The menu bar, in the order Qt builds it: each item with the item it opens
// from (none for the bar's own) and the control that holds its caption and mark.
struct MenuEntry {
    MenuId id;
    std::optional<MenuId> parent;
    MenuItem Scene::*item;
    std::string_view name;
};
inline constexpr std::array<MenuEntry, menuItemCount> menuTree{{
    {MenuId::mnuOptions, std::nullopt, &Scene::mnuOptions, "mnuOptions"},
    {MenuId::mnuNumberBalls, MenuId::mnuOptions, &Scene::mnuNumberBalls, "mnuNumberBalls"},
    {MenuId::mnu3, MenuId::mnuNumberBalls, &Scene::mnu3, "mnu3"},
    {MenuId::mnu5, MenuId::mnuNumberBalls, &Scene::mnu5, "mnu5"},
    {MenuId::mnu8, MenuId::mnuNumberBalls, &Scene::mnu8, "mnu8"},
    {MenuId::mnuBackround, MenuId::mnuOptions, &Scene::mnuBackround, "mnuBackround"},
    {MenuId::mnuMountain, MenuId::mnuBackround, &Scene::mnuMountain, "mnuMountain"},
    {MenuId::mnuBeach, MenuId::mnuBackround, &Scene::mnuBeach, "mnuBeach"},
    {MenuId::mnuNone, MenuId::mnuBackround, &Scene::mnuNone, "mnuNone"},
    {MenuId::mnuExit, MenuId::mnuOptions, &Scene::mnuExit, "mnuExit"},
    {MenuId::mnuHelp, std::nullopt, &Scene::mnuHelp, "mnuHelp"},
    {MenuId::mnuInstructions, MenuId::mnuHelp, &Scene::mnuInstructions, "mnuInstructions"},
    {MenuId::mnuAbout, MenuId::mnuHelp, &Scene::mnuAbout, "mnuAbout"},
}};

constexpr const MenuEntry& menuEntry(MenuId id) {
    return menuTree[static_cast<std::size_t>(id)];
}

// The two groups whose items carry check marks, exactly one marked in each,
// in the order in which a command sets their marks.
constexpr std::array<MenuId, 3> numberOfBallsGroup{MenuId::mnu3, MenuId::mnu5, MenuId::mnu8};
constexpr std::array<MenuId, 3> backroundGroup{MenuId::mnuMountain, MenuId::mnuBeach,
                                               MenuId::mnuNone};

} // namespace gloob
