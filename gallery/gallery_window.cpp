#include "gallery_window.h"

#include "language.h"
#include "source_view.h"
#include "thumbnails.h"
#include "trace_view.h"
#include "variables_view.h"

#include "forms/desktop/program_icon.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

// Arrow, page and Home/End keys pass over the group headings to the nearest
// program in their direction, so the keyboard always lands on something Open
// can start.
class ProgramTree : public QTreeWidget {
public:
    // The width that shows every row whole, beside a vertical scroll bar.
    int widthForEveryRow() const
    {
        return sizeHintForColumn(0) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const QModelIndex target = QTreeWidget::moveCursor(action, modifiers);
        const bool up = action == MoveUp || action == MovePrevious || action == MovePageUp ||
                        action == MoveHome;
        for (bool forward : {true, false}) {
            QModelIndex index = target;
            while (index.isValid() && !(model()->flags(index) & Qt::ItemIsSelectable))
                index = (up == forward) ? indexAbove(index) : indexBelow(index);
            if (index.isValid()) return index;
        }
        return currentIndex();
    }
};

constexpr int kEntryRole = Qt::UserRole;
constexpr int kPictureWidth = 360;
constexpr int kPictureHeight = 300;
constexpr int kListIconSize = 24;
}  // namespace

GalleryWindow::GalleryWindow(const std::vector<CatalogueEntry>& entries, Launcher launch,
                             Thumbnails* thumbnails, QWidget* parent)
    : QMainWindow(parent), m_entries(entries), m_launch(std::move(launch)), m_thumbnails(thumbnails)
{
    setWindowTitle(tr("Programs that teach event-driven programming"));

    m_programs = new ProgramTree;
    m_programs->setObjectName("programs");
    m_programs->setAccessibleName(tr("Programs by lesson"));
    m_programs->setHeaderHidden(true);
    m_programs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_programs->setIconSize(QSize(kListIconSize, kListIconSize));
    QTreeWidgetItem* group = nullptr;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const CatalogueEntry& entry = m_entries[i];
        const QString groupName = lessonText(entry.group);
        if (!group || group->text(0) != groupName) {
            group = new QTreeWidgetItem(m_programs, {groupName});
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
            group->setExpanded(true);
        }
        auto* item = new QTreeWidgetItem(group, {lessonText(entry.title, entry.program)});
        item->setData(0, kEntryRole, int(i));
        item->setToolTip(0, lessonText(entry.summary, entry.program));
        item->setIcon(0, programIconOf(QString::fromUtf8(entry.program)));
    }
    auto* programsLabel = new QLabel(tr("&Programs:"));
    programsLabel->setBuddy(m_programs);

    m_heading = new QLabel;
    m_heading->setObjectName("heading");
    QFont headingFont = m_heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    m_window = new QLabel;
    m_window->setObjectName("windowCaption");
    m_lesson = new QLabel;
    m_lesson->setObjectName("lesson");
    m_lesson->setWordWrap(true);
    m_lesson->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_picture = new QLabel;
    m_picture->setObjectName("picture");
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(kPictureWidth, kPictureHeight);
    m_picture->setFrameShape(QFrame::StyledPanel);

    m_open = new QPushButton(tr("&Open"));
    m_open->setDefault(true);
    auto* quit = new QPushButton(tr("&Quit"));
    connect(m_open, &QPushButton::clicked, this, &GalleryWindow::openSelected);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_programs, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (entryOf(item)) {
            selectProgram(QString::fromUtf8(entryOf(item)->program));
            openSelected();
        }
    });
    connect(m_programs, &QTreeWidget::itemSelectionChanged, this, &GalleryWindow::showSelected);

    m_source = new SourceView;
    m_trace = new TraceView;
    m_variables = new VariablesView;
    connect(m_trace, &TraceView::handlerActivated, this, &GalleryWindow::showHandler);
    connect(m_trace, &TraceView::eventWaiting, this, &GalleryWindow::showHandler);
    connect(m_trace, &TraceView::variableChanged, m_variables, &VariablesView::setVariable);
    connect(m_trace, &TraceView::windowGone, m_variables, &VariablesView::removeWindow);
    connect(m_trace, &TraceView::eventEnded, m_variables, &VariablesView::newEvent);
    connect(m_trace, &TraceView::programGone, m_variables, &VariablesView::removeProgram);

    auto* programsPane = new QWidget;
    auto* programsLayout = new QVBoxLayout(programsPane);
    programsLayout->setContentsMargins(0, 0, 0, 0);
    programsLayout->addWidget(programsLabel);
    programsLayout->addWidget(m_programs);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addStretch();
    buttons->addWidget(quit);
    auto* lessonPane = new QWidget;
    auto* lessonLayout = new QVBoxLayout(lessonPane);
    lessonLayout->setContentsMargins(0, 0, 0, 0);
    lessonLayout->addWidget(m_heading);
    lessonLayout->addWidget(m_window);
    lessonLayout->addWidget(m_lesson);
    lessonLayout->addWidget(m_picture, 1);
    lessonLayout->addLayout(buttons);

    auto* lessonAndVariables = new QSplitter(Qt::Vertical);
    lessonAndVariables->setChildrenCollapsible(false);
    lessonAndVariables->addWidget(lessonPane);
    lessonAndVariables->addWidget(m_variables);
    lessonAndVariables->setSizes({460, 200});
    auto* splitter = new QSplitter;
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(programsPane);
    splitter->addWidget(lessonAndVariables);
    auto* sourceAndTrace = new QSplitter(Qt::Vertical);
    sourceAndTrace->setChildrenCollapsible(false);
    sourceAndTrace->addWidget(m_source);
    sourceAndTrace->addWidget(m_trace);
    sourceAndTrace->setSizes({400, 260});
    splitter->addWidget(sourceAndTrace);
    // The list as wide as its longest name, which is longer in Spanish.
    const int listWidth = std::max(240, static_cast<ProgramTree*>(m_programs)->widthForEveryRow());
    splitter->setSizes({listWidth, 400, 560});
    setCentralWidget(splitter);

    setTabOrder(m_programs, m_open);
    setTabOrder(m_open, quit);
    setTabOrder(quit, m_variables->tree());
    setTabOrder(m_variables->tree(), m_source->files());
    setTabOrder(m_source->files(), m_source->text());
    setTabOrder(m_source->text(), m_trace->list());

    if (m_thumbnails)
        connect(m_thumbnails, &Thumbnails::ready, this, [this](const QString& program) {
            if (program == selectedProgram()) showPicture(program);
        });
    if (!m_entries.empty()) selectProgram(QString::fromUtf8(m_entries.front().program));
    resize(listWidth + 1000, 680);
}

const CatalogueEntry* GalleryWindow::entryOf(const QTreeWidgetItem* item) const
{
    if (!item) return nullptr;
    const QVariant index = item->data(0, kEntryRole);
    return index.isValid() ? &m_entries[size_t(index.toInt())] : nullptr;
}

QString GalleryWindow::selectedProgram() const
{
    const QList<QTreeWidgetItem*> selected = m_programs->selectedItems();
    const CatalogueEntry* entry = selected.isEmpty() ? nullptr : entryOf(selected.front());
    return entry ? QString::fromUtf8(entry->program) : QString();
}

void GalleryWindow::selectProgram(const QString& program)
{
    for (QTreeWidgetItemIterator it(m_programs); *it; ++it) {
        const CatalogueEntry* entry = entryOf(*it);
        if (entry && QString::fromUtf8(entry->program) == program) {
            m_programs->setCurrentItem(*it);
            return;
        }
    }
}

void GalleryWindow::showSelected()
{
    const QList<QTreeWidgetItem*> selected = m_programs->selectedItems();
    const CatalogueEntry* entry = selected.isEmpty() ? nullptr : entryOf(selected.front());
    m_open->setEnabled(entry != nullptr);
    if (!entry) return;
    const QString program = QString::fromUtf8(entry->program);
    const QString title = lessonText(entry->title, entry->program);
    m_heading->setText(title);
    m_window->setText(
        tr("Program %1, window “%2”").arg(program, QString::fromUtf8(entry->caption)));
    m_lesson->setText(lessonText(entry->lesson, entry->program));
    m_open->setAccessibleDescription(tr("Starts %1").arg(title));
    showPicture(program);
    m_source->showProgram(program);
}

void GalleryWindow::showPicture(const QString& program)
{
    const QPixmap picture = m_thumbnails ? m_thumbnails->picture(program) : QPixmap();
    m_picture->setAccessibleName(tr("Picture of the window of %1").arg(program));
    if (picture.isNull()) {
        m_picture->setPixmap({});
        m_picture->setText(m_thumbnails && !m_thumbnails->failed(program)
                               ? tr("Drawing the window…")
                               : tr("No picture of this window."));
        return;
    }
    // Sizes in pixels of the screen; the picture keeps its device pixel ratio.
    const QSizeF size = picture.deviceIndependentSize();
    if (size.width() <= kPictureWidth && size.height() <= kPictureHeight) {
        m_picture->setPixmap(picture);
        return;
    }
    const qreal scale = picture.devicePixelRatio();
    QPixmap smaller = picture.scaled(QSize(kPictureWidth, kPictureHeight) * scale,
                                     Qt::KeepAspectRatio, Qt::SmoothTransformation);
    smaller.setDevicePixelRatio(scale);
    m_picture->setPixmap(smaller);
}

void GalleryWindow::openSelected()
{
    const QString program = selectedProgram();
    if (program.isEmpty()) return;
    if (!m_launch(program, m_trace->socketName()))
        QMessageBox::warning(this, windowTitle(),
                             tr("The program %1 could not be started.").arg(program));
}

void GalleryWindow::showHandler(const QString& program, const QString& form,
                                const QString& procedure)
{
    if (program != selectedProgram()) selectProgram(program);
    if (program == selectedProgram()) m_source->showProcedure(form, procedure);
}

QString programDirectory()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QFileInfo installed(here.filePath(QStringLiteral(RT_INSTALLED_PROGRAMS)));
    return installed.isDir() ? installed.canonicalFilePath() : here.path();
}

bool launchBeside(const QString& program, const QString& traceSocket)
{
    QProcess process;
    process.setProgram(QDir(programDirectory()).filePath(program));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RT_TRACE"), traceSocket);
    process.setProcessEnvironment(environment);
    return process.startDetached();
}

QIcon programIconOf(const QString& program)
{
    return rt::iconFromResources(QStringLiteral(":/program-icons/") + program);
}
