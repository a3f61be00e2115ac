// The six calculators seen from outside: opened from their menu commands, fields
// typed, CALC pressed, fields read back; and the report text they are expected to
// append, written line by line.
#pragma once

#include <vector>
#include <string>

#include <windows.h>

class Program;

struct FieldEntry {
    int id;
    std::string text;
};

void TypeFields(HWND dialog, const std::vector<FieldEntry>& entries);
std::string FieldText(HWND dialog, int fieldId);
// Presses CALC (WM_COMMAND 1, as its button sends) and returns when it has run.
void PressCalc(HWND dialog);
// Presses Close and waits until the dialog has gone.
void CloseCalculator(HWND dialog);
// Lines of an expected report, each ended by CR LF. A report piece begins with a line
// break, so the first line of a piece is "".
std::string ReportLines(const std::vector<std::string>& lines);
// Selects characters [start, end) of the text, chooses the menu command and waits
// for the report `lines` after the text that was there; no dialog or message box
// may be open after it.
void RunOnSelection(const Program& program, int commandId, int start, int end,
                    const std::vector<std::string>& lines, const std::string& what);

// One CALC of a calculator: the fields typed, and what it must give.
struct CalculationCase {
    const char* what;
    std::vector<FieldEntry> fields;
    std::vector<std::string> report;               // the lines the CALC appends
    std::vector<FieldEntry> results;               // result fields after the CALC
};

// A field's text that CALC must refuse, and the message its box must show.
struct RefusedText {
    std::string typed;
    std::string message;
};
// "2,5", "abc" and "" in the field labelled `label`, with the messages they get.
std::vector<RefusedText> NotANumberRefusals(const std::string& label);
// Types each text into the field and presses CALC: a box captioned "Quarel Editor"
// must show its message; after OK the field has the focus with its whole text
// selected, and the editor text is still `textBefore`.
void CheckCalcRefuses(const Program& program, HWND dialog, int fieldId, const std::vector<RefusedText>& refused,
                      const std::string& textBefore);

// Opens the calculator from the menu and runs the cases one after the other in it;
// after each CALC the whole editor text must be the reports so far, and the result
// fields must show their values. `textBefore` is the editor text at the start.
HWND RunCalculationCases(const Program& program, int commandId, const std::string& caption,
                         const std::vector<CalculationCase>& cases, const std::string& textBefore = "");
