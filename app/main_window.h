// The main window: its class, its creation, and its window procedure.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "HalvexClass"; the result is not examined (creation then fails).
void RegisterMainWindowClass(HINSTANCE hInstance);

// Creates the main window, hidden; WM_CREATE builds the controls and fills
// the device list before this returns. Null when creation failed.
HWND CreateMainWindow(HINSTANCE hInstance);
