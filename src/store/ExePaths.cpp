#include "store/ExePaths.h"

namespace pel {

std::string ShellFolderPath(const FileSystem& files, const std::string& name) {
    return files.ReadUserRegistryString(kShellFoldersKey, name).value_or(std::string()) + "\\";
}

std::string ToExeRelativePath(const std::string& path, const std::string& exeFolder) {
    if (exeFolder.empty() || path.compare(0, exeFolder.size(), exeFolder) != 0) {
        return path;
    }
    return "." + path.substr(exeFolder.size());
}

std::string ToExeAbsolutePath(const std::string& text, const std::string& exeFolder) {
    if (text.empty() || text.front() != '.') {
        return text;
    }
    return exeFolder + text.substr(1);
}

}  // namespace pel
