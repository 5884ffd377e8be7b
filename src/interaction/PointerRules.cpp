#include "interaction/PointerRules.h"

#include "texts/LanguageTables.h"

namespace pel {

int ItemIndexAt(const GridModel& grid, bool horizontal, Point gridPoint) {
    const Point cell = grid.MouseToCell(gridPoint);
    if (cell.x < 0 || cell.y < 0) {
        return -1;
    }
    return horizontal ? cell.x : cell.y;
}

bool InBarBand(const Rect& bar, Point screen, bool horizontal) {
    // Both edges count as inside, so the border pixel never deletes.
    if (horizontal) {
        return screen.y >= bar.top && screen.y <= bar.top + bar.Height();
    }
    return screen.x >= bar.left && screen.x <= bar.left + bar.Width();
}

int RepeatDirection(int along, int visibleLength) {
    if (along < 0) {
        return -1;
    }
    if (along >= visibleLength) {
        return 1;
    }
    return 0;
}

std::string DeleteQuestion(int language, std::string_view name) {
    std::string question(texts::kDeleteQuestionPrefix.In(language));
    question += name;
    question += texts::kDeleteQuestionSuffix;
    return question;
}

}  // namespace pel
