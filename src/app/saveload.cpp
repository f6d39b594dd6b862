// Saved games on screen: saving and loading with the progress panel, the two
// lists of the save folder, and deleting.
#include "tform1.h"

#include "messages.h"
#include "savedgames.h"
#include "savegame.h"

#include <QFileInfo>

namespace {
std::string fileNameOf(const QString& path)
{
    return QFileInfo(path).fileName().toStdString();
}

// The selected entry of a saved-game list, the first when none is selected;
// empty when the list is.
QString chosenEntry(QListWidget* list)
{
    if (list->count() == 0)
        return {};
    if (list->currentRow() < 0)
        list->setCurrentRow(0);
    return list->currentItem()->text();
}
}  // namespace

bool TForm1::loadsavegame(const QString& path, int mode)
{
    return mode == Save ? saveGame(path) : loadGame(path);
}

// Play goes on at once after a save.
bool TForm1::saveGame(const QString& path)
{
    MessagePanel->showProgress(skin, QString::fromStdString(message::saving().in(game.english)));
    const std::vector<std::uint8_t> bytes = encodeSavedGame(game, progressBar());
    MessagePanel->hideProgress();
    if (!writeSavedGame(path, bytes)) {
        showMessage(message::cannotSaveGame(fileNameOf(path)));
        game.gamestate = withMessage(game.gamestate);
        return false;
    }
    savename = path;
    refreshSaveList(item::LoadList);
    refreshSaveList(item::SaveList);
    menus.ShowMenu(Panel::Save, false, item::SaveName, item::NewGame);
    menus.showplayscreen();
    game.gamestate = Playing;
    game.setWorldTimer(true);
    return true;
}

// Nothing of the game changes unless the whole file can be read and is a game
// the game could have saved.
bool TForm1::loadGame(const QString& path)
{
    const auto file = readSavedGame(path);
    if (file)
        MessagePanel->showProgress(skin, QString::fromStdString(message::loading().in(game.english)));
    if (!file || !decodeSavedGame(*file, game, progressBar())) {
        MessagePanel->hideProgress();
        showMessage(message::cannotLoadGame(fileNameOf(path)));
        game.gamestate = withMessage(game.gamestate);
        return false;
    }
    savename = path;
    menus.ShowMenu(Panel::Load, false, item::LoadList, item::NewGame);
    menus.showplayscreen();
    MessagePanel->hideProgress();
    startlevel(game.level);
    return true;
}

SaveProgress TForm1::progressBar()
{
    return [this](int value) { MessagePanel->setProgress(value); };
}

void TForm1::forgetSavedGame()
{
    savename.clear();
}

void TForm1::refreshSaveList(int id)
{
    QListWidget* list = id == item::LoadList ? loadmenu : savemenu2;
    const QSignalBlocker quiet(list);  // a refresh is no choice of the player's
    list->clear();
    list->addItems(savedGameFiles(folder("save")));
    list->setCurrentRow(-1);
}

void TForm1::loadSelectedGame()
{
    const QString entry = chosenEntry(loadmenu);
    if (entry.isEmpty())
        return;
    const QString path = folder("save") + "/" + entry;
    if (!QFileInfo(path).isFile())
        refreshSaveList(item::LoadList);
    else
        loadsavegame(path, Load);
}

void TForm1::saveUnderTypedName()
{
    const QString typed = savemenu1->text();
    const std::optional<QString> name = saveFileName(typed);
    if (!name)
        return;
    if (!isSafeFileName(*name)) {
        showMessage(message::cannotSaveGame(typed.toStdString()));
        game.gamestate = withMessage(game.gamestate);
        return;
    }
    loadsavegame(folder("save") + "/" + *name, Save);
}

bool TForm1::copySaveSelection()
{
    const QString entry = chosenEntry(savemenu2);
    if (entry.isEmpty())
        return false;
    savemenu1->setText(entry);
    return true;
}

void TForm1::savemenu2Click(QWidget*)
{
    if (savebevel->isVisible())
        copySaveSelection();
}

void TForm1::deletesavedgame()
{
    if (loadmenu->count() == 0 || loadmenu->currentRow() < 0)
        return;
    const QString entry = loadmenu->currentItem()->text();
    QFile file(folder("save") + "/" + entry);
    if (!file.exists()) {
        refreshSaveList(item::LoadList);
        return;
    }
    file.remove();
    showMessage(file.exists() ? message::cannotDeleteGame(entry.toStdString())
                              : message::gameDeleted(entry.toStdString()));
    game.gamestate = withMessage(game.gamestate);
    refreshSaveList(item::LoadList);
}
