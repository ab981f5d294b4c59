#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QPlainTextEdit;

// A program's own source files, built into the gallery as resources under
// :/source/<program>/, in reading order: the windows' layouts first, then the
// headers, then the handlers and modules, main.cpp last.
QStringList programSourceFiles(const QString& program);
QString programSource(const QString& program, const QString& file);

// Shows one program's source read-only, with C++ highlighting, one file at a
// time chosen from a list.
class SourceView : public QWidget {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    void showProgram(const QString& program);
    QComboBox* files() const { return m_files; }
    QPlainTextEdit* text() const { return m_text; }

private:
    void showFile(int index);

    QString m_program;
    QComboBox* m_files;
    QPlainTextEdit* m_text;
};
