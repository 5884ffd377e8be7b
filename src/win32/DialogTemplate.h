#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace pel::win32 {

// Builds an in-memory dialog template (DLGTEMPLATE and its items) for
// DialogBoxIndirectParamW. Units are dialog units.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, short x, short y, short cx, short cy, std::wstring_view fontName,
                   WORD pointSize);

    // Predefined control classes by their atoms.
    enum class Kind : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };
    void AddItem(Kind kind, WORD id, DWORD style, short x, short y, short cx, short cy,
                 std::wstring_view text = {});

    [[nodiscard]] const DLGTEMPLATE* get() const {
        return reinterpret_cast<const DLGTEMPLATE*>(words_.data());
    }

  private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d);
    void Text(std::wstring_view text);
    void AlignToDword();

    // WORD storage from the allocator is aligned for DWORDs, so aligning the
    // index aligns the address.
    std::vector<WORD> words_;
    std::size_t countIndex_ = 0;
};

}  // namespace pel::win32
