// FormatBounded at and around each capacity boundary. The buffer is a larger
// array filled with a guard value, so a write past the capacity shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "text/format_bounded.h"

namespace {

const wchar_t kGuard = 0xCCCC;
const size_t kArena = 2200;

struct FormatCase {
    const char *name;
    size_t capacity;
    std::function<int(wchar_t *, size_t)> format;
    std::wstring expectedText;
    int expectedResult;
};

std::wstring Repeat(wchar_t unit, size_t count)
{
    return std::wstring(count, unit);
}

std::vector<FormatCase> Cases()
{
    static const std::wstring a511 = Repeat(L'a', 511);
    static const std::wstring detailWhole = L"Device Name: " + a511 + L"\r\nHardware ID: " + a511 +
                                            L"\r\nManufacturer: " + a511 +
                                            L"\r\nAssociated Driver: " + a511;
    static const std::wstring service255 = Repeat(L's', 255);
    const wchar_t *detail = L"Device Name: %s\r\nHardware ID: %s\r\nManufacturer: %s\r\nAssociated Driver: %s";
    return {
        {"plain text fits with one unit to spare", 5,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"abc"); }, L"abc", 3},
        {"plain text exactly capacity - 1", 4,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"abc"); }, L"abc", 3},
        {"plain text one unit too long", 3,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"abc"); }, L"ab", -1},
        {"capacity 1 holds only the terminator", 1,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"abc"); }, L"", -1},
        {"empty template", 1,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L""); }, L"", 0},
        {"%s takes UTF-16", 8,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"<%s>", L"h\u00e9\u03b1\u65e5"); },
         L"<h\u00e9\u03b1\u65e5>", 6},
        {"%ls takes UTF-16, surrogate pair unit for unit", 8,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"<%ls>", L"\xD83D\xDE00x"); },
         L"<\xD83D\xDE00x>", 5},
        {"cut inside an argument", 4,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"<%ls>", L"abcdef"); }, L"<ab", -1},
        {"empty argument", 3,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"<%s>", L""); }, L"<>", 2},
        {"%lu zero", 2,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"%lu", 0ul); }, L"0", 1},
        {"%lu largest value exactly fits", 11,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"%lu", 4294967295ul); },
         L"4294967295", 10},
        {"%lu largest value cut", 10,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"%lu", 4294967295ul); },
         L"429496729", -1},
        {"%lu between texts", 20,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"[%lu]\r\n", 57ul); }, L"[57]\r\n", 6},
        {"percent sign", 4,
         [](wchar_t *b, size_t c) { return FormatBounded(b, c, L"5%%"); }, L"5%", 2},
        {"success message with a full path", 360,
         [](wchar_t *b, size_t c) {
             return FormatBounded(b, c, L"%lu device(s) exported to:\r\n%ls", 57ul, L"C:\\r\\devices.txt");
         },
         L"57 device(s) exported to:\r\nC:\\r\\devices.txt", 43},
        {"key path with a 255-unit service name", 512,
         [](wchar_t *b, size_t c) {
             return FormatBounded(b, c, L"SYSTEM\\CurrentControlSet\\Services\\%ls", service255.c_str());
         },
         L"SYSTEM\\CurrentControlSet\\Services\\" + service255, 289},
        {"detail text of four 511-unit texts keeps 2047 units", 2048,
         [detail](wchar_t *b, size_t c) {
             return FormatBounded(b, c, detail, a511.c_str(), a511.c_str(), a511.c_str(), a511.c_str());
         },
         detailWhole.substr(0, 2047), -1},
        {"detail text that fits exactly", detailWhole.size() + 1,
         [detail](wchar_t *b, size_t c) {
             return FormatBounded(b, c, detail, a511.c_str(), a511.c_str(), a511.c_str(), a511.c_str());
         },
         detailWhole, static_cast<int>(detailWhole.size())},
    };
}

TEST(FormatBounded, WritesWholeOrCutsAtCapacityAndNeverPastIt)
{
    for (const FormatCase &c : Cases()) {
        ASSERT_LT(c.capacity, kArena) << c.name;
        std::wstring arena(kArena, kGuard);
        int result = c.format(&arena[0], c.capacity);
        EXPECT_EQ(result, c.expectedResult) << c.name;
        EXPECT_EQ(std::wstring(arena.c_str()), c.expectedText) << c.name;
        for (size_t i = c.expectedText.size() + 1; i < kArena; ++i) {
            if (arena[i] != kGuard) {
                ADD_FAILURE() << c.name << ": unit " << i << " written";
                break;
            }
        }
    }
}

TEST(FormatBounded, ZeroCapacityWritesNothing)
{
    wchar_t guard = kGuard;
    EXPECT_EQ(FormatBounded(&guard, 0, L"abc"), -1);
    EXPECT_EQ(guard, kGuard);
}

}  // namespace
