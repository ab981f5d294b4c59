#pragma once

#include <QStringList>
#include <QWidget>

#include <optional>

class QComboBox;
class QPlainTextEdit;

// A program's own source files, built into the gallery as resources under
// :/source/<program>/, in reading order: the windows' layouts first, then the
// headers, then the handlers and modules, main.cpp last.
QStringList programSourceFiles(const QString& program);
QString programSource(const QString& program, const QString& file);

// Where a program's window class `form` defines `procedure` (a handler such
// as "cmdStart_Click"): the file and the line, counted from 0, that starts
// the definition. Nothing when the source has none.
struct SourcePlace {
    QString file;
    int line = -1;
};
std::optional<SourcePlace> findProcedure(const QString& program, const QString& form,
                                         const QString& procedure);

// Shows one program's source read-only, with C++ highlighting, one file at a
// time chosen from a list.
class SourceView : public QWidget {
    Q_OBJECT
public:
    explicit SourceView(QWidget* parent = nullptr);

    void showProgram(const QString& program);
    // Shows the file that defines the handler, scrolled to it, its first line
    // marked and the cursor on it. Returns false when it was not found.
    bool showProcedure(const QString& form, const QString& procedure);
    QComboBox* files() const { return m_files; }
    QPlainTextEdit* text() const { return m_text; }
    // The marked line, counted from 0, or -1.
    int markedLine() const;

private:
    void showFile(int index);
    void markLine(int line);

    QString m_program;
    QComboBox* m_files;
    QPlainTextEdit* m_text;
    int m_marked = -1;
};
