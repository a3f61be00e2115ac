// Every command of the program's menus and keys, in one table: its id, the kind of
// command it is, what it runs (the calculator of a dialog, the point batch of a
// trace of selected points) and what must hold before it may run. The main window
// runs a command by looking it up here once; the tests take the calculators from it.
#pragma once

#include <span>
#include <vector>

#include "calculator/calculator.h"
#include "trace/point_batch_trace.h"

// Each File, Edit and picture command is a kind of its own, so that the main window
// runs any command by its table entry alone.
enum class CommandKind {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    FilePrint,
    FileExit,
    EditUndo, // the Edit commands work on the text field
    EditSelectAll,
    EditCut,
    EditCopy,
    EditPaste,
    EditFind,
    EditFindNext,
    EditFindPrevious, // Shift+F3 only
    EditReplace,
    EditGoTo,
    CalculationDialog, // opens its calculator's dialog
    PointBatch,        // traces every point line selected on the element stored for a trace
    RouteElements,     // reads the selected IP table: the elements of the line
    RouteTrace,        // traces the selected points on the line read last
    RoutePicture,      // opens the plan of the line or the offsets along it
    RouteProfile,      // reads the selected profile: its grades and vertical curves
    RouteExportPoints, // writes the last traced or set-out points to a CSV file
    PicturePrint,      // in a picture's window: prints it on one page
    PictureFit,        // in a picture's window: shows the whole picture again
    LineImport,        // appends the alignments of a LandXML file as tables
    LineExport,        // writes the line read and its profile as a LandXML file
    HelpExample,       // Help > Example field book: a new document holding the example
    Options,           // Settings > Options
    EditorFont,        // Settings > Font: the field book's font on screen
    About,             // Help > About
};

// What must hold before a command runs, and the notice shown instead when it does not.
// A precondition may rest on another, checked first with its own notice.
struct CommandPrecondition {
    bool (*holds)();
    const char* notice;
    const CommandPrecondition* after = nullptr;
};

// The precondition of a command that fails first (its notice to show), or null when
// all hold.
const CommandPrecondition* FailedPrecondition(const CommandPrecondition* needs);

// A line has been read (Quarel > Line > Elements of the selected line): "No line
// has been read yet." otherwise.
extern const CommandPrecondition RouteHasBeenRead;
// Points have been traced on the line read (Quarel > Line > Trace selected points),
// after a line has been read: "No points have been traced on the line yet."
extern const CommandPrecondition RoutePointsTraced;
// Points have been traced or set out on the line read, after a line has been read:
// "No points have been traced or set out on the line yet."
extern const CommandPrecondition RoutePointsTracedOrSetOut;

struct MenuCommand {
    int id; // menu command id, as in resource_ids.h
    CommandKind kind;
    const Calculator* calculator = nullptr;     // a calculation dialog's
    const PointBatchTrace* batch = nullptr;     // a trace of selected points'
    const CommandPrecondition* needs = nullptr; // none for most commands
};

// Every command, in menu order.
std::span<const MenuCommand> MenuCommands();
// The command of an id, or null for an id that is no command.
const MenuCommand* FindMenuCommand(int id);

// The calculation dialogs' commands, in menu order: every calculator of the program.
std::vector<const MenuCommand*> CalculatorCommands();
// The calculator of a dialog template id, or null.
const Calculator* CalculatorForTemplate(int templateId);
