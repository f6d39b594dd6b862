// The menus on screen: looks, panels, focus and captions, and the handlers of
// the mouse and the focus.
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

void TForm1::setPanelVisible(Panel panel, bool visible)
{
    for (const auto& [which, frame] : panelFrames(ui_)) {
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
    if (widget == ui_.savemenu1)
        ui_.savemenu1->selectAll();  // typing replaces the name shown
}

void TForm1::showScreen(bool play)
{
    ui_.paper->setVisible(!play);
    ui_.TopPanel->setVisible(play);
    ui_.gamefield->setVisible(play);
    showPointer(!play);
}

void TForm1::showExternalLevelCount(int count)
{
    ui_.aboutmenu2_2->setText(QString::number(count));
}

void TForm1::showCaptions(bool english)
{
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
}

bool TForm1::openwebpage(const std::string& page)
{
    const QString file = folders_.shipped("site") + "/" + uiText(page);
    return QFileInfo(file).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TForm1::menu1Click(QWidget* sender)
{
    session_.menus.menu1Click(itemOf(sender));
}

void TForm1::menu1DblClick(QWidget* sender)
{
    session_.menus.menu1DblClick(itemOf(sender));
}

// The name box and the lists take the highlight with the focus.
void TForm1::focusEntered(QWidget* widget)
{
    const int id = itemOf(widget);
    if (id == item::SaveName || id == item::SaveList || id == item::SkinsList || id == item::SkinsSite)
        session_.menus.focusMovedTo(id);
}

void TForm1::skinsmenu1Click(QWidget*)
{
    if (!ui_.skinsbevel->isVisible())
        return;
    session_.menus.ShowMenu(session_.menus.menuitem, item::SkinsList);
    session_.skins.previewSelected();
}

void TForm1::skinsmenu1KeyUp(int key)
{
    if (ui_.skinsbevel->isVisible() && (key == vk::Up || key == vk::Down))
        session_.skins.previewSelected();
}

void TForm1::showPreviewStep(int step)
{
    skinsPanel_.showPreviewStep(step);
}
