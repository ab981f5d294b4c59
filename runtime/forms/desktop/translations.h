#pragma once

#include <QLocale>

class QTranslator;

namespace rt {

// Installs the toolkit's own translations for the desktop's language, so the
// standard buttons and dialogs speak it ("Sí", "No", "Cancelar" on a Spanish
// desktop). The programs' own texts are not translated. Call once after the
// QApplication exists; returns the installed translator, or null when the
// toolkit has no translation for that language.
QTranslator* loadToolkitTranslations(const QLocale& locale = QLocale::system());

}  // namespace rt
