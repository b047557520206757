#include <initguid.h>  // defines the GUID_DEVCLASS_ constants declared below

#include "inventory/device_categories.h"

#include <devguid.h>

#include "text/build_language.h"

// Constant-initialised: the labels are the build's own, the classes are the
// platform's published device setup classes.
extern const DeviceCategory kDeviceCategories[kCategoryCount] = {
    {kUiText.categoryLabels[0], nullptr},
    {kUiText.categoryLabels[1], &GUID_DEVCLASS_NET},
    {kUiText.categoryLabels[2], &GUID_DEVCLASS_DISKDRIVE},
    {kUiText.categoryLabels[3], &GUID_DEVCLASS_HDC},
    {kUiText.categoryLabels[4], &GUID_DEVCLASS_DISPLAY},
    {kUiText.categoryLabels[5], &GUID_DEVCLASS_USB},
    {kUiText.categoryLabels[6], &GUID_DEVCLASS_MEDIA},
};
