// How long the system's notepad takes to show a file: from its start with the file
// on its command line until its edit control holds the whole text.
#pragma once

#include <string>

// Milliseconds, or a negative value when notepad did not show the text within a
// minute. notepad is closed again before this returns.
double NotepadShowsFile(const std::string& path, long long textLength);
