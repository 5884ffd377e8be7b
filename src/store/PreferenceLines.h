#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/Settings.h"

namespace pel {

inline constexpr int kPreferenceLineCount = 23;

// The "[PREF]" lines of the data file, in their fixed order.
std::vector<std::string> FormatPreferences(const Settings& settings);

// What the bar does while its preferences are read, at the points where the
// values it needs have just been read.
class PreferenceSteps {
  public:
    virtual ~PreferenceSteps() = default;
    // The scroll-button position has been read.
    virtual void ScrollButtonsRead() = 0;
    // The edge has been read: orient the bar.
    virtual void EdgeRead() = 0;
    // Edge, monitor and offsets are final: place the bar.
    virtual void PlaceBar() = 0;
};

// Reads the "[PREF]" lines into `settings`. Lines 0..8 must be there; a later
// line that is missing keeps its member's value. The first line that does not
// parse ends the reading (members read so far keep their new values) and
// gives false; line 9 alone is skipped when bad. Values that would leave the
// bar unusable fall back to their built-in values; an edge outside 0..3 is
// the top. A monitor index is kept whatever it names.
bool ReadPreferences(const std::vector<std::string>& lines, Settings& settings,
                     PreferenceSteps& steps);

}  // namespace pel
