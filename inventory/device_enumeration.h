// The one enumeration of present devices that the list and the report share.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include "inventory/device_record.h"

#ifndef _WIN64
static_assert(sizeof(SP_DEVINFO_DATA) == 28, "SP_DEVINFO_DATA of the 32-bit platform");
#endif

typedef void (*ListReadyStep)(void *context);
typedef void (*DeviceStep)(void *context, DWORD deviceIndex, const DeviceRecord *record);

// Runs onListReady (if given) once the list of present devices of classGuid
// (null: every class) is obtained, then onDevice for each device in the
// platform's order. False, running neither step, when no list is obtained.
bool ForEachPresentDevice(const GUID *classGuid, ListReadyStep onListReady,
                          DeviceStep onDevice, void *context);

// Resets the record to its fallback texts, then fills it from the device's
// properties. Every field ends terminated within its 512 units.
void ReadDeviceRecord(HDEVINFO deviceList, SP_DEVINFO_DATA *device, DeviceRecord *record);

// Where the device list comes from. Tests point it elsewhere to produce a
// list the platform cannot be made to refuse, or a list of their own making.
typedef HDEVINFO(WINAPI *GetClassDevsProc)(const GUID *, PCWSTR, HWND, DWORD);
extern GetClassDevsProc gGetClassDevs;
