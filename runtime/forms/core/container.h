#pragma once

#include "forms/core/layout.h"

#include <cmath>

class QWidget;

namespace rt {

// How a container's coordinates map to pixels of the widget its children sit
// on: `units` of the container across `pixels` pixels, starting from
// (left, top) at the top left corner. A negative unit count makes that axis
// run the other way (y growing upwards). Twips, from the corner: the default.
struct Mapping {
    double left = 0;
    double top = 0;
    double unitsX = twipsPerPixel;
    double unitsY = twipsPerPixel;
    double pixelsX = 1;
    double pixelsY = 1;

    // A position to pixels, and back.
    double toPixelX(double x) const { return (x - left) * pixelsX / unitsX; }
    double toPixelY(double y) const { return (y - top) * pixelsY / unitsY; }
    double fromPixelX(double px) const { return left + px * unitsX / pixelsX; }
    double fromPixelY(double py) const { return top + py * unitsY / pixelsY; }
    // A length to pixels (always laid rightwards or downwards), and back.
    double toPixelWidth(double w) const { return std::abs(w * pixelsX / unitsX); }
    double toPixelHeight(double h) const { return std::abs(h * pixelsY / unitsY); }
    double fromPixelWidth(double pw) const { return std::abs(pw * unitsX / pixelsX); }
    double fromPixelHeight(double ph) const { return std::abs(ph * unitsY / pixelsY); }
};

// Something that holds controls: the form or a frame (in twips), or a picture
// box (in its user scale).
class Container {
public:
    virtual ~Container() = default;
    // The widget the children sit on.
    virtual QWidget* childArea() const = 0;
    const Mapping& mapping() const { return m_mapping; }

protected:
    void setMapping(const Mapping& mapping) { m_mapping = mapping; }

private:
    Mapping m_mapping;
};

}  // namespace rt
