#include "prefs/DlgPref.h"

namespace pel {

TDlgPref::TDlgPref(BarPreview& bar) : bar_(bar) {}

void TDlgPref::StringGrid1Click(int column) {
    if (column >= 0 && column <= 2) {
        page = column;
    }
}

void TDlgPref::sbResetOffsetClick() {}

void TDlgPref::sbReversColorClick() {}

void TDlgPref::SpeedButton1Click(const std::optional<FontChoice>&) {}

}  // namespace pel
