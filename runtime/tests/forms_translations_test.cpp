// The toolkit's own translations: standard buttons follow the desktop's language.
#include "forms/desktop/translations.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QStringList standardButtonTexts()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QStringList texts;
    for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        texts << box.button(button)->text().remove(u'&');
    return texts;
}

}  // namespace

TEST(Translations, StandardButtonsSpeakTheDesktopsLanguage)
{
    const struct {
        const char* locale;
        bool found;
        QStringList texts;
    } cases[] = {
        {"es_ES", true, {"Sí", "No", "Cancelar"}},
        {"de_DE", true, {"Ja", "Nein", "Abbrechen"}},
        // No translation: the buttons keep the toolkit's English.
        {"zu_ZA", false, {"Yes", "No", "Cancel"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        QTranslator* translator = rt::loadToolkitTranslations(QLocale(c.locale));
        EXPECT_EQ(translator != nullptr, c.found);
        EXPECT_EQ(standardButtonTexts(), c.texts);
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}
