// The one build-time switch: HALVEX_FRENCH is 1 in the French build and 0 in
// the English one. Nothing else depends on the language.
#pragma once

#include <stddef.h>
#include <windows.h>
#include <commdlg.h>

#include "text/ui_text_french.h"

#ifndef HALVEX_FRENCH
#error "HALVEX_FRENCH must be defined to 0 (English build) or 1 (French build)"
#endif

#if HALVEX_FRENCH
inline constexpr const UiText &kUiText = kUiTextFrench;
// The full structure of Windows 2000 and later.
inline constexpr DWORD kSaveDialogStructSize = sizeof(OPENFILENAMEW);
#else
inline constexpr const UiText &kUiText = kUiTextEnglish;
// The structure as Windows NT 4.0 knew it, ending with lpTemplateName
// (OPENFILENAME_SIZE_VERSION_400W, whose macro is no constant expression).
inline constexpr DWORD kSaveDialogStructSize =
    offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR);
#endif

#ifndef _WIN64
static_assert(offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(LPCWSTR) == 76,
              "English save dialog structure size");
static_assert(sizeof(OPENFILENAMEW) == 88, "French save dialog structure size");
#endif
