#include "testing/desktop_file_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace rt::testing {

namespace {

constexpr int pollMs = 10;
constexpr int giveUpMs = 5000;

void chooseFilter(QFileDialog& dialog, int filterIndex)
{
    const QStringList filters = dialog.nameFilters();
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters[filterIndex - 1]);
}

// Lets the dialog's folder listing, which is read in the background, arrive.
bool waitFor(const std::function<bool()>& ready)
{
    QElapsedTimer waited;
    waited.start();
    while (!ready()) {
        if (waited.elapsed() > giveUpMs) return false;
        QTest::qWait(pollMs);
    }
    return true;
}

// Closes each message box the dialog shows over itself, keeping its text.
void closeMessageBoxes(QStringList& complaints)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (!box || !box->isVisible()) continue;
        complaints << box->text();
        box->reject();
    }
}

}  // namespace

DesktopFileDialogs::DesktopFileDialogs(ScriptedInteraction& user) : m_user(user)
{
    setInteraction(this);
}

DesktopFileDialogs::~DesktopFileDialogs()
{
    setInteraction(&m_user);
}

void DesktopFileDialogs::typeName(const QString& folder, const QString& name, int filterIndex)
{
    m_actions.push_back([folder, name, filterIndex](QFileDialog& dialog) {
        dialog.setDirectory(folder);
        chooseFilter(dialog, filterIndex);
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!edit) return;
        // Over whatever name the dialog offers, as a user types over it;
        // the dialog lets go of the name it offered only while the name box
        // has the focus.
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog)) return;
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, name);
        // The list of matching names that pops up while typing holds the
        // keyboard: Enter goes to it, and it passes Enter on to the box.
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : edit, Qt::Key_Return);
    });
}

void DesktopFileDialogs::pickFromList(const QString& folder, const QString& name, int filterIndex)
{
    m_actions.push_back([this, folder, name, filterIndex](QFileDialog& dialog) {
        dialog.setDirectory(folder);
        chooseFilter(dialog, filterIndex);
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        auto* files = dialog.findChild<QFileSystemModel*>();
        if (!list || !files) return;
        const QString path = QDir(folder).filePath(name);
        const auto shown = [&] {
            const QModelIndex item = files->index(path);
            return item.isValid() && !list->visualRect(item).isEmpty();
        };
        if (!waitFor(shown)) {
            complaints << name + QStringLiteral(" is not in the list");
            return;
        }
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(files->index(path)).center());
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        if (!buttons) return;
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) button->click();
    });
}

std::optional<FileDialogAnswer> DesktopFileDialogs::fileDialog(const FileDialogRequest& request)
{
    Action action;
    if (!m_actions.empty()) {
        action = std::move(m_actions.front());
        m_actions.pop_front();
    }
    // Two timers, since a timer does not fire again while its own handler
    // waits in a message box the dialog has put up.
    QTimer act, guard;
    QObject::connect(&guard, &QTimer::timeout, [this] { closeMessageBoxes(complaints); });
    QObject::connect(&act, &QTimer::timeout, [&] {
        QPointer<QFileDialog> dialog =
            qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        act.stop();
        if (action) action(*dialog);
        if (!dialog || !dialog->isVisible()) return;
        if (action) complaints << QStringLiteral("the dialog stayed open");
        dialog->reject();
    });
    act.start(pollMs);
    guard.start(pollMs);
    return m_desktop.fileDialog(request);
}

}  // namespace rt::testing
