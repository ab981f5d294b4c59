// The toolkit's own cost of a window, in two forms that bench_startup starts
// beside each program:
//   bench_startup_bare [width height]   an application and one window of the
//       given size (400 by 300 when not given) showing one line of text,
//       nothing else; the line makes it pay what any window with text pays
//       once, the reading of the font configuration;
//   bench_startup_bare --like <file>    the same widgets as a program's window,
//       read from the widget tree the program wrote (RT_WIDGET_TREE), made
//       and placed straight on the toolkit: what the window would cost
//       without the runtime.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextStream>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QChar separator(0x1f);

struct Line {
    int depth = 0;
    QString kind;
    QRect place;
    QString family;
    double pointSize = 0;
    bool bold = false;
    QString background;
    QString text;
};

std::vector<Line> readTree(const QString& path)
{
    std::vector<Line> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList f = in.readLine().split(QLatin1Char('\t'));
        if (f.size() < 11) continue;
        lines.push_back({f[0].toInt(), f[1],
                         QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()), f[6],
                         f[7].toDouble(), f[8] == QLatin1String("1"), f[9], f[10]});
    }
    return lines;
}

QWidget* make(const Line& line, QWidget* parent)
{
    const QString& kind = line.kind;
    const QStringList parts = line.text.split(separator);
    if (kind == QLatin1String("QLabel")) return new QLabel(line.text, parent);
    if (kind == QLatin1String("QPushButton")) return new QPushButton(line.text, parent);
    if (kind == QLatin1String("QCheckBox")) return new QCheckBox(line.text, parent);
    if (kind == QLatin1String("QRadioButton")) return new QRadioButton(line.text, parent);
    if (kind == QLatin1String("QGroupBox")) return new QGroupBox(line.text, parent);
    if (kind == QLatin1String("QLineEdit")) return new QLineEdit(line.text, parent);
    if (kind == QLatin1String("QPlainTextEdit"))
        return new QPlainTextEdit(parts.join(QLatin1Char('\n')), parent);
    if (kind == QLatin1String("QListWidget")) {
        auto* list = new QListWidget(parent);
        if (!line.text.isEmpty()) list->addItems(parts);
        return list;
    }
    if (kind == QLatin1String("QScrollBar"))
        return new QScrollBar(
            line.place.width() > line.place.height() ? Qt::Horizontal : Qt::Vertical, parent);
    if (kind == QLatin1String("QMenuBar")) return new QMenuBar(parent);
    if (kind == QLatin1String("menu")) {
        auto* bar = qobject_cast<QMenuBar*>(parent);
        if (!bar) return nullptr;
        QMenu* menu = bar->addMenu(parts.value(0));
        for (qsizetype i = 1; i < parts.size(); ++i)
            parts[i] == QLatin1String("-") ? menu->addSeparator() : menu->addAction(parts[i]);
        return nullptr;
    }
    return new QWidget(parent);
}

// Builds the window the tree describes; null when the file holds none.
std::unique_ptr<QWidget> buildLike(const QString& path)
{
    const std::vector<Line> lines = readTree(path);
    if (lines.empty() || lines.front().kind != QLatin1String("window")) return nullptr;
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(lines.front().text);
    window->resize(lines.front().place.size());
    std::vector<QWidget*> parents{window.get()};  // the last widget at each depth
    for (size_t i = 1; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (line.depth < 1 || size_t(line.depth) > parents.size()) continue;
        QWidget* made = make(line, parents[size_t(line.depth) - 1]);
        if (!made) continue;
        made->setGeometry(line.place);
        QFont font(line.family);
        if (line.pointSize > 0) font.setPointSizeF(line.pointSize);
        font.setBold(line.bold);
        made->setFont(font);
        if (line.background != QLatin1String("-")) {
            QPalette palette = made->palette();
            palette.setColor(QPalette::Window, QColor(line.background));
            made->setPalette(palette);
            made->setAutoFillBackground(true);
        }
        parents.resize(size_t(line.depth));
        parents.push_back(made);
    }
    return window;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    std::unique_ptr<QWidget> window;
    if (arguments.size() > 2 && arguments[1] == QLatin1String("--like")) {
        window = buildLike(arguments[2]);
        if (!window) {
            std::fprintf(stderr, "%s: no window described in %s\n", argv[0], argv[2]);
            return 2;
        }
    } else {
        const int width = arguments.size() > 2 ? arguments[1].toInt() : 400;
        const int height = arguments.size() > 2 ? arguments[2].toInt() : 300;
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("bare"));
        window->resize(width, height);
        auto* text = new QLabel(QStringLiteral("bare"), window.get());
        text->move(8, 8);
    }
    window->show();
    return app.exec();
}
