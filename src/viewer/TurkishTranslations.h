#pragma once

namespace Tabulon {

// Loads Qt's own Turkish translations into the application, so standard
// buttons and dialogs read "Tamam", "Evet", "Hayır", "İptal". False when the
// translation files are not installed; the program then runs with Qt's
// English texts for those few words.
bool InstallTurkishTranslations();

}  // namespace Tabulon
