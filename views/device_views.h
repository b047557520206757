// The device list and the detail pane below it.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Empties the list, shows the placeholder, and lists the present devices of
// the category (a row of the category table; anything beyond it lists none).
void PopulateDeviceList(UINT categoryIndex);

// Shows the texts of the changed row, read back from the list, in the pane.
void ShowDeviceDetails(const NMLISTVIEW *change);
