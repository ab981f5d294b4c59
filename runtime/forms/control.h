#pragma once

#include "layout.h"
#include "values/numbers.h"

#include <QObject>
#include <QRectF>

#include <functional>

class QWidget;

namespace rt {

class Form;

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
// rectangle in its container's coordinates, visibility, enabling and focus.
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

    bool Visible() const;
    void setVisible(bool visible);
    bool Enabled() const;
    void setEnabled(bool enabled);
    void SetFocus();

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
    // Builds the widget's initial state common to every kind: geometry,
    // colours, font, visibility, enabling and the accessible name. Subclasses
    // call it once their widget exists.
    void setUp();
    // Runs an event handler if one is set, inside the error boundary.
    static void fire(const std::function<void()>& handler);
    Container* container() const { return m_container; }
    void updateAccessibleName();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeFromPixels(QRectF pixels);

    Form& m_form;
    ControlSpec m_spec;
    Container* m_container;
    QRectF m_pixels;  // the exact pixel rectangle, kept to avoid rounding drift
};

}  // namespace rt
