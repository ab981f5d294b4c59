#pragma once

#include "forms/core/control.h"

class QAction;
class QMenu;

namespace rt {

// A menu or menu item of a form's menu bar. Items with no parent menu are the
// menus of the bar; the others belong to the menu named in Props.parentMenu,
// which must come before them in the layout. An ampersand in the caption marks
// the access letter; the caption "-" makes a separator line. Click runs when
// the user chooses the item (a disabled item cannot be chosen).
class Menu : public CaptionedControl {
    Q_OBJECT
public:
    // Menus live in the menu bar, not on the client area: they have no widget.
    Menu(Form& form, const ControlSpec& spec, Container* container);
    ~Menu() override;

    bool Enabled() const override;
    bool Visible() const override;
    bool Checked() const;
    void setChecked(bool checked);
    bool isSeparator() const;

    Event<> Click{EventName::Click};

    // The toolkit's action, through which the user (and assistive
    // technologies) choose the item.
    QAction* action() const { return m_action; }
    // The drop-down that holds this menu's items, made on first use.
    QMenu* submenu();

private:
    void showCaption(const QString& caption) override;
    void showEnabled(bool enabled) override;
    void showVisible(bool visible) override;

    QAction* m_action = nullptr;
    QMenu* m_submenu = nullptr;
};

}  // namespace rt
