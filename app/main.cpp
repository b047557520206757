#include <windows.h>

#include <string.h>

#include "app/main_window.h"

// The command line is not read: the program takes no arguments.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, PWSTR lpCmdLine, int nCmdShow)
{
    (void)hPrevInstance;
    (void)lpCmdLine;
    MSG message;
    memset(&message, 0, sizeof(message));
    RegisterMainWindowClass(hInstance);
    HWND window = CreateMainWindow(hInstance);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, nCmdShow);
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
