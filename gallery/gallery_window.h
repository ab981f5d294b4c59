#pragma once

#include "catalogue.h"

#include <QIcon>
#include <QMainWindow>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SourceView;
class Thumbnails;
class TraceView;
class VariablesView;

// The lesson browser: the programs grouped by what they teach, in a learner's
// order; beside the selected one its lesson, a picture of its window and its
// source. Open (or Enter, or a double click on a program) starts the selected
// program as a process of its own; its event trace and its form variables
// show beside the source, and a trace entry leads to its handler's source. A
// main window, so that screen readers announce it as an application's frame.
class GalleryWindow : public QMainWindow {
    Q_OBJECT
public:
    // Starts a program; its event trace goes to the local socket named.
    using Launcher = std::function<bool(const QString& executable, const QString& traceSocket)>;

    GalleryWindow(const std::vector<CatalogueEntry>& entries, Launcher launch,
                  Thumbnails* thumbnails = nullptr, QWidget* parent = nullptr);

    QTreeWidget* programs() const { return m_programs; }
    QPushButton* openButton() const { return m_open; }
    QLabel* lesson() const { return m_lesson; }
    QLabel* picture() const { return m_picture; }
    SourceView* source() const { return m_source; }
    TraceView* trace() const { return m_trace; }
    VariablesView* variables() const { return m_variables; }

    // The program of the selected row; empty when a group or nothing is selected.
    QString selectedProgram() const;
    void selectProgram(const QString& program);
    void openSelected();
    // Shows the program's source at the handler `procedure` of its window `form`.
    void showHandler(const QString& program, const QString& form, const QString& procedure);

private:
    const CatalogueEntry* entryOf(const QTreeWidgetItem* item) const;
    void showSelected();
    void showPicture(const QString& program);

    std::vector<CatalogueEntry> m_entries;
    Launcher m_launch;
    Thumbnails* m_thumbnails;
    QTreeWidget* m_programs;
    QLabel* m_heading;
    QLabel* m_window;
    QLabel* m_lesson;
    QLabel* m_picture;
    QPushButton* m_open;
    SourceView* m_source;
    TraceView* m_trace;
    VariablesView* m_variables;
};

// The folder of the programs: beside the gallery in the build tree; once
// installed, the private folder libexec/formprograms.
QString programDirectory();

// Starts the program from programDirectory(), tracing its events to
// `traceSocket`.
bool launchBeside(const QString& program, const QString& traceSocket);

// A program's icon, built into the gallery at every size.
QIcon programIconOf(const QString& program);
