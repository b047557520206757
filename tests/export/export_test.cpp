// The export, driven through the platform's real save dialog and message
// boxes, writing real files. Built once per language.
#include <gtest/gtest.h>

#include <windows.h>
#include <setupapi.h>

#include <fstream>
#include <sstream>
#include <string>

#include "export/export_report.h"
#include "inventory/device_enumeration.h"
#include "support/crafted_devices.h"
#include "support/dialog_driver.h"
#include "support/report_composer.h"

namespace {

#if HALVEX_FRENCH
const wchar_t *const kDefaultFileName = L"quenordevs.txt";
const wchar_t *const kWriteFailed = L"Impossible d'écrire le fichier .txt !.";
#else
const wchar_t *const kDefaultFileName = L"devices.txt";
const wchar_t *const kWriteFailed = L"An error occurred while writing the file.";
#endif

// --- The device list seam: a list of the test's own making. ---------------

int gSeamDeviceCount = 0;

// A real device information list holding bare devices that exist only in it:
// none of their properties can be read, so each record keeps its reset texts.
HDEVINFO WINAPI BareDeviceList(const GUID *, PCWSTR, HWND, DWORD)
{
    HDEVINFO set = SetupDiCreateDeviceInfoList(&kTestClassGuid, nullptr);
    for (int i = 0; i < gSeamDeviceCount; ++i) {
        wchar_t id[64];
        swprintf(id, 64, L"ROOT\\HALVEXBARE\\%04d", i);
        SP_DEVINFO_DATA data = {};
        data.cbSize = sizeof(data);
        SetupDiCreateDeviceInfoW(set, id, &kTestClassGuid, nullptr, nullptr, 0, &data);
    }
    return set;
}

HDEVINFO WINAPI RefusedDeviceList(const GUID *, PCWSTR, HWND, DWORD)
{
    return INVALID_HANDLE_VALUE;
}

// --- Files -----------------------------------------------------------------

void WriteFileBytes(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool Exists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Hex(const std::string &bytes)
{
    std::ostringstream out;
    for (unsigned char b : bytes) {
        out << std::hex << (b >> 4) << (b & 15) << ' ';
    }
    return out.str();
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"halvex-export\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        owner_ = CreateOwnerWindow();
        ASSERT_NE(owner_, nullptr);
        savedSeam_ = gGetClassDevs;
    }

    void TearDown() override
    {
        gGetClassDevs = savedSeam_;
        RemoveEverythingCrafted();
        DestroyWindow(owner_);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder_ + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileW((folder_ + found.cFileName).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder_.c_str());
    }

    void UseBareDevices(int count)
    {
        gSeamDeviceCount = count;
        gGetClassDevs = BareDeviceList;
    }

    // Exports to path, typed into the save dialog and confirmed.
    bool ExportTo(const std::wstring &path)
    {
        DialogScript script;
        script.fileName = path;
        return Export(script);
    }

    // Runs the export with the dialogs answered by the script.
    bool Export(const DialogScript &script)
    {
        DialogDriver driver(script);
        bool result = ExportDeviceReport(owner_);
        seen_ = driver.Seen();
        boxes_ = driver.MessageBoxes();
        return result;
    }

    void ExpectOneMessage(const std::wstring &caption, const std::wstring &text, LPCWSTR icon)
    {
        ASSERT_EQ(boxes_.size(), 1u);
        EXPECT_EQ(boxes_[0].caption, caption);
        EXPECT_EQ(boxes_[0].text, text);
        EXPECT_EQ(boxes_[0].icon, LoadIconW(nullptr, icon));
        EXPECT_EQ(boxes_[0].owner, owner_);
        EXPECT_FALSE(boxes_[0].hasCancel);
    }

    std::wstring folder_;
    HWND owner_ = nullptr;
    GetClassDevsProc savedSeam_ = nullptr;
    std::vector<SeenDialog> seen_;
    std::vector<SeenDialog> boxes_;
};

// --- The report's bytes ----------------------------------------------------

TEST_F(ExportTest, WorkedExampleOfOneDeviceWithResetTexts)
{
    UseBareDevices(1);
    std::wstring path = folder_ + L"one.txt";
    EXPECT_TRUE(ExportTo(path));

    std::string expected("\xFF\xFE", 2);
    for (const wchar_t *line :
         {L"List of all present devices\r\n", L"===========================\r\n", L"\r\n",
          L"[1]\r\n", L"Device Name: Unknown\r\n", L"Hardware ID: N/A\r\n",
          L"Manufacturer: N/A\r\n", L"Associated Driver: N/A\r\n", L"\r\n"}) {
        expected += Utf16Bytes(line);
    }
    ASSERT_EQ(expected.size(), 302u);
    std::string actual = ReadFileBytes(path);
    EXPECT_EQ(Hex(actual), Hex(expected));
    EXPECT_EQ(Hex(actual.substr(0, 10)), "ff fe 4c 00 69 00 73 00 74 00 ");
    EXPECT_EQ(Hex(actual.substr(122, 10)), "5b 00 31 00 5d 00 0d 00 0a 00 ");
    ExpectOneMessage(L"Export Complete", L"1 device(s) exported to:\r\n" + path, IDI_ASTERISK);
}

// No device gives the header alone; entries are numbered without gaps.
TEST_F(ExportTest, EntriesForEachDeviceNumberedWithoutGaps)
{
    struct Case {
        int devices;
        size_t bytes;  // 122 of mark and header, 180 an entry, 182 from [10] on
    };
    for (Case c : {Case{0, 122}, Case{12, 122 + 9 * 180 + 3 * 182}}) {
        SCOPED_TRACE(c.devices);
        UseBareDevices(c.devices);
        std::wstring path = folder_ + L"bare" + std::to_wstring(c.devices) + L".txt";
        EXPECT_TRUE(ExportTo(path));
        std::vector<std::vector<std::wstring>> devices(c.devices,
                                                       {L"Unknown", L"N/A", L"N/A", L"N/A"});
        std::string actual = ReadFileBytes(path);
        EXPECT_EQ(actual.size(), c.bytes);
        EXPECT_EQ(actual, ReportBytes(devices));
        ExpectOneMessage(L"Export Complete",
                         std::to_wstring(c.devices) + L" device(s) exported to:\r\n" + path,
                         IDI_ASTERISK);
    }
}

// Crafted devices whose texts no code page holds, and a line feed, against
// the report the test composes from its own enumeration.
TEST_F(ExportTest, RealDevicesUnitForUnit)
{
    CreateServiceKey(L"HalvexExportSvc", REG_EXPAND_SZ,
                     Text(L"%SystemRoot%\\drivers\\\u03b1\u03b2.sys"));
    CraftedDevice greek;
    greek.instanceId = L"ROOT\\HALVEXEXPORT\\0001";
    greek.classGuid = kTestClassGuid;
    greek.friendlyName =
        Text(L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u65e5\u672c\u8a9e \xD83D\xDE00");
    greek.hardwareIds = MultiText({L"ROOT\\\u00c9T\u00c9", L"SECOND"});
    greek.manufacturer = Text(L"two\nlines");
    greek.service = Text(L"HalvexExportSvc");
    CreatePresentDevice(greek);
    CraftedDevice bare;
    bare.instanceId = L"ROOT\\HALVEXEXPORT\\0002";
    bare.classGuid = kTestClassGuid;
    CreatePresentDevice(bare);

    std::wstring path = folder_ + L"real.txt";
    EXPECT_TRUE(ExportTo(path));
    ComposedReport composed = ComposeReportOfPresentDevices();
    std::string actual = ReadFileBytes(path);
    EXPECT_EQ(actual, composed.bytes);
    EXPECT_NE(
        actual.find(Utf16Bytes(
            L"Device Name: \u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u65e5\u672c\u8a9e \xD83D\xDE00\r\n"
            L"Hardware ID: ROOT\\\u00c9T\u00c9\r\n"
            L"Manufacturer: two\nlines\r\n"
            L"Associated Driver: \u03b1\u03b2.sys\r\n")),
        std::string::npos);
    ExpectOneMessage(L"Export Complete",
                     std::to_wstring(composed.entries) + L" device(s) exported to:\r\n" + path,
                     IDI_ASTERISK);
}

// --- The save dialog ---------------------------------------------------------

TEST_F(ExportTest, SaveDialogProposesTheBuildsNameAndFilter)
{
    UseBareDevices(1);
    DialogScript script;
    script.cancelSave = true;
    EXPECT_FALSE(Export(script));
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].kind, SeenDialog::kSaveDialog);
    EXPECT_EQ(seen_[0].owner, owner_);
    EXPECT_EQ(seen_[0].text, kDefaultFileName);
    EXPECT_EQ(seen_[0].types,
              (std::vector<std::wstring>{L"Text file (*.txt)", L"All files (*.*)"}));
}

TEST_F(ExportTest, CancelCreatesAndChangesNothing)
{
    UseBareDevices(1);
    std::wstring existing = folder_ + L"kept.txt";
    WriteFileBytes(existing, "untouched");
    DialogScript script;
    script.cancelSave = true;
    EXPECT_FALSE(Export(script));
    EXPECT_TRUE(boxes_.empty());
    EXPECT_EQ(ReadFileBytes(existing), "untouched");
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_FALSE(Exists(std::wstring(current) + L"\\" + kDefaultFileName));
}

TEST_F(ExportTest, NameWithoutExtensionGetsTxt)
{
    UseBareDevices(1);
    EXPECT_TRUE(ExportTo(folder_ + L"plain"));
    EXPECT_EQ(ReadFileBytes(folder_ + L"plain.txt").size(), 302u);
    EXPECT_FALSE(Exists(folder_ + L"plain"));
    ExpectOneMessage(L"Export Complete", L"1 device(s) exported to:\r\n" + folder_ + L"plain.txt",
                     IDI_ASTERISK);
}

TEST_F(ExportTest, ExistingFileIsOverwrittenAfterThePrompt)
{
    UseBareDevices(1);
    std::wstring path = folder_ + L"again.txt";
    WriteFileBytes(path, std::string(5000, 'x'));
    EXPECT_TRUE(ExportTo(path));
    ASSERT_EQ(seen_.size(), 3u);
    EXPECT_EQ(seen_[1].kind, SeenDialog::kOverwritePrompt);
    std::string actual = ReadFileBytes(path);
    EXPECT_EQ(actual.size(), 302u);
    EXPECT_EQ(actual, ReportBytes({{L"Unknown", L"N/A", L"N/A", L"N/A"}}));
}

TEST_F(ExportTest, DecliningTheOverwriteKeepsTheFile)
{
    UseBareDevices(1);
    std::wstring path = folder_ + L"declined.txt";
    WriteFileBytes(path, "keep me");
    DialogScript script;
    script.fileName = path;
    script.confirmOverwrite = false;
    // Declined, the dialog stays open for another name; the driver answers
    // each dialog once, so the test closes it through the owner's thread.
    SetTimer(owner_, 1, 500, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND dialog = FindWindowW(L"#32770", nullptr);
        if (dialog != nullptr) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    });
    EXPECT_FALSE(Export(script));
    KillTimer(owner_, 1);
    EXPECT_EQ(ReadFileBytes(path), "keep me");
    EXPECT_TRUE(boxes_.empty());
}

// --- Failures ----------------------------------------------------------------

TEST_F(ExportTest, FileThatCannotBeCreated)
{
    UseBareDevices(1);
    std::wstring path = folder_ + L"locked.txt";
    WriteFileBytes(path, "locked");
    HANDLE lock = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    DialogScript script;
    script.fileName = path;
    bool result = Export(script);
    CloseHandle(lock);
    EXPECT_FALSE(result);
    ExpectOneMessage(L"Export Error", L"Unable to create the selected file.", IDI_HAND);
    EXPECT_EQ(ReadFileBytes(path), "locked");
}

TEST_F(ExportTest, DeviceListThatCannotBeObtained)
{
    gGetClassDevs = RefusedDeviceList;
    std::wstring path = folder_ + L"nolist.txt";
    DialogScript script;
    script.fileName = path;
    EXPECT_FALSE(Export(script));
    EXPECT_EQ(Hex(ReadFileBytes(path)), "ff fe ");
    ExpectOneMessage(L"Export Error", L"Unable to retrieve the device list.", IDI_HAND);
}

// A full device: a report smaller than the stream's buffer fails only when
// the buffer is written out at the end; a larger one fails on the way.
TEST_F(ExportTest, WritesOntoAFullDevice)
{
    struct Case {
        const char *name;
        int devices;
    };
    for (const Case &c :
         {Case{"failing flush before the close", 1}, Case{"failing write before the end", 40}}) {
        SCOPED_TRACE(c.name);
        UseBareDevices(c.devices);
        DialogScript script;
        script.fileName = L"C:\\full\\report.txt";  // the session links it to /dev/full
        EXPECT_FALSE(Export(script));
        ExpectOneMessage(L"Export Error", kWriteFailed, IDI_HAND);
    }
}

}  // namespace
