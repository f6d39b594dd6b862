#include "messagedisplay.h"

#include "cells.h"
#include "savedgameformat.h"
#include "skin.h"
#include "widgets.h"

#include <QPainter>

namespace {
constexpr int StripTiles = 14;
}

MessageDisplay::MessageDisplay(QWidget* parent) : QFrame(parent)
{
    setObjectName("MessagePanel");
    setFrameShape(QFrame::NoFrame);
    resize(426, 36);
    setBackground(this, colour::blue);

    MessageImage = makePicture(this, "MessageImage", QRect(3, 3, 420, 30));

    gauge = new Gauge(this);
    gauge->setObjectName("gauge");
    gauge->setGeometry(8, 16, 409, 5);
    gauge->setRange(0, SaveProgressSteps);
    gauge->setTextVisible(false);
    gauge->hide();

    messageLabel = makeBox(this, "messageLabel", QRect(3, 3, 420, 30), "", colour::blue);
    QFont font = messageLabel->font();
    font.setFamily(MessageFontFamily);
    font.setPixelSize(MessagePixels);
    messageLabel->setFont(font);

    setColours(colour::blue, colour::blue, colour::white, colour::blue);
}

bool MessageDisplay::showmessageimage(const MessageText& message, bool inEnglish)
{
    if (isVisibleTo(parentWidget()))
        return false;
    messageLabel->setText(QString::fromStdString(message.in(inEnglish)));
    msgframe = 0;
    show();
    raise();
    return true;
}

void MessageDisplay::Timer2Timer(const Skin& skin)
{
    paintStrip(skin, msgframe, StripTiles);
    msgframe = (msgframe + 1) % AnimationFrames;
}

void MessageDisplay::paintStrip(const Skin& skin, int frame, int tiles)
{
    QImage background(tiles * CellPixels, CellPixels, QImage::Format_RGB32);
    QPainter painter(&background);
    const QImage tile = skin.tile(frame, MessageSpriteRow);
    for (int i = 0; i < tiles; ++i)
        painter.drawImage(i * CellPixels, 0, tile);
    painter.end();
    MessageImage->setPixmap(QPixmap::fromImage(background));
}

void MessageDisplay::showProgress(const Skin& skin, const QString& text)
{
    paintStrip(skin, 0, MessageImage->width() / CellPixels + 2);
    messageLabel->setText(text);
    gauge->setValue(0);
    gauge->show();
    show();
    raise();
    repaint();
}

void MessageDisplay::setProgress(int value)
{
    gauge->setValue(value);
    gauge->repaint();
}

void MessageDisplay::hideProgress()
{
    hide();
    gauge->hide();
    gauge->setValue(0);
}

void MessageDisplay::setColours(const Skin& skin)
{
    const auto strip = skin.strip();
    setColours(strip[MessagePanelBand], strip[MessageTextBand], strip[GaugeBackgroundBand], strip[GaugeFillBand]);
}

void MessageDisplay::setColours(const QColor& panel, const QColor& text, const QColor& gaugeBackground,
                                const QColor& gaugeFill)
{
    setBackground(this, panel);
    setTextColour(messageLabel, text);
    gauge->setColours(gaugeBackground, gaugeFill);
}
