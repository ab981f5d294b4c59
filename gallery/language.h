#pragma once

#include <QLocale>
#include <QString>

#include <vector>

class QTranslator;

// Makes the gallery speak `locale`'s language: its own texts, the lessons and
// the toolkit's standard buttons. Spanish has translations built in; any
// other language falls back to English, the language of the sources. Call
// before the windows are made; returns the translators installed.
std::vector<QTranslator*> installTranslations(const QLocale& locale = QLocale::system());

// A text of the catalogue (a group's name, or a program's name, summary or
// lesson) in the gallery's language. `program` names the program whose text
// it is; texts of groups have none.
QString lessonText(const char* text, const char* program = nullptr);
