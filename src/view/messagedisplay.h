// The message panel `MessagePanel`: one line of text over an animated strip of
// skin tiles, with the progress bar used while a game is saved or loaded.
#pragma once

#include "messages.h"

#include <QFrame>
#include <QLabel>

#include <array>
#include <cstdint>

class Gauge;
class Skin;

class MessageDisplay : public QFrame {
public:
    explicit MessageDisplay(QWidget* parent);

    // Shows the text of the current language, restarting the animation at frame
    // 0, on top of everything. A message already on screen stays: then the new
    // one is dropped and false comes back.
    bool showmessageimage(const MessageText& message, bool inEnglish);
    // One step of the background: fourteen copies of tile (msgframe, 7).
    void Timer2Timer(const Skin& skin);
    // The panel while a game is saved or loaded: the text over a still strip of
    // the first message tile, with the progress bar, repainted at once because
    // the work runs without returning to the event loop.
    void showProgress(const Skin& skin, const QString& text);
    void setProgress(int value);
    void hideProgress();
    // Panel background, text colour and the progress bar's two colours, from
    // the skin's strip.
    void setColours(const Skin& skin);

    QLabel* MessageImage;
    Gauge* gauge;
    QLabel* messageLabel;
    std::uint8_t msgframe = 0;

private:
    void setColours(const QColor& panel, const QColor& text, const QColor& gaugeBackground,
                    const QColor& gaugeFill);
    // `tiles` copies of message tile `frame` side by side.
    void paintStrip(const Skin& skin, int frame, int tiles);
};
