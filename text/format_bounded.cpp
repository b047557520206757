#include "text/format_bounded.h"

#include <stdarg.h>

namespace {

struct BoundedOutput {
    wchar_t *buffer;
    size_t capacity;
    size_t length;     // units written so far, never above capacity - 1
    bool truncated;
};

void Put(BoundedOutput &out, wchar_t unit)
{
    if (out.length + 1 < out.capacity) {
        out.buffer[out.length++] = unit;
    } else {
        out.truncated = true;
    }
}

void PutText(BoundedOutput &out, const wchar_t *text)
{
    if (text == nullptr) {
        text = L"(null)";
    }
    for (; *text != L'\0' && !out.truncated; ++text) {
        Put(out, *text);
    }
}

void PutUnsigned(BoundedOutput &out, unsigned long value)
{
    wchar_t digits[10];  // an unsigned 32-bit value has at most 10
    int count = 0;
    unsigned long rest = value & 0xFFFFFFFFul;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (count > 0) {
        Put(out, digits[--count]);
    }
}

}  // namespace

int FormatBounded(wchar_t *buffer, size_t capacity, const wchar_t *format, ...)
{
    if (buffer == nullptr || capacity == 0) {
        return -1;
    }
    BoundedOutput out = {buffer, capacity, 0, false};
    va_list args;
    va_start(args, format);
    for (const wchar_t *p = format; *p != L'\0' && !out.truncated; ++p) {
        if (*p != L'%') {
            Put(out, *p);
        } else if (p[1] == L's') {
            PutText(out, va_arg(args, const wchar_t *));
            p += 1;
        } else if (p[1] == L'l' && p[2] == L's') {
            PutText(out, va_arg(args, const wchar_t *));
            p += 2;
        } else if (p[1] == L'l' && p[2] == L'u') {
            PutUnsigned(out, va_arg(args, unsigned long));
            p += 2;
        } else if (p[1] == L'%') {
            Put(out, L'%');
            p += 1;
        } else {
            // An unknown directive is copied as it stands rather than
            // consuming an argument of unknown type.
            Put(out, *p);
        }
    }
    va_end(args);
    out.buffer[out.length] = L'\0';
    return out.truncated ? -1 : static_cast<int>(out.length);
}
