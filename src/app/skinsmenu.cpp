// The skins menu: the list of the skins folder, the animated preview of the
// highlighted entry, and loading the chosen skin.
#include "tform1.h"

#include "messages.h"
#include "vk.h"
#include "widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace {
constexpr int PreviewFrames = 12;  // the characters turn four times, the animations run twice
constexpr int Facings = 4;
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
    previewCanvas_.fill(Qt::white);
    skinpreview->setPixmap(QPixmap::fromImage(previewCanvas_));
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
    if (titlestep == PreviewFrames)
        titlestep = 0;
    const int facing = titlestep % Facings;
    const int frame = titlestep % AnimationFrames;
    struct Copy {
        Sprite from;
        int col, row;
    };
    const Copy copies[] = {
        {{facing, PlayerSpriteRow}, 0, 0},  {{facing, YellowSpriteRow}, 1, 0},
        {{facing, OliveSpriteRow}, 2, 0},   {{frame, BombSpriteRow}, 3, 0},
        {{frame, DiamondSpriteRow}, 4, 0},  {{frame, MessageSpriteRow}, 5, 0},
        {{frame, ExplosionSpriteRow}, 6, 0}, {EmptySprite, 7, 0},
        {ExtraLifeSprite, 0, 1},            {StatusBarSprite, 1, 1},
        {EarthSprite, 2, 1},                {RedWallSprite, 3, 1},
        {PurpleWallSprite, 4, 1},           {StoneSprite, 5, 1},
        {CrushingStoneSprite, 6, 1},        {BombCrateSprite, 7, 1},
    };
    QPainter painter(&previewCanvas_);
    for (const Copy& copy : copies)
        preview.drawTile(painter, {copy.col * CellPixels, copy.row * CellPixels}, copy.from.col, copy.from.row);
    painter.end();
    skinpreview->setPixmap(QPixmap::fromImage(previewCanvas_));
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
