// Every user-visible text of one language build.
#pragma once

#include <wchar.h>

enum { kCategoryCount = 7, kColumnCount = 4 };

struct UiText {
    const wchar_t *windowTitle;
    const wchar_t *aboutText;
    const wchar_t *aboutCaption;
    const wchar_t *exportButtonLabel;
    const wchar_t *aboutButtonLabel;
    const wchar_t *categoryLabels[kCategoryCount];
    const wchar_t *columnHeaders[kColumnCount];
    const wchar_t *detailPlaceholder;
    const wchar_t *detailTemplate;
    const wchar_t *nameFallback;
    const wchar_t *fieldFallback;
    const wchar_t *saveFilter;
    const wchar_t *defaultFileName;
    const wchar_t *defaultExtension;
    const wchar_t *exportErrorCaption;
    const wchar_t *createFailedMessage;
    const wchar_t *listFailedMessage;
    const wchar_t *writeFailedMessage;
    const wchar_t *exportCompleteCaption;
    const wchar_t *exportCompleteTemplate;
    const wchar_t *reportHeader;
    const wchar_t *reportEntryTemplate;
};
