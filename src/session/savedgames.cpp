// Saved games from the menus: saving and loading with the progress bar and
// their messages, the two lists of the save folder, deleting, and the names.
#include "savedgames.h"

#include "messages.h"
#include "savedgameformat.h"
#include "session.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr unsigned char Delete = 0x7f;
// The second byte of a control character of U+0080 ... U+009F, after 0xC2.
constexpr unsigned char C1Lead = 0xc2, C1First = 0x80, C1Last = 0x9f;

bool endsWithoutCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - end.size(), [](unsigned char a, unsigned char b) {
               return std::tolower(a) == std::tolower(b);
           });
}

bool holdsControlCharacter(const std::string& name)
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < ' ' || c == Delete)
            return true;
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        if (c == C1Lead && next >= C1First && next <= C1Last)
            return true;
    }
    return false;
}
}  // namespace

std::optional<std::string> saveFileName(const std::string& typed)
{
    if (typed.empty() || typed == SavedGameExtension)
        return std::nullopt;
    return endsWithoutCase(typed, SavedGameExtension) ? typed : typed + SavedGameExtension;
}

bool isSafeFileName(const std::string& name)
{
    return !name.empty() && name.front() != '.' && name.find("..") == std::string::npos &&
           name.find_first_of("/\\") == std::string::npos && !holdsControlCharacter(name);
}

bool Session::saveGame(const std::string& name)
{
    front_.showProgress(message::saving());
    const std::vector<std::uint8_t> bytes =
        encodeSavedGame(game, [this](int step) { front_.setProgress(step); });
    front_.hideProgress();
    if (!files_.writeSavedGame(name, bytes)) {
        sayOverMenus(files_.savedGamesFolderIsLink() ? message::saveFolderIsLink() : message::cannotSaveGame(name));
        return false;
    }
    savename_ = name;
    refreshSaveList(item::LoadList);
    refreshSaveList(item::SaveList);
    return true;
}

// Nothing of the game changes unless the whole file can be read and is a game
// the game could have saved.
bool Session::resumeSavedGame(const std::string& name)
{
    const auto file = files_.readSavedGame(name);
    if (file)
        front_.showProgress(message::loading());
    if (!file || !decodeSavedGame(*file, game, [this](int step) { front_.setProgress(step); })) {
        front_.hideProgress();
        sayOverMenus(message::cannotLoadGame(name));
        return false;
    }
    savename_ = name;
    front_.hideProgress();
    game.resumelevel();
    level_.showStartedLevel();
    return true;
}

void Session::refreshSaveList(int list)
{
    front_.showEntries(list, files_.savedGames());
}

std::string Session::chosenEntry(int list)
{
    const std::string selected = front_.selectedEntry(list);
    if (!selected.empty() || !front_.selectFirstEntry(list))
        return selected;
    return front_.selectedEntry(list);
}

// A listed game that has gone from the folder only makes the list be read again.
bool Session::loadSelectedGame()
{
    const std::string entry = chosenEntry(item::LoadList);
    if (entry.empty())
        return false;
    if (files_.savedGameExists(entry))
        return resumeSavedGame(entry);
    refreshSaveList(item::LoadList);
    return false;
}

bool Session::saveUnderTypedName()
{
    const std::string typed = front_.typedName();
    const std::optional<std::string> name = saveFileName(typed);
    if (!name)
        return false;
    if (isSafeFileName(*name))
        return saveGame(*name);
    sayOverMenus(message::cannotSaveGame(typed));
    return false;
}

bool Session::copySaveSelection()
{
    const std::string entry = chosenEntry(item::SaveList);
    if (entry.empty())
        return false;
    front_.setTypedName(entry);
    return true;
}

void Session::deletesavedgame()
{
    const std::string entry = front_.selectedEntry(item::LoadList);
    if (entry.empty())
        return;
    if (!files_.savedGameExists(entry)) {
        refreshSaveList(item::LoadList);
        return;
    }
    if (files_.savedGamesFolderIsLink()) {
        sayOverMenus(message::saveFolderIsLink());
        return;
    }
    sayOverMenus(files_.removeSavedGame(entry) ? message::gameDeleted(entry) : message::cannotDeleteGame(entry));
    refreshSaveList(item::LoadList);
}
