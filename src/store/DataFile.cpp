#include "store/DataFile.h"

#include <algorithm>
#include <array>

#include "store/ValueText.h"

namespace pel {

namespace {

constexpr std::array<std::string_view, 3> kHeaders{kPathHeader, kIconHeader, kPrefHeader};

bool IsHeader(std::string_view line) {
    return std::any_of(kHeaders.begin(), kHeaders.end(), [line](std::string_view header) {
        return EqualsIgnoringAsciiCase(line, header);
    });
}

void AppendSection(std::string& out, std::string_view header,
                   const std::vector<std::string>& values) {
    out += header;
    out += "\r\n";
    for (const std::string& value : values) {
        for (const char c : value) {
            out += c == '\r' || c == '\n' || c == '\0' ? ' ' : c;
        }
        out += "\r\n";
    }
    out += kSectionEnd;
    out += "\r\n";
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::vector<std::string> ReadSection(const std::vector<std::string>& lines,
                                     std::string_view header) {
    auto it = std::find_if(lines.begin(), lines.end(), [header](const std::string& line) {
        return EqualsIgnoringAsciiCase(line, header);
    });
    std::vector<std::string> values;
    if (it == lines.end()) {
        return values;
    }
    for (++it; it != lines.end() && *it != kSectionEnd && !IsHeader(*it); ++it) {
        values.push_back(*it);
    }
    return values;
}

DataFileContent ParseDataFile(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    return DataFileContent{ReadSection(lines, kPathHeader), ReadSection(lines, kIconHeader),
                           ReadSection(lines, kPrefHeader)};
}

DataFileReading ReadDataFile(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    DataFileReading reading;
    reading.content =
        DataFileContent{ReadSection(lines, kPathHeader), ReadSection(lines, kIconHeader),
                        ReadSection(lines, kPrefHeader)};
    const bool blank = std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find_first_not_of(" \t") == std::string::npos;
    });
    reading.hasItemList =
        blank || std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return EqualsIgnoringAsciiCase(line, kPathHeader);
        });
    reading.clean = lines == SplitLines(FormatDataFile(reading.content));
    return reading;
}

std::string FormatDataFile(const DataFileContent& content) {
    std::string out;
    AppendSection(out, kPathHeader, content.items);
    AppendSection(out, kIconHeader, content.icons);
    AppendSection(out, kPrefHeader, content.prefs);
    return out;
}

}  // namespace pel
