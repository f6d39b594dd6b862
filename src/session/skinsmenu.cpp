#include "skinsmenu.h"

#include "menus.h"

#include <algorithm>
#include <cctype>

namespace {
bool sameWithoutCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}
}  // namespace

void SkinsMenu::fill()
{
    entries_ = {message::defaultSkinEntry().in(game_.english)};
    for (std::string& file : host_.skinFiles())
        entries_.push_back(std::move(file));
    host_.showSkinEntries(entries_);
}

void SkinsMenu::selectActive()
{
    const SkinFile active = host_.activeSkinFile();
    host_.selectSkinEntry(active ? entryOf(*active) : DefaultSkinEntry);
    host_.previewActiveSkin();
    menus_.runSkinPreview(true);
}

// The preview runs on whatever happens; an unreadable file only says so.
void SkinsMenu::previewSelected()
{
    menus_.runSkinPreview(false);
    host_.showUnreadablePreview(!host_.previewSkin(fileOf(host_.selectedSkinEntry())));
    menus_.runSkinPreview(true);
}

void SkinsMenu::loadskin()
{
    if (host_.selectedSkinEntry() < 0)
        host_.selectSkinEntry(DefaultSkinEntry);
    const SkinFile file = fileOf(host_.selectedSkinEntry());
    if (!file) {
        host_.useSkin(file);
        menus_.sayOverMenus(message::defaultSkinLoaded());
    } else if (host_.useSkin(file)) {
        menus_.sayOverMenus(message::skinLoaded(*file));
    } else {
        menus_.sayOverMenus(message::skinCorrupt(*file));
    }
}

SkinFile SkinsMenu::fileOf(int entry) const
{
    if (entry <= DefaultSkinEntry || entry >= static_cast<int>(entries_.size()))
        return std::nullopt;
    return entries_[entry];
}

int SkinsMenu::entryOf(const std::string& file) const
{
    for (int entry = DefaultSkinEntry + 1; entry < static_cast<int>(entries_.size()); ++entry)
        if (sameWithoutCase(entries_[entry], file))
            return entry;
    return -1;
}
