// Keeps one Wine process, and with it the prefix's helper processes, alive
// for the whole test run.
#include <windows.h>

int main()
{
    Sleep(INFINITE);
    return 0;
}
