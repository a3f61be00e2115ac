// Files the scenarios prepare and check, read and written byte for byte.
#pragma once

#include <string>
#include <vector>

std::string JoinPath(const std::string& folder, const std::string& name);
// The file's bytes; fails the scenario when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// The file's bytes, or false when it cannot be read now (for example while a save
// puts a new file in its place).
bool TryReadFileBytes(const std::string& path, std::string& bytes);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void MakeFolder(const std::string& path);
// Names of the entries of a folder ("." and ".." left out).
std::vector<std::string> FolderEntries(const std::string& folder);
// Checks the file holds exactly these bytes.
void CheckFileBytes(const std::string& path, const std::string& expected);
// True when the file exists and has this size; the file is not opened.
bool FileHasSize(const std::string& path, size_t size);
// Waits until the file holds exactly these bytes (a save finishes after its dialog
// has closed); on timeout fails showing where they differ.
void WaitForFileBytes(const std::string& path, const std::string& expected);
