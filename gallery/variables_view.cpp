#include "variables_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kSourceRole = Qt::UserRole;
constexpr int kFormRole = Qt::UserRole + 1;
enum Column { NameColumn, ValueColumn, TypeColumn };

void setChanged(QTreeWidgetItem* item, bool changed)
{
    QFont font = item->font(ValueColumn);
    if (font.bold() == changed) return;
    font.setBold(changed);
    item->setFont(ValueColumn, font);
}
}  // namespace

VariablesView::VariablesView(QWidget* parent) : QWidget(parent)
{
    m_tree = new QTreeWidget;
    m_tree->setObjectName("variables");
    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({tr("Name"), tr("Value"), tr("Type")});
    m_tree->setAccessibleName(tr("Form variables"));
    m_tree->setAccessibleDescription(
        tr("Each window's form-level variables after the last event; changed values in bold"));
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(ValueColumn, QHeaderView::Stretch);
    auto* label = new QLabel(tr("Form &variables of the programs started here:"));
    label->setBuddy(m_tree);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_tree, 1);
}

QTreeWidgetItem* VariablesView::windowItem(int source, const QString& program, const QString& form)
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_tree->topLevelItem(i);
        if (item->data(0, kSourceRole).toInt() == source && item->data(0, kFormRole) == form)
            return item;
    }
    auto* item = new QTreeWidgetItem(m_tree, {tr("%1 (%2)").arg(form, program)});
    item->setData(0, kSourceRole, source);
    item->setData(0, kFormRole, form);
    item->setFirstColumnSpanned(true);
    item->setExpanded(true);
    return item;
}

void VariablesView::setVariable(int source, const QString& program, const QString& form,
                                const QString& name, const QString& type, const QString& value)
{
    QTreeWidgetItem* window = windowItem(source, program, form);
    for (int i = 0; i < window->childCount(); ++i) {
        QTreeWidgetItem* variable = window->child(i);
        if (variable->text(NameColumn) != name) continue;
        variable->setText(ValueColumn, value);
        variable->setText(TypeColumn, type);
        setChanged(variable, true);
        return;
    }
    new QTreeWidgetItem(window, {name, value, type});
    for (int column : {NameColumn, TypeColumn}) m_tree->resizeColumnToContents(column);
}

void VariablesView::removeWindow(int source, const QString& form)
{
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* item = m_tree->topLevelItem(i);
        if (item->data(0, kSourceRole).toInt() == source && item->data(0, kFormRole) == form)
            delete item;
    }
}

void VariablesView::removeProgram(int source)
{
    for (int i = m_tree->topLevelItemCount() - 1; i >= 0; --i)
        if (m_tree->topLevelItem(i)->data(0, kSourceRole).toInt() == source)
            delete m_tree->topLevelItem(i);
}

void VariablesView::newEvent(int source)
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* window = m_tree->topLevelItem(i);
        if (window->data(0, kSourceRole).toInt() != source) continue;
        for (int j = 0; j < window->childCount(); ++j) setChanged(window->child(j), false);
    }
}

QString VariablesView::valueOf(const QString& form, const QString& name) const
{
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* window = m_tree->topLevelItem(i);
        if (window->data(0, kFormRole) != form) continue;
        for (int j = 0; j < window->childCount(); ++j)
            if (window->child(j)->text(NameColumn) == name)
                return window->child(j)->text(ValueColumn);
    }
    return {};
}
