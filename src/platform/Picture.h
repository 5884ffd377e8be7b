#pragma once

#include <memory>

namespace pel {

// A 32 x 32 item picture owned by the platform (an icon with its mask on
// Windows, a named token in tests). Shared so that the image list, the scratch
// image and the stock images can hold the same picture without copying it.
class Picture {
public:
    virtual ~Picture() = default;
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace pel
