// PLACEHOLDER: replaced by the launching work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::StartFile(const std::string&) {}

}  // namespace pel
