#include "app/landxml_import_command.h"

#include <string>

#include "files/win32/file_dialogs.h"
#include "landxml/landxml_import.h"
#include "landxml/win32/landxml_file_reader.h"
#include "text/win32/wait_cursor.h"
#include "text/win32/window_text.h"

void ImportLandXmlCommand(HWND owner, HWND edit) {
    std::string path;
    if (!ChooseFileToRead(owner, "Import LandXML", "LandXML (*.xml)\0*.xml\0All files\0*.*\0", "xml", path)) return;
    LandXmlImport import;
    {
        WaitCursor wait;
        import = ImportLandXml(ReadLandXmlFile(path.c_str()));
    }
    if (!import.refusal.empty()) {
        ShowMessage((import.refusal + "\n\nNothing was imported.").c_str(), "Import LandXML", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    AppendToEditor(edit, import.text.c_str());
}
