// The report of all present devices as the test itself reads them, composed
// independently of the program's own code, as UTF-16LE bytes.
#pragma once

#include <string>
#include <vector>

struct ComposedReport {
    std::string bytes;
    unsigned long entries;
};

ComposedReport ComposeReportOfPresentDevices();

// The bytes of a report: mark, header, one entry per device of four texts.
std::string ReportBytes(const std::vector<std::vector<std::wstring>> &devices);

std::string Utf16Bytes(const std::wstring &text);
