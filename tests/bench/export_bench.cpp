// Export against its floor: the bare enumeration that makes the same platform
// calls and writes nothing. Creates the devices it measures, in the bench's
// own prefix, and removes them afterwards.
// Usage: export_bench.exe [DEVICES] [ROUNDS]
#include <windows.h>
#include <setupapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_devices.h"
#include "export/export_report.h"
#include "inventory/device_enumeration.h"
#include "support/crafted_devices.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Nothing(void *, DWORD, const DeviceRecord *) {}

}  // namespace

int main(int argc, char **argv)
{
    int devices = argc > 1 ? std::atoi(argv[1]) : 2000;
    int rounds = argc > 2 ? std::atoi(argv[2]) : 7;

    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    CreateBenchServices();
    CreateBenchDevices(0, devices);
    QueryPerformanceCounter(&end);
    std::printf("created %d devices and 50 services in %.1f s\n", devices,
                Seconds(start, end));

    std::vector<double> floorTimes, exportTimes;
    DWORD entries = 0;
    for (int round = 0; round < rounds; ++round) {
        QueryPerformanceCounter(&start);
        ForEachPresentDevice(nullptr, nullptr, Nothing, nullptr);
        QueryPerformanceCounter(&end);
        floorTimes.push_back(Seconds(start, end));

        QueryPerformanceCounter(&start);
        ReportOutcome outcome = WriteDeviceReport(L"C:\\halvex-bench.txt", &entries);
        QueryPerformanceCounter(&end);
        exportTimes.push_back(Seconds(start, end));
        if (outcome != kReportWritten) {
            std::printf("export failed: outcome %d\n", outcome);
            return 1;
        }
    }
    WIN32_FILE_ATTRIBUTE_DATA file;
    GetFileAttributesExW(L"C:\\halvex-bench.txt", GetFileExInfoStandard, &file);
    DeleteFileW(L"C:\\halvex-bench.txt");
    RemoveEverythingCrafted();

    double floor = Median(floorTimes), exported = Median(exportTimes);
    std::printf("entries per export: %lu (report %lu bytes)\n", entries, file.nFileSizeLow);
    std::printf("floor (enumeration, nothing written): median %.3f s of %d rounds\n", floor, rounds);
    std::printf("export (same enumeration, report written): median %.3f s of %d rounds\n",
                exported, rounds);
    std::printf("ratio %.3f (goal: at most 1.10) %s\n", exported / floor,
                exported / floor <= 1.10 ? "met" : "NOT MET");
    return 0;
}
