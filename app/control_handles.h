// The main window's five child controls: set once while the window is
// created, never changed afterwards.
#pragma once

#include <windows.h>

enum {
    ID_CATEGORY_COMBO = 1001,
    ID_DEVICE_LIST = 1002,
    ID_DETAIL_EDIT = 1003,
    ID_EXPORT_BUTTON = 1004,
    ID_ABOUT_BUTTON = 1005,
};

extern HWND hCategoryCombo;
extern HWND hExportButton;
extern HWND hAboutButton;
extern HWND hDeviceList;
extern HWND hDetailEdit;
