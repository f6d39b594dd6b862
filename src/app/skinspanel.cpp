// What the skins menu asks of the window: the skins folder, the list, the
// active skin and the preview.
#include "tform1.h"

#include "vk.h"
#include "widgets.h"

#include <QFileInfo>

std::vector<std::string> TForm1::skinFiles()
{
    skinsfilelist->clear();
    skinsfilelist->addItems(folders_.skinFiles());
    std::vector<std::string> files;
    for (int i = 0; i < skinsfilelist->count(); ++i)
        files.push_back(skinsfilelist->item(i)->text().toStdString());
    return files;
}

void TForm1::showSkinEntries(const std::vector<std::string>& entries)
{
    skinsmenu1->clear();
    for (const std::string& entry : entries)
        skinsmenu1->addItem(uiText(entry));
}

int TForm1::selectedSkinEntry()
{
    return skinsmenu1->currentRow();
}

void TForm1::selectSkinEntry(int entry)
{
    skinsmenu1->setCurrentRow(entry);
}

SkinFile TForm1::activeSkinFile()
{
    if (skin.skinname == BuiltInSkin)
        return std::nullopt;
    return QFileInfo(uiText(skin.skinname)).fileName().toStdString();
}

std::string TForm1::skinPath(const std::string& file) const
{
    return folders_.skinPath(uiText(file)).toStdString();
}

bool TForm1::useSkin(const SkinFile& file)
{
    if (!file)
        skin.useNative();
    else if (!skin.load(skinPath(*file)))
        return false;
    applySkin();
    return true;
}

bool TForm1::previewSkin(const SkinFile& file)
{
    skinpreview->clear();
    if (!file) {
        preview.useNative();
        return true;
    }
    return preview.load(skinPath(*file));
}

void TForm1::previewActiveSkin()
{
    preview.skin = skin.skin;
}

void TForm1::runPreview(bool on)
{
    title_.runPreview(on);
}

void TForm1::showUnreadablePreview(bool shown)
{
    skinerror->setText(uiText(message::skinUnreadable().in(game.english)));
    skinerror->adjustSize();
    skinerror->setVisible(shown);
}

void TForm1::stopSkinPreview()
{
    title_.stopPreview();
}

void TForm1::skinsmenu1Click(QWidget*)
{
    if (!skinsbevel->isVisible())
        return;
    menus.ShowMenu(menus.menuitem, item::SkinsList);
    skins.previewSelected();
}

void TForm1::skinsmenu1KeyUp(QWidget*, int key, KeyModifiers)
{
    if (skinsbevel->isVisible() && (key == vk::Up || key == vk::Down))
        skins.previewSelected();
}

void TForm1::showPreviewStep(int step)
{
    skinpreview->draw(preview, step);
}
