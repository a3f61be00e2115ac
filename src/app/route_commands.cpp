#include "app/route_commands.h"

#include "files/win32/file_dialogs.h"
#include "files/win32/text_file_io.h"
#include "route/line_session.h"
#include "route/points_export.h"
#include "route/route_elements.h"
#include "route/route_point_trace.h"
#include "route/route_profile.h"
#include "text/win32/selected_text.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

namespace {
// What a refused table leaves in use: the one read before, or none.
struct KeptWords {
    const char* stays; // "The line read before stays in use."
    const char* none;  // "No line is in use."
};

// The table in the selection read by `read` (ReadRouteElements, ReadRouteProfile),
// its report appended in one piece, and what it gives handed to `keep` when it was
// read without refusal; a refused one's report ends with what stays in use (inUse:
// whether the session holds one read before).
template <typename Reading, typename Kept>
void ReportSelectedTable(HWND edit, Reading (*read)(std::span<const TextLine>),
                         std::optional<Kept> Reading::*result, void (LineSession::*keep)(Kept), bool inUse,
                         KeptWords words) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the line to read.", selected)) return;
    WaitCursor wait;
    Reading reading = read(selected.lines);
    if (reading.*result)
        (TheLineSession().*keep)(std::move(*(reading.*result)));
    else
        (reading.report += inUse ? words.stays : words.none) += "\r\n";
    AppendToEditor(edit, reading.report.c_str());
}
} // namespace

void ReportRouteElements(HWND edit) {
    // The last trace and set-out were on the line before: the session forgets them.
    ReportSelectedTable(edit, ReadRouteElements, &RouteElements::line, &LineSession::SetLine,
                        TheLineSession().Line() != nullptr,
                        {"The line read before stays in use.", "No line is in use."});
}

void ReportRouteProfile(HWND edit) {
    ReportSelectedTable(edit, ReadRouteProfile, &RouteProfile::profile, &LineSession::SetProfile,
                        TheLineSession().Profile() != nullptr,
                        {"The profile read before stays in use.", "No profile is in use."});
}

void TracePointsOnStoredRoute(HWND edit) {
    SelectedText selected;
    if (!ReadSelectedText(edit, "Select the lines of the points to trace.", selected)) return;
    WaitCursor wait;
    LineSession& session = TheLineSession();
    RouteTrace trace = TracePointsOnRoute(*session.Line(), selected.lines, session.Profile());
    session.KeepTrace(std::move(trace.points), trace.tolerances);
    AppendToEditor(edit, trace.report.c_str());
}

void ExportPointsOnLine(HWND owner) {
    // The two types of file, in the order of CsvAxes.
    static constexpr char Types[] = "CSV name,Y,X,H (*.csv)\0*.csv\0CSV name,X,Y,H (*.csv)\0*.csv\0";
    // The type chosen last is offered again.
    static DWORD typeIndex = 1;
    std::string fileName;
    if (!ChooseSaveFileOfType(owner, Types, "csv", fileName, typeIndex)) return;
    const CsvAxes axes = typeIndex == 2 ? CsvAxes::XY : CsvAxes::YX;
    SaveFileBytes(owner, fileName.c_str(), PointsCsv(LastPointsOnLine(TheLineSession()), axes));
}
