#pragma once

#include <memory>

#include "app/FormPellorinth.h"
#include "fake/FakePlatform.h"

namespace pel::test {

// Gives the stock pictures plain names so tests can tell which one an item shows.
inline void UseNamedStockPictures(TFormPellorinth& form) {
    form.Pictures().UseStock(
        {std::make_shared<FakePicture>("url"), std::make_shared<FakePicture>("del"),
         std::make_shared<FakePicture>("del2"), std::make_shared<FakePicture>("unknown")});
}

}  // namespace pel::test
