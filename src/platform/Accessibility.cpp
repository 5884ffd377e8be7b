#include "platform/Accessibility.h"

namespace pel {

std::optional<int> NavigateChildren(int count, int from, NavigateTo direction) {
    if (from < -1 || from >= count) {
        return std::nullopt;
    }
    int to = -1;
    switch (direction) {
        case NavigateTo::FirstChild:
            to = from == -1 ? 0 : -1;
            break;
        case NavigateTo::LastChild:
            to = from == -1 ? count - 1 : -1;
            break;
        case NavigateTo::Next:
            to = from == -1 ? -1 : from + 1;
            break;
        case NavigateTo::Previous:
            to = from == -1 ? -1 : from - 1;
            break;
    }
    if (to < 0 || to >= count) {
        return std::nullopt;
    }
    return to;
}

}  // namespace pel
