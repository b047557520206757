// The French build's texts: a partial translation; the rest stays English.
#pragma once

#include "text/ui_text_english.h"

// Accented letters as precomposed code units, written as escapes so that the
// table does not depend on the source file's encoding.
inline constexpr UiText kUiTextFrench = {
    L"Quenor D\u00e9tection des p\u00e9riph\u00e9riques",
    L"Scanneur des p\u00e9riph\u00e9riques Quenor" HALVEX_ABOUT_CREDIT,
    kUiTextEnglish.aboutCaption,
    L"Exporter en .txt",
    L"A propos",
    {
        L"Tous les p\u00e9riph\u00e9riques (ALL)",
        L"Cartes R\u00e9seau (Network)",
        L"Lecteurs de Disque (Storage)",
        L"Contr\u00f4leurs IDE/SATA/AHCI",
        L"Cartes Graphiques (Display)",
        L"Contr\u00f4leurs USB",
        L"Cartes Audio (Media)",
    },
    {
        kUiTextEnglish.columnHeaders[0],
        kUiTextEnglish.columnHeaders[1],
        kUiTextEnglish.columnHeaders[2],
        kUiTextEnglish.columnHeaders[3],
    },
    L"S\u00e9lectionnez un appareil pour afficher et copier ses d\u00e9tails.",
    kUiTextEnglish.detailTemplate,
    kUiTextEnglish.nameFallback,
    kUiTextEnglish.fieldFallback,
    kUiTextEnglish.saveFilter,
    L"quenordevs.txt",
    kUiTextEnglish.defaultExtension,
    kUiTextEnglish.exportErrorCaption,
    kUiTextEnglish.createFailedMessage,
    kUiTextEnglish.listFailedMessage,
    L"Impossible d'\u00e9crire le fichier .txt !.",
    kUiTextEnglish.exportCompleteCaption,
    kUiTextEnglish.exportCompleteTemplate,
    kUiTextEnglish.reportHeader,
    kUiTextEnglish.reportEntryTemplate,
};
