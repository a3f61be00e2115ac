// A save over an existing field book: at every moment the book's name holds the whole
// old file or the whole new one, whenever the program dies; and temporary files left
// by a death, which may hold the only copy of a text, are never removed by a later save.
#include "driver/check.h"
#include "driver/disk_files.h"
#include "driver/document_steps.h"
#include "driver/editor_text.h"
#include "driver/program.h"
#include "driver/scenario.h"
#include "driver/waiting.h"
#include "driver/window_search.h"
#include "resource_ids.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

constexpr DWORD kBookWaitMs = 60000;

std::string Book(size_t size, const char* tag) {
    std::string book;
    for (int n = 0; book.size() < size; ++n)
        book += std::string(tag) + " PKpz1=" + std::to_string(1000 + n % 9000) + ".0000   Dpz1=-" +
                std::to_string(n % 97) + ".1234\r\n";
    return book;
}

// The host path of a folder Wine shows on its Z: drive ("Z:\tmp\x" is "/tmp/x").
std::string HostPath(const std::string& windowsPath) {
    Check(windowsPath.size() > 2 && (windowsPath[0] == 'Z' || windowsPath[0] == 'z') && windowsPath[1] == ':',
          "not a path on the Z: drive: " + windowsPath);
    std::string host = windowsPath.substr(2);
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

// One traced call of the Wine server on a file name: "rename" (from, to) or "unlink".
struct FileOperation {
    std::string call, from, to;
};

// The quoted paths of a traced call's line, in order, each as the host names it: the
// server may reach a file through the prefix's link for the Z: drive.
std::vector<std::string> QuotedPaths(const std::string& line) {
    const std::string zDrive = "/dosdevices/z:";
    std::vector<std::string> paths;
    for (size_t open = line.find('"'); open != std::string::npos; open = line.find('"', open)) {
        const size_t close = line.find('"', open + 1);
        if (close == std::string::npos) break;
        std::string path = line.substr(open + 1, close - open - 1);
        if (const size_t z = path.find(zDrive); z != std::string::npos) path.erase(0, z + zDrive.size());
        paths.push_back(path);
        open = close + 1;
    }
    return paths;
}

// The file operations of the trace that touch `path`.
std::vector<FileOperation> OperationsOn(const std::string& trace, const std::string& path) {
    std::vector<FileOperation> found;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        const std::vector<std::string> paths = QuotedPaths(line);
        if (std::find(paths.begin(), paths.end(), path) == paths.end()) continue;
        if (line.find("rename") != std::string::npos && paths.size() == 2)
            found.push_back({"rename", paths[0], paths[1]});
        else if (line.find("unlink") != std::string::npos)
            found.push_back({"unlink", paths[0], ""});
    }
    return found;
}

std::string Describe(const std::vector<FileOperation>& operations) {
    std::string text;
    for (const FileOperation& op : operations)
        text += " " + op.call + "(" + op.from + (op.to.empty() ? "" : " -> " + op.to) + ")";
    return text;
}

// Watched from the Wine server, which carries out every rename and delete of the
// program: the book's name is never renamed away or removed, and the new text arrives
// by one rename onto it.
void SaveNeverUncoversTheBook(ScenarioContext& context) {
    const std::string& traceLog = context.Settings().fileOperationsLog;
    if (traceLog.empty()) throw ScenarioSkipped(context.Settings().fileOperationsSkipReason);
    const std::string path = context.PathOf("book.txt");
    const std::string book = HostPath(path);
    const std::string old = Book(200000, "old"), fresh = Book(210000, "new");
    WriteFileBytes(path, old);
    Program& program = context.Start();
    OpenThroughDialog(program, "book.txt", kBookWaitMs);
    ReplaceEditorText(program, fresh);
    program.Command(CMD_FILE_SAVE);
    WaitForFileBytes(path, fresh);
    std::vector<FileOperation> operations;
    const bool traced = WaitUntil([&] {
        std::string trace;
        operations =
            TryReadFileBytes(traceLog, trace) ? OperationsOn(trace, book) : std::vector<FileOperation>{};
        return !operations.empty();
    });
    Check(traced, "the server's trace shows no operation on " + book);
    for (const FileOperation& op : operations) {
        Check(op.call == "rename" && op.to == book,
              "the book's name was renamed away or removed during the save:" + Describe(operations));
        Check(op.from.rfind(HostPath(context.Folder()) + "/", 0) == 0,
              "the new file came from outside the book's folder:" + Describe(operations));
    }
    Check(operations.size() == 1, "one rename puts the new text in place, seen:" + Describe(operations));
}

bool IsTemporaryName(const std::string& name) {
    return name.size() > 4 && name.front() == '~' && name.substr(name.size() - 4) == ".tmp";
}

// The program is ended at moments spread over a save of a 2 MB book; after each death
// the file at the book's name is byte for byte the old book or the new one. A last
// save then leaves every temporary file those deaths left behind.
void DeathDuringSaveLeavesAWholeBook(ScenarioContext& context) {
    const std::string path = context.PathOf("book.txt");
    const std::string old = Book(2 << 20, "old"), added = Book(4000, "new"), fresh = old + added;
    const auto startOnBook = [&]() -> Program& {
        WriteFileBytes(path, old);
        Program& program = context.Start();
        OpenThroughDialog(program, "book.txt", kBookWaitMs);
        // The caret is at the end after a load: the report-like lines go there.
        SendOrFail(program.Editor(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()),
                   "an append", kWaitLimitMs);
        return program;
    };
    // How long a whole save takes here, so the deaths fall across it.
    DWORD saveMs = 0;
    {
        Program& program = startOnBook();
        const ULONGLONG start = GetTickCount64();
        program.Command(CMD_FILE_SAVE);
        WaitForFileBytes(path, fresh);
        saveMs = static_cast<DWORD>(GetTickCount64() - start);
        program.Kill();
    }
    constexpr int kMoments = 12;
    int oldSeen = 0, newSeen = 0;
    for (int moment = 0; moment < kMoments; ++moment) {
        const DWORD delay = saveMs * moment / (kMoments - 2);
        Program& program = startOnBook();
        program.Command(CMD_FILE_SAVE);
        if (delay > 0) Sleep(delay);
        program.Kill();
        std::string bytes;
        Check(TryReadFileBytes(path, bytes),
              "no file at the book's name after a death " + std::to_string(delay) + " ms into the save");
        Check(bytes == old || bytes == fresh,
              "after a death " + std::to_string(delay) +
                  " ms into the save the book is neither the old nor the new one (" +
                  std::to_string(bytes.size()) + " bytes)");
        ++(bytes == old ? oldSeen : newSeen);
    }
    std::vector<std::string> left = FolderEntries(context.Folder());
    left.erase(
        std::remove_if(left.begin(), left.end(), [](const std::string& n) { return !IsTemporaryName(n); }),
        left.end());
    std::printf(
        "      %d deaths over a %lu ms save: %d left the old book, %d the new one, %zu temporary files\n",
        kMoments, static_cast<unsigned long>(saveMs), oldSeen, newSeen, left.size());
    Program& program = startOnBook();
    program.Command(CMD_FILE_SAVE);
    if (!WaitUntil([&] {
            std::string bytes;
            return FileHasSize(path, fresh.size()) && TryReadFileBytes(path, bytes) && bytes == fresh;
        })) {
        std::string seen = "the last save did not write the new book; text field " +
                           std::to_string(EditorText(program).size()) + " characters, open windows:";
        for (HWND window : OpenDialogs(program.ProcessId()))
            seen += " \"" + WindowText(window) + "\"";
        Fail(seen);
    }
    for (const std::string& name : left)
        Check(GetFileAttributesA(context.PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES,
              "a later save removed " + name + ", left by a death");
}

} // namespace

std::vector<Scenario> SaveSafetyScenarios() {
    return {
        {"save safety: the book's name is never renamed away or removed; one rename puts the new text in "
         "place "
         "(the Wine server's file operations watched)",
         SaveNeverUncoversTheBook},
        {"save safety: ended at 12 moments of a 2 MB save, the book is each time the old or the new one "
         "whole; "
         "a later save keeps the temporary files deaths left",
         DeathDuringSaveLeavesAWholeBook},
    };
}
