#pragma once

#include "events/event.h"
#include "events/handlers.h"
#include "forms/core/container.h"
#include "forms/core/layout.h"
#include "values/numbers.h"

#include <QObject>
#include <QRectF>

class QWidget;

namespace rt {

class CaptionedControl;
class Form;

// Mouse pointer shapes a program names (MousePointer takes 0 to 15).
enum MousePointerShape : int { vbDefault = 0, vbArrow = 1, vbCrosshair = 2 };

// What every control has: a name (and an index in a control array), a
// rectangle in its container's coordinates, visibility, enabling, focus and
// colours. Controls are made by their form only (Form::createControl), which
// finishes the set-up common to every kind once the control is built.
class Control : public QObject {
    Q_OBJECT
public:
    // `widget`: the toolkit widget that shows the control, made by its kind
    // on the container's child area; nullptr for controls without one.
    Control(Form& form, const ControlSpec& spec, Container* container, QWidget* widget);
    ~Control() override;

    const QString& name() const { return m_spec.name; }
    int index() const { return m_spec.props.index; }
    Kind kind() const { return m_spec.kind; }
    const ControlSpec& spec() const { return m_spec; }
    Form& form() const { return m_form; }
    // The toolkit widget, or nullptr for controls that have none (timers).
    QWidget* widget() const { return m_widget; }
    // The control a widget shows, or nullptr.
    static Control* of(const QWidget* widget);

    // The label just left of or above the control in the layout that names it
    // for assistive technologies (text boxes and scroll bars), or nullptr.
    const CaptionedControl* labelledBy() const { return m_labelledBy; }
    // Names the widget for assistive technologies: its caption, else the
    // caption of the label that labels it, else the name its layout line
    // gives it, else (a fault the accessibility checks report) its code name.
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
    void setVisible(bool visible);
    virtual bool Enabled() const;
    void setEnabled(bool enabled);
    void SetFocus();
    // The mouse pointer over the control: 0 the default of its kind, 1 arrow,
    // 2 cross, 3 I-beam, ... 15 size all; read back as set.
    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    // Background and text colours; controls without a widget have none (0).
    virtual Colour BackColor() const;
    void setBackColor(Colour colour);
    virtual Colour ForeColor() const;
    void setForeColor(Colour colour);

    // Control events every kind may raise.
    Event<> GotFocus{EventName::GotFocus};

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
    // How a kind shows a new visibility, enabling or colour; by default its widget's.
    virtual void showVisible(bool visible);
    virtual void showEnabled(bool enabled);
    virtual void showBackColor(Colour colour);
    virtual void showForeColor(Colour colour);
    // Raises one of the control's events: runs its handler, if one is wired,
    // inside the error boundary. False when the handler ended in an error.
    template <typename E, typename... Given>
    bool fire(const E& event, Given&&... args)
    {
        return raiseEvent(event, subject(), std::forward<Given>(args)...);
    }
    // The control as the program's watchers name it.
    Subject subject() const { return {m_formName, m_spec.name, m_spec.props.index}; }
    Container* container() const { return m_container; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Form;
    // The initial state common to every kind: geometry, colours, font,
    // visibility, enabling and the accessible name.
    void setUp();
    void setLabelledBy(const CaptionedControl* label);
    void placeFromPixels(QRectF pixels);

    Form& m_form;
    const QString& m_formName;
    ControlSpec m_spec;
    Container* m_container;
    QWidget* m_widget;
    QRectF m_pixels;  // the exact pixel rectangle, kept to avoid rounding drift
    const CaptionedControl* m_labelledBy = nullptr;
    int m_mousePointer = 0;
};

// A control that shows a caption (buttons, labels, frames, menu items).
class CaptionedControl : public Control {
public:
    CaptionedControl(Form& form, const ControlSpec& spec, Container* container, QWidget* widget);

    const QString& Caption() const { return m_caption; }
    // Shows a new caption; setting the caption it has changes nothing.
    void setCaption(const QString& caption);

protected:
    // How the kind shows its caption.
    virtual void showCaption(const QString& caption) = 0;
    // Runs after a new caption is shown.
    virtual void captionChanged() {}

private:
    QString m_caption;
};

// A caption as it is read aloud: without the ampersands that mark the access
// letter ("&&" stands for one ampersand).
QString spokenCaption(const QString& caption);

}  // namespace rt
