#pragma once

#include "catalogue.h"

#include <QWidget>

#include <functional>

class QListWidget;
class QPushButton;

// Lists the programs by caption and summary; Open (or a double click, or
// Enter) starts the chosen one as a process of its own.
class GalleryWindow : public QWidget {
    Q_OBJECT
public:
    using Launcher = std::function<bool(const QString& executable)>;

    explicit GalleryWindow(const std::vector<CatalogueEntry>& entries, Launcher launch,
                           QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    QPushButton* openButton() const { return m_open; }
    void openSelected();

private:
    std::vector<CatalogueEntry> m_entries;
    Launcher m_launch;
    QListWidget* m_list;
    QPushButton* m_open;
};

// Starts bin/<program> beside the gallery's own executable.
bool launchBeside(const QString& program);
