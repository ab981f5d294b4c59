#include "source_view.h"

#include "cpp_highlighter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString sourceDir(const QString& program)
{
    return QStringLiteral(":/source/") + program;
}

int readingRank(const QString& file)
{
    if (file == QStringLiteral("main.cpp")) return 3;
    if (file.endsWith(QStringLiteral("_layout.cpp"))) return 0;
    if (file.endsWith(QStringLiteral(".h"))) return 1;
    return 2;
}

}  // namespace

QStringList programSourceFiles(const QString& program)
{
    QStringList files = QDir(sourceDir(program)).entryList(QDir::Files);
    std::stable_sort(files.begin(), files.end(), [](const QString& a, const QString& b) {
        return readingRank(a) < readingRank(b);
    });
    return files;
}

QString programSource(const QString& program, const QString& file)
{
    QFile source(sourceDir(program) + u'/' + file);
    if (!source.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(source.readAll());
}

std::optional<SourcePlace> findProcedure(const QString& program, const QString& form,
                                         const QString& procedure)
{
    // The window class's own definition first, then any of that name.
    const QString name = QRegularExpression::escape(procedure);
    const QRegularExpression patterns[] = {
        QRegularExpression(
            QStringLiteral("\\bvoid\\s+%1::%2\\s*\\(").arg(QRegularExpression::escape(form), name)),
        QRegularExpression(QStringLiteral("\\bvoid\\s+(\\w+::)?%1\\s*\\(").arg(name)),
    };
    const QStringList files = programSourceFiles(program);
    for (const QRegularExpression& pattern : patterns) {
        for (const QString& file : files) {
            const QString source = programSource(program, file);
            const QRegularExpressionMatch match = pattern.match(source);
            if (match.hasMatch())
                return SourcePlace{file, int(source.left(match.capturedStart()).count(u'\n'))};
        }
    }
    return std::nullopt;
}

SourceView::SourceView(QWidget* parent) : QWidget(parent)
{
    m_files = new QComboBox;
    m_files->setObjectName("sourceFiles");
    m_files->setAccessibleName(tr("Source file"));
    auto* filesLabel = new QLabel(tr("Source &file:"));
    filesLabel->setBuddy(m_files);

    m_text = new QPlainTextEdit;
    m_text->setObjectName("source");
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setAccessibleName(tr("Source"));
    m_text->setTabChangesFocus(true);
    new CppHighlighter(m_text->document());

    auto* top = new QHBoxLayout;
    top->addWidget(filesLabel);
    top->addWidget(m_files, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_text, 1);

    connect(m_files, &QComboBox::currentIndexChanged, this, &SourceView::showFile);
}

void SourceView::showProgram(const QString& program)
{
    m_program = program;
    const QSignalBlocker block(m_files);
    m_files->clear();
    m_files->addItems(programSourceFiles(program));
    m_files->setCurrentIndex(m_files->count() > 0 ? 0 : -1);
    showFile(m_files->currentIndex());
}

bool SourceView::showProcedure(const QString& form, const QString& procedure)
{
    const std::optional<SourcePlace> place = findProcedure(m_program, form, procedure);
    if (!place) return false;
    m_files->setCurrentText(place->file);
    markLine(place->line);
    return true;
}

void SourceView::markLine(int line)
{
    QTextCursor cursor(m_text->document()->findBlockByNumber(line));
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(QColor(0xff, 0xf0, 0xa8));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.cursor = cursor;
    m_text->setExtraSelections({mark});
    m_text->setTextCursor(cursor);
    m_text->centerCursor();
    m_marked = line;
}

int SourceView::markedLine() const
{
    return m_marked;
}

void SourceView::showFile(int index)
{
    m_text->setExtraSelections({});
    m_marked = -1;
    if (index < 0) {
        m_text->clear();
        return;
    }
    const QString file = m_files->itemText(index);
    m_text->setPlainText(programSource(m_program, file));
    m_text->setAccessibleDescription(tr("Source of %1, file %2").arg(m_program, file));
}
