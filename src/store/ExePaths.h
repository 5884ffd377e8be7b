#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace pel {

// Under the current user's root: where the shell keeps its folders' paths.
inline constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The user's shell folder `name` with a trailing backslash; a lone backslash
// when the shell does not know it.
std::string ShellFolderPath(const FileSystem& files, const std::string& name);

// Paths inside the program's folder (given with its trailing backslash) are
// kept as "." and the rest, so that a moved program folder keeps its icons:
// C:\Tools\icons\a.ico becomes .icons\a.ico. Letter case must match.
std::string ToExeRelativePath(const std::string& path, const std::string& exeFolder);

// The reverse: a leading "." stands for the program's folder.
std::string ToExeAbsolutePath(const std::string& text, const std::string& exeFolder);

}  // namespace pel
