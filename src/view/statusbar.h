// The status bar `TopPanel`: lives, bombs, the level, diamonds left and the two
// kinds of creatures, over a strip of background tiles, with icons from the skin.
#pragma once

#include <QFrame>
#include <QLabel>

class Skin;
struct Counters;

class StatusBar : public QFrame {
public:
    explicit StatusBar(QWidget* parent);

    // The panel runs the width of the window; the right-hand group keeps its
    // distance from the right edge and the level text stretches between.
    void setPanelWidth(int width);
    // Background tiles, icons and the label colours, all from the skin.
    void drawtoppanel(const Skin& skin);
    void showCounters(const Counters& counters);
    void showLevel(const QString& caption);

    QLabel* topimage;
    QLabel* PlayerImage;
    QLabel* PlayerLabel;
    QLabel* BombLabel;
    QLabel* levellabel;
    QLabel* BombImage;
    QLabel* DiamondLabel;
    QLabel* YellowLabel;
    QLabel* OliveLabel;
};
