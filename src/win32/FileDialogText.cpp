#include "win32/FileDialogText.h"

#include "win32/Utf.h"

namespace pel::win32 {

std::wstring DialogFilter(std::string_view filter) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? filter.size() : bar;
        parts.push_back(ToWide(filter.substr(start, end - start)));
        if (bar == std::string_view::npos) {
            break;
        }
        start = bar + 1;
    }
    std::wstring out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i + 1].empty()) {
            continue;
        }
        out += parts[i];
        out += L'\0';
        out += parts[i + 1];
        out += L'\0';
    }
    out += L'\0';
    return out;
}

std::vector<std::wstring> ChosenFiles(const wchar_t* buffer, std::size_t capacity) {
    std::vector<std::wstring> strings;
    std::size_t pos = 0;
    while (pos < capacity && buffer[pos] != L'\0') {
        std::size_t end = pos;
        while (end < capacity && buffer[end] != L'\0') {
            ++end;
        }
        strings.emplace_back(buffer + pos, end - pos);
        pos = end + 1;
    }
    if (strings.size() <= 1) {
        return strings;
    }
    std::wstring folder = strings.front();
    if (!folder.ends_with(L'\\')) {
        folder += L'\\';
    }
    std::vector<std::wstring> paths;
    for (std::size_t i = 1; i < strings.size(); ++i) {
        paths.push_back(folder + strings[i]);
    }
    return paths;
}

}  // namespace pel::win32
