#include "savedgamescreens.h"

#include "messages.h"
#include "savedgameformat.h"
#include "savefolder.h"

#include <QFileInfo>

namespace {
std::string fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName().toStdString();
}
}  // namespace

bool SavedGameScreens::loadsavegame(const QString& path, Mode mode)
{
    return mode == Mode::Save ? saveGame(path) : loadGame(path);
}

// Play goes on at once after a save.
bool SavedGameScreens::saveGame(const QString& path)
{
    view_.showProgress(message::saving());
    const std::vector<std::uint8_t> bytes =
        encodeSavedGame(game_, [this](int step) { view_.setProgress(step); });
    view_.hideProgress();
    if (!writeSavedGame(path, bytes)) {
        view_.showMessage(isLinkedFolder(folder_) ? message::saveFolderIsLink()
                                                  : message::cannotSaveGame(fileNameOf(path)));
        game_.gamestate = withMessage(game_.gamestate);
        return false;
    }
    savename_ = path;
    refresh(item::LoadList);
    refresh(item::SaveList);
    menus_.ShowMenu(Panel::Save, false, item::SaveName, item::NewGame);
    menus_.showplayscreen();
    game_.gamestate = Playing;
    game_.setWorldTimer(true);
    return true;
}

// Nothing of the game changes unless the whole file can be read and is a game
// the game could have saved.
bool SavedGameScreens::loadGame(const QString& path)
{
    const auto file = readSavedGame(path);
    if (file)
        view_.showProgress(message::loading());
    if (!file || !decodeSavedGame(*file, game_, [this](int step) { view_.setProgress(step); })) {
        view_.hideProgress();
        view_.showMessage(message::cannotLoadGame(fileNameOf(path)));
        game_.gamestate = withMessage(game_.gamestate);
        return false;
    }
    savename_ = path;
    menus_.ShowMenu(Panel::Load, false, item::LoadList, item::NewGame);
    menus_.showplayscreen();
    view_.hideProgress();
    view_.startlevel(game_.level);
    return true;
}

void SavedGameScreens::refresh(int list)
{
    view_.showEntries(list, savedGameFiles(folder_));
}

QString SavedGameScreens::chosenEntry(int list)
{
    const QString selected = view_.selectedEntry(list);
    if (!selected.isEmpty() || !view_.selectFirstEntry(list))
        return selected;
    return view_.selectedEntry(list);
}

// A listed game that has gone from the folder only makes the list be read again.
void SavedGameScreens::loadSelectedGame()
{
    const QString entry = chosenEntry(item::LoadList);
    if (entry.isEmpty())
        return;
    if (!QFileInfo(pathOf(entry)).isFile())
        refresh(item::LoadList);
    else
        loadsavegame(pathOf(entry), Mode::Load);
}

void SavedGameScreens::saveUnderTypedName()
{
    const QString typed = view_.typedName();
    const std::optional<QString> name = saveFileName(typed);
    if (!name)
        return;
    if (!isSafeFileName(*name)) {
        view_.showMessage(message::cannotSaveGame(typed.toStdString()));
        game_.gamestate = withMessage(game_.gamestate);
        return;
    }
    loadsavegame(pathOf(*name), Mode::Save);
}

bool SavedGameScreens::copySaveSelection()
{
    const QString entry = chosenEntry(item::SaveList);
    if (entry.isEmpty())
        return false;
    view_.setTypedName(entry);
    return true;
}

void SavedGameScreens::deletesavedgame()
{
    const QString entry = view_.selectedEntry(item::LoadList);
    if (entry.isEmpty())
        return;
    if (isLinkedFolder(folder_)) {
        view_.showMessage(message::saveFolderIsLink());
        game_.gamestate = withMessage(game_.gamestate);
        return;
    }
    QFile file(pathOf(entry));
    if (!file.exists()) {
        refresh(item::LoadList);
        return;
    }
    file.remove();
    view_.showMessage(file.exists() ? message::cannotDeleteGame(entry.toStdString())
                                    : message::gameDeleted(entry.toStdString()));
    game_.gamestate = withMessage(game_.gamestate);
    refresh(item::LoadList);
}
