#pragma once

#include "layout.h"
#include "values/numbers.h"

#include <QObject>
#include <QRectF>

#include <functional>

class QWidget;

namespace rt {

class Form;

// Mouse pointer shapes a program names (MousePointer takes 0 to 15).
enum MousePointerShape : int { vbDefault = 0, vbArrow = 1, vbCrosshair = 2 };

// A colour as programs see it: 0x00BBGGRR, red in the low byte.
using Colour = Long;

// Something that holds controls: the form (in twips), a frame (in twips) or a
// picture box (in its user scale). Converts its coordinates to pixels of the
// widget that the children sit on.
class Container {
public:
    virtual ~Container() = default;
    virtual QWidget* childArea() const = 0;
    // A position in the container's coordinates to pixels, and back.
    virtual double toPixelX(double x) const = 0;
    virtual double toPixelY(double y) const = 0;
    virtual double fromPixelX(double px) const = 0;
    virtual double fromPixelY(double py) const = 0;
    // A length to pixels (always laid rightwards / downwards), and back.
    virtual double toPixelWidth(double w) const = 0;
    virtual double toPixelHeight(double h) const = 0;
    virtual double fromPixelWidth(double pw) const = 0;
    virtual double fromPixelHeight(double ph) const = 0;
};

// A container measured in twips from its top left corner.
class TwipsContainer : public Container {
public:
    double toPixelX(double x) const override { return x / twipsPerPixel; }
    double toPixelY(double y) const override { return y / twipsPerPixel; }
    double fromPixelX(double px) const override { return px * twipsPerPixel; }
    double fromPixelY(double py) const override { return py * twipsPerPixel; }
    double toPixelWidth(double w) const override { return w / twipsPerPixel; }
    double toPixelHeight(double h) const override { return h / twipsPerPixel; }
    double fromPixelWidth(double pw) const override { return pw * twipsPerPixel; }
    double fromPixelHeight(double ph) const override { return ph * twipsPerPixel; }
};

// What every control has: a name (and an index in a control array), a
// rectangle in its container's coordinates, visibility, enabling, focus and
// colours. Controls are made by their form only (Form::createControl), which
// finishes the set-up common to every kind once the control is built.
class Control : public QObject {
    Q_OBJECT
public:
    Control(Form& form, const ControlSpec& spec, Container* container);
    ~Control() override;

    const QString& name() const { return m_spec.name; }
    int index() const { return m_spec.props.index; }
    Kind kind() const { return m_spec.kind; }
    const ControlSpec& spec() const { return m_spec; }
    Form& form() const { return m_form; }
    // The toolkit widget, or nullptr for controls that have none (timers).
    virtual QWidget* widget() const = 0;

    // The text the control shows as its caption ("" for controls without one).
    virtual QString caption() const { return {}; }
    // The label just left of or above the control in the layout that names it
    // for assistive technologies (text boxes and scroll bars), or nullptr.
    const Control* labelledBy() const { return m_labelledBy; }
    // Names the widget for assistive technologies: its caption, else the
    // caption of the label that labels it, else the control's name.
    void updateAccessibleName();

    Single Left() const;
    Single Top() const;
    Single Width() const;
    Single Height() const;
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void Move(double left, double top, double width, double height);
    // The rectangle in twips relative to the container's top left corner.
    QRectF rectTwips() const;

    virtual bool Visible() const;
    virtual void setVisible(bool visible);
    virtual bool Enabled() const;
    virtual void setEnabled(bool enabled);
    void SetFocus();
    // The mouse pointer over the control: 0 the default of its kind, 1 arrow,
    // 2 cross, 3 I-beam, ... 15 size all; read back as set.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    // Background and text colours; controls without a widget have none (0).
    virtual Colour BackColor() const;
    virtual void setBackColor(Colour colour);
    virtual Colour ForeColor() const;
    virtual void setForeColor(Colour colour);

    // Control events every kind may raise.
    std::function<void()> GotFocus;

    // A control dragged onto this one was dropped at `at`, in pixels of the
    // widget (of the inner area, for containers). See drag.h.
    virtual void dropped(Control& source, QPointF at)
    {
        (void)source;
        (void)at;
    }

protected:
    // Runs after the common set-up, for what a kind needs on top of it.
    virtual void finishSetUp() {}
    // Runs an event handler if one is set, inside the error boundary.
    static void fire(const std::function<void()>& handler);
    Container* container() const { return m_container; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Form;
    // The initial state common to every kind: geometry, colours, font,
    // visibility, enabling and the accessible name.
    void setUp();
    void setLabelledBy(Control* label);
    void placeFromPixels(QRectF pixels);

    Form& m_form;
    ControlSpec m_spec;
    Container* m_container;
    QRectF m_pixels;  // the exact pixel rectangle, kept to avoid rounding drift
    Control* m_labelledBy = nullptr;
    int m_mousePointer = 0;
};

// A control that shows a caption (buttons, labels, frames, menu items).
class CaptionedControl : public Control {
public:
    using Control::Control;
    QString caption() const override = 0;

    QString Caption() const { return caption(); }
    // Shows a new caption; setting the caption it has changes nothing.
    void setCaption(const QString& caption);

protected:
    virtual void showCaption(const QString& caption) = 0;
    // Runs after a new caption is shown.
    virtual void captionChanged() {}
};

}  // namespace rt
