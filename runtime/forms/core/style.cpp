#include "forms/core/style.h"

#include <QIconEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>

#include <functional>

namespace rt {

namespace {

// An icon made by `make` when it is first drawn or measured; until then it
// counts as an icon that is there.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return m_made && m_icon.isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("rt_deferred"); }
    void virtual_hook(int id, void* data) override
    {
        if (id != QIconEngine::ScaledPixmapHook) return QIconEngine::virtual_hook(id, data);
        auto* asked = static_cast<QIconEngine::ScaledPixmapArgument*>(data);
        asked->pixmap =
            icon().pixmap(asked->size / asked->scale, asked->scale, asked->mode, asked->state);
    }

private:
    DeferredIconEngine(const DeferredIconEngine&) = default;

    const QIcon& icon()
    {
        if (!m_made) {
            m_icon = m_make();
            m_made = true;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
    bool m_made = false;
};

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton &&
            which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        // Neither the option nor the widget outlives this call; Fusion's
        // arrows depend on neither.
        const QStyle* fusion = baseStyle();
        return QIcon(
            new DeferredIconEngine([fusion, which] { return fusion->standardIcon(which); }));
    }
};

}  // namespace

QStyle* makeStyle()
{
    return new ProgramStyle;
}

}  // namespace rt
