// The one table of menu commands: each command once, with the target its kind runs,
// the precondition of the Line commands that work on the line read; under Windows,
// every item of the program's menu and every key of its accelerator tables is a
// command of the table, and every command of the table is on the menu or a key.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "menu/menu_commands.h"
#include "resource_ids.h"
#include "route/line_session.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>
#endif

namespace {

TEST(MenuCommands, EachCommandOnceWithTheTargetOfItsKind) {
    std::set<int> ids, templates;
    for (const MenuCommand& command : MenuCommands()) {
        SCOPED_TRACE(command.id);
        EXPECT_TRUE(ids.insert(command.id).second) << "listed twice";
        EXPECT_EQ(FindMenuCommand(command.id), &command);
        const bool dialog = command.kind == CommandKind::CalculationDialog;
        EXPECT_EQ(command.calculator != nullptr, dialog);
        EXPECT_EQ(command.batch != nullptr, command.kind == CommandKind::PointBatch);
        if (dialog) {
            EXPECT_TRUE(templates.insert(command.calculator->templateId).second) << "template twice";
            EXPECT_EQ(CalculatorForTemplate(command.calculator->templateId), command.calculator);
        }
    }
    EXPECT_EQ(FindMenuCommand(IDC_EDITOR), nullptr);
    EXPECT_EQ(CalculatorCommands().size(), templates.size());
}

// The commands that work on the line read last wait until one has been read, and
// say so; every other command runs at once.
TEST(MenuCommands, LineCommandsNeedALineRead) {
    const std::set<int> needingALine = {CMD_LINE_TRACE_POINTS, CMD_LINE_SET_OUT, CMD_LINE_PLAN, CMD_LINE_EXPORT_LANDXML};
    TheLineSession().Clear();
    for (const MenuCommand& command : MenuCommands()) {
        SCOPED_TRACE(command.id);
        if (command.id == CMD_LINE_OFFSETS) { // needs points traced on the line read
            ASSERT_EQ(command.needs, &RoutePointsTraced);
            EXPECT_EQ(FailedPrecondition(command.needs), &RouteHasBeenRead);
            continue;
        }
        if (command.id == CMD_LINE_EXPORT_POINTS) { // needs points traced or set out
            ASSERT_EQ(command.needs, &RoutePointsTracedOrSetOut);
            EXPECT_EQ(FailedPrecondition(command.needs), &RouteHasBeenRead);
            continue;
        }
        if (!needingALine.contains(command.id)) {
            EXPECT_EQ(command.needs, nullptr);
            continue;
        }
        ASSERT_EQ(command.needs, &RouteHasBeenRead);
        EXPECT_FALSE(command.needs->holds());
        EXPECT_STREQ(command.needs->notice, "No line has been read yet.");
    }
    TheLineSession().SetLine(Alignment{}); // a line read, no points traced on it yet
    EXPECT_TRUE(RouteHasBeenRead.holds());
    const CommandPrecondition* failed = FailedPrecondition(&RoutePointsTraced);
    ASSERT_NE(failed, nullptr);
    EXPECT_STREQ(failed->notice, "No points have been traced on the line yet.");
    EXPECT_STREQ(FailedPrecondition(&RoutePointsTracedOrSetOut)->notice,
                 "No points have been traced or set out on the line yet.");
    TheLineSession().KeepSetOut({}); // a run set out, none traced
    EXPECT_EQ(FailedPrecondition(&RoutePointsTracedOrSetOut), nullptr);
    EXPECT_NE(FailedPrecondition(&RoutePointsTraced), nullptr);
    TheLineSession().Clear();
}

#ifdef _WIN32
void CollectMenuCommands(HMENU menu, std::map<int, int>& onMenu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (HMENU popup = GetSubMenu(menu, i))
            CollectMenuCommands(popup, onMenu);
        else if (const UINT id = GetMenuItemID(menu, i); id != 0) // 0: a separator
            ++onMenu[static_cast<int>(id)];
    }
}

TEST(MenuCommands, EveryMenuItemAndKeyIsACommandAndEveryCommandIsReached) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::map<int, int> onMenu;
    for (int bar : {IDM_MAIN_MENU, IDM_PICTURE_MENU}) {
        HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(bar));
        ASSERT_NE(menu, nullptr) << bar;
        CollectMenuCommands(menu, onMenu);
        DestroyMenu(menu);
    }
    std::set<int> reached;
    for (const auto& [id, count] : onMenu) {
        EXPECT_NE(FindMenuCommand(id), nullptr) << "menu item " << id << " runs nothing";
        EXPECT_EQ(count, 1) << "menu item " << id;
        reached.insert(id);
    }
    for (int table : {IDA_MAIN_ACCELERATORS, IDA_EDIT_ACCELERATORS}) {
        HACCEL keys = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(table));
        ASSERT_NE(keys, nullptr) << table;
        std::vector<ACCEL> entries(CopyAcceleratorTableA(keys, nullptr, 0));
        CopyAcceleratorTableA(keys, entries.data(), static_cast<int>(entries.size()));
        for (const ACCEL& key : entries) {
            EXPECT_NE(FindMenuCommand(key.cmd), nullptr) << "key of command " << key.cmd << " runs nothing";
            reached.insert(key.cmd);
        }
    }
    for (const MenuCommand& command : MenuCommands())
        EXPECT_TRUE(reached.contains(command.id)) << "command " << command.id << " on no menu and no key";
}
#endif

} // namespace
