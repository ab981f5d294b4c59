#include "forms/controls/menu.h"

#include "forms/core/form.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace rt {

namespace {
bool separatorCaption(const QString& caption)
{
    return caption == QLatin1String("-");
}
}  // namespace

Menu::Menu(Form& form, const ControlSpec& spec, Container* container)
    : CaptionedControl(form, spec, container, nullptr)
{
    const QString& parentName = spec.props.parentMenu;
    if (parentName.isEmpty()) {
        m_submenu = form.menuBar()->addMenu(spec.caption);
        m_action = m_submenu->menuAction();
    } else {
        auto* parent = dynamic_cast<Menu*>(form.find(parentName));
        if (!parent)
            throw std::logic_error("menu " + parentName.toStdString() + " must come before " +
                                   spec.name.toStdString() + " in the layout");
        QMenu* holder = parent->submenu();
        m_action = separatorCaption(spec.caption) ? holder->addSeparator()
                                                  : holder->addAction(spec.caption);
    }
    m_action->setObjectName(spec.props.index >= 0
                                ? QStringLiteral("%1(%2)").arg(spec.name).arg(spec.props.index)
                                : spec.name);
    m_action->setEnabled(spec.props.enabled);
    m_action->setVisible(spec.props.visible);
    connect(m_action, &QAction::triggered, this, [this] { fire(Click); });
}

Menu::~Menu() = default;

QMenu* Menu::submenu()
{
    if (!m_submenu) {
        m_submenu = new QMenu(m_action->text(), form().window());
        m_action->setMenu(m_submenu);
    }
    return m_submenu;
}

void Menu::showCaption(const QString& caption)
{
    m_action->setSeparator(separatorCaption(caption));
    m_action->setText(caption);
    if (m_submenu) m_submenu->setTitle(caption);
}

bool Menu::Enabled() const
{
    return m_action->isEnabled();
}
void Menu::showEnabled(bool enabled)
{
    m_action->setEnabled(enabled);
}
bool Menu::Visible() const
{
    return m_action->isVisible();
}
void Menu::showVisible(bool visible)
{
    m_action->setVisible(visible);
}
bool Menu::Checked() const
{
    return m_action->isChecked();
}

void Menu::setChecked(bool checked)
{
    const Assignment assignment(subject(), PropertyName::Checked, checked);
    m_action->setCheckable(checked || m_action->isCheckable());
    m_action->setChecked(checked);
}

bool Menu::isSeparator() const
{
    return m_action->isSeparator();
}

}  // namespace rt
