// The report file's byte format: UTF-16LE with a byte-order mark, written
// unit for unit through the C runtime's buffered binary stream.
#pragma once

#include <stdio.h>
#include <windows.h>

#include "inventory/device_record.h"

struct ReportWriter {
    FILE *file;
    bool failed;           // some write, flush or close went wrong
    DWORD entryCount;      // entries written so far; the next is entryCount + 1
};

void WriteReportMark(ReportWriter *writer);
void WriteReportHeader(ReportWriter *writer);
void WriteReportEntry(ReportWriter *writer, const DeviceRecord *record);

// Writes out what the stream still holds and closes it. False when that, or
// any write before it, failed.
bool CloseReport(ReportWriter *writer);
