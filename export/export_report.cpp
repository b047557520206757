#include "export/export_report.h"

#include <stdio.h>
#include <string.h>

#include <commdlg.h>

#include "export/report_writer.h"
#include "inventory/device_enumeration.h"
#include "text/build_language.h"
#include "text/format_bounded.h"

namespace {

enum {
    kPathCapacity = 260,
    kMessageCapacity = 360,
};

void OnListReady(void *context)
{
    WriteReportHeader(static_cast<ReportWriter *>(context));
}

void OnDevice(void *context, DWORD deviceIndex, const DeviceRecord *record)
{
    (void)deviceIndex;  // the writer numbers its entries in the same order
    WriteReportEntry(static_cast<ReportWriter *>(context), record);
}

void ShowError(HWND owner, const WCHAR *text)
{
    MessageBoxW(owner, text, kUiText.exportErrorCaption, MB_OK | MB_ICONERROR);
}

}  // namespace

ReportOutcome WriteDeviceReport(const WCHAR *path, DWORD *entryCount)
{
    *entryCount = 0;
    ReportWriter writer = {_wfopen(path, L"wb"), false, 0};
    if (writer.file == nullptr) {
        return kReportCreateFailed;
    }
    WriteReportMark(&writer);
    if (!ForEachPresentDevice(nullptr, OnListReady, OnDevice, &writer)) {
        CloseReport(&writer);  // the file keeps the mark alone
        return kReportListFailed;
    }
    *entryCount = writer.entryCount;
    return CloseReport(&writer) ? kReportWritten : kReportWriteFailed;
}

bool ExportDeviceReport(HWND owner)
{
    WCHAR path[kPathCapacity];
    memset(path, 0, sizeof(path));
    lstrcpynW(path, kUiText.defaultFileName, kPathCapacity);

    OPENFILENAMEW request;
    memset(&request, 0, sizeof(request));
    request.lStructSize = kSaveDialogStructSize;
    request.hwndOwner = owner;
    request.lpstrFilter = kUiText.saveFilter;
    request.lpstrFile = path;
    request.nMaxFile = kPathCapacity;
    request.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    request.lpstrDefExt = kUiText.defaultExtension;
    if (!GetSaveFileNameW(&request)) {
        return false;
    }

    DWORD entryCount = 0;
    switch (WriteDeviceReport(path, &entryCount)) {
    case kReportCreateFailed:
        ShowError(owner, kUiText.createFailedMessage);
        return false;
    case kReportListFailed:
        ShowError(owner, kUiText.listFailedMessage);
        return false;
    case kReportWriteFailed:
        ShowError(owner, kUiText.writeFailedMessage);
        return false;
    case kReportWritten:
        break;
    }

    WCHAR message[kMessageCapacity];
    FormatBounded(message, kMessageCapacity, kUiText.exportCompleteTemplate, entryCount, path);
    MessageBoxW(owner, message, kUiText.exportCompleteCaption, MB_OK | MB_ICONINFORMATION);
    return true;
}
