// Writes the stock pictures as .ico files for the resource script:
//   make_icons <res folder>
// Run it after changing a picture and commit the files it writes.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "DialogPictures.h"
#include "bar/IconFile.h"
#include "bar/StockPictures.h"

namespace {

struct NamedIcon {
    std::string fileName;
    pel::PixelImage image;
};

// Not url.ico or del.ico: those names are the user's own replacements beside
// the executable.
std::vector<NamedIcon> StockIcons() {
    std::vector<NamedIcon> icons = {
        {"app.ico", pel::ProgramPicture()},
        {"stock_url.ico", pel::UrlPicture()},
        {"stock_unknown.ico", pel::UnknownPicture()},
        {"stock_del.ico", pel::RowSeparatorPicture()},
        {"stock_del2.ico", pel::ColumnSeparatorPicture()},
    };
    for (int i = 0; i < pel::kGlyphCount; ++i) {
        icons.push_back({"glyph_" + std::to_string(i) + ".ico", pel::ScrollGlyphPicture(i)});
    }
    icons.push_back({"page_general.ico", pel::GeneralPagePicture()});
    icons.push_back({"page_layout.ico", pel::LayoutPagePicture()});
    icons.push_back({"page_style.ico", pel::StylePagePicture()});
    icons.push_back({"flag_ru.ico", pel::RussianFlagPicture()});
    icons.push_back({"flag_en.ico", pel::BritishFlagPicture()});
    return icons;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <res folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    int failures = 0;
    for (const NamedIcon& icon : StockIcons()) {
        const std::string path = folder + "/" + icon.fileName;
        // The program's icon, which the shell shows, gets frames for 150 and
        // 200 % too; the others the program draws itself at every scale.
        std::vector<pel::PixelImage> frames{icon.image};
        if (icon.fileName == "app.ico") {
            for (const int percent : {150, 200}) {
                frames.push_back(pel::AtSide(icon.image, icon.image.width * percent / 100));
            }
        }
        const std::string bytes = pel::EncodeIconFile(frames);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (bytes.empty() || !out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            ++failures;
            continue;
        }
        std::printf("%s (%zu bytes)\n", path.c_str(), bytes.size());
    }
    return failures == 0 ? 0 : 1;
}
