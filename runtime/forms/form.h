#pragma once

#include "control.h"
#include "layout.h"

#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

class QMainWindow;
class QWidget;

namespace rt {

class FormWindow;

enum QueryUnloadMode : int { vbFormControlMenu = 0, vbFormCode = 1 };

// A window built from its layout. A program derives one class per window,
// binds its handlers in the constructor and keeps its form-level variables as
// members; the runtime owns the single instance (see forms.h).
class Form : public QObject, public TwipsContainer {
    Q_OBJECT
public:
    explicit Form(const FormSpec& spec);
    ~Form() override;

    const FormSpec& spec() const { return m_spec; }
    QString name() const { return m_spec.name; }
    QWidget* window() const;
    QWidget* childArea() const override;

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
    // The window's outer size and the client area's size, in twips.
    Single Width() const;
    Single Height() const;
    Single ScaleWidth() const;
    Single ScaleHeight() const;
    bool Visible() const;

    // The control of that name (and index, for control arrays).
    template <typename T>
    T& control(const QString& name, int index = -1) const
    {
        if (auto* typed = dynamic_cast<T*>(find(name, index))) return *typed;
        throw std::logic_error("no control " + name.toStdString() + " of the requested kind");
    }
    // The elements of a control array, in index order.
    template <typename T>
    std::vector<T*> controlArray(const QString& name) const
    {
        std::vector<T*> result;
        for (Control* c : m_controls)
            if (c->name() == name)
                if (auto* typed = dynamic_cast<T*>(c)) result.push_back(typed);
        return result;
    }
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* find(const QString& name, int index = -1) const;

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_Paint() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode)
    {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int& cancel) { (void)cancel; }

private:
    friend class FormWindow;
    void buildControls();
    Control* createControl(const ControlSpec& spec, Container* container);
    Container* containerFor(const ControlSpec& spec);
    void closeRequested();
    void releaseOwnedWindows();
    void resized();
    void activated();

    FormSpec m_spec;
    FormWindow* m_window = nullptr;
    std::vector<Control*> m_controls;
    bool m_loaded = false;
    bool m_shownOnce = false;
    bool m_unloading = false;
};

}  // namespace rt
