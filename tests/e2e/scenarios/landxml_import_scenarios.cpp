// Quarel > Line > Import LandXML through the real menu and Open dialog: a file in
// ISO-8859-1 of two alignments under a namespace prefix (one with an equation, cant and a profile,
// one without geometry) appended as an element table and a profile, with the
// summary naming the file's lines of what was left out; a file with a DTD and an
// entity refused with a box, nothing appended; a file cut short refused the same way.
#include <string>

#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "resource_ids.h"

namespace {

const char* const Design =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
    "<lx:LandXML xmlns:lx=\"http://www.landxml.org/schema/LandXML-1.1\" version=\"1.1\">\r\n"
    "  <lx:Units><lx:Metric linearUnit=\"meter\" areaUnit=\"squareMeter\" volumeUnit=\"cubicMeter\"/></lx:Units>\r\n"
    "  <lx:Alignments>\r\n"
    "    <lx:Alignment name=\"Track 1\" staStart=\"0.000\" length=\"414.159\">\r\n"
    "      <lx:StaEquation staInternal=\"100.000\" staAhead=\"1100.000\"/>\r\n"
    "      <lx:StaEquation staInternal=\"900.000\" staAhead=\"2000.000\" staBack=\"1900.000\"/>\r\n"
    "      <lx:CoordGeom>\r\n"
    "        <lx:Line dir=\"0\" length=\"100.000\">\r\n"
    "          <lx:Start>5000.000 1000.000 0</lx:Start><lx:End>5000.000 1100.000 0</lx:End>\r\n"
    "          <lx:Feature><lx:Property label=\"style\" value=\"track\"/></lx:Feature>\r\n"
    "        </lx:Line>\r\n"
    "        <lx:Curve rot=\"ccw\" radius=\"200.000\" length=\"314.159\">\r\n"
    "          <lx:Start>5000.000 1100.000</lx:Start>\r\n"
    "          <lx:Center>5200.000 1100.000</lx:Center>\r\n"
    "          <lx:End>5200.000 1300.000</lx:End>\r\n"
    "        </lx:Curve>\r\n"
    "      </lx:CoordGeom>\r\n"
    "      <lx:Profile><lx:ProfAlign name=\"Track 1 design\">\r\n"
    "        <lx:PVI>0 10</lx:PVI><lx:ParaCurve length=\"20\">50 10.5</lx:ParaCurve><lx:PVI>414.159 10.5</lx:PVI>\r\n"
    "      </lx:ProfAlign></lx:Profile>\r\n"
    "      <lx:Cant name=\"c\" gauge=\"1.435\">\r\n"
    "        <lx:CantStation station=\"100\" appliedCant=\"0\" curvature=\"ccw\"/>\r\n"
    "        <lx:CantStation station=\"200\" appliedCant=\"80\" curvature=\"ccw\"/>\r\n"
    "      </lx:Cant>\r\n"
    "    </lx:Alignment>\r\n"
    "    <lx:Alignment name=\"Track 2\" staStart=\"0\" length=\"10\">\r\n"
    "      <lx:Profile><lx:ProfAlign name=\"p\"><lx:PVI>0 1</lx:PVI><lx:PVI>10 1</lx:PVI></lx:ProfAlign></lx:Profile>\r\n"
    "    </lx:Alignment>\r\n"
    "  </lx:Alignments>\r\n"
    "</lx:LandXML>\r\n";

const char* const Imported = "\r\n"
                             "From design.xml: alignment \"Track 1\", units metre, cant in mm\r\n"
                             "ELEMENTS Track 1\r\n"
                             "STRAIGHT   0.000   1000.000   5000.000   90.0000000000   100.000\r\n"
                             "ARC   1100.000   1100.000   5000.000   90.0000000000   314.159   -200.000\r\n"
                             "CANT   1100.000   0.0000\r\n"
                             "CANT   1200.000   80.0000\r\n"
                             "END   1414.159   1300.000   5200.000\r\n"
                             "\r\n"
                             "From design.xml: profile \"Track 1 design\" of alignment \"Track 1\", units metre\r\n"
                             "PSTART   0.000   10.000\r\n"
                             "PVI   VP1   50.000   10.500   2000.000\r\n"
                             "PEND   1414.159   10.500\r\n"
                             "\r\n"
                             "Import of LandXML design.xml: 1 alignment read, 2 elements, 1 station equation\r\n"
                             "! Left out: the StaEquation on line 7 of \"Track 1\": internal station 900.000 lies "
                             "outside the alignment\r\n"
                             "! Left out: the alignment \"Track 2\" on line 27: it has no CoordGeom\r\n";

const char* const FieldBook = "Field book of 9 December\r\n";

void ImportsTwoAlignments(ScenarioContext& context) {
    WriteFileBytes(context.PathOf("design.xml"), Design);
    Program& program = context.Start();
    PasteIntoEditor(program, FieldBook);
    program.Command(CMD_LINE_IMPORT_LANDXML);
    ChooseFileInDialog(program, "Import LandXML", "design.xml");
    WaitForEditorText(program, std::string(FieldBook) + Imported, "the imported tables and the summary");
    Check(NoDialogOpen(program), "no box after the import");
}

// A file the import refuses: the box names its line and why (its message begins
// with `reason` and holds `part`), nothing is appended.
void CheckRefused(Program& program, const std::string& name, const std::string& reason, const std::string& part = "") {
    program.Command(CMD_LINE_IMPORT_LANDXML);
    ChooseFileInDialog(program, "Import LandXML", name);
    const MessageBoxSeen box = WaitForMessageBox(program, "Import LandXML");
    const std::string end = "\n\nNothing was imported.";
    Check(box.text.rfind(reason, 0) == 0 && box.text.find(part) != std::string::npos && box.text.size() > end.size() &&
              box.text.substr(box.text.size() - end.size()) == end,
          "the refusal of " + name + ": \"" + box.text + "\"");
    PressAndWaitClosed(box.window, IDOK);
    CheckText(EditorText(program), FieldBook, "the field book after " + name + " was refused");
}

void RefusesADtdAndABrokenFile(ScenarioContext& context) {
    // The entity would name the alignment and the outside entity read a file of the
    // machine: neither is ever expanded, as the DTD is not read at all.
    WriteFileBytes(context.PathOf("entity.xml"),
                   "<?xml version=\"1.0\"?>\r\n"
                   "<!DOCTYPE LandXML [ <!ENTITY name \"Track\"> <!ENTITY secret SYSTEM \"design.xml\"> ]>\r\n"
                   "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\"><Alignments>\r\n"
                   "<Alignment name=\"&name;\" staStart=\"0\"><CoordGeom><Line length=\"1\">\r\n"
                   "<Start>0 0</Start><End>0 1</End></Line></CoordGeom>&secret;</Alignment>\r\n"
                   "</Alignments></LandXML>\r\n");
    WriteFileBytes(context.PathOf("cut.xml"), std::string(Design).substr(0, 700));
    Program& program = context.Start();
    PasteIntoEditor(program, FieldBook);
    CheckRefused(program, "entity.xml",
                 "Line 2 of entity.xml: the file holds a DTD, which is never read (XmlLite error 0xC00CEE4F).");
    // Where and how XmlLite stops in a file cut short is its own (under Wine, now an
    // error of syntax at the cut, now the end of input).
    CheckRefused(program, "cut.xml", "Line ", " of cut.xml: the file ");
}

}  // namespace

std::vector<Scenario> LandXmlImportScenarios() {
    return {
        {"Line > Import LandXML: a file of two alignments under a namespace prefix appends the element table with "
         "its cant, the profile and the summary of what was left out",
         ImportsTwoAlignments},
        {"Line > Import LandXML: a file with a DTD and entities, and a file cut short, are refused with a box naming "
         "the line; nothing is appended",
         RefusesADtdAndABrokenFile},
    };
}
