// The hourglass while the program works through a long task (a load, a save, many
// lines): shown for the life of a WaitCursor, the former cursor put back after,
// however the task ends.
#pragma once

#include <windows.h>

class WaitCursor {
  public:
    WaitCursor() : former_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(former_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR former_;
};
