#pragma once

#include "control.h"

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
    QWidget* widget() const override;
    QWidget* childArea() const override;

    // User coordinates: (x1, y1) is the top left inner corner, (x2, y2) the
    // bottom right one; y2 < y1 makes y grow upwards. Mouse positions and the
    // positions of child controls set in code use them too.
    void Scale(double x1, double y1, double x2, double y2);
    // Back to twips from the top left inner corner.
    void ScaleDefault();
    double ScaleLeft() const { return m_left; }
    double ScaleTop() const { return m_top; }
    double ScaleWidth() const { return m_width; }
    double ScaleHeight() const { return m_height; }

    // Clears the drawing to BackColor and puts the current point at (0, 0).
    void Cls();
    // A segment, an outline box or a filled box from (x1, y1) to (x2, y2) in
    // `colour` (ForeColor when not given); the current point ends at (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<int32_t> colour = {},
              Box box = Box::None);
    // The same from the current point.
    void LineTo(double x2, double y2, std::optional<int32_t> colour = {}, Box box = Box::None);
    // A circle of `radius` in x units around (x, y).
    void Circle(double x, double y, double radius, std::optional<int32_t> colour = {});
    // A dot DrawWidth pixels wide.
    void PSet(double x, double y, std::optional<int32_t> colour = {});

    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    // The colour drawing uses when none is given.
    Colour ForeColor() const override { return m_foreColor; }
    void setForeColor(Colour colour) override { m_foreColor = colour; }
    Colour BackColor() const override { return m_backColor; }
    // Changing the background colour clears the drawing.
    void setBackColor(Colour colour) override;
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // The kept drawing, one pixel per device pixel of the inner area (one per
    // logical pixel on a screen that is not scaled); its device pixel ratio
    // is the screen's scale.
    const QImage& image() const { return m_image; }

    // A user coordinate to the pixel that contains it (may lie outside).
    QPointF toPixel(double x, double y) const;

    std::function<void()> Paint;
    std::function<void()> Click;
    std::function<void()> DblClick;
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt.
    std::function<void(int button, int shift, Single x, Single y)> MouseDown;
    std::function<void(int button, int shift, Single x, Single y)> MouseMove;
    std::function<void(int button, int shift, Single x, Single y)> MouseUp;
    // A dragged control dropped on the box, at (x, y) in user coordinates.
    std::function<void(Control& source, Single x, Single y)> DragDrop;

    void dropped(Control& source, QPointF at) override;

    double toPixelX(double x) const override;
    double toPixelY(double y) const override;
    double fromPixelX(double px) const override;
    double fromPixelY(double py) const override;
    double toPixelWidth(double w) const override;
    double toPixelHeight(double h) const override;
    double fromPixelWidth(double pw) const override;
    double fromPixelHeight(double ph) const override;

protected:
    void finishSetUp() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PictureCanvas;
    void canvasResized();
    void fitImage();
    void drawSegment(QPointF from, QPointF to, int32_t colour);
    bool mayShow(QPointF centre, double r) const;
    void changed();

    QFrame* m_frame;
    PictureCanvas* m_canvas;
    QImage m_image;
    bool m_userScale = false;
    double m_left = 0, m_top = 0, m_width = 1, m_height = 1;
    double m_currentX = 0, m_currentY = 0;
    int m_drawWidth = 1;
    int32_t m_foreColor = 0;
    int32_t m_backColor;
    bool m_autoRedraw;
    bool m_painting = false;
};

}  // namespace rt
