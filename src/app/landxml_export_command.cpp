#include "app/landxml_export_command.h"

#include <string>

#include "files/win32/file_dialogs.h"
#include "landxml/win32/landxml_file_writer.h"
#include "route/landxml_export_line.h"
#include "route/line_session.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

void ExportLandXmlCommand(HWND owner) {
    const LineSession& session = TheLineSession();
    if (session.Line() == nullptr) return;
    std::string path;
    if (!ChooseFileToWrite(owner, "Export LandXML", "LandXML (*.xml)\0*.xml\0All files\0*.*\0", "xml", path)) return;
    std::string failure;
    bool written = false;
    {
        WaitCursor wait;
        written = WriteLandXmlFile(
            path.c_str(), LandXmlDocument(ExportedLine(*session.Line(), session.Profile()), ExportStampNow()), failure);
    }
    if (!written)
        ShowMessage((path + " was not written: " + failure + ".").c_str(), "Export LandXML", MB_OK | MB_ICONEXCLAMATION);
}
