#include "skinspanel.h"

#include "skinpreview.h"
#include "widgets.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>

void SkinsPanel::placeErrorAt(const QPoint& place)
{
    widgets_.error->move(place);
}

void SkinsPanel::hideError()
{
    widgets_.error->hide();
}

void SkinsPanel::showPreviewStep(int step)
{
    widgets_.preview->draw(preview_, step);
}

std::vector<std::string> SkinsPanel::skinFiles()
{
    widgets_.files->clear();
    widgets_.files->addItems(folders_.skinFiles());
    std::vector<std::string> files;
    for (int i = 0; i < widgets_.files->count(); ++i)
        files.push_back(widgets_.files->item(i)->text().toStdString());
    return files;
}

void SkinsPanel::showSkinEntries(const std::vector<std::string>& entries)
{
    widgets_.list->clear();
    for (const std::string& entry : entries)
        widgets_.list->addItem(uiText(entry));
}

int SkinsPanel::selectedSkinEntry()
{
    return widgets_.list->currentRow();
}

void SkinsPanel::selectSkinEntry(int entry)
{
    widgets_.list->setCurrentRow(entry);
}

SkinFile SkinsPanel::activeSkinFile()
{
    if (active_.skinname == BuiltInSkin)
        return std::nullopt;
    return QFileInfo(uiText(active_.skinname)).fileName().toStdString();
}

std::string SkinsPanel::skinPath(const std::string& file) const
{
    return folders_.skinPath(uiText(file)).toStdString();
}

bool SkinsPanel::useSkin(const SkinFile& file)
{
    if (!file)
        active_.useNative();
    else if (!active_.load(skinPath(*file)))
        return false;
    window_.applySkin();
    return true;
}

bool SkinsPanel::previewSkin(const SkinFile& file)
{
    widgets_.preview->clear();
    if (!file) {
        preview_.useNative();
        return true;
    }
    return preview_.load(skinPath(*file));
}

void SkinsPanel::previewActiveSkin()
{
    preview_.skin = active_.skin;
}

void SkinsPanel::showUnreadablePreview(bool shown)
{
    widgets_.error->setText(uiText(message::skinUnreadable().in(game_.english)));
    widgets_.error->adjustSize();
    widgets_.error->setVisible(shown);
}
