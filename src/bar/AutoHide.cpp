#include "bar/AutoHide.h"

#include <optional>

namespace pel {

AutoHideMove AutoHide::Step(const BarPlace& place, Point pointer, bool shown, bool held,
                            bool edgeCalls) {
    AutoHideMove move;
    // Over the bar the fade pauses without starting over.
    move.opaque = shown && OverBar(place, pointer);
    if (edgeCalls && InShowZone(place, pointer)) {
        fade_.Reset();
        move.opaque = true;
        move.kind = shown ? AutoHideMove::Kind::Nothing : AutoHideMove::Kind::Show;
        return move;
    }
    if (held || !OutsideKeepZone(place, pointer) || fade_.Hidden()) {
        return move;
    }
    if (const std::optional<int> opacity = fade_.Advance()) {
        move.kind = AutoHideMove::Kind::Fade;
        move.opacity = *opacity;
    } else {
        move.kind = AutoHideMove::Kind::Hide;
    }
    return move;
}

}  // namespace pel
