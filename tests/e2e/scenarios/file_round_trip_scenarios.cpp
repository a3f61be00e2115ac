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

// Opens `bytes` as a file, checks the text shown, saves it with File > Save and checks
// the bytes written.
void OpenCheckSave(ScenarioContext& context, const std::string& bytes, const std::string& shown,
                   const std::string& saved, DWORD limitMs = kWaitLimitMs) {
    const std::string path = context.PathOf("field.txt");
    WriteFileBytes(path, bytes);
    Program& program = context.Start();
    OpenThroughDialog(program, "field.txt", limitMs);
    WaitForEditorText(program, shown, "text shown after Open");
    CheckTitle(program, TitleWithFile(path), "after Open");
    program.Command(CMD_FILE_SAVE);
    WaitForFileBytes(path, saved);
    Check(NoDialogOpen(program), "Save of an opened file asks nothing");
    CheckTitle(program, TitleWithFile(path), "after Save");
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
}

void LineFeedOnlyFile(ScenarioContext& context) {
    OpenCheckSave(context, "a\n\nb", "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n");
}

void CrLfFileRoundTrips(ScenarioContext& context) {
    const std::string book = "Calculation on linear trace\r\n\r\nPK0=0   Y0=0   X0=0\r\nPKn=100   Yn=0   Xn=100\r\n";
    OpenCheckSave(context, book, book, book);
}

void EmptyFile(ScenarioContext& context) {
    WriteFileBytes(context.PathOf("empty.txt"), "");
    Program& program = context.Start();
    OpenThroughDialog(program, "empty.txt");
    CheckText(EditorText(program), "", "text of an empty file");
    NewWithoutQuestion(program);
}

void CtrlZEndsFile(ScenarioContext& context) {
    OpenCheckSave(context, "abc\r\ndef\x1Aghi\r\n", "abc\r\ndef\r\n", "abc\r\ndef\r\n");
}

// The text field cannot hold a NUL byte: it is shown as a blank, and nothing after it
// is lost.
void NulBytesLoseNothingAfter(ScenarioContext& context) {
    OpenCheckSave(context, std::string("ab\0cd\r\nef\r\n", 11), "ab cd\r\nef\r\n", "ab cd\r\nef\r\n");
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
    OpenCheckSave(context, book, book, book, kBigFileWaitMs);
}

void OneMegabyteLine(ScenarioContext& context) {
    std::string line(1024 * 1024, 'x');
    for (size_t at = 0; at < line.size(); at += 10) line[at] = static_cast<char>('0' + at / 10 % 10);
    OpenCheckSave(context, line + "\r\n", line + "\r\n", line + "\r\n", kBigFileWaitMs);
}

}  // namespace

std::vector<Scenario> FileRoundTripScenarios() {
    return {
        {"files: \"notes\" is saved as notes.txt, the title names it, Save As replaces a file whole",
         NotesGetsDefaultExtension},
        {"files: LF-only \"a\\n\\nb\" loads as a CR LF CR LF b CR LF and saves as those 8 bytes", LineFeedOnlyFile},
        {"files: a CR LF file with a final line end round-trips unchanged", CrLfFileRoundTrips},
        {"files: an empty file loads empty and leaves the document unchanged", EmptyFile},
        {"files: a Ctrl+Z byte ends the file", CtrlZEndsFile},
        {"files: a NUL byte is shown as a blank and nothing after it is lost", NulBytesLoseNothingAfter},
        {"files: a 5 MB field book loads whole and saves back byte-exact (mended)", FiveMegabyteFile},
        {"files: a single 1 MB line loads whole and saves back byte-exact (mended)", OneMegabyteLine},
    };
}
