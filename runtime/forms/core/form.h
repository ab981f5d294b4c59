#pragma once

#include "events/form_variables.h"
#include "forms/core/binding.h"
#include "forms/core/container.h"
#include "forms/core/control.h"
#include "forms/core/layout.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

class QMenuBar;
class QWidget;

namespace rt {

class FormWindow;

enum QueryUnloadMode : int { vbFormControlMenu = 0, vbFormCode = 1 };

// A window built from its layout. A program derives one class per window,
// binds its handlers in the constructor and keeps its form-level variables as
// members; the runtime owns the single instance (see forms.h).
class Form : public QObject, public Container {
    Q_OBJECT
public:
    explicit Form(const FormSpec& spec);
    ~Form() override;

    const FormSpec& spec() const { return m_spec; }
    QString name() const { return m_spec.name; }
    QWidget* window() const;
    QWidget* childArea() const override;
    // The window's menu bar, made on first asking: a form without menus has none.
    QMenuBar* menuBar();

    // Runs Form_Load once, before the first showing.
    void Load();
    bool isLoaded() const { return m_loaded; }
    // Shows the window: modeless (0) or modal (1, returns when it is hidden
    // or unloaded), optionally owned by another form, above which it stays.
    void Show(int modal = 0, Form* owner = nullptr);
    void Hide();
    // Asks Form_QueryUnload and Form_Unload; returns false when one cancelled.
    bool Unload(int mode = vbFormCode);

    QString Caption() const;
    void setCaption(const QString& caption);
    // Where the windows of this copy of the program open, from the centre of
    // the screen (a second copy opens offset from the first).
    static void setOpeningOffset(QPoint offset);
    // The window's outer size and the client area's size, in twips.
    Single Width() const;
    Single Height() const;
    Single ScaleWidth() const;
    Single ScaleHeight() const;
    bool Visible() const;
    // The form's colours. BackColor fills the client area behind the
    // controls; ForeColor is kept for text and drawing on the form itself and
    // does not change the controls.
    Colour BackColor() const;
    void setBackColor(Colour colour);
    Colour ForeColor() const { return m_foreColor; }
    void setForeColor(Colour colour);

    // The control of that name (and index, for control arrays).
    template <typename T>
    T& control(const QString& name, int index = -1) const
    {
        if (auto* typed = dynamic_cast<T*>(find(name, index))) return *typed;
        throw std::logic_error("no control " + name.toStdString() + " of the requested kind");
    }
    // The elements of a control array, in index order.
    template <typename T>
    ControlArray<T> controlArray(const QString& name) const
    {
        std::vector<T*> elements;
        for (Control* c : m_controls)
            if (c->name() == name && c->index() >= 0)
                if (auto* typed = dynamic_cast<T*>(c)) elements.push_back(typed);
        if (elements.empty())
            throw std::logic_error("no control array " + name.toStdString() +
                                   " of the requested kind");
        return ControlArray<T>(std::move(elements));
    }
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* find(const QString& name, int index = -1) const;

    // The form-level variables, for those who watch the program run: a
    // window lists them with RT_FORM_VARIABLES (forms/core/variables.h).
    virtual void formVariables(VariableSink& sink) const { (void)sink; }

protected:
    // A window class declares each control it uses once, as a member bound
    // here, with the handlers of its events beside it:
    //   rt::CommandButton& cmdStart = bind<rt::CommandButton>(
    //       "cmdStart", rt::on(&rt::CommandButton::Click, &Form1::cmdStart_Click));
    template <typename T, typename... Wires>
    T& bind(const QString& name, const Wires&... wires)
    {
        T& c = control<T>(name);
        (wires.attach(c, *this), ...);
        return c;
    }
    // A control array, wired to shared handlers that receive the index:
    //   rt::ControlArray<rt::TextBox> txtA = bindArray<rt::TextBox>(
    //       "txtA", rt::on(&rt::TextBox::KeyPress, &frmDib::txtA_KeyPress));
    template <typename T, typename... Wires>
    ControlArray<T> bindArray(const QString& name, const Wires&... wires)
    {
        ControlArray<T> elements = controlArray<T>(name);
        for ([[maybe_unused]] T* c : elements) (wires.attach(*c, *this), ...);
        return elements;
    }

    // The form's events; a form handles one by overriding it.
    virtual void Form_Load();
    virtual void Form_Activate();
    virtual void Form_Resize();
    virtual void Form_Paint();
    virtual void Form_QueryUnload(int& cancel, int unloadMode);
    virtual void Form_Unload(int& cancel);

private:
    friend class FormWindow;
    Subject subject() const { return {m_spec.name, m_spec.name}; }
    void runFormEvent(EventName event, HandlerRef handler);
    void showBackColor(Colour colour);
    void buildControls();
    void linkLabels();
    Control* createControl(const ControlSpec& spec, Container* container);
    Container* containerFor(const ControlSpec& spec);
    void closeRequested();
    void releaseOwnedWindows();
    void resized();
    void activated();
    void exposed();

    FormSpec m_spec;
    FormWindow* m_window = nullptr;
    std::vector<Control*> m_controls;
    bool m_loaded = false;
    bool m_shownOnce = false;
    bool m_unloading = false;
    bool m_paintPending = false;
    Colour m_foreColor = 0;
};

}  // namespace rt
