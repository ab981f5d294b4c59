#include "listbox.h"

#include "form.h"
#include "label.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace rt {

// The toolkit's list, reporting the user's clicks and selecting keys to its
// list box once the toolkit has handled them.
class ListWidget : public QListWidget {
public:
    ListWidget(ListBox& owner, QWidget* parent) : QListWidget(parent), m_owner(owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const bool onItem = itemAt(event->position().toPoint()) != nullptr;
        QListWidget::mousePressEvent(event);
        if (onItem && event->button() == Qt::LeftButton) m_owner.userClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        const bool onItem = itemAt(event->position().toPoint()) != nullptr;
        QListWidget::mouseDoubleClickEvent(event);
        if (onItem && event->button() == Qt::LeftButton) m_owner.userDoubleClicked();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const auto before = state();
        QListWidget::keyPressEvent(event);
        if (state() != before) m_owner.userClicked();
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
};

ListBox::ListBox(Form& form, const ControlSpec& spec, Container* container)
    : Control(form, spec, container),
      m_list(new ListWidget(*this, container->childArea())),
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
    setUp();
}

QWidget* ListBox::widget() const
{
    return m_list;
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

bool ListBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::Show && !m_named) {
        m_named = true;
        nameAfterNeighbouringLabel();
    }
    return Control::eventFilter(watched, event);
}

// A list box has no caption: screen readers announce it by the label just
// above it or just left of it, as a sighted user reads the window.
void ListBox::nameAfterNeighbouringLabel()
{
    const QRectF list = rectTwips();
    constexpr double reach = 480;  // twips between label and list
    for (const Control* c : form().controls()) {
        const auto* label = dynamic_cast<const Label*>(c);
        if (!label || label->Caption().isEmpty() || label->widget()->parent() != m_list->parent())
            continue;
        const QRectF r = label->rectTwips();
        const bool above = std::abs(r.bottom() - list.top()) <= reach && r.right() > list.left() &&
                           r.left() < list.right();
        const bool leftOf = list.left() - r.right() >= -twipsPerPixel &&
                            list.left() - r.right() <= reach && r.bottom() > list.top() &&
                            r.top() < list.bottom();
        if (above || leftOf) {
            m_list->setAccessibleName(label->Caption());
            return;
        }
    }
}

}  // namespace rt
