#include "driver/disk_files.h"

#include "driver/check.h"
#include "driver/waiting.h"

#include <windows.h>

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

bool TryReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char block[65536];
    DWORD got = 0;
    while (ReadFile(file, block, sizeof block, &got, nullptr) && got > 0)
        bytes.append(block, got);
    CloseHandle(file);
    return true;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    if (!TryReadFileBytes(path, bytes))
        Fail("cannot read " + path + " (error " + std::to_string(GetLastError()) + ")");
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        Fail("cannot write " + path + " (error " + std::to_string(GetLastError()) + ")");
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    Check(ok, "could not write all of " + path);
}

void MakeFolder(const std::string& path) {
    Check(CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS,
          "cannot make folder " + path);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(JoinPath(folder, "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

void CheckFileBytes(const std::string& path, const std::string& expected) {
    CheckText(ReadFileBytes(path), expected, "bytes of " + path);
}

bool FileHasSize(const std::string& path, size_t size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    return ((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow) == size;
}

void WaitForFileBytes(const std::string& path, const std::string& expected) {
    // The file is opened only once it has the expected size: a file held open by the
    // driver would keep the program's save from putting its new file in its place.
    std::string bytes;
    WaitUntil([&] {
        return FileHasSize(path, expected.size()) && TryReadFileBytes(path, bytes) && bytes == expected;
    });
    CheckFileBytes(path, expected);
}
