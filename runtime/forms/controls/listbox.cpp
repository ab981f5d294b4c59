#include "forms/controls/listbox.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

#include <utility>

namespace rt {

// The toolkit's list, reporting the user's clicks and selecting keys to its
// list box once the toolkit has handled them.
class ListWidget : public QListWidget {
public:
    ListWidget(ListBox& owner, QWidget* parent) : QListWidget(parent), m_owner(owner) {}

protected:
    // Click runs once the selection is final, when the button is released
    // over the list after a press on an item; the second press of a double
    // click runs DblClick instead.
    void mousePressEvent(QMouseEvent* event) override
    {
        const bool onItem = itemAt(event->position().toPoint()) != nullptr;
        QListWidget::mousePressEvent(event);
        m_clickPending = onItem && event->button() == Qt::LeftButton;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QListWidget::mouseReleaseEvent(event);
        if (std::exchange(m_clickPending, false)) m_owner.userClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        const bool onItem = itemAt(event->position().toPoint()) != nullptr;
        m_clickPending = false;
        // A second press on another item is taken as a first press there.
        QListWidget::mouseDoubleClickEvent(event);
        if (!m_clickPending && onItem && event->button() == Qt::LeftButton)
            m_owner.userDoubleClicked();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const auto before = state();
        QListWidget::keyPressEvent(event);
        if (state() != before) m_owner.userClicked();
    }
    // Shift with a click or an arrow selects the range from the anchor to
    // that item and nothing else; Ctrl+Shift adds the range to the selection.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override
    {
        auto command = QListWidget::selectionCommand(index, event);
        const bool pressOrKey = event && (event->type() == QEvent::MouseButtonPress ||
                                          event->type() == QEvent::KeyPress);
        // A single-selection list always has the clicked item selected:
        // Ctrl+click or Ctrl+Space on it must not leave the list without one.
        if (selectionMode() == SingleSelection &&
            (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)))
            return QItemSelectionModel::ClearAndSelect;
        if (pressOrKey && selectionMode() == ExtendedSelection &&
            command.testFlag(QItemSelectionModel::Current)) {
            const auto modifiers = static_cast<const QInputEvent*>(event)->modifiers();
            if (!(modifiers & Qt::ControlModifier)) command |= QItemSelectionModel::Clear;
        }
        return command;
    }

private:
    // The current row and the selected rows: a key that changes them is a click.
    std::pair<int, std::vector<int>> state() const
    {
        std::vector<int> rows;
        for (const QModelIndex& index : selectionModel()->selectedIndexes())
            rows.push_back(index.row());
        std::ranges::sort(rows);
        return {currentRow(), std::move(rows)};
    }

    ListBox& m_owner;
    bool m_clickPending = false;
};

ListBox::ListBox(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container, new ListWidget(*this, container->childArea())),
      m_list(static_cast<ListWidget*>(widget())),
      m_multiSelect(spec.props.multiSelect)
{
    switch (m_multiSelect) {
        case vbMultiSelectSimple:
            m_list->setSelectionMode(QAbstractItemView::MultiSelection);
            break;
        case vbMultiSelectExtended:
            m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
            break;
        default: m_list->setSelectionMode(QAbstractItemView::SingleSelection); break;
    }
    m_list->setFocusPolicy(Qt::StrongFocus);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QListWidget* ListBox::listWidget() const
{
    return m_list;
}

int ListBox::row(Integer index) const
{
    if (index < 0 || index >= m_list->count()) raise(ErrorCode::InvalidProcedureCall);
    return index;
}

void ListBox::AddItem(const QString& item)
{
    m_list->addItem(item);
}

void ListBox::RemoveItem(Integer index)
{
    // The toolkit moves the current item, and may select it, when the current
    // one goes; the items that stay keep exactly the flags they had.
    const int removed = row(index);
    const bool wasCurrent = m_list->currentRow() == removed;
    QList<QListWidgetItem*> keep = m_list->selectedItems();
    keep.removeOne(m_list->item(removed));
    delete m_list->takeItem(removed);
    if (wasCurrent) m_list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    if (m_list->selectedItems().size() != keep.size()) {
        m_list->clearSelection();
        for (QListWidgetItem* item : keep) item->setSelected(true);
    }
}

void ListBox::Clear()
{
    m_list->clear();
}

Integer ListBox::ListCount() const
{
    return Integer::fromWide(m_list->count());
}

Integer ListBox::ListIndex() const
{
    if (m_multiSelect != vbMultiSelectNone) return Integer::fromWide(m_list->currentRow());
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? Integer(-1) : Integer::fromWide(m_list->row(selected.first()));
}

void ListBox::setListIndex(Integer index)
{
    const Assignment assignment(subject(), PropertyName::ListIndex, index);
    if (index < -1 || index >= m_list->count()) raise(ErrorCode::InvalidPropertyValue);
    if (index == -1) {
        m_list->clearSelection();
        m_list->setCurrentRow(-1, QItemSelectionModel::Clear);
        return;
    }
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    m_list->scrollToItem(m_list->item(index));
    fire(Click);
}

QString ListBox::List(Integer index) const
{
    return m_list->item(row(index))->text();
}

void ListBox::setList(Integer index, const QString& text)
{
    const Assignment assignment(subject(), PropertyName::List, text, index);
    if (index == m_list->count()) {
        AddItem(text);
        return;
    }
    m_list->item(row(index))->setText(text);
}

QString ListBox::Text() const
{
    const int current = ListIndex();
    return current < 0 ? QString() : m_list->item(current)->text();
}

bool ListBox::Selected(Integer index) const
{
    return m_list->item(row(index))->isSelected();
}

void ListBox::setSelected(Integer index, bool selected)
{
    const Assignment assignment(subject(), PropertyName::Selected, selected, index);
    QListWidgetItem* item = m_list->item(row(index));
    if (m_multiSelect == vbMultiSelectNone && selected) {
        m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        return;
    }
    item->setSelected(selected);
}

Integer ListBox::SelCount() const
{
    return Integer::fromWide(m_list->selectedItems().size());
}

void ListBox::userClicked()
{
    fire(Click);
}

void ListBox::userDoubleClicked()
{
    fire(DblClick);
}

}  // namespace rt
