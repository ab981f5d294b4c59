#pragma once

#include "forms/core/control.h"

#include <QString>

class QListWidget;

namespace rt {

class ListWidget;

// Selection modes of a list box (its MultiSelect property).
enum ListMultiSelect : int {
    vbMultiSelectNone = 0,      // one item at a time
    vbMultiSelectSimple = 1,    // a click or Space toggles an item
    vbMultiSelectExtended = 2,  // click selects one, Ctrl+click toggles, Shift+click a range
};

// A list box of texts, indexed from 0, in the order the program puts them.
//
// Click runs each time the user clicks an item (the selected one too), when a
// key changes the selection or the current item, and when the program sets
// ListIndex to an item. AddItem, RemoveItem, Clear, List and Selected never
// run it. An index outside the list raises Invalid procedure call (5); the
// one exception is writing List(ListCount), which appends.
class ListBox : public Control {
    Q_OBJECT
public:
    ListBox(Form& form, const ControlSpec& spec, Container* container);

    void AddItem(const QString& item);
    // Removes item `index`; the items after it move up by one.
    void RemoveItem(Integer index);
    void Clear();
    Integer ListCount() const;

    // Single selection: the selected item, or -1. Multiple selection: the
    // item that has the keyboard focus, or -1. Setting it selects that item
    // (in a multiple selection, it alone), scrolls it into view and runs
    // Click; -1 clears the selection without a Click. Other values raise
    // Invalid property value (380).
    Integer ListIndex() const;
    void setListIndex(Integer index);

    QString List(Integer index) const;
    void setList(Integer index, const QString& text);
    // The text of the item at ListIndex, or "" when there is none.
    QString Text() const;

    // Whether item `index` is selected. Selecting an item of a single
    // selection list deselects the one selected before.
    bool Selected(Integer index) const;
    void setSelected(Integer index, bool selected);
    // The number of selected items.
    Integer SelCount() const;
    int MultiSelect() const { return m_multiSelect; }

    Event<> Click{EventName::Click};
    Event<> DblClick{EventName::DblClick};

    QListWidget* listWidget() const;

private:
    friend class ListWidget;
    // The row of `index`, raising Invalid procedure call outside the list.
    int row(Integer index) const;
    void userClicked();
    void userDoubleClicked();

    ListWidget* m_list;
    int m_multiSelect;
};

}  // namespace rt
