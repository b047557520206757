// The report of all present devices as the test itself reads them, composed
// independently of the program's own code, as UTF-16LE bytes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ComposedReport {
    std::string bytes;
    unsigned long entries;
};

ComposedReport ComposeReportOfPresentDevices();

// The four texts of each present device of a class (null: every class), in
// the platform's order.
std::vector<std::vector<std::wstring>> PresentDeviceTexts(const GUID *classGuid);

// The bytes of a report: mark, header, one entry per device of four texts.
std::string ReportBytes(const std::vector<std::vector<std::wstring>> &devices);

std::string Utf16Bytes(const std::wstring &text);

// A file's whole content, or "<missing>" when it cannot be opened.
std::string ReadFileBytes(const std::wstring &path);
