#include "interaction/ShellMessages.h"

#include <array>
#include <utility>

namespace pel {

namespace {

// Codes of 32 and below are failures; only these few get a message.
constexpr std::array<std::pair<std::intptr_t, std::string_view>, 13> kShellErrors{{
    {0, "The system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file"},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)"},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not be completed because other DDE transactions were being "
     "processed."},
    {31, "There is no application associated with the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

}  // namespace

std::optional<std::string_view> ShellErrorText(std::intptr_t code) {
    for (const auto& [known, text] : kShellErrors) {
        if (known == code) {
            return text;
        }
    }
    return std::nullopt;
}

}  // namespace pel
