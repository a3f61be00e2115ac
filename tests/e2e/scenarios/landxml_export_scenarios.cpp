// Quarel > Line > Export LandXML through the real menu and Save dialog: refused
// before any line is read; an element table with spirals, an equation and cant, and
// its profile, written and valid against the schema, imported back, read and
// written again to the same bytes; an IP table's line written and valid.
#include <windows.h>

#include <string>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/xml_validation.h"
#include "resource_ids.h"

namespace {

const char* const Design =
    "ELEMENTS Example line\r\n"
    "STRAIGHT   12000.000000   7412503.125000   5581240.000000   57.2500000000   180.000000\r\n"
    "SPIRAL   12180.000000   7412654.512022   5581337.375405   57.2500000000   110.000000   0.000000   -850.000000\r\n"
    "ARC   12290.000000   7412745.704482   5581398.852496   53.5426260315   240.000000   -850.000000\r\n"
    "SPIRAL   12530.000000   7412916.181313   5581566.649976   37.3649941690   70.000000   -850.000000   -1400.000000\r\n"
    "ARC   12600.000000   7412956.638583   5581623.758769   33.5733617012   160.000000   -1400.000000\r\n"
    "SPIRAL   12760.000000   7413037.317433   5581761.827851   27.0252726140   90.000000   -1400.000000   0.000000\r\n"
    "STRAIGHT   13000.000000   7413076.482899   5581842.854529   25.1836225582   220.000000\r\n"
    "CANT   12180.000000   0.0000\r\n"
    "CANT   12290.000000   70.0000\r\n"
    "CANT   12760.000000   70.0000\r\n"
    "CANT   12850.000000   0.0000\r\n"
    "END   13220.000000   7413170.097439   5582041.943247\r\n"
    "PSTART   12000.000   100.000\r\n"
    "PVI   VP1   12500.000   102.000   20000\r\n"
    "PEND   13220.000   101.000\r\n";

const char* const IpTable = "\r\nSTART 100.000 5000.000 2000.000\r\nIP VU1 5600.000 2800.000 800 100 90\r\n"
                            "IP VU2 5650.000 3900.000 600 0\r\nEND 6250.000 4800.000\r\n";

// Selects characters [start, end) of the text, runs the Line command and waits for
// its report to be appended; the report must not say the table was not read.
void ReadTables(const Program& program, int commandId, std::size_t start, std::size_t end) {
    const std::string before = EditorText(program);
    SelectInEditor(program, static_cast<int>(start), static_cast<int>(end));
    program.Command(commandId);
    std::string after;
    WaitFor([&] { return (after = EditorText(program)).size() > before.size(); }, "the report of the tables read");
    Check(after.find("not read", before.size()) == std::string::npos, "the tables read: " + after.substr(before.size()));
}

// Exports through the Save dialog into `name` and validates the file.
std::string Export(ScenarioContext& context, const Program& program, const std::string& name) {
    program.Command(CMD_LINE_EXPORT_LANDXML);
    ChooseFileInDialog(program, "Export LandXML", name);
    std::string bytes;
    WaitFor([&] { return TryReadFileBytes(context.PathOf(name + ".xml"), bytes) && !bytes.empty(); },
            name + ".xml written");
    Check(NoDialogOpen(program), "no box after the export of " + name);
    CheckValidLandXml(context.Settings(), context.PathOf(name + ".xml"));
    return bytes;
}

void ExportsImportsAndExportsTheSame(ScenarioContext& context) {
    // The same time stamp in both files (the reproducible-output convention).
    SetEnvironmentVariableA("SOURCE_DATE_EPOCH", "1717164309");
    Program& program = context.Start();
    SetEnvironmentVariableA("SOURCE_DATE_EPOCH", nullptr);
    program.Command(CMD_LINE_EXPORT_LANDXML);
    PressAndWaitClosed(WaitForMessageBoxSaying(program, "No line has been read yet.").window, IDOK);

    PasteIntoEditor(program, Design);
    const std::size_t designEnd = std::string(Design).size();
    ReadTables(program, CMD_LINE_ELEMENTS, 0, designEnd);
    ReadTables(program, CMD_LINE_PROFILE, 0, designEnd);
    const std::string first = Export(context, program, "first");
    Check(first.find("date=\"2024-05-31\" time=\"14:05:09\"") != std::string::npos, "the stamp of SOURCE_DATE_EPOCH");

    // Imported back, the tables appended are read as the line and the profile.
    const std::size_t importStart = EditorText(program).size();
    program.Command(CMD_LINE_IMPORT_LANDXML);
    ChooseFileInDialog(program, "Import LandXML", "first.xml");
    std::string text;
    WaitFor([&] { return (text = EditorText(program)).find("Import of LandXML first.xml", importStart) != std::string::npos; },
            "the import of first.xml");
    Check(text.find("! ", importStart) == std::string::npos, "nothing noted by the import: " + text.substr(importStart));
    ReadTables(program, CMD_LINE_ELEMENTS, importStart, text.size());
    ReadTables(program, CMD_LINE_PROFILE, importStart, text.size());
    const std::string second = Export(context, program, "second");
    Check(second == first, "the second export the same bytes as the first: " + Visible(second, 2000));

    // An IP table's line, with the main points it computes.
    const std::size_t ipStart = EditorText(program).size();
    SelectInEditor(program, static_cast<int>(ipStart), static_cast<int>(ipStart));
    PasteIntoEditor(program, IpTable);
    ReadTables(program, CMD_LINE_ELEMENTS, ipStart, EditorText(program).size());
    const std::string ip = Export(context, program, "ip");
    Check(ip.find("<Spiral") != std::string::npos && ip.find("START-VU1-VU2-END") != std::string::npos,
          "the IP table's line written with its spirals: " + Visible(ip, 600));
}

}  // namespace

std::vector<Scenario> LandXmlExportScenarios() {
    return {
        {"Line > Export LandXML: refused before a line is read; an element table with an equation, cant and a "
         "profile written valid, imported back and written again to the same bytes; an IP table's line written valid",
         ExportsImportsAndExportsTheSame},
    };
}
