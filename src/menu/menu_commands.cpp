#include "menu/menu_commands.h"

#include "rail/rail_level_calculators.h"
#include "resource_ids.h"
#include "route/line_session.h"
#include "menu/route_set_out_calculator.h"
#include "set_out/set_out_calculators.h"
#include "trace/trace_calculators.h"

const CommandPrecondition RouteHasBeenRead = {[] { return TheLineSession().Line() != nullptr; },
                                              "No line has been read yet."};
const CommandPrecondition RoutePointsTraced = {[] { return TheLineSession().Traced(); },
                                               "No points have been traced on the line yet.", &RouteHasBeenRead};
const CommandPrecondition RoutePointsTracedOrSetOut = {
    [] { return TheLineSession().Last() != LastResults::None; },
    "No points have been traced or set out on the line yet.", &RouteHasBeenRead};

namespace {
using K = CommandKind;

constexpr MenuCommand Commands[] = {
    {CMD_FILE_NEW, K::FileNew},
    {CMD_FILE_OPEN, K::FileOpen},
    {CMD_FILE_SAVE, K::FileSave},
    {CMD_FILE_SAVE_AS, K::FileSaveAs},
    {CMD_FILE_PRINT, K::FilePrint},
    {CMD_FILE_EXIT, K::FileExit},
    {CMD_EDIT_UNDO, K::EditUndo},
    {CMD_EDIT_SELECT_ALL, K::EditSelectAll},
    {CMD_EDIT_CUT, K::EditCut},
    {CMD_EDIT_COPY, K::EditCopy},
    {CMD_EDIT_PASTE, K::EditPaste},
    {CMD_EDIT_FIND, K::EditFind},
    {CMD_EDIT_FIND_NEXT, K::EditFindNext},
    {CMD_EDIT_FIND_PREVIOUS, K::EditFindPrevious},
    {CMD_EDIT_REPLACE, K::EditReplace},
    {CMD_EDIT_GO_TO, K::EditGoTo},
    {CMD_TRACE_STRAIGHT, K::CalculationDialog, &StraightTraceCalculator},
    {CMD_TRACE_CIRCULAR, K::CalculationDialog, &CircularTraceCalculator},
    {CMD_TRACE_SPIRAL, K::CalculationDialog, &SpiralTraceCalculator},
    {CMD_RAIL_STRAIGHT, K::CalculationDialog, &StraightRailLevelCalculator},
    {CMD_RAIL_CIRCULAR, K::CalculationDialog, &CircularRailLevelCalculator},
    {CMD_RAIL_SPIRAL, K::CalculationDialog, &SpiralRailLevelCalculator},
    {CMD_SET_OUT_STRAIGHT, K::CalculationDialog, &StraightSetOutCalculator},
    {CMD_SET_OUT_CIRCULAR, K::CalculationDialog, &CircularSetOutCalculator},
    {CMD_SET_OUT_SPIRAL, K::CalculationDialog, &SpiralSetOutCalculator},
    {CMD_TRACE_POINTS_STRAIGHT, K::PointBatch, nullptr, &StraightPointBatch},
    {CMD_TRACE_POINTS_CIRCULAR, K::PointBatch, nullptr, &CircularPointBatch},
    {CMD_TRACE_POINTS_SPIRAL, K::PointBatch, nullptr, &SpiralPointBatch},
    {CMD_LINE_ELEMENTS, K::RouteElements},
    {CMD_LINE_TRACE_POINTS, K::RouteTrace, nullptr, nullptr, &RouteHasBeenRead},
    {CMD_LINE_SET_OUT, K::CalculationDialog, &RouteSetOutCalculator, nullptr, &RouteHasBeenRead},
    {CMD_LINE_PROFILE, K::RouteProfile},
    {CMD_LINE_PLAN, K::RoutePicture, nullptr, nullptr, &RouteHasBeenRead},
    {CMD_LINE_OFFSETS, K::RoutePicture, nullptr, nullptr, &RoutePointsTraced},
    {CMD_LINE_EXPORT_POINTS, K::RouteExportPoints, nullptr, nullptr, &RoutePointsTracedOrSetOut},
    {CMD_PICTURE_PRINT, K::PicturePrint},
    {CMD_PICTURE_FIT, K::PictureFit},
    {CMD_LINE_IMPORT_LANDXML, K::LineImport},
    {CMD_LINE_EXPORT_LANDXML, K::LineExport, nullptr, nullptr, &RouteHasBeenRead},
    {CMD_SETTINGS_OPTIONS, K::Options},
    {CMD_SETTINGS_FONT, K::EditorFont},
    {CMD_HELP_EXAMPLE, K::HelpExample},
    {CMD_HELP_ABOUT, K::About},
};
} // namespace

std::span<const MenuCommand> MenuCommands() {
    return Commands;
}

const MenuCommand* FindMenuCommand(int id) {
    for (const MenuCommand& c : Commands)
        if (c.id == id) return &c;
    return nullptr;
}

std::vector<const MenuCommand*> CalculatorCommands() {
    std::vector<const MenuCommand*> calculators;
    for (const MenuCommand& c : Commands)
        if (c.kind == CommandKind::CalculationDialog) calculators.push_back(&c);
    return calculators;
}

const Calculator* CalculatorForTemplate(int templateId) {
    for (const MenuCommand& c : Commands)
        if (c.calculator != nullptr && c.calculator->templateId == templateId) return c.calculator;
    return nullptr;
}

const CommandPrecondition* FailedPrecondition(const CommandPrecondition* needs) {
    if (needs == nullptr) return nullptr;
    if (const CommandPrecondition* first = FailedPrecondition(needs->after)) return first;
    return needs->holds() ? nullptr : needs;
}
