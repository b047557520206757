#include "export/report_writer.h"

#include "text/build_language.h"
#include "text/format_bounded.h"

namespace {

// The entry template's 73 fixed units, at most 10 digits, four texts of at
// most 511 units, and the terminator.
enum { kReportEntryCapacity = 73 + 10 + 4 * (kDeviceTextCapacity - 1) + 1 };

void WriteUnits(ReportWriter *writer, const WCHAR *units, size_t count)
{
    if (fwrite(units, sizeof(WCHAR), count, writer->file) != count) {
        writer->failed = true;
    }
}

}  // namespace

void WriteReportMark(ReportWriter *writer)
{
    const WCHAR mark = 0xFEFF;
    WriteUnits(writer, &mark, 1);
}

void WriteReportHeader(ReportWriter *writer)
{
    WriteUnits(writer, kUiText.reportHeader, wcslen(kUiText.reportHeader));
}

void WriteReportEntry(ReportWriter *writer, const DeviceRecord *record)
{
    WCHAR entry[kReportEntryCapacity];
    int length = FormatBounded(entry, kReportEntryCapacity, kUiText.reportEntryTemplate,
                               writer->entryCount + 1, record->name, record->hardwareId,
                               record->manufacturer, record->driverFile);
    if (length < 0) {
        // Cannot happen with terminated fields; an entry is never cut short silently.
        writer->failed = true;
        length = kReportEntryCapacity - 1;
    }
    WriteUnits(writer, entry, static_cast<size_t>(length));
    writer->entryCount++;
}

bool CloseReport(ReportWriter *writer)
{
    // The runtime's close can report success although its final flush
    // failed, so the flush and the stream's error state are checked first.
    if (fflush(writer->file) != 0 || ferror(writer->file)) {
        writer->failed = true;
    }
    if (fclose(writer->file) != 0) {
        writer->failed = true;
    }
    writer->file = nullptr;
    return !writer->failed;
}
