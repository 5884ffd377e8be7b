#pragma once

namespace pel {

class TFormPellorinth;

// Enables the context-menu entries that depend on the item at `index`
// (an existing item): delete, change URL and the icon commands.
void UpdateItemMenu(TFormPellorinth& form, int index);

}  // namespace pel
