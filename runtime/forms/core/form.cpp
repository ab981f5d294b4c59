#include "forms/core/form.h"

#include "forms/core/form_window.h"
#include "forms/core/forms.h"
#include "forms/core/kinds.h"
#include "forms/core/labelling.h"
#include "forms/core/look.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QScreen>

namespace rt {

namespace {
// The form that last became the active window of the program. Message boxes
// and other programs' windows do not count, so coming back from them to the
// same form is no activation.
const Form* activeForm = nullptr;
QPoint g_openingOffset;
}  // namespace

void Form::setOpeningOffset(QPoint offset)
{
    g_openingOffset = offset;
}

Form::Form(const FormSpec& spec) : m_spec(spec)
{
    m_window = new FormWindow(*this);
    m_window->setObjectName(spec.name);
    m_window->setWindowTitle(spec.caption);
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* client = new ClientArea(m_window, spec.picture);
    client->setObjectName(spec.name + QStringLiteral("_client"));
    m_window->setClientArea(client);
    const QSize size(twipsToPixels(spec.clientWidth), twipsToPixels(spec.clientHeight));
    if (spec.resizable) {
        client->setMinimumSize(1, 1);
        m_window->resize(size);
    } else {
        client->setFixedSize(size);
        m_window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    if (spec.backColor) showBackColor(*spec.backColor);
    if (spec.foreColor) m_foreColor = *spec.foreColor;
    buildControls();
}

Form::~Form()
{
    if (activeForm == this) activeForm = nullptr;
    releaseOwnedWindows();
    for (Control* c : m_controls) delete c;
    m_controls.clear();
    delete m_window;
}

// Windows shown with this form as their owner belong to forms of their own:
// they are hidden and let go, so that they outlive this window.
void Form::releaseOwnedWindows()
{
    for (auto* child : m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* owned = dynamic_cast<FormWindow*>(child);
        if (!owned) continue;
        owned->hide();
        owned->setParent(nullptr);
    }
}

QWidget* Form::window() const
{
    return m_window;
}
QWidget* Form::childArea() const
{
    return m_window->clientArea();
}

QMenuBar* Form::menuBar()
{
    return m_window->menuBar();
}

Container* Form::containerFor(const ControlSpec& spec)
{
    if (spec.props.container.isEmpty()) return this;
    if (auto* holder = dynamic_cast<Container*>(find(spec.props.container))) return holder;
    throw std::logic_error("container " + spec.props.container.toStdString() +
                           " must come before " + spec.name.toStdString() + " in the layout");
}

void Form::buildControls()
{
    for (const ControlSpec& spec : m_spec.controls)
        m_controls.push_back(createControl(spec, containerFor(spec)));
    linkLabels();
    // Focus moves in tab-index order.
    std::vector<QWidget*> order;
    std::vector<const Control*> sorted(m_controls.begin(), m_controls.end());
    std::ranges::stable_sort(sorted, {}, [](const Control* c) { return c->spec().props.tabIndex; });
    for (const Control* c : sorted)
        if (c->widget() && c->widget()->focusPolicy() != Qt::NoFocus) order.push_back(c->widget());
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// Text boxes and scroll bars are named after the label beside them, whose
// access letter then takes the focus to them.
void Form::linkLabels()
{
    for (size_t i = 0; i < m_controls.size(); ++i) {
        const int label = labelFor(m_spec.controls, i);
        if (label < 0) continue;
        Control* named = m_controls[i];
        named->setLabelledBy(dynamic_cast<const CaptionedControl*>(m_controls[size_t(label)]));
        if (auto* shown = qobject_cast<QLabel*>(m_controls[size_t(label)]->widget()))
            shown->setBuddy(named->widget());
    }
}

Control* Form::createControl(const ControlSpec& spec, Container* container)
{
    Control* made = describe(spec.kind).make(*this, spec, container);
    made->setUp();
    return made;
}

Control* Form::find(const QString& name, int index) const
{
    for (Control* c : m_controls)
        if (c->name() == name && c->index() == index) return c;
    return nullptr;
}

void Form::Load()
{
    if (m_loaded) return;
    m_loaded = true;
    runFormEvent(EventName::Load, [this] { Form_Load(); });
}

void Form::Show(int modal, Form* owner)
{
    Load();
    if (owner && m_window->parentWidget() != owner->window()) {
        // An owned window stays above its owner and is not a taskbar entry of its own.
        m_window->setParent(owner->window(), Qt::Tool);
    }
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (m_spec.resizable) {
            // The client area starts at its layout size, below the menu bar.
            const QWidget* bar = m_window->existingMenuBar();
            m_window->resize(
                twipsToPixels(m_spec.clientWidth),
                twipsToPixels(m_spec.clientHeight) + (bar ? bar->sizeHint().height() : 0));
        } else {
            m_window->adjustSize();
        }
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = m_window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center() + g_openingOffset);
            m_window->move(frame.topLeft());
        }
    }
    m_window->watchExposure();
    if (modal) {
        m_window->setWindowModality(Qt::ApplicationModal);
        m_window->show();
        QPointer<QWidget> window = m_window;
        runModal([&] {
            QEventLoop loop;
            while (window && window->isVisible()) loop.processEvents(QEventLoop::WaitForMoreEvents);
            return 0;
        });
        if (window) m_window->setWindowModality(Qt::NonModal);
        return;
    }
    m_window->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) m_window->raise();
    m_window->activateWindow();
}

void Form::Hide()
{
    m_window->hide();
}

bool Form::Unload(int mode)
{
    if (m_unloading) return true;
    int cancel = 0;
    {
        const HandlerOrigin origin{subject(), EventName::QueryUnload, true};
        const HandlerScope scope(&origin);
        Form_QueryUnload(cancel, mode);
    }
    if (cancel) return false;
    {
        const HandlerOrigin origin{subject(), EventName::Unload, true};
        const HandlerScope scope(&origin);
        Form_Unload(cancel);
    }
    if (cancel) return false;
    m_unloading = true;
    releaseOwnedWindows();
    m_window->close();
    m_window->hide();
    release(this);
    return true;
}

void Form::closeRequested()
{
    runHandler([this] { Unload(vbFormControlMenu); });
}

void Form::resized()
{
    if (m_loaded) runFormEvent(EventName::Resize, [this] { Form_Resize(); });
}

// Form_Paint runs once the exposed window has been painted, outside the
// paint itself, so that it may move the focus or change controls.
void Form::exposed()
{
    if (m_paintPending) return;
    m_paintPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_paintPending = false;
            if (m_loaded && !m_unloading && m_window->isVisible())
                runFormEvent(EventName::Paint, [this] { Form_Paint(); });
        },
        Qt::QueuedConnection);
}

void Form::activated()
{
    if (activeForm == this) return;
    activeForm = this;
    if (m_loaded) runFormEvent(EventName::Activate, [this] { Form_Activate(); });
}

// The events a form does not handle: nothing to do, nothing to trace.
void Form::Form_Load()
{
    reportFormEventUnhandled();
}
void Form::Form_Activate()
{
    reportFormEventUnhandled();
}
void Form::Form_Resize()
{
    reportFormEventUnhandled();
}
void Form::Form_Paint()
{
    reportFormEventUnhandled();
}
void Form::Form_QueryUnload(int&, int)
{
    reportFormEventUnhandled();
}
void Form::Form_Unload(int&)
{
    reportFormEventUnhandled();
}

QString Form::Caption() const
{
    return m_window->windowTitle();
}
void Form::setCaption(const QString& caption)
{
    const Assignment assignment(subject(), PropertyName::Caption, caption);
    m_window->setWindowTitle(caption);
}

void Form::setForeColor(Colour colour)
{
    const Assignment assignment(subject(), PropertyName::ForeColor, colour);
    m_foreColor = colour;
}

void Form::runFormEvent(EventName event, HandlerRef handler)
{
    runHandler(HandlerOrigin{subject(), event, true}, handler);
}

Single Form::Width() const
{
    return Single(pixelsToTwips(m_window->frameGeometry().width()));
}
Single Form::Height() const
{
    return Single(pixelsToTwips(m_window->frameGeometry().height()));
}
Single Form::ScaleWidth() const
{
    return Single(pixelsToTwips(childArea()->width()));
}
Single Form::ScaleHeight() const
{
    return Single(pixelsToTwips(childArea()->height()));
}
bool Form::Visible() const
{
    return m_window->isVisible();
}

Colour Form::BackColor() const
{
    return fromQColor(childArea()->palette().color(QPalette::Window));
}

// Only the window role changes, so buttons, text boxes and scroll bars keep
// the desktop's colours; transparent controls show the form's colour.
void Form::setBackColor(Colour colour)
{
    const Assignment assignment(subject(), PropertyName::BackColor, colour);
    showBackColor(colour);
}

void Form::showBackColor(Colour colour)
{
    QWidget* client = childArea();
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
}

}  // namespace rt
