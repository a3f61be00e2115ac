// Reading and writing the field book's file on Windows: the whole file read, the safe
// write that never damages the old file, and the load and save of the editor's text
// with the messages the user sees.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "files/win32/file_bytes.h"
#include "files/win32/text_file_io.h"

using namespace std::string_literals;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder for each test, removed with everything in it afterwards.
class FileFolderTest : public testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        // Names left behind by an earlier run that was stopped are skipped.
        do {
            folder_ = std::string(temp) + "quarel_files_" + std::to_string(GetCurrentProcessId()) + "_" +
                      std::to_string(++counter_);
        } while (!CreateDirectoryA(folder_.c_str(), nullptr) && GetLastError() == ERROR_ALREADY_EXISTS);
        ASSERT_NE(GetFileAttributesA(folder_.c_str()), INVALID_FILE_ATTRIBUTES) << folder_;
    }
    void TearDown() override { RemoveTree(folder_); }

    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }

    std::set<std::string> Entries() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(PathOf("*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") names.insert(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    static void RemoveTree(const std::string& path) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string child = path + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child);
                } else {
                    SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path.c_str());
    }

    std::string folder_;
    static inline int counter_ = 0;
};

// Message boxes shown on this thread are answered with OK and remembered.
class MessageBoxWatch {
  public:
    struct Box {
        std::string caption;
        std::string text;
        HCURSOR cursor; // this thread's cursor when the box appeared
    };

    MessageBoxWatch() {
        boxes_.clear();
        hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    ~MessageBoxWatch() { UnhookWindowsHookEx(hook_); }
    MessageBoxWatch(const MessageBoxWatch&) = delete;
    MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

    const std::vector<Box>& Boxes() const { return boxes_; }

  private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        HWND box = reinterpret_cast<HWND>(wParam);
        char className[16] = "";
        if (code == HCBT_ACTIVATE && GetClassNameA(box, className, sizeof className) &&
            std::string(className) == "#32770") {
            char caption[512] = "";
            char text[512] = "";
            GetWindowTextA(box, caption, sizeof caption);
            GetWindowTextA(GetDlgItem(box, 0xFFFF), text, sizeof text);
            boxes_.push_back({caption, text, GetCursor()});
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_;
    static inline std::vector<Box> boxes_;
};

// A multi-line edit control with the main window's text field's styles (lines are
// not wrapped), in a window of its own, with the default text limit.
class Editor {
  public:
    Editor()
        : window_(CreateWindowExA(0, "EDIT", "",
                                  WS_OVERLAPPEDWINDOW | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                      ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                                  0, 0, 400, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~Editor() { DestroyWindow(window_); }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    HWND Get() const { return window_; }
    std::string Text() const {
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window_)) + 1, '\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextA(window_, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    void SetText(const std::string& text) { SetWindowTextA(window_, text.c_str()); }
    DWORD CaretEnd() const {
        DWORD start = 0, end = 0;
        SendMessageA(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return start == end ? end : ~0u;
    }

  private:
    HWND window_;
};

} // namespace

// ---- ReadFileBytes ----

TEST_F(FileFolderTest, ReadFileBytesReadsEveryByteOfAFileLargerThanOneBlock) {
    std::string bytes = "line\r\n\0\x1A"s;
    while (bytes.size() < 3 * 1024 * 1024 + 17)
        bytes += bytes.substr(0, 1000) + char(bytes.size() % 251);
    WriteAll(PathOf("big.txt"), bytes);
    std::string read;
    ASSERT_EQ(ReadFileBytes(PathOf("big.txt").c_str(), read), FileAccess::Done);
    EXPECT_TRUE(read == bytes) << read.size() << " bytes read of " << bytes.size();
}

TEST_F(FileFolderTest, ReadFileBytesCannotOpenAFolderAMissingOrALockedFile) {
    CreateDirectoryA(PathOf("sub").c_str(), nullptr);
    WriteAll(PathOf("locked.txt"), "x");
    HANDLE lock = CreateFileA(PathOf("locked.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    for (const char* name : {"sub", "missing.txt", "locked.txt"}) {
        std::string read = "left over";
        EXPECT_EQ(ReadFileBytes(PathOf(name).c_str(), read), FileAccess::CannotOpen) << name;
        EXPECT_EQ(read, "") << name;
    }
    CloseHandle(lock);
}

// ---- WriteFileBytesSafely ----

struct SafeWriteCase {
    const char* name;
    const char* oldBytes;   // the target's content before, or null when it does not exist
    DWORD targetAttributes; // applied to an existing target
    bool targetIsFolder;
    FileAccess expected;
};

class SafeWriteTest : public FileFolderTest, public testing::WithParamInterface<SafeWriteCase> {};

TEST_P(SafeWriteTest, WritesWholeOrLeavesTheOldFileAndNoTemporaryFile) {
    const SafeWriteCase& c = GetParam();
    const std::string target = PathOf("book.txt");
    if (c.targetIsFolder) CreateDirectoryA(target.c_str(), nullptr);
    if (c.oldBytes != nullptr) {
        WriteAll(target, c.oldBytes);
        SetFileAttributesA(target.c_str(), c.targetAttributes);
    }
    const std::string newBytes = "PK0= 100\r\nApk= 12.3456\r\n";

    EXPECT_EQ(WriteFileBytesSafely(target.c_str(), newBytes), c.expected);

    if (c.expected == FileAccess::Done) {
        EXPECT_EQ(ReadAll(target), newBytes);
    } else if (c.oldBytes != nullptr) {
        EXPECT_EQ(ReadAll(target), c.oldBytes);
    }
    const bool targetLeft = c.expected == FileAccess::Done || c.oldBytes != nullptr || c.targetIsFolder;
    EXPECT_EQ(Entries(), targetLeft ? std::set<std::string>{"book.txt"} : std::set<std::string>{});
    if (c.oldBytes != nullptr) {
        const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
        EXPECT_EQ(GetFileAttributesA(target.c_str()) & kept, c.targetAttributes & kept);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Targets, SafeWriteTest,
    testing::Values(SafeWriteCase{"NewFile", nullptr, 0, false, FileAccess::Done},
                    SafeWriteCase{"ReplacesALongerFileEntirely",
                                  "old text that is longer than the new one\r\n"
                                  "and has a second line\r\n",
                                  FILE_ATTRIBUTE_NORMAL, false, FileAccess::Done},
                    SafeWriteCase{"ReplacesAnArchivedFile", "old\r\n", FILE_ATTRIBUTE_ARCHIVE, false,
                                  FileAccess::Done},
                    SafeWriteCase{"ReplacesAHiddenSystemFileAndKeepsItSo", "old\r\n",
                                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, false, FileAccess::Done},
                    SafeWriteCase{"ReadOnlyTargetIsNotTouched", "old\r\n", FILE_ATTRIBUTE_READONLY, false,
                                  FileAccess::CannotOpen},
                    SafeWriteCase{"FolderAsTarget", nullptr, 0, true, FileAccess::CannotOpen}),
    [](const testing::TestParamInfo<SafeWriteCase>& info) { return std::string(info.param.name); });

TEST_F(FileFolderTest, SafeWriteIntoAMissingFolderCannotOpen) {
    EXPECT_EQ(WriteFileBytesSafely(PathOf("no such folder\\book.txt").c_str(), "x"), FileAccess::CannotOpen);
    EXPECT_TRUE(Entries().empty());
}

TEST_F(FileFolderTest, SafeWriteOfNothingMakesAnEmptyFile) {
    WriteAll(PathOf("book.txt"), "old\r\n");
    EXPECT_EQ(WriteFileBytesSafely(PathOf("book.txt").c_str(), ""), FileAccess::Done);
    EXPECT_EQ(ReadAll(PathOf("book.txt")), "");
}

// A thread procedure: closes the handle it is given after 300 ms.
DWORD WINAPI CloseHandleAfterAMoment(LPVOID handle) {
    Sleep(300);
    CloseHandle(static_cast<HANDLE>(handle));
    return 0;
}

// A reader that has the old file open for a moment (a scanner, a viewer) delays the
// save but does not fail it. (Under Wine any open handle keeps the new file from
// taking the old one's name.)
TEST_F(FileFolderTest, SafeWriteWaitsForAReaderThatHoldsTheOldFileBriefly) {
    const std::string target = PathOf("book.txt");
    WriteAll(target, "old\r\n");
    HANDLE reader =
        CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    HANDLE closer = CreateThread(nullptr, 0, CloseHandleAfterAMoment, reader, 0, nullptr);
    ASSERT_NE(closer, nullptr);
    EXPECT_EQ(WriteFileBytesSafely(target.c_str(), "new\r\n"), FileAccess::Done);
    WaitForSingleObject(closer, INFINITE);
    CloseHandle(closer);
    EXPECT_EQ(ReadAll(target), "new\r\n");
    EXPECT_EQ(Entries(), std::set<std::string>{"book.txt"});
}

// Needs a folder on a full file system, named by QUAREL_FULL_DISK_FOLDER and holding
// a file "old.txt" (for example a small tmpfs filled up, reached through Z:).
TEST(SafeWriteOnAFullDisk, FailsAndKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const char* folder = std::getenv("QUAREL_FULL_DISK_FOLDER");
    if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "QUAREL_FULL_DISK_FOLDER is not set";
    const std::string oldPath = std::string(folder) + "\\old.txt";
    const std::string oldBytes = ReadAll(oldPath);
    const std::string big(2 * 1024 * 1024, 'x');
    for (const char* name : {"old.txt", "new.txt"}) {
        const std::string path = std::string(folder) + "\\" + name;
        EXPECT_EQ(WriteFileBytesSafely(path.c_str(), big), FileAccess::Failed) << name;
    }
    EXPECT_EQ(ReadAll(oldPath), oldBytes);
    EXPECT_EQ(GetFileAttributesA((std::string(folder) + "\\new.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((std::string(folder) + "\\~qe*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "temporary file left: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// ---- LoadTextFile and SaveTextFile ----

TEST_F(FileFolderTest, LoadPutsTheWholeTextInTheEditorWithTheCaretAtTheEnd) {
    Editor editor;
    editor.SetText("former text");
    WriteAll(PathOf("book.txt"), "a\n\nb");
    MessageBoxWatch boxes;
    EXPECT_EQ(LoadTextFile(editor.Get(), PathOf("book.txt").c_str()), 1);
    EXPECT_EQ(editor.Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(editor.CaretEnd(), 8u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FileFolderTest, LoadOfAMegabyteLineBeyondTheEditorsLimitKeepsItWholeAndRoomToAppend) {
    Editor editor;
    const std::string line(1 << 20, 'x');
    WriteAll(PathOf("long.txt"), line);
    MessageBoxWatch boxes;
    ASSERT_EQ(LoadTextFile(editor.Get(), PathOf("long.txt").c_str()), 1);
    EXPECT_EQ(editor.Text(), line + "\r\n");
    EXPECT_EQ(editor.CaretEnd(), line.size() + 2);
    SendMessageA(editor.Get(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("PK0=1\r\n"));
    EXPECT_EQ(editor.Text().size(), line.size() + 9) << "a report appended after the load is kept";
    EXPECT_TRUE(boxes.Boxes().empty());
}

// A file command that is not done: the name, and the box's caption and text.
struct RefusedCase {
    std::string name;
    std::string caption;
    std::string text;
};

TEST_F(FileFolderTest, LoadThatIsNotDoneSaysWhyAndKeepsTheText) {
    CreateDirectoryA(PathOf("folder.txt").c_str(), nullptr);
    const RefusedCase cases[] = {
        {"", "Error", "File open failed."},
        {PathOf("missing.txt"), "Error", "File open failed."},
        {PathOf("folder.txt"), "Error!", "Can't open file " + PathOf("folder.txt")},
    };
    for (const RefusedCase& c : cases) {
        Editor editor;
        editor.SetText("unsaved work\r\n");
        MessageBoxWatch boxes;
        EXPECT_EQ(LoadTextFile(editor.Get(), c.name.c_str()), 0) << c.name;
        EXPECT_EQ(editor.Text(), "unsaved work\r\n") << c.name;
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.name;
        EXPECT_EQ(boxes.Boxes()[0].text, c.text);
        EXPECT_EQ(boxes.Boxes()[0].caption, c.caption);
    }
}

TEST_F(FileFolderTest, SaveWritesExactlyTheEditorsBytes) {
    Editor editor;
    editor.SetText("a\r\n\r\nb\r\nno final end");
    MessageBoxWatch boxes;
    EXPECT_EQ(SaveTextFile(editor.Get(), PathOf("book.txt").c_str()), 1);
    EXPECT_EQ(ReadAll(PathOf("book.txt")), "a\r\n\r\nb\r\nno final end");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FileFolderTest, OpenThenSaveWritesBackTheSameBytes) {
    const std::string bytes = "Calculation on linear trace\r\nPK0= 100\r\n\r\n";
    WriteAll(PathOf("book.txt"), bytes);
    Editor editor;
    ASSERT_EQ(LoadTextFile(editor.Get(), PathOf("book.txt").c_str()), 1);
    ASSERT_EQ(SaveTextFile(editor.Get(), PathOf("book.txt").c_str()), 1);
    EXPECT_EQ(ReadAll(PathOf("book.txt")), bytes);
}

TEST_F(FileFolderTest, SaveThatIsNotDoneSaysWhyAndKeepsTheFile) {
    WriteAll(PathOf("readonly.txt"), "old\r\n");
    SetFileAttributesA(PathOf("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA(PathOf("folder.txt").c_str(), nullptr);
    const RefusedCase cases[] = {
        {"", "Error", "File Save failed."},
        {PathOf("readonly.txt"), "Error!", "Can't open file " + PathOf("readonly.txt")},
        {PathOf("folder.txt"), "Error!", "Can't open file " + PathOf("folder.txt")},
    };
    for (const RefusedCase& c : cases) {
        Editor editor;
        editor.SetText("new work\r\n");
        MessageBoxWatch boxes;
        EXPECT_EQ(SaveTextFile(editor.Get(), c.name.c_str()), 0) << c.name;
        ASSERT_EQ(boxes.Boxes().size(), 1u) << c.name;
        EXPECT_EQ(boxes.Boxes()[0].text, c.text);
        EXPECT_EQ(boxes.Boxes()[0].caption, c.caption);
    }
    EXPECT_EQ(ReadAll(PathOf("readonly.txt")), "old\r\n");
    EXPECT_EQ(Entries(), (std::set<std::string>{"folder.txt", "readonly.txt"}));
}

// The hourglass is up while a load or a save works on the text, and the former cursor
// is back when the command returns, and before any box tells of a failure.
TEST_F(FileFolderTest, LoadAndSaveShowTheWaitCursorWhileTheyWorkAndRestoreItAfter) {
    WriteAll(PathOf("book.txt"), "PK0=0\r\n");
    WriteAll(PathOf("readonly.txt"), "old\r\n");
    SetFileAttributesA(PathOf("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA(PathOf("folder.txt").c_str(), nullptr);
    struct Case {
        const char* what;
        int (*command)(HWND, const char*);
        std::string name;
        bool touchesText; // the command reaches the editor's text
        int result;
    };
    const Case cases[] = {
        {"load", LoadTextFile, PathOf("book.txt"), true, 1},
        {"load of a folder", LoadTextFile, PathOf("folder.txt"), false, 0},
        {"save", SaveTextFile, PathOf("saved.txt"), true, 1},
        {"save to a read-only file", SaveTextFile, PathOf("readonly.txt"), true, 0},
    };
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    static std::vector<HCURSOR> seenByEditor;
    static WNDPROC editProc = nullptr;
    struct Watch {
        static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_SETTEXT || message == WM_GETTEXT) seenByEditor.push_back(GetCursor());
            return CallWindowProcA(editProc, window, message, wParam, lParam);
        }
    };
    for (const Case& c : cases) {
        Editor editor;
        editor.SetText("work\r\n");
        editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(editor.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Watch::Proc)));
        seenByEditor.clear();
        SetCursor(arrow);
        MessageBoxWatch boxes;
        EXPECT_EQ(c.command(editor.Get(), c.name.c_str()), c.result) << c.what;
        EXPECT_EQ(GetCursor(), arrow) << c.what << ": the cursor is put back";
        EXPECT_EQ(!seenByEditor.empty(), c.touchesText) << c.what;
        for (HCURSOR seen : seenByEditor)
            EXPECT_EQ(seen, wait) << c.what << ": the hourglass while it works";
        EXPECT_EQ(boxes.Boxes().size(), c.result == 1 ? 0u : 1u) << c.what;
        for (const auto& box : boxes.Boxes())
            EXPECT_NE(box.cursor, wait) << c.what << ": no hourglass over a box";
    }
}

#endif
