// PLACEHOLDER: replaced by the data-file work.
#include "app/FormPellorinth.h"

namespace pel {

void TFormPellorinth::LoadUserData() { FirstShowDone = 1; }
void TFormPellorinth::SaveUserData() {}
void TFormPellorinth::FirstUserLoad() {}
std::string TFormPellorinth::ShellFolderPath(const std::string& name) const {
    return platform.ReadUserRegistryString(
               "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name)
               .value_or(std::string()) +
           "\\";
}
std::string TFormPellorinth::ExeRelativePath(const std::string& path) const { return path; }
std::string TFormPellorinth::ExeAbsolutePath(const std::string& text) const { return text; }

}  // namespace pel
