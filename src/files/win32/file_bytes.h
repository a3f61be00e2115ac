// A file's bytes read whole, and bytes written to a file safely: the file on disk
// is either the complete new content or exactly what it was before.
#pragma once

#include <string>
#include <string_view>

enum class FileAccess {
    Done,
    CannotOpen, // the file cannot be opened (no such file, a folder, no permission, read-only)
    Failed,     // opened, but reading or writing failed on the way
};

// Reads the whole file into bytes, however long.
FileAccess ReadFileBytes(const char* path, std::string& bytes);

// Writes bytes to a temporary file in the target's folder, checks every write,
// flushes it to disk and closes it, and only then puts it in the target's place
// with one rename over it (keeping an existing target's attributes): whenever the
// process stops, the target's name holds the whole old file or the whole new one.
// On any failure the target is left as it was and the temporary file is removed. A target that exists but cannot be
// written (read-only, a folder, locked) is CannotOpen and is never touched.
FileAccess WriteFileBytesSafely(const char* path, std::string_view bytes);
