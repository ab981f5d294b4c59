#include "forms/desktop/instances.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace rt {

namespace {

constexpr int slotCount = 16;
constexpr int offsetPerSlot = 32;  // pixels, right and down

struct Claim {
    std::unique_ptr<QLockFile> lock;
    int slot = 0;
};

Claim& claim()
{
    static Claim held;
    return held;
}

QString lockFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty()) base = QDir::tempPath();
    return base + QStringLiteral("/form-programs");
}

}  // namespace

void claimInstanceSlot(const QString& program)
{
    Claim& held = claim();
    if (held.lock) return;
    const QString folder = lockFolder();
    if (!QDir().mkpath(folder)) return;
    for (int slot = 0; slot < slotCount; ++slot) {
        auto lock = std::make_unique<QLockFile>(
            QStringLiteral("%1/%2.%3.lock").arg(folder, program).arg(slot));
        // A lock is stale only when its process is gone, however old it is.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            held.lock = std::move(lock);
            held.slot = slot;
            return;
        }
    }
}

int instanceSlot()
{
    return claim().slot;
}

QPoint instanceOffset()
{
    const int shift = (instanceSlot() % (slotCount / 2)) * offsetPerSlot;
    return {shift, shift};
}

}  // namespace rt
