#pragma once

#include "forms/core/control.h"
#include "forms/drawing/canvas.h"

#include <QImage>

#include <optional>

class QFrame;

namespace rt {

class PictureCanvas;

// A picture box: a drawing surface with a user coordinate system that also
// holds child controls. The drawing is kept in an image, so a box that is
// covered and uncovered, hidden and shown, shows what was drawn on it.
class PictureBox : public Control, public Container {
    Q_OBJECT
public:
    enum class Box { None, Outline, Filled };  // Line's B and BF

    PictureBox(Form& form, const ControlSpec& spec, Container* container);
    ~PictureBox() override;
    QWidget* childArea() const override;

    // User coordinates: (x1, y1) is the top left inner corner, (x2, y2) the
    // bottom right one; y2 < y1 makes y grow upwards. Mouse positions and the
    // positions of child controls set in code use them too.
    void Scale(double x1, double y1, double x2, double y2);
    // Back to twips from the top left inner corner.
    void ScaleDefault();
    double ScaleLeft() const { return mapping().left; }
    double ScaleTop() const { return mapping().top; }
    double ScaleWidth() const { return mapping().unitsX; }
    double ScaleHeight() const { return mapping().unitsY; }

    // Clears the drawing to BackColor and puts the current point at (0, 0).
    void Cls();
    // A segment, an outline box or a filled box from (x1, y1) to (x2, y2) in
    // `colour` (ForeColor when not given); the current point ends at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = {},
              Box box = Box::None);
    // The same from the current point.
    void LineTo(double x2, double y2, std::optional<Colour> colour = {}, Box box = Box::None);
    // A circle of `radius` in x units around (x, y).
    void Circle(double x, double y, double radius, std::optional<Colour> colour = {});
    // A dot DrawWidth pixels wide.
    void PSet(double x, double y, std::optional<Colour> colour = {});

    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void setCurrentX(double x);
    void setCurrentY(double y);
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    // ForeColor is the colour drawing uses when none is given; changing the
    // background colour clears the drawing.
    Colour ForeColor() const override { return m_foreColor; }
    Colour BackColor() const override { return m_backColor; }
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on);

    // The kept drawing, one pixel per device pixel of the inner area (one per
    // logical pixel on a screen that is not scaled); its device pixel ratio
    // is the screen's scale.
    const QImage& image() const { return m_canvas.image(); }

    // A user coordinate to the pixel that contains it (may lie outside).
    QPointF toPixel(double x, double y) const;

    Event<> Paint{EventName::Paint};
    Event<> Click{EventName::Click};
    Event<> DblClick{EventName::DblClick};
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    using MouseEvent = Event<int, int, Single, Single>;
    MouseEvent MouseDown{EventName::MouseDown};
    MouseEvent MouseMove{EventName::MouseMove};
    MouseEvent MouseUp{EventName::MouseUp};
    // A dragged control dropped on the box, at (x, y) in user coordinates.
    Event<Control&, Single, Single> DragDrop{EventName::DragDrop};

    void dropped(Control& source, QPointF at) override;

protected:
    void finishSetUp() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PictureCanvas;
    void showForeColor(Colour colour) override;
    void showBackColor(Colour colour) override;
    void canvasResized();
    // The user scale (or twips) across the inner area as it now is.
    void mapOnto(double left, double top, double width, double height);
    void fitImage();
    QRgb rgbOf(std::optional<Colour> colour) const;
    void changed();

    QFrame* m_frame;
    PictureCanvas* m_surface;
    Canvas m_canvas;
    bool m_userScale = false;
    double m_currentX = 0, m_currentY = 0;
    int m_drawWidth = 1;
    Colour m_foreColor = 0;
    Colour m_backColor;
    bool m_autoRedraw;
    bool m_painting = false;
};

}  // namespace rt
