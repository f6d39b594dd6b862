#include "playpanels.h"

#include "fieldwidget.h"
#include "messagedisplay.h"
#include "statusbar.h"

#include <QTimer>

void PlayPanels::playOn(const Widgets& widgets, const bool& english)
{
    widgets_ = widgets;
    english_ = &english;
}

void PlayPanels::drawitem(int spritecol, int spriterow, int x, int y)
{
    widgets_.field->drawitem(spritecol, spriterow, x, y);
}

void PlayPanels::placeField(int left, int top)
{
    widgets_.field->move(left, top);
}

void PlayPanels::showCounters(const Counters& counters)
{
    widgets_.statusBar->showCounters(counters);
}

void PlayPanels::showLevelCaption(const std::string& caption)
{
    widgets_.statusBar->showLevel(QString::fromStdString(caption));
}

void PlayPanels::showMessage(const MessageText& message)
{
    if (widgets_.message->showmessageimage(message, *english_))
        widgets_.messageTimer->start();
}

void PlayPanels::closeMessage()
{
    widgets_.message->hide();
    widgets_.messageTimer->stop();
}
