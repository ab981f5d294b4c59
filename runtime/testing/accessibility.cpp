#include "testing/accessibility.h"

#include "forms/accessibility/accessible.h"
#include "forms/runtime.h"
#include "testing/widgets.h"

#include <QAccessible>
#include <QWidget>

namespace rt::testing {

namespace {

QAccessible::Role roleOf(Kind kind)
{
    switch (kind) {
        case Kind::CommandButton: return QAccessible::Button;
        case Kind::OptionButton: return QAccessible::RadioButton;
        case Kind::CheckBox: return QAccessible::CheckBox;
        case Kind::Label: return QAccessible::StaticText;
        case Kind::TextBox: return QAccessible::EditableText;
        case Kind::HScrollBar:
        case Kind::VScrollBar: return QAccessible::ScrollBar;
        case Kind::PictureBox: return QAccessible::Canvas;
        case Kind::Frame: return QAccessible::Grouping;
        case Kind::ListBox: return QAccessible::List;
        case Kind::Timer:
        case Kind::Menu:
        case Kind::CommonDialog: break;
    }
    return QAccessible::NoRole;
}

// The name the control should be announced by.
QString expectedName(const Control& c)
{
    if (!captionOf(c).isEmpty()) return spokenCaption(captionOf(c));
    if (c.labelledBy() && !c.labelledBy()->Caption().isEmpty())
        return spokenCaption(c.labelledBy()->Caption());
    return c.spec().props.accessibleName;
}

// A name a listener cannot make sense of: the control's name in the code
// ("txtH", "hsbColor(2)").
bool isCodeName(const Control& c, const QString& name)
{
    return name == c.name() || name == c.widget()->objectName();
}

QString textOf(QAccessibleInterface* access)
{
    QAccessibleTextInterface* text = access->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

// Problems with the interface the control's kind needs.
QStringList interfaceProblems(const Control& c, QAccessibleInterface* access)
{
    QStringList problems;
    if (const auto* box = dynamic_cast<const TextBox*>(&c)) {
        if (!access->textInterface())
            problems << QStringLiteral("no text interface");
        else if (textOf(access) != box->Text())
            problems << QStringLiteral("text \"%1\" is not its Text").arg(textOf(access));
    } else if (const auto* label = dynamic_cast<const Label*>(&c)) {
        if (!access->textInterface())
            problems << QStringLiteral("no text interface");
        else if (textOf(access) != label->Caption())
            problems << QStringLiteral("text \"%1\" is not its Caption").arg(textOf(access));
    } else if (const auto* bar = dynamic_cast<const ScrollBar*>(&c)) {
        QAccessibleValueInterface* value = access->valueInterface();
        if (!value) {
            problems << QStringLiteral("no value interface");
        } else {
            const int low = qMin(int(bar->Min()), int(bar->Max()));
            const int high = qMax(int(bar->Min()), int(bar->Max()));
            if (value->currentValue().toInt() != bar->Value() ||
                value->minimumValue().toInt() != low || value->maximumValue().toInt() != high)
                problems << QStringLiteral("value %1 in %2..%3, not %4 in %5..%6")
                                .arg(value->currentValue().toInt())
                                .arg(value->minimumValue().toInt())
                                .arg(value->maximumValue().toInt())
                                .arg(int(bar->Value()))
                                .arg(low)
                                .arg(high);
        }
    } else if (dynamic_cast<const CaptionedControl*>(&c) && c.kind() != Kind::Frame) {
        const QAccessibleActionInterface* action = access->actionInterface();
        const QStringList names = action ? action->actionNames() : QStringList();
        if (!names.contains(QAccessibleActionInterface::pressAction()) &&
            !names.contains(QAccessibleActionInterface::toggleAction()))
            problems << QStringLiteral("cannot be pressed");
    }
    if (const auto* option = dynamic_cast<const OptionButton*>(&c);
        option && access->state().checked != option->Value())
        problems << QStringLiteral("checked state is not its Value");
    if (const auto* box = dynamic_cast<const CheckBox*>(&c);
        box && access->state().checked != (box->Value() == 1))
        problems << QStringLiteral("checked state is not its Value");
    return problems;
}

}  // namespace

QStringList accessibilityProblems(const rt::Form& form)
{
    QStringList problems;
    // The window itself is a frame named by its caption, as any desktop window.
    if (QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.window())) {
        if (window->role() != QAccessible::Window)
            problems << QStringLiteral("window: role %1").arg(int(window->role()), 0, 16);
        if (window->text(QAccessible::Name) != form.window()->windowTitle())
            problems << QStringLiteral("window: named \"%1\"").arg(window->text(QAccessible::Name));
    } else {
        problems << QStringLiteral("window: not accessible");
    }
    for (const Control* c : form.controls()) {
        const QString who =
            c->index() >= 0 ? QStringLiteral("%1(%2)").arg(c->name()).arg(c->index()) : c->name();
        if (c->kind() == Kind::Menu) {
            if (captionOf(*c).isEmpty()) problems << who + QStringLiteral(": no caption");
            continue;
        }
        if (!c->widget()) continue;  // timers and common dialogs are not shown
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(c->widget());
        if (!access) {
            problems << who + QStringLiteral(": not accessible");
            continue;
        }
        if (access->role() != roleOf(c->kind()))
            problems << who + QStringLiteral(": role %1").arg(int(access->role()), 0, 16);
        const QString name = access->text(QAccessible::Name);
        if (isCodeName(*c, name))
            problems << who + QStringLiteral(
                                  ": named by its code name; give its layout line an "
                                  "accessibleName");
        else if (name != expectedName(*c))
            problems
                << who + QStringLiteral(": named \"%1\", not \"%2\"").arg(name, expectedName(*c));
        for (const QString& problem : interfaceProblems(*c, access))
            problems << who + QStringLiteral(": ") + problem;
    }
    return problems;
}

}  // namespace rt::testing
