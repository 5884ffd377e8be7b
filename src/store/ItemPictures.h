#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/Picture.h"
#include "platform/Shell.h"
#include "store/ItemStore.h"

namespace pel {

// Pictures by what they were made from. An entry never keeps its picture
// alive: a picture is shared for as long as some item shows it.
class PictureCache {
  public:
    [[nodiscard]] PicturePtr Find(const std::string& key) const;
    void Put(const std::string& key, const PicturePtr& picture);
    [[nodiscard]] std::size_t Size() const { return entries_.size(); }

  private:
    std::unordered_map<std::string, std::weak_ptr<const Picture>> entries_;
    std::size_t live_ = 0;  // entries left by the last sweep of expired ones
};

// The bar's own pictures that stand in for an item's.
struct StandInPictures {
    const PicturePtr& url;
    const PicturePtr& separator;
    const PicturePtr& unknown;  // a target that is gone
};

// Icon files that could not be read (a network drive not mapped yet, a
// stick not plugged in). Each is looked for again only after a wait that
// doubles with every miss, so a share that does not answer holds the bar up
// seldom. Time is counted in ticks of the bar's timer.
class MissedIconFiles {
  public:
    void Tick() { ++now_; }
    void Missed(const std::string& path);
    void Forget(const std::string& path) { missed_.erase(path); }
    [[nodiscard]] bool Has(const std::string& path) const { return missed_.contains(path); }
    // Not missed, or missed long enough ago to look again.
    [[nodiscard]] bool MayRead(const std::string& path) const;
    [[nodiscard]] bool AnyDue() const;

  private:
    struct Wait {
        std::int64_t due = 0;
        std::int64_t ticks = 0;
    };
    std::unordered_map<std::string, Wait> missed_;
    std::int64_t now_ = 0;
};

// Reads item pictures from the shell and from icon files: each target and
// each icon file once, however many items show it.
class ItemPictureSource {
  public:
    // Pictures are read `side` pixels square.
    ItemPictureSource(Shell& shell, const FileSystem& files, int side)
        : shell_(shell), files_(files), side_(side) {}

    // What an item with this target and icon file (an absolute path, or
    // empty) shows; its default picture while the icon file cannot be read.
    // `read` tells whether the shell or a file was asked.
    PicturePtr Fetch(const std::string& target, const std::string& iconPath,
                     const StandInPictures& standIn, bool& read);
    // Pictures read from now on are `side` pixels square; those read at
    // another size are not handed out again.
    void UseSide(int side);
    [[nodiscard]] int Side() const { return side_; }
    [[nodiscard]] MissedIconFiles& Missed() { return missed_; }

  private:
    Shell& shell_;
    const FileSystem& files_;
    int side_;
    PictureCache shellIcons_;  // by target
    PictureCache iconFiles_;   // by icon file path
    MissedIconFiles missed_;
};

// The bar's own pictures for items that have none of their own.
struct StockItemPictures {
    PicturePtr url;              // a web link (ImageUrl)
    PicturePtr rowSeparator;     // a separator on a row bar (ImageDel)
    PicturePtr columnSeparator;  // a separator on a column bar (ImageDel2)
    PicturePtr unknown;          // a target that is gone (ImageUnKnown)
};

// The pictures of the items in an ItemStore. Pictures that need the shell or
// an icon file are fetched when their cell is about to show, or a few at a
// time while the bar is idle; until then the item holds PendingPicture().
// Items with the same target, or the same icon file, share one picture.
// An icon path stays with its item when its file cannot be read: the item
// shows its default picture, and the file is looked for again when the bar
// next changes what its cells show (at growing intervals). No icon path is
// looked for on the disk before its cell shows.
// Separators show the stock separator of the bar's orientation, which every
// call that may give one out is told (`horizontal`: the bar is a row).
class ItemPictures {
  public:
    // Pictures are read `iconSide` pixels square, as `stock` is drawn.
    ItemPictures(Shell& shell, const FileSystem& files, ItemStore& items, StockItemPictures stock,
                 int iconSide);

    [[nodiscard]] const StockItemPictures& Stock() const { return stock_; }
    void UseStock(StockItemPictures stock) { stock_ = std::move(stock); }
    // Icons of another size: `stock` replaces the stock pictures (url.ico
    // and del.ico are read again if they were taken), and every item's own
    // picture is fetched again, at the new size, when its cell shows. The
    // same size changes nothing.
    void UseIconSide(int side, StockItemPictures stock, bool horizontal);
    // url.ico and del.ico beside the program replace the stock pictures.
    void TakeIconFilesBesideProgram();

    // The picture item `index` starts with when it is added: a stand-in, or
    // PendingPicture() until its own is fetched.
    void PutFirst(int index, bool horizontal);
    // Gives every item of a freshly loaded list its picture, or its place in
    // the queue, and drops the icon paths of separators.
    void PutLoaded(bool horizontal);
    // Drops item `index`'s icon path when the item is a separator. With
    // `refetch` the item shows the picture of its icon path as it is now, its
    // file read at once; without, it keeps its picture or fetches that one
    // later.
    void CheckIcon(int index, bool refetch, bool horizontal);
    // Separators take the picture of the orientation.
    void TurnSeparators(bool horizontal);

    // Fetches item `index`'s picture if it is still pending.
    void Resolve(int index, bool horizontal);
    // Fetches the pending pictures of the `shown` cells from `first` (a
    // cell cut off at the grid's end included), and looks again for their
    // icon files that were missing, when it is time.
    void ResolveShown(int first, int shown, bool horizontal);
    // One idle step (one tick of the bar's timer): a few pending pictures,
    // the cells after the `fullyShown` ones from `first` first. Touches no
    // window.
    void ResolveIdle(int first, int fullyShown, bool horizontal);
    // Some picture may still be waiting for an idle step.
    [[nodiscard]] bool HasPending() const { return pending_; }

  private:
    PicturePtr First(const std::string& target, const std::string& icon, bool horizontal);
    // Item `index`'s own picture; `read` tells whether the shell or an icon
    // file was asked for it.
    PicturePtr Fetch(int index, bool horizontal, bool& read);
    // Fetches item `index`'s picture now, reading its icon file even before
    // its wait is over with `readNow`. When that finds an icon file that was
    // missing, every other item of that file fetches its picture again.
    void Refetch(int index, bool horizontal, bool readNow);
    [[nodiscard]] StandInPictures StandIns(bool horizontal) const;
    [[nodiscard]] const PicturePtr& Separator(bool horizontal) const;
    // The absolute path of item `index`'s icon file; empty when it has none.
    [[nodiscard]] std::string IconPath(int index) const;

    Shell& shell_;
    const FileSystem& files_;
    ItemStore& items_;
    StockItemPictures stock_;
    ItemPictureSource source_;
    // Some item may still hold PendingPicture().
    bool pending_ = false;
    bool tookFilesBesideProgram_ = false;
};

// A target without an extension only counts as present when it is a folder.
bool TargetPresent(const FileSystem& files, const std::string& target);

}  // namespace pel
