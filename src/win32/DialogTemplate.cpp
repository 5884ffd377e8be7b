#include "win32/DialogTemplate.h"

namespace pel::win32 {

DialogTemplate::DialogTemplate(DWORD style, short x, short y, short cx, short cy,
                               std::wstring_view fontName, WORD pointSize) {
    Dword(style | DS_SETFONT);
    Dword(0);  // extended style
    countIndex_ = words_.size();
    Word(0);  // item count, raised by AddItem
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0);   // no menu
    Word(0);   // default dialog class
    Text({});  // title, set at run time
    Word(pointSize);
    Text(fontName);
}

void DialogTemplate::AddItem(Kind kind, WORD id, DWORD style, short x, short y, short cx, short cy,
                             std::wstring_view text) {
    AlignToDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF);
    Word(static_cast<WORD>(kind));
    Text(text);
    Word(0);  // no creation data
    ++words_[countIndex_];
}

void DialogTemplate::Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
}

void DialogTemplate::Text(std::wstring_view text) {
    for (const wchar_t c : text) {
        Word(static_cast<WORD>(c));
    }
    Word(0);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) {
        Word(0);
    }
}

}  // namespace pel::win32
