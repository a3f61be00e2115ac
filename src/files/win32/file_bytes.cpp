#include "files/win32/file_bytes.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

// Large files move in blocks of this size: ReadFile and WriteFile take 32-bit counts.
constexpr DWORD BlockSize = 1 << 20;

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Closes a file handle when it goes out of scope, unless closed before.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // True when the handle was open and closed without error.
    bool Close() {
        if (!IsOpen()) return false;
        bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

bool DiskIsFull(DWORD error) {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), BlockSize));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), wanted, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The attributes a replaced file keeps: the new file takes the place of the old one
// with its own attributes, so these are copied over.
constexpr DWORD KeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD SettableAttributes =
    KeptAttributes | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;

// An existing target must be a file that may be written; checked by its attributes
// (a read-only file can be opened for writing by an administrator) and by opening it
// for writing without changing it. A missing target (attributes invalid) is fine: it
// will be created.
bool TargetMayBeWritten(const char* path, DWORD& attributes) {
    attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    FileHandle probe(CreateFileA(path, GENERIC_WRITE, ShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
    return probe.IsOpen();
}

// Creates a new, empty temporary file in the target's folder; its name goes to
// tempPath.
HANDLE CreateTemporaryBeside(const char* path, std::string& tempPath) {
    char full[MAX_PATH * 4];
    char* namePart = nullptr;
    const DWORD length = GetFullPathNameA(path, sizeof full, full, &namePart);
    if (length == 0 || length >= sizeof full || namePart == nullptr) return INVALID_HANDLE_VALUE;
    const std::string folder(full, namePart);
    DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 1000; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, "~qe%04lX.tmp",
                      static_cast<unsigned long>((seed + attempt) & 0xFFFF));
        tempPath = folder + name;
        HANDLE file = CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    tempPath.clear();
    return INVALID_HANDLE_VALUE;
}

// Puts the written temporary file in the target's place in one rename, so that at
// every moment the target's name holds either the whole old file or the whole new
// one. (ReplaceFile is not used: it moves the old file away and deletes it before
// the new one is renamed in, leaving a moment with no file at the target's name.)
// A program that has the old file open for a moment (a virus scanner, an indexer, a
// viewer reading it; under Wine any open at all) makes the rename fail: it is tried
// again for about two seconds before the save counts as failed.
bool PutInPlace(const std::string& tempPath, const char* path, bool targetExists) {
    // Without MOVEFILE_REPLACE_EXISTING for a new target: a file that appeared
    // meanwhile was never confirmed for overwriting.
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (targetExists ? MOVEFILE_REPLACE_EXISTING : 0);
    constexpr int Attempts = 40;
    constexpr DWORD PauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(tempPath.c_str(), path, flags)) return true;
        const DWORD error = GetLastError();
        const bool heldOpen = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
        if (!targetExists || !heldOpen || attempt == Attempts) return false;
        Sleep(PauseMs);
    }
}

} // namespace

FileAccess ReadFileBytes(const char* path, std::string& bytes) {
    bytes.clear();
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.IsOpen()) return FileAccess::CannotOpen;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0 &&
        static_cast<unsigned long long>(size.QuadPart) < bytes.max_size())
        bytes.reserve(static_cast<std::size_t>(size.QuadPart) + BlockSize);
    // Read until the end, not just the size seen at the start: the file may grow.
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + BlockSize);
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + used, BlockSize, &read, nullptr)) {
            bytes.clear();
            return FileAccess::Failed;
        }
        bytes.resize(used + read);
        if (read == 0) return FileAccess::Done;
    }
}

FileAccess WriteFileBytesSafely(const char* path, std::string_view bytes) {
    DWORD oldAttributes = INVALID_FILE_ATTRIBUTES;
    if (!TargetMayBeWritten(path, oldAttributes)) return FileAccess::CannotOpen;
    const bool targetExists = oldAttributes != INVALID_FILE_ATTRIBUTES;
    std::string tempPath;
    FileHandle temp(CreateTemporaryBeside(path, tempPath));
    if (!temp.IsOpen()) return DiskIsFull(GetLastError()) ? FileAccess::Failed : FileAccess::CannotOpen;
    bool written = WriteAll(temp.Get(), bytes);
    written = written && FlushFileBuffers(temp.Get());
    written = temp.Close() && written;
    const bool placed = written && PutInPlace(tempPath, path, targetExists);
    // Not placed: the target is untouched, and the temporary file this save made is
    // not needed. (Only this save's own file: another one's may be a lost text.)
    if (!placed) DeleteFileA(tempPath.c_str());
    if (placed && targetExists) {
        const DWORD now = GetFileAttributesA(path);
        if (now != INVALID_FILE_ATTRIBUTES && (now & KeptAttributes) != (oldAttributes & KeptAttributes)) {
            const DWORD restored =
                (now & SettableAttributes & ~KeptAttributes) | (oldAttributes & KeptAttributes);
            SetFileAttributesA(path, restored != 0 ? restored : FILE_ATTRIBUTE_NORMAL);
        }
    }
    return placed ? FileAccess::Done : FileAccess::Failed;
}
