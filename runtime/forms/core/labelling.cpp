#include "forms/core/labelling.h"

#include <optional>

namespace rt {

namespace {

// Twips (20 pixels): a caption set apart further describes something else, as
// a caption to the right of one box that is also left of the next one.
constexpr int farthestGap = 300;

bool labelled(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::ListBox || kind == Kind::HScrollBar ||
           kind == Kind::VScrollBar;
}

// Kinds that take no room in the window.
bool invisibleKind(Kind kind)
{
    return kind == Kind::Timer || kind == Kind::Menu || kind == Kind::CommonDialog;
}

bool overlap(int start, int length, int otherStart, int otherLength)
{
    return start < otherStart + otherLength && otherStart < start + length;
}

// The nearest control on one side of `target`, with the gap to it.
struct Neighbour {
    size_t position;
    int gap;
};

std::optional<Neighbour> nearest(const std::vector<ControlSpec>& controls, size_t which,
                                 bool toTheLeft)
{
    const ControlSpec& target = controls[which];
    std::optional<Neighbour> best;
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlSpec& other = controls[i];
        if (i == which || invisibleKind(other.kind) ||
            other.props.container != target.props.container)
            continue;
        const bool beside = toTheLeft ? overlap(target.top, target.height, other.top, other.height)
                                      : overlap(target.left, target.width, other.left, other.width);
        const int gap = toTheLeft ? target.left - (other.left + other.width)
                                  : target.top - (other.top + other.height);
        // Labels drawn to touch their box may overlap it by a pixel.
        if (beside && gap >= -twipsPerPixel && (!best || gap < best->gap)) best = Neighbour{i, gap};
    }
    return best;
}

}  // namespace

int labelFor(const std::vector<ControlSpec>& controls, size_t which)
{
    if (!labelled(controls[which].kind)) return -1;
    for (const bool toTheLeft : {true, false}) {
        const auto found = nearest(controls, which, toTheLeft);
        if (!found || found->gap > farthestGap) continue;
        const ControlSpec& neighbour = controls[found->position];
        if (neighbour.kind == Kind::Label && !neighbour.caption.isEmpty())
            return int(found->position);
    }
    return -1;
}

}  // namespace rt
