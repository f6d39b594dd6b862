// The window's side of the saved games: the two lists, the name box and the
// message panel's progress bar.
#include "tform1.h"

#include "widgets.h"

QListWidget* TForm1::savedGameList(int list) const
{
    return list == item::LoadList ? ui_.loadmenu : ui_.savemenu2;
}

void TForm1::showProgress(const MessageText& caption)
{
    ui_.MessagePanel->showProgress(skin, uiText(caption.in(session_.game.english)));
}

void TForm1::setProgress(int step)
{
    ui_.MessagePanel->setProgress(step);
}

void TForm1::hideProgress()
{
    ui_.MessagePanel->hideProgress();
}

void TForm1::showEntries(int list, const std::vector<std::string>& entries)
{
    QListWidget* shown = savedGameList(list);
    const QSignalBlocker quiet(shown);  // a refresh is no choice of the player's
    shown->clear();
    for (const std::string& entry : entries)
        shown->addItem(QString::fromStdString(entry));
    // No row is current, and the focus coming in does not make the first one
    // current either: an arrow then chooses the first, and copies it.
    shown->setCurrentIndex(QModelIndex());
}

std::string TForm1::selectedEntry(int list)
{
    const QListWidgetItem* entry = savedGameList(list)->currentItem();
    return entry ? entry->text().toStdString() : std::string();
}

bool TForm1::selectFirstEntry(int list)
{
    QListWidget* shown = savedGameList(list);
    if (shown->count() == 0)
        return false;
    shown->setCurrentRow(0);
    return true;
}

std::string TForm1::typedName()
{
    return ui_.savemenu1->text().toStdString();
}

void TForm1::setTypedName(const std::string& name)
{
    ui_.savemenu1->setText(QString::fromStdString(name));
}

void TForm1::savemenu2Click(QWidget*)
{
    if (ui_.savebevel->isVisible())
        session_.copySaveSelection();
}
