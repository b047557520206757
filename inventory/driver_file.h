// The file name of the image of the service that drives a device.
#pragma once

#include <windows.h>
#include <setupapi.h>

// Writes the file name part of the device's service "ImagePath" into
// driverFile (512 units) and returns true; otherwise leaves "N/A" there and
// returns false. Given no driverFile, writes nothing and returns false.
bool ResolveDriverFile(HDEVINFO deviceList, SP_DEVINFO_DATA *device, WCHAR *driverFile);
