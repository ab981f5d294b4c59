#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;

// The form-level variables of the programs the gallery started, window by
// window, with their values as code writes them and their types. The values
// the last event changed stand out.
class VariablesView : public QWidget {
    Q_OBJECT
public:
    explicit VariablesView(QWidget* parent = nullptr);

    QTreeWidget* tree() const { return m_tree; }

    void setVariable(int source, const QString& program, const QString& form, const QString& name,
                     const QString& type, const QString& value);
    void removeWindow(int source, const QString& form);
    void removeProgram(int source);
    // A new event has run: what changes from now on is marked as changed.
    void newEvent(int source);

    // The value shown for a variable, or a null text when none is shown.
    QString valueOf(const QString& form, const QString& name) const;

private:
    QTreeWidgetItem* windowItem(int source, const QString& program, const QString& form);

    QTreeWidget* m_tree;
};
