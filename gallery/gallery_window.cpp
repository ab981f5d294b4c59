#include "gallery_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

GalleryWindow::GalleryWindow(const std::vector<CatalogueEntry>& entries, Launcher launch,
                             QWidget* parent)
    : QWidget(parent), m_entries(entries), m_launch(std::move(launch))
{
    setWindowTitle(tr("Programs"));
    auto* heading = new QLabel(tr("Choose a program and press Open."));
    m_list = new QListWidget;
    m_list->setObjectName("programs");
    m_list->setAccessibleName(tr("Programs"));
    for (const CatalogueEntry& entry : m_entries) {
        auto* item = new QListWidgetItem(QStringLiteral("%1  —  %2\n%3")
                                             .arg(QString::fromUtf8(entry.program),
                                                  QString::fromUtf8(entry.caption),
                                                  QString::fromUtf8(entry.summary)));
        item->setToolTip(QString::fromUtf8(entry.summary));
        m_list->addItem(item);
    }
    m_list->setSpacing(3);
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!m_entries.empty()) m_list->setCurrentRow(0);

    m_open = new QPushButton(tr("&Open"));
    m_open->setDefault(true);
    auto* quit = new QPushButton(tr("&Quit"));
    connect(m_open, &QPushButton::clicked, this, &GalleryWindow::openSelected);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_list, &QListWidget::itemActivated, this, &GalleryWindow::openSelected);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_open);
    buttons->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(720, 460);
}

void GalleryWindow::openSelected()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= int(m_entries.size())) return;
    const QString program = QString::fromUtf8(m_entries[size_t(row)].program);
    if (!m_launch(program))
        QMessageBox::warning(this, windowTitle(),
                             tr("The program %1 could not be started.").arg(program));
}

bool launchBeside(const QString& program)
{
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath(program);
    return QProcess::startDetached(path, {});
}
