// What the menus ask of the window: looks, panels, focus, captions and the
// handlers of the mouse.
#include "tform1.h"

#include "captions.h"
#include "levels.h"
#include "vk.h"
#include "widgets.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
const QColor& lookColour(bool highlighted, bool usable)
{
    if (highlighted)
        return usable ? colour::aqua : colour::silver;
    return usable ? colour::white : colour::gray;
}

}  // namespace

void TForm1::setItemLook(int id, bool highlighted, bool usable)
{
    if (QWidget* widget = items_.value(id))
        setTextColour(widget, lookColour(highlighted, usable));
}

std::vector<std::pair<Panel, QFrame*>> TForm1::panelFrames() const
{
    return {
        {Panel::Main, mainbevel},   {Panel::New, newbevel},     {Panel::Load, loadbevel},
        {Panel::Save, savebevel},   {Panel::Keys, keysbevel},   {Panel::About, aboutbevel},
        {Panel::Skins, skinsbevel}, {Panel::Language, languagebevel},
    };
}

void TForm1::setPanelVisible(Panel panel, bool visible)
{
    for (const auto& [which, frame] : panelFrames()) {
        if (which != panel)
            continue;
        // A list or edit box of a closed panel keeps no focus: the next key is
        // the window's, not a hidden list's.
        if (!visible && frame->isAncestorOf(QApplication::focusWidget()))
            setFocus();
        frame->setVisible(visible);
    }
    if (panel == Panel::Skins && !visible)
        skinsPanel_.hideError();
}

void TForm1::focusItem(int id)
{
    QWidget* widget = items_.value(id);
    if (!widget)
        return;
    widget->setFocus();
    if (widget == savemenu1)
        savemenu1->selectAll();  // typing replaces the name shown
}

void TForm1::showScreen(bool play)
{
    paper->setVisible(!play);
    TopPanel->setVisible(play);
    gamefield->setVisible(play);
    showPointer(!play);
}

bool TForm1::externalLevelExists(int n)
{
    return levelExists(n);
}

void TForm1::showExternalLevelCount(int count)
{
    aboutmenu2_2->setText(QString::number(count));
}

void TForm1::setlanguage()
{
    const bool english = game.english;
    for (int i = 0; i < CaptionCount; ++i) {
        const Caption& caption = Captions[i];
        const QString shown = uiText(english ? caption.english : caption.russian);
        auto* widget = findChild<QWidget*>(uiText(caption.widget));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(shown);
            label->adjustSize();
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(shown);
        }
    }
    showLevelCaption();
}

bool TForm1::openwebpage(const std::string& page)
{
    const QString file = folders_.shipped("site") + "/" + uiText(page);
    return QFileInfo(file).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TForm1::menu1Click(QWidget* sender)
{
    menus.menu1Click(itemOf(sender));
}

void TForm1::menu1DblClick(QWidget* sender)
{
    menus.menu1DblClick(itemOf(sender));
}

void TForm1::savemenu1Enter(QWidget*)
{
    menus.focusMovedTo(item::SaveName);
}

void TForm1::savemenu2Enter(QWidget*)
{
    menus.focusMovedTo(item::SaveList);
}

void TForm1::skinsmenu1Enter(QWidget*)
{
    menus.focusMovedTo(item::SkinsList);
}

void TForm1::skinsfilelistEnter(QWidget*)
{
    menus.focusMovedTo(item::SkinsSite);
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

void TForm1::runPreview(bool on)
{
    title_.runPreview(on);
}

void TForm1::stopSkinPreview()
{
    title_.stopPreview();
}

void TForm1::showPreviewStep(int step)
{
    skinsPanel_.showPreviewStep(step);
}
