// Writes the report of every present device to a file the user chooses.
#pragma once

#include <windows.h>

// True when the report was written and closed without a failure; false when
// the user cancelled or a failure was shown in a message box owned by owner.
bool ExportDeviceReport(HWND owner);
