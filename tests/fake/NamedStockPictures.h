#pragma once

#include <memory>

#include "app/FormPellorinth.h"
#include "fake/FakePlatform.h"

namespace pel::test {

// Gives the stock pictures plain names so tests can tell which one an item shows.
inline void UseNamedStockPictures(TFormPellorinth& form) {
    form.ImageUrl = std::make_shared<FakePicture>("url");
    form.ImageDel = std::make_shared<FakePicture>("del");
    form.ImageDel2 = std::make_shared<FakePicture>("del2");
    form.ImageUnKnown = std::make_shared<FakePicture>("unknown");
}

}  // namespace pel::test
