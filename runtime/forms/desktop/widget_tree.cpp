#include "forms/desktop/widget_tree.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace rt {

namespace {

const QChar separator(0x1f);

// The toolkit class a widget is: its own, or the first toolkit class it derives from.
QString toolkitClass(const QWidget& widget)
{
    const QMetaObject* meta = widget.metaObject();
    while (meta && !QLatin1String(meta->className()).startsWith(QLatin1Char('Q')))
        meta = meta->superClass();
    return meta ? QString::fromLatin1(meta->className()) : QStringLiteral("QWidget");
}

QString textOf(const QWidget& widget)
{
    if (auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&widget)) return group->title();
    if (auto* line = qobject_cast<const QLineEdit*>(&widget)) return line->text();
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(&widget)) return edit->toPlainText();
    if (auto* list = qobject_cast<const QListWidget*>(&widget)) {
        QStringList items;
        for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
        return items.join(separator);
    }
    return {};
}

// Controls that hold other controls are followed into; the rest are leaves,
// whose own inner widgets (a text box's scroll bars) the toolkit makes itself.
bool holdsControls(const QString& toolkitClassName)
{
    return toolkitClassName == QLatin1String("QWidget") ||
           toolkitClassName == QLatin1String("QFrame") ||
           toolkitClassName == QLatin1String("QGroupBox");
}

void writeWidget(QTextStream& out, const QWidget& widget, int depth)
{
    const QString kind = toolkitClass(widget);
    const QRect place = widget.geometry();
    const QFont font = widget.font();
    const QString background = widget.autoFillBackground()
                                   ? widget.palette().color(QPalette::Window).name()
                                   : QStringLiteral("-");
    QString text = textOf(widget);
    text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), separator);
    out << depth << '\t' << kind << '\t' << place.x() << '\t' << place.y() << '\t' << place.width()
        << '\t' << place.height() << '\t' << font.family() << '\t' << font.pointSizeF() << '\t'
        << int(font.bold()) << '\t' << background << '\t' << text << '\n';
    if (auto* bar = qobject_cast<const QMenuBar*>(&widget)) {
        for (QAction* menu : bar->actions()) {
            QStringList entries{menu->text()};
            if (menu->menu())
                for (QAction* entry : menu->menu()->actions())
                    entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
            out << depth + 1 << "\tmenu\t0\t0\t0\t0\t-\t0\t0\t-\t" << entries.join(separator)
                << '\n';
        }
        return;
    }
    if (!holdsControls(kind)) return;
    for (QObject* child : widget.children())
        if (auto* shown = qobject_cast<QWidget*>(child);
            shown && !shown->isWindow() && !shown->isHidden())
            writeWidget(out, *shown, depth + 1);
}

}  // namespace

QString describeWidgetTree(const QWidget& window)
{
    QString tree;
    QTextStream out(&tree);
    out << "0\twindow\t0\t0\t" << window.width() << '\t' << window.height() << "\t-\t0\t0\t-\t"
        << window.windowTitle() << '\n';
    for (QObject* child : window.children())
        if (auto* shown = qobject_cast<QWidget*>(child);
            shown && !shown->isWindow() && !shown->isHidden())
            writeWidget(out, *shown, 1);
    out.flush();
    return tree;
}

void writeWidgetTreeAndQuitIfAsked(QWidget* window)
{
    const QString file = qEnvironmentVariable("RT_WIDGET_TREE");
    if (file.isEmpty() || !window) return;
    QTimer::singleShot(300, [window = QPointer<QWidget>(window), file] {
        QFile tree(file);
        const bool written = window && tree.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                             tree.write(describeWidgetTree(*window).toUtf8()) >= 0 && tree.flush();
        QCoreApplication::exit(written ? 0 : 1);
    });
}

}  // namespace rt
