// Keeps one Wine process, and with it the prefix's helper processes, alive
// for the whole test run. Creates the file named by its argument once it
// runs, so that the session can wait for it.
#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    if (argc > 1) {
        HANDLE ready = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE) {
            CloseHandle(ready);
        }
    }
    Sleep(INFINITE);
    return 0;
}
