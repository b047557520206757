// The English build's texts. Several of them the French build shares.
#pragma once

#include "text/ui_text.h"

// Lines 3 and 4 of the About text, the same in both builds.
#define HALVEX_ABOUT_CREDIT L"\r\n\r\nWritten with plain Win32 and SetupAPI.\r\nhttps://halvex.example.org/"

#define HALVEX_DETAIL_TEMPLATE \
    L"Device Name: %s\r\nHardware ID: %s\r\nManufacturer: %s\r\nAssociated Driver: %s"

// The filter is a run of four terminated texts ended by one more zero unit;
// the literal's own terminator is the last one.
#define HALVEX_SAVE_FILTER L"Text file (*.txt)\0*.txt\0All files (*.*)\0*.*\0"

#define HALVEX_REPORT_HEADER \
    L"List of all present devices\r\n===========================\r\n\r\n"

#define HALVEX_REPORT_ENTRY_TEMPLATE                                                  \
    L"[%lu]\r\nDevice Name: %ls\r\nHardware ID: %ls\r\nManufacturer: %ls\r\n"       \
    L"Associated Driver: %ls\r\n\r\n"

inline constexpr UiText kUiTextEnglish = {
    L"Halvex",
    L"Halvex" HALVEX_ABOUT_CREDIT,
    L"About",
    L"Export to .txt",
    L"About",
    {
        L"All Devices",
        L"Network Adapters",
        L"Disk Drives (Storage)",
        L"IDE/SATA/AHCI Controllers",
        L"Display Adapters",
        L"USB Controllers",
        L"Audio Devices (Media)",
    },
    {L"Device Name", L"Hardware ID", L"Manufacturer", L"Driver (.sys)"},
    L"Select a device to view and copy its details.",
    HALVEX_DETAIL_TEMPLATE,
    L"Unknown",
    L"N/A",
    HALVEX_SAVE_FILTER,
    L"devices.txt",
    L"txt",
    L"Export Error",
    L"Unable to create the selected file.",
    L"Unable to retrieve the device list.",
    L"An error occurred while writing the file.",
    L"Export Complete",
    L"%lu device(s) exported to:\r\n%ls",
    HALVEX_REPORT_HEADER,
    HALVEX_REPORT_ENTRY_TEMPLATE,
};
