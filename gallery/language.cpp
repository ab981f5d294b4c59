#include "language.h"

#include "forms/desktop/translations.h"

#include <QCoreApplication>
#include <QTranslator>

std::vector<QTranslator*> installTranslations(const QLocale& locale)
{
    std::vector<QTranslator*> installed;
    for (const char* name : {"gallery", "lessons"}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, QString::fromLatin1(name), QStringLiteral("_"),
                             QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(translator);
            installed.push_back(translator);
        } else {
            delete translator;
        }
    }
    if (QTranslator* toolkit = rt::loadToolkitTranslations(locale)) installed.push_back(toolkit);
    return installed;
}

QString lessonText(const char* text, const char* program)
{
    return QCoreApplication::translate("Lessons", text, program);
}
