#include <string_view>

#include "app/FormPellorinth.h"

namespace pel {

namespace {

constexpr const char* kIconFilter = "Icons(*.ico)|*.ico";

// The same test adding an item makes: a target without an extension only
// counts as present when it is a folder.
bool TargetPresent(const Platform& platform, const std::string& target) {
    const std::string_view name = std::string_view(target).substr(target.find_last_of("\\:") + 1);
    if (name.find('.') == std::string_view::npos) {
        return platform.DirectoryExists(target);
    }
    return platform.FileExists(target) || platform.DirectoryExists(target);
}

// The picture the item had when it was added. The shell's lookup for a path
// that is gone gives some arbitrary icon, so a missing target keeps the
// blank page.
void PutDefaultPicture(TFormPellorinth& form, const std::string& target) {
    if (target.empty()) {
        form.Image1 = form.settings.IsHorizontal ? form.ImageDel : form.ImageDel2;
        return;
    }
    form.Image1 = nullptr;
    if (IsUrl(target) || TargetPresent(form.platform, target)) {
        form.GetDefaultIcon(target);
    }
    if (!form.Image1) {
        form.Image1 = form.ImageUnKnown;
    }
}

}  // namespace

void TFormPellorinth::GetDefaultIcon(const std::string& target) {
    if (IsUrl(target)) {
        Image1 = ImageUrl;
    } else if (!target.empty()) {
        Image1 = platform.AssociatedIcon(target);
    }
}

void TFormPellorinth::SetOtherIcon(int index, bool replace) {
    if (!store.IsItem(index) || static_cast<std::size_t>(index) >= store.ListIcons.size()) {
        return;
    }
    const auto i = static_cast<std::size_t>(index);
    const std::string target = store.ListCurr[i];
    const std::string iconPath = ExeAbsolutePath(store.ListIcons[i]);
    bool applied = false;
    if (!iconPath.empty()) {
        if (target.empty() || !platform.FileExists(iconPath)) {
            // Separators keep their glyph; a removed file is forgotten.
            store.ListIcons[i].clear();
        } else if (PicturePtr icon = platform.LoadIconFile(iconPath)) {
            Image1 = std::move(icon);
            applied = true;
        }
    }
    // Without replace the caller has already put the item's own picture into
    // Image1; asking the shell again would lose the blank page of a missing
    // target.
    if (replace) {
        if (!applied) {
            PutDefaultPicture(*this, target);
        }
        if (i < store.ImageList1.size()) {
            store.ImageList1[i] = Image1;
        }
    }
    Repaint();
}

void TFormPellorinth::ChangeIcon(const std::string& path, int index) {
    if (!store.IsItem(index) || static_cast<std::size_t>(index) >= store.ListIcons.size()) {
        return;
    }
    store.ListIcons[static_cast<std::size_t>(index)] =
        path.empty() ? std::string() : ExeRelativePath(path);
    SetOtherIcon(index, true);
}

void TFormPellorinth::OpenIcon1Click() {
    OpenDialog1.initialDir = LastIconFolder.empty() ? platform.ExeFolder() : LastIconFolder;
    OpenDialog1.filter = kIconFilter;
    OpenDialog1.multiSelect = false;
    OpenDialog1.fileName.clear();
    {
        const AutoHideSuspension suspension(*this);
        const std::vector<std::string> chosen = platform.OpenFiles(OpenDialog1);
        if (!chosen.empty() && !chosen.front().empty()) {
            const std::string& file = chosen.front();
            ChangeIcon(file, CurrentItem());
            LastIconFolder = file.substr(0, file.find_last_of('\\') + 1);
            OpenDialog1.fileName.clear();
        }
    }
    MenuOpen = 0;
}

void TFormPellorinth::DefaultIcon1Click() {
    ChangeIcon(std::string(), CurrentItem());
    DefaultIcon1.enabled = false;
    MenuOpen = 0;
}

}  // namespace pel
