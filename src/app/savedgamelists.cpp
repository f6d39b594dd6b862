// The window's side of the saved games: the two lists, the name box and the
// message panel's progress bar, as the saved-game screens use them.
#include "tform1.h"

#include "widgets.h"

QListWidget* TForm1::savedGameList(int list) const
{
    return list == item::LoadList ? loadmenu : savemenu2;
}

void TForm1::showProgress(const MessageText& caption)
{
    MessagePanel->showProgress(skin, uiText(caption.in(game.english)));
}

void TForm1::setProgress(int step)
{
    MessagePanel->setProgress(step);
}

void TForm1::hideProgress()
{
    MessagePanel->hideProgress();
}

void TForm1::showEntries(int list, const QStringList& entries)
{
    QListWidget* shown = savedGameList(list);
    const QSignalBlocker quiet(shown);  // a refresh is no choice of the player's
    shown->clear();
    shown->addItems(entries);
    // No row is current, and the focus coming in does not make the first one
    // current either: an arrow then chooses the first, and copies it.
    shown->setCurrentIndex(QModelIndex());
}

QString TForm1::selectedEntry(int list)
{
    const QListWidgetItem* entry = savedGameList(list)->currentItem();
    return entry ? entry->text() : QString();
}

bool TForm1::selectFirstEntry(int list)
{
    QListWidget* shown = savedGameList(list);
    if (shown->count() == 0)
        return false;
    shown->setCurrentRow(0);
    return true;
}

QString TForm1::typedName()
{
    return savemenu1->text();
}

void TForm1::setTypedName(const QString& name)
{
    savemenu1->setText(name);
}

void TForm1::refreshSaveList(int id)
{
    saves_.refresh(id);
}

void TForm1::forgetSavedGame()
{
    saves_.forgetSavedGame();
}

void TForm1::loadSelectedGame()
{
    saves_.loadSelectedGame();
}

void TForm1::saveUnderTypedName()
{
    saves_.saveUnderTypedName();
}

bool TForm1::copySaveSelection()
{
    return saves_.copySaveSelection();
}

void TForm1::deletesavedgame()
{
    saves_.deletesavedgame();
}

void TForm1::savemenu2Click(QWidget*)
{
    if (savebevel->isVisible())
        saves_.copySaveSelection();
}
