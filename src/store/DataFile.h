#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pel {

inline constexpr std::string_view kPathHeader = "[PATH]";
inline constexpr std::string_view kIconHeader = "[ICON]";
inline constexpr std::string_view kPrefHeader = "[PREF]";
inline constexpr std::string_view kSectionEnd = "[~]";

// The three sections of the data file, one value per line.
struct DataFileContent {
    std::vector<std::string> items;
    std::vector<std::string> icons;
    std::vector<std::string> prefs;
    friend bool operator==(const DataFileContent&, const DataFileContent&) = default;
};

// CR LF, LF and CR all end a line; a last line without an end still counts.
std::vector<std::string> SplitLines(std::string_view text);

// The value lines after the first line equal to `header` (ignoring letter
// case) up to "[~]". Files edited by hand may lack a closing line, so another
// section's header or the end of the file closes it as well; a section that
// is not there is empty.
std::vector<std::string> ReadSection(const std::vector<std::string>& lines,
                                     std::string_view header);

DataFileContent ParseDataFile(std::string_view text);

// A data file's text as read, and how far it can be trusted.
struct DataFileReading {
    DataFileContent content;
    // The item list's header is there, or the text is blank. Without it the
    // items cannot be found, and saving would write an empty list over them.
    bool hasItemList = false;
    // The text is line for line what saving the content writes back.
    bool clean = false;
};

DataFileReading ReadDataFile(std::string_view text);

// Every line ends with CR LF. A value cannot span lines, so a line break
// inside one is written as a space rather than shifting every later value;
// so is a NUL, which would make the file read as damaged at every start.
std::string FormatDataFile(const DataFileContent& content);

}  // namespace pel
