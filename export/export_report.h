// Writes the report of every present device to a file the user chooses.
#pragma once

#include <windows.h>

enum ReportOutcome {
    kReportWritten,
    kReportCreateFailed,   // the file could not be opened
    kReportListFailed,     // the device list could not be obtained
    kReportWriteFailed,    // a write, the final flush or the close failed
};

// Writes the report to path; entryCount receives the number of entries.
ReportOutcome WriteDeviceReport(const WCHAR *path, DWORD *entryCount);

// True when the report was written and closed without a failure; false when
// the user cancelled or a failure was shown in a message box owned by owner.
bool ExportDeviceReport(HWND owner);
