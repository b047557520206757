// The build switch: compiled into one test program per language.
#include <gtest/gtest.h>

#include "inventory/device_categories.h"
#include "text/build_language.h"

namespace {

#if HALVEX_FRENCH
const UiText &kExpectedTable = kUiTextFrench;
const DWORD kExpectedStructSize = sizeof(OPENFILENAMEW);
#else
const UiText &kExpectedTable = kUiTextEnglish;
const DWORD kExpectedStructSize = OPENFILENAME_SIZE_VERSION_400W;
#endif

TEST(BuildLanguage, TableAndSaveDialogSizeAreTheBuildsOwn)
{
    EXPECT_EQ(&kUiText, &kExpectedTable);
    EXPECT_EQ(kSaveDialogStructSize, kExpectedStructSize);
}

TEST(BuildLanguage, CategoryLabelsAreTheBuildsInTableOrder)
{
    for (int i = 0; i < kCategoryCount; ++i) {
        EXPECT_STREQ(kDeviceCategories[i].label, kExpectedTable.categoryLabels[i]) << i;
    }
}

}  // namespace
