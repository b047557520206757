// Bounded UTF-16 formatting: "%s" and "%ls" take a UTF-16 text, "%lu" an
// unsigned 32-bit number, "%%" is a percent sign. The C runtime's wide printf
// is not used, since what its "%s" means differs between runtimes.
#pragma once

#include <stddef.h>
#include <wchar.h>

// Writes at most capacity units, the terminator included. Returns the
// length of the text, or -1 when it had to be cut to capacity - 1 units.
int FormatBounded(wchar_t *buffer, size_t capacity, const wchar_t *format, ...);
