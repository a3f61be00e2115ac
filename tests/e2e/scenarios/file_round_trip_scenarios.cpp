// Open, Save and Save As through the real common dialogs, checked byte for byte.
#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/file_dialogs.h"
#include "driver/modal_windows.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "resource_ids.h"

namespace {

// Loading megabytes into the text field takes Wine many seconds; the wait is only a
// limit, never a measure of speed (the benchmarks measure that).
constexpr DWORD kBigFileWaitMs = 120000;

// Opens the file `name`, checks the text shown, saves it with File > Save and checks
// the bytes written. The document must count as unchanged before (the Open asks
// nothing) and does again after the Save.
void OpenCheckSaveBack(ScenarioContext& context, const Program& program, const std::string& name,
                       const std::string& shown, const std::string& saved, DWORD limitMs = kWaitLimitMs) {
    const std::string path = context.PathOf(name);
    OpenThroughDialog(program, name, limitMs);
    WaitForEditorText(program, shown, name + ": text shown after Open");
    CheckTitle(program, TitleWithFile(path), "after Open");
    // The file on disk may already hold the bytes Save will write: put other bytes
    // there first, so the wait sees the save finish rather than the old file.
    WriteFileBytes(path, "not saved yet");
    program.Command(CMD_FILE_SAVE);
    WaitForFileBytes(path, saved);
    Check(NoDialogOpen(program), "Save of an opened file asks nothing");
    CheckTitle(program, TitleWithFile(path), "after Save");
}

// Writes `bytes` as the file `name`, then opens it and saves it back.
void OpenCheckSave(ScenarioContext& context, const Program& program, const std::string& name,
                   const std::string& bytes, const std::string& shown, const std::string& saved,
                   DWORD limitMs = kWaitLimitMs) {
    WriteFileBytes(context.PathOf(name), bytes);
    OpenCheckSaveBack(context, program, name, shown, saved, limitMs);
}

// Saves the text `book` the editor holds as book.txt through Save As, empties the
// editor with New, opens the file and saves it back: text and bytes the same each time.
void SaveAndOpenAgain(ScenarioContext& context, const Program& program, const std::string& book) {
    SaveAsThroughDialog(program, "book");
    WaitForFileBytes(context.PathOf("book.txt"), book);
    NewWithoutQuestion(program);
    OpenCheckSaveBack(context, program, "book.txt", book, book);
}

// The field book's whole way: written by the program, read again by it, written
// again, each time byte for byte.
void SavedAndOpenedAgain(ScenarioContext& context) {
    const std::string book = "Calculation on linear trace\r\n\r\nPK0=0   Y0=0   X0=0\r\n"
                             "PZ: Stra\xDF" "e 7   Ypz=1.5\r\n\r\nApk=45 00 00.00\r\n";
    Program& program = context.Start();
    ReplaceEditorText(program, book);
    SaveAndOpenAgain(context, program, book);
}

void NotesGetsDefaultExtension(ScenarioContext& context) {
    Program& program = context.Start();
    TypeIntoEditor(program, "PK0=0\rPKn=100\r");
    SaveAsThroughDialog(program, "notes");
    WaitForFileBytes(context.PathOf("notes.txt"), "PK0=0\r\nPKn=100\r\n");
    WaitForTitle(program, TitleWithFile(context.PathOf("notes.txt")), "after Save As");
    // Save As over an existing file asks in the dialog, then replaces the file whole.
    ReplaceEditorText(program, "short");
    program.Command(CMD_FILE_SAVE_AS);
    HWND dialog = TypeNameAndPressOk(program, "Save File", "notes.txt");
    PressAndWaitClosed(WaitForFileDialogPrompt(program, dialog), IDYES);
    WaitForFileBytes(context.PathOf("notes.txt"), "short");
    // A name with a letter of the ANSI code page.
    SaveAsThroughDialog(program, "caf\xE9");
    WaitForFileBytes(context.PathOf("caf\xE9.txt"), "short");
    WaitForTitle(program, TitleWithFile(context.PathOf("caf\xE9.txt")), "after Save As caf\xE9");
}

struct TextModeCase {
    const char* what;
    std::string file;   // bytes on disk
    std::string shown;  // the text field after Open, and the bytes Save writes
};

// Files are read as text mode reads them: CR LF is a line end, a lone LF becomes one,
// a lone CR stays, every line ends with CR LF, Ctrl+Z ends the file; the text field
// cannot hold NUL, which is shown as a blank.
void LineEndsAndOddBytes(ScenarioContext& context) {
    const TextModeCase cases[] = {
        {"LF only", "a\n\nb", "a\r\n\r\nb\r\n"},
        {"CR LF with a final line end", "Calculation on linear trace\r\n\r\nPK0=0   Y0=0   X0=0\r\n",
         "Calculation on linear trace\r\n\r\nPK0=0   Y0=0   X0=0\r\n"},
        {"no final line end", "x\r\ny", "x\r\ny\r\n"},
        {"mixed line ends", "a\r\nb\nc\rd", "a\r\nb\r\nc\rd\r\n"},
        {"CR only", "a\rb\r", "a\rb\r\r\n"},
        // A mark as the very last byte needs no word; bytes after a mark bring a warning
        // (end_of_file_mark_scenarios.cpp).
        {"a Ctrl+Z byte", "abc\r\ndef\x1A", "abc\r\ndef\r\n"},
        {"NUL bytes", std::string("ab\0cd\r\nef\0\r\n", 12), "ab cd\r\nef \r\n"},
        {"letters of the ANSI code page", "Stra\xDF" "e \xFC\xB0 caf\xE9\r\n", "Stra\xDF" "e \xFC\xB0 caf\xE9\r\n"},
    };
    Program& program = context.Start();
    int number = 0;
    for (const TextModeCase& c : cases)
        OpenCheckSave(context, program, "field book " + std::to_string(++number) + ".txt", c.file, c.shown, c.shown);
}

void EmptyFile(ScenarioContext& context) {
    WriteFileBytes(context.PathOf("empty.txt"), "");
    Program& program = context.Start();
    OpenThroughDialog(program, "empty.txt");
    CheckText(EditorText(program), "", "text of an empty file");
    NewWithoutQuestion(program);
}

std::string ReportShapedBook(size_t size) {
    std::string book;
    for (int n = 0; book.size() < size; ++n)
        book += "PKpz1=" + std::to_string(1000 + n % 9000) + ".0000   Dpz1=-" + std::to_string(n % 97) +
                ".1234   PKpz2=" + std::to_string(2000 + n % 7000) + ".5000   Dpz2=0.0001\r\n";
    return book;
}

void FiveMegabyteFile(ScenarioContext& context) {
    const std::string book = ReportShapedBook(5 * 1024 * 1024);
    OpenCheckSave(context, context.Start(), "field.txt", book, book, book, kBigFileWaitMs);
}

void OneMegabyteLine(ScenarioContext& context) {
    std::string line(1024 * 1024, 'x');
    for (size_t at = 0; at < line.size(); at += 10) line[at] = static_cast<char>('0' + at / 10 % 10);
    OpenCheckSave(context, context.Start(), "field.txt", line + "\r\n", line + "\r\n", line + "\r\n",
                  kBigFileWaitMs);
}

}  // namespace

std::vector<Scenario> FileRoundTripScenarios() {
    return {
        {"files: \"notes\" is saved as notes.txt, the title names it, Save As replaces a file whole, a name "
         "with an ANSI letter",
         NotesGetsDefaultExtension},
        {"files: LF, CR LF, CR and mixed line ends, Ctrl+Z, NUL bytes and ANSI letters load as text mode reads "
         "them; Save writes the text shown",
         LineEndsAndOddBytes},
        {"files: a field book saved and opened again comes back byte for byte", SavedAndOpenedAgain},
        {"files: an empty file loads empty and leaves the document unchanged", EmptyFile},
        {"files: a 5 MB field book loads whole and saves back byte-exact (mended)", FiveMegabyteFile},
        {"files: a single 1 MB line loads whole and saves back byte-exact (mended)", OneMegabyteLine},
    };
}
