#include <gtest/gtest.h>

#include <cstring>

#include "Win32TestSupport.h"
#include "win32/GdiCanvas.h"
#include "win32/Handles.h"
#include "win32/Win32Platform.h"

namespace pel::win32::test {
namespace {

// A 32-bit top-down bitmap in a memory DC whose pixels the test reads.
class DibSurface {
  public:
    DibSurface(int width, int height) : width_(width), dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = TopDownBitmapInfo(width, height);
        void* bits = nullptr;
        bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint32_t*>(bits);
        selected_.emplace(dc_.get(), bitmap_.get());
    }
    [[nodiscard]] HDC dc() const { return dc_.get(); }
    [[nodiscard]] bool Valid() const { return dc_ && bitmap_ && bits_ != nullptr; }
    // As a colour value 0x00BBGGRR.
    [[nodiscard]] Color At(int x, int y) const {
        ::GdiFlush();
        const std::uint32_t p = bits_[static_cast<std::size_t>(y) * width_ + x];
        return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
    }

  private:
    int width_;
    UniqueDC dc_;
    UniqueBitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::optional<SelectedObject> selected_;
};

constexpr Color kGreen = 0x0000FF00;
constexpr Color kOdd = 0x00336699;              // no channel equal, so swapped bytes show
constexpr std::uint32_t kArgbOdd = 0xFF996633;  // the same colour as ARGB
constexpr std::uint32_t kArgbRed = 0xFFFF0000;
constexpr Color kRed = 0x000000FF;

class GdiTest : public ::testing::Test {
  protected:
    Win32Platform platform{::GetModuleHandleW(nullptr)};
    DibSurface surface{64, 48};
    GdiCanvas canvas{surface.dc()};

    void SetUp() override { ASSERT_TRUE(surface.Valid()); }

    // Left half opaque red, right half transparent.
    static PixelImage HalfRed() {
        PixelImage image(32, 32, 0x00000000);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 16; ++x) {
                image.Set(x, y, kArgbRed);
            }
        }
        return image;
    }
};

TEST_F(GdiTest, FillRectPaintsTheExactColourInsideOnly) {
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    canvas.FillRect(Rect{10, 5, 20, 15}, kOdd);
    EXPECT_EQ(surface.At(10, 5), kOdd);
    EXPECT_EQ(surface.At(19, 14), kOdd);
    EXPECT_EQ(surface.At(20, 14), kGreen) << "right edge is exclusive";
    EXPECT_EQ(surface.At(19, 15), kGreen) << "bottom edge is exclusive";
    EXPECT_EQ(surface.At(9, 5), kGreen);
}

TEST_F(GdiTest, FillRectResolvesASystemColour) {
    canvas.FillRect(Rect{0, 0, 8, 8}, kClBtnFace);
    EXPECT_EQ(surface.At(3, 3), static_cast<Color>(::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(GdiTest, FocusRectInvertsTheOutlineAndUndoesItself) {
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    canvas.DrawFocusRect(Rect{4, 4, 40, 40});
    int changed = 0;
    for (int x = 4; x < 40; ++x) {
        changed += surface.At(x, 4) != kGreen ? 1 : 0;
    }
    EXPECT_GT(changed, 8) << "a dotted top edge";
    EXPECT_EQ(surface.At(20, 20), kGreen) << "the inside stays";
    canvas.DrawFocusRect(Rect{4, 4, 40, 40});
    for (int x = 0; x < 64; ++x) {
        ASSERT_EQ(surface.At(x, 4), kGreen) << x;
    }
}

TEST_F(GdiTest, DrawImageKeepsOpaqueColoursExactAndSkipsTransparentPixels) {
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    PixelImage image = HalfRed();
    image.Set(0, 0, kArgbOdd);
    image.Set(20, 3, 0x80996633);  // half alpha still counts as opaque
    canvas.DrawImage(image, Rect::FromSize(8, 4, 32, 32));
    EXPECT_EQ(surface.At(8, 4), kOdd);
    EXPECT_EQ(surface.At(9, 4), kRed);
    EXPECT_EQ(surface.At(23, 35), kRed);
    EXPECT_EQ(surface.At(24, 35), kGreen);
    EXPECT_EQ(surface.At(28, 7), kOdd);
    EXPECT_EQ(surface.At(39, 35), kGreen);
    EXPECT_EQ(surface.At(7, 4), kGreen) << "nothing outside the destination";
    EXPECT_EQ(surface.At(8, 36), kGreen);
}

TEST_F(GdiTest, DrawImageStretchesToTheDestination) {
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    PixelImage image(2, 1, kArgbRed);
    image.Set(1, 0, kArgbOdd);
    canvas.DrawImage(image, Rect{0, 0, 40, 10});
    EXPECT_EQ(surface.At(0, 0), kRed);
    EXPECT_EQ(surface.At(19, 9), kRed);
    EXPECT_EQ(surface.At(20, 0), kOdd);
    EXPECT_EQ(surface.At(39, 9), kOdd);
    EXPECT_EQ(surface.At(40, 0), kGreen);
}

TEST_F(GdiTest, DrawImageIgnoresBadInput) {
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    PixelImage broken(4, 4, kArgbRed);
    broken.pixels.resize(3);
    canvas.DrawImage(broken, Rect{0, 0, 4, 4});
    canvas.DrawImage(PixelImage{}, Rect{0, 0, 4, 4});
    canvas.DrawImage(PixelImage(4, 4, kArgbRed), Rect{10, 10, 5, 5});
    canvas.DrawImage(PixelImage(4, 4, kArgbRed), Rect{0, 0, 100000, 100000});
    EXPECT_EQ(surface.At(0, 0), kGreen);
    EXPECT_EQ(surface.At(10, 10), kGreen);
}

TEST_F(GdiTest, MadePictureDrawsWithItsTransparency) {
    const PicturePtr picture = platform.MakePicture(HalfRed());
    ASSERT_NE(picture, nullptr);
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    canvas.DrawPicture(*picture, Rect::FromSize(2, 2, 32, 32));
    EXPECT_EQ(surface.At(2, 2), kRed);
    EXPECT_EQ(surface.At(17, 33), kRed);
    EXPECT_EQ(surface.At(18, 2), kGreen);
    EXPECT_EQ(surface.At(33, 33), kGreen);
    EXPECT_EQ(surface.At(34, 34), kGreen);
}

TEST_F(GdiTest, MakePictureRefusesImagesThatAreNotWhole) {
    PixelImage broken(32, 32, kArgbRed);
    broken.pixels.pop_back();
    EXPECT_EQ(platform.MakePicture(broken), nullptr);
    EXPECT_EQ(platform.MakePicture(PixelImage{}), nullptr);
    EXPECT_EQ(platform.MakePicture(PixelImage(100000, 0)), nullptr);
}

// A 32 x 32, 32-bit .ico: left half `left`, right half transparent.
std::string IcoFile(std::uint32_t left) {
    std::string out;
    auto put16 = [&out](std::uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    auto put32 = [&out](std::uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    const std::uint32_t imageBytes = 40 + 32 * 32 * 4 + 32 * 4;
    put16(0), put16(1), put16(1);
    out += '\x20', out += '\x20', out += '\0', out += '\0';
    put16(1), put16(32), put32(imageBytes), put32(22);
    put32(40), put32(32), put32(64), put16(1), put16(32), put32(0), put32(32 * 32 * 4);
    put32(0), put32(0), put32(0), put32(0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            put32(x < 16 ? left : 0u);
        }
    }
    for (int y = 0; y < 32; ++y) {
        put32(0xFFFF0000u);  // bytes 00 00 FF FF: the right 16 pixels are masked out
    }
    return out;
}

TEST_F(GdiTest, IconFileLoadsAndDrawsOrFailsQuietly) {
    const TempFolder folder;
    const std::string good = folder.File("значок.ico");
    ASSERT_TRUE(platform.WriteWholeFile(good, IcoFile(kArgbOdd)));
    const PicturePtr picture = platform.LoadIconFile(good, 32);
    ASSERT_NE(picture, nullptr);
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    canvas.DrawPicture(*picture, Rect::FromSize(0, 0, 32, 32));
    EXPECT_EQ(surface.At(0, 0), kOdd);
    EXPECT_EQ(surface.At(15, 31), kOdd);
    EXPECT_EQ(surface.At(16, 0), kGreen);

    const std::string damaged = folder.File("damaged.ico");
    ASSERT_TRUE(platform.WriteWholeFile(damaged, IcoFile(kArgbOdd).substr(0, 30)));
    EXPECT_EQ(platform.LoadIconFile(damaged, 32), nullptr);
    ASSERT_TRUE(platform.WriteWholeFile(damaged, "not an icon at all"));
    EXPECT_EQ(platform.LoadIconFile(damaged, 32), nullptr);
    EXPECT_EQ(platform.LoadIconFile(folder.File("missing.ico"), 32), nullptr);
    EXPECT_EQ(platform.LoadIconFile("", 32), nullptr);
}

TEST_F(GdiTest, AssociatedIconOfAFileAndAFolder) {
    EXPECT_NE(platform.AssociatedIcon(platform.ExePath(), 32), nullptr);
    const TempFolder folder;
    EXPECT_NE(platform.AssociatedIcon(folder.Path(), 32), nullptr);
}

TEST_F(GdiTest, FilesWhoseIconsComeFromOnePlaceShareOnePicture) {
    const TempFolder folder;
    for (const char* name : {"a.txt", "b.txt"}) {
        ASSERT_TRUE(platform.WriteWholeFile(folder.File(name), "text"));
    }
    const PicturePtr first = platform.AssociatedIcon(folder.File("a.txt"), 32);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(platform.AssociatedIcon(folder.File("b.txt"), 32), first);
    EXPECT_NE(platform.AssociatedIcon("C:\\Windows\\notepad.exe", 32), first);
    const TempFolder other;
    EXPECT_EQ(platform.AssociatedIcon(other.Path(), 32),
              platform.AssociatedIcon(folder.Path(), 32));
}

TEST_F(GdiTest, OffscreenBufferPaintsAndCopiesInOne) {
    const WindowDC screen(nullptr);
    OffscreenBuffer buffer(screen.get(), 40, 30);
    ASSERT_TRUE(buffer.Valid());
    EXPECT_EQ(buffer.Width(), 40);
    EXPECT_EQ(buffer.Height(), 30);
    GdiCanvas offscreen(buffer.dc());
    offscreen.FillRect(Rect{0, 0, 40, 30}, kOdd);
    offscreen.FillRect(Rect{0, 0, 10, 10}, kRed);
    canvas.FillRect(Rect{0, 0, 64, 48}, kGreen);
    buffer.CopyTo(surface.dc(), 5, 6);
    EXPECT_EQ(surface.At(5, 6), kRed);
    EXPECT_EQ(surface.At(15, 16), kOdd);
    EXPECT_EQ(surface.At(44, 35), kOdd);
    EXPECT_EQ(surface.At(45, 35), kGreen);
    EXPECT_EQ(surface.At(4, 6), kGreen);
}

}  // namespace
}  // namespace pel::win32::test
