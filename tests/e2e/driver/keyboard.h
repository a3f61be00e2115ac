// Keys pressed as the keyboard presses them (SendInput), so that the program's message
// loop sees them with their Ctrl and Shift states and translates its accelerators.
#pragma once

#include <initializer_list>

#include <windows.h>

class Program;

// Makes the window the foreground window (the one keyboard input goes to) and waits
// until it is.
void BringToForeground(HWND window);
// Presses the keys in order and releases them in reverse (Ctrl, then F: Ctrl+F),
// after bringing the program's main window forward.
void PressKeysInProgram(const Program& program, std::initializer_list<WORD> keys);
