// The skins menu: the list of the skins folder, the animated preview of the
// highlighted entry, and loading the chosen skin.
#include "tform1.h"

#include "messages.h"
#include "vk.h"
#include "widgets.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int DefaultSkinEntry = 0;

QString entryName(const QString& path)
{
    return QFileInfo(path).fileName();
}
}  // namespace

void TForm1::openSkinsList()
{
    skinsfilelist->clear();
    const QDir skins(folder("skins"));
    if (skins.exists())
        skinsfilelist->addItems(skins.entryList({"*.bmp"}, QDir::Files, QDir::Name | QDir::IgnoreCase));
    skinsmenu1->clear();
    for (int i = 0; i < skinsfilelist->count(); ++i)
        skinsmenu1->addItem(skinsfilelist->item(i)->text());
    skinsmenu1->insertItem(DefaultSkinEntry,
                           QString::fromStdString(message::defaultSkinEntry().in(game.english)));
}

void TForm1::startSkinPreview()
{
    const QString active = QString::fromStdString(skin.skinname);
    if (active == "<none>") {
        skinsmenu1->setCurrentRow(DefaultSkinEntry);
    } else {
        const auto found = skinsmenu1->findItems(entryName(active), Qt::MatchFixedString);
        skinsmenu1->setCurrentRow(found.isEmpty() ? -1 : skinsmenu1->row(found.first()));
    }
    preview.skin = skin.skin;
    Timer3->start();
}

void TForm1::stopSkinPreview()
{
    Timer3->stop();
    titlestep = 0;
}

void TForm1::skinsmenu1Click(QWidget*)
{
    if (!skinsbevel->isVisible())
        return;
    Timer3->stop();
    menus.ShowMenu(menus.menuitem, item::SkinsList);
    previewSelectedSkin();
}

void TForm1::skinsmenu1KeyUp(QWidget*, int key, KeyModifiers)
{
    if (skinsbevel->isVisible() && (key == vk::Up || key == vk::Down)) {
        Timer3->stop();
        previewSelectedSkin();
    }
}

// A file that cannot be read keeps the old sheet in the preview and says so
// under it.
void TForm1::previewSelectedSkin()
{
    skinpreview->clear();
    const int row = skinsmenu1->currentRow();
    bool readable = true;
    if (row <= DefaultSkinEntry)
        preview.useNative();
    else
        readable = preview.load((folder("skins") + "/" + skinsmenu1->item(row)->text()).toStdString());
    skinerror->setText(QString::fromStdString(message::skinUnreadable().in(game.english)));
    skinerror->adjustSize();
    skinerror->setVisible(!readable);
    Timer3->start();
}

void TForm1::drawPreviewStep()
{
    if (titlestep == PreviewSteps)
        titlestep = 0;
    skinpreview->draw(preview, titlestep);
    ++titlestep;
}

void TForm1::loadSelectedSkin()
{
    if (skinsmenu1->currentRow() < 0)
        skinsmenu1->setCurrentRow(DefaultSkinEntry);
    game.gamestate = MenuMessage;
    const int row = skinsmenu1->currentRow();
    if (row == DefaultSkinEntry) {
        skin.useNative();
        drawtoppanel();
        showMessage(message::defaultSkinLoaded());
        return;
    }
    const QString file = skinsmenu1->item(row)->text();
    if (skin.load((folder("skins") + "/" + file).toStdString())) {
        drawtoppanel();
        showMessage(message::skinLoaded(file.toStdString()));
    } else {
        showMessage(message::skinCorrupt(file.toStdString()));
    }
}
