// What the inventory tests share: the records an enumeration hands over,
// copied whole, and a fixture that removes everything a test crafted.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/device_enumeration.h"
#include "support/crafted_devices.h"

struct Enumeration {
    bool result = false;
    int listReadyCalls = 0;
    int devicesBeforeListReady = 0;
    std::vector<DWORD> deviceIndexes;
    std::vector<DeviceRecord> records;
};

inline Enumeration Enumerate(const GUID *classGuid)
{
    Enumeration e;
    e.result = ForEachPresentDevice(
        classGuid,
        [](void *context) {
            Enumeration *self = static_cast<Enumeration *>(context);
            self->listReadyCalls++;
            self->devicesBeforeListReady = static_cast<int>(self->records.size());
        },
        [](void *context, DWORD deviceIndex, const DeviceRecord *record) {
            Enumeration *self = static_cast<Enumeration *>(context);
            self->deviceIndexes.push_back(deviceIndex);
            self->records.push_back(*record);
        },
        &e);
    return e;
}

class CraftedDeviceTest : public ::testing::Test {
protected:
    void TearDown() override { RemoveEverythingCrafted(); }
};
