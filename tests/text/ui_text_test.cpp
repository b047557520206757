// Every text of both builds, unit for unit. The expected texts are typed here
// as UTF-8 source, independently of the escapes in the tables.
#include <gtest/gtest.h>

#include <string>

#include "text/ui_text_french.h"

namespace {

struct TextCase {
    const char *field;
    const wchar_t *english;
    const wchar_t *french;
    std::wstring expectedEnglish;
    std::wstring expectedFrench;
};

const std::wstring kCredit = L"\r\n\r\nWritten with plain Win32 and SetupAPI.\r\nhttps://halvex.example.org/";

std::vector<TextCase> AllTexts()
{
    const UiText &en = kUiTextEnglish;
    const UiText &fr = kUiTextFrench;
    return {
        {"windowTitle", en.windowTitle, fr.windowTitle, L"Halvex", L"Quenor Détection des périphériques"},
        {"aboutText", en.aboutText, fr.aboutText, L"Halvex" + kCredit, L"Scanneur des périphériques Quenor" + kCredit},
        {"aboutCaption", en.aboutCaption, fr.aboutCaption, L"About", L"About"},
        {"exportButtonLabel", en.exportButtonLabel, fr.exportButtonLabel, L"Export to .txt", L"Exporter en .txt"},
        {"aboutButtonLabel", en.aboutButtonLabel, fr.aboutButtonLabel, L"About", L"A propos"},
        {"categoryLabels[0]", en.categoryLabels[0], fr.categoryLabels[0], L"All Devices", L"Tous les périphériques (ALL)"},
        {"categoryLabels[1]", en.categoryLabels[1], fr.categoryLabels[1], L"Network Adapters", L"Cartes Réseau (Network)"},
        {"categoryLabels[2]", en.categoryLabels[2], fr.categoryLabels[2], L"Disk Drives (Storage)", L"Lecteurs de Disque (Storage)"},
        {"categoryLabels[3]", en.categoryLabels[3], fr.categoryLabels[3], L"IDE/SATA/AHCI Controllers", L"Contrôleurs IDE/SATA/AHCI"},
        {"categoryLabels[4]", en.categoryLabels[4], fr.categoryLabels[4], L"Display Adapters", L"Cartes Graphiques (Display)"},
        {"categoryLabels[5]", en.categoryLabels[5], fr.categoryLabels[5], L"USB Controllers", L"Contrôleurs USB"},
        {"categoryLabels[6]", en.categoryLabels[6], fr.categoryLabels[6], L"Audio Devices (Media)", L"Cartes Audio (Media)"},
        {"columnHeaders[0]", en.columnHeaders[0], fr.columnHeaders[0], L"Device Name", L"Device Name"},
        {"columnHeaders[1]", en.columnHeaders[1], fr.columnHeaders[1], L"Hardware ID", L"Hardware ID"},
        {"columnHeaders[2]", en.columnHeaders[2], fr.columnHeaders[2], L"Manufacturer", L"Manufacturer"},
        {"columnHeaders[3]", en.columnHeaders[3], fr.columnHeaders[3], L"Driver (.sys)", L"Driver (.sys)"},
        {"detailPlaceholder", en.detailPlaceholder, fr.detailPlaceholder,
         L"Select a device to view and copy its details.",
         L"Sélectionnez un appareil pour afficher et copier ses détails."},
        {"detailTemplate", en.detailTemplate, fr.detailTemplate,
         L"Device Name: %s\r\nHardware ID: %s\r\nManufacturer: %s\r\nAssociated Driver: %s",
         L"Device Name: %s\r\nHardware ID: %s\r\nManufacturer: %s\r\nAssociated Driver: %s"},
        {"nameFallback", en.nameFallback, fr.nameFallback, L"Unknown", L"Unknown"},
        {"fieldFallback", en.fieldFallback, fr.fieldFallback, L"N/A", L"N/A"},
        {"defaultFileName", en.defaultFileName, fr.defaultFileName, L"devices.txt", L"quenordevs.txt"},
        {"defaultExtension", en.defaultExtension, fr.defaultExtension, L"txt", L"txt"},
        {"exportErrorCaption", en.exportErrorCaption, fr.exportErrorCaption, L"Export Error", L"Export Error"},
        {"createFailedMessage", en.createFailedMessage, fr.createFailedMessage,
         L"Unable to create the selected file.", L"Unable to create the selected file."},
        {"listFailedMessage", en.listFailedMessage, fr.listFailedMessage,
         L"Unable to retrieve the device list.", L"Unable to retrieve the device list."},
        {"writeFailedMessage", en.writeFailedMessage, fr.writeFailedMessage,
         L"An error occurred while writing the file.", L"Impossible d'écrire le fichier .txt !."},
        {"exportCompleteCaption", en.exportCompleteCaption, fr.exportCompleteCaption,
         L"Export Complete", L"Export Complete"},
        {"exportCompleteTemplate", en.exportCompleteTemplate, fr.exportCompleteTemplate,
         L"%lu device(s) exported to:\r\n%ls", L"%lu device(s) exported to:\r\n%ls"},
        {"reportHeader", en.reportHeader, fr.reportHeader,
         L"List of all present devices\r\n===========================\r\n\r\n",
         L"List of all present devices\r\n===========================\r\n\r\n"},
        {"reportEntryTemplate", en.reportEntryTemplate, fr.reportEntryTemplate,
         L"[%lu]\r\nDevice Name: %ls\r\nHardware ID: %ls\r\nManufacturer: %ls\r\nAssociated Driver: %ls\r\n\r\n",
         L"[%lu]\r\nDevice Name: %ls\r\nHardware ID: %ls\r\nManufacturer: %ls\r\nAssociated Driver: %ls\r\n\r\n"},
    };
}

// Shows a mismatch as code units, so that a look-alike character is caught.
std::string Units(const std::wstring &text)
{
    std::string out;
    char unit[8];
    for (wchar_t c : text) {
        snprintf(unit, sizeof unit, "%04X ", static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}

TEST(UiText, EveryTextOfBothBuildsUnitForUnit)
{
    for (const TextCase &c : AllTexts()) {
        EXPECT_EQ(Units(c.english), Units(c.expectedEnglish)) << "English " << c.field;
        EXPECT_EQ(Units(c.french), Units(c.expectedFrench)) << "French " << c.field;
    }
}

TEST(UiText, SaveFilterIsFourTextsEndedByADoubleZero)
{
    const std::wstring expected(L"Text file (*.txt)\0*.txt\0All files (*.*)\0*.*\0\0", 45);
    for (const UiText *table : {&kUiTextEnglish, &kUiTextFrench}) {
        EXPECT_EQ(Units(std::wstring(table->saveFilter, 45)), Units(expected));
    }
}

TEST(UiText, LengthsOfTheFrenchTexts)
{
    EXPECT_EQ(wcslen(kUiTextFrench.detailPlaceholder), 61u);
    size_t longest = 0;
    for (const wchar_t *label : kUiTextFrench.categoryLabels) {
        longest = std::max(longest, wcslen(label));
    }
    EXPECT_EQ(longest, 28u);
    EXPECT_EQ(wcslen(kUiTextFrench.categoryLabels[5]), 15u);  // "Contrôleurs USB"
}

TEST(UiText, AboutTextHasFourLinesAndNoFinalLineEnd)
{
    for (const UiText *table : {&kUiTextEnglish, &kUiTextFrench}) {
        std::wstring about = table->aboutText;
        size_t lines = 1;
        for (size_t at = about.find(L"\r\n"); at != std::wstring::npos; at = about.find(L"\r\n", at + 2)) {
            ++lines;
        }
        EXPECT_EQ(lines, 4u);
        EXPECT_EQ(about.find(L'\n'), about.find(L"\r\n") + 1);
        EXPECT_NE(about.back(), L'\n');
        EXPECT_EQ(about.substr(0, about.find(L"\r\n")),
                  table == &kUiTextEnglish ? L"Halvex" : L"Scanneur des périphériques Quenor");
    }
}

// No combining marks, no typographic apostrophes or non-breaking spaces.
TEST(UiText, OnlyPrecomposedLettersPlainApostrophesAndSpaces)
{
    for (const TextCase &c : AllTexts()) {
        for (const wchar_t *text : {c.english, c.french}) {
            for (const wchar_t *p = text; *p; ++p) {
                EXPECT_FALSE(*p >= 0x0300 && *p <= 0x036F) << c.field;
                EXPECT_FALSE(*p == 0x2019 || *p == 0x00A0 || *p == 0x202F) << c.field;
            }
        }
    }
}

}  // namespace
