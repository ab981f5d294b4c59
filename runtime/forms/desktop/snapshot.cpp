#include "forms/desktop/snapshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace rt {

void snapshotAndQuitIfAsked(QWidget* window)
{
    const QString file = qEnvironmentVariable("RT_SNAPSHOT");
    if (file.isEmpty() || !window) return;
    // A short wait lets the first timer ticks and paint events settle.
    QTimer::singleShot(300, [window = QPointer<QWidget>(window), file] {
        const bool saved = window && window->grab().save(file, "PNG");
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

}  // namespace rt
