// Small helpers that build the game's plain widgets: black flat panels, text
// labels and pictures, named after their role so that they can be found by name.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QRect>
#include <QString>
#include <QTimer>

#include <string_view>

namespace colour {
inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor gray{128, 128, 128};
inline const QColor silver{192, 192, 192};
inline const QColor aqua{0, 255, 255};
inline const QColor lime{0, 255, 0};
inline const QColor blue{0, 0, 255};
inline const QColor navy{0, 0, 128};  // the pad's controls beside the keys
inline const QColor selection{48, 140, 198};  // a list's chosen row
}  // namespace colour

// The fonts are named, not left to fontconfig, so that every text measures the
// same on every machine: narrow faces, so that the Russian captions and the
// longest messages fit the widgets at the game's pixel heights.
constexpr const char* TextFontFamily = "DejaVu Sans Condensed";  // fonts-dejavu-extra
constexpr int TextPixels = 11;
constexpr const char* MessageFontFamily = "Liberation Sans Narrow";  // fonts-liberation
constexpr int MessagePixels = 16;

// A text of the game's tables and messages, which are UTF-8.
inline QString uiText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Switches a timer; switched on again, it starts its interval afresh.
inline void runTimer(QTimer* timer, bool on)
{
    if (on)
        timer->start();
    else
        timer->stop();
}

// Every colour of the game's widgets is set in their palettes, none by a style
// sheet, and drawn by the game's own code where a style would draw it its own
// way: the game looks the same under any Qt style.
void setBackground(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
// An edit box's or a list's field: its text and the ground under it, and white
// on the selection colour where it is chosen.
void setFieldColours(QWidget* widget, const QColor& text, const QColor& ground);
void setBold(QWidget* widget);
// A borderless list on a ground of its own colour, `edge` pixels of it round
// the rows, each row `rowHeight` pixels high.
class FlatList : public QListWidget {
public:
    FlatList(QWidget* parent, int edge, int rowHeight);
};

// A flat, borderless panel, black unless told otherwise.
QFrame* makePanel(QWidget* parent, const QString& name, const QRect& geometry);
// A label that sizes itself to its caption, at (left, top).
QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, const QString& caption,
                  const QColor& colour, bool bold = true);
// A label of a fixed rectangle with its caption centred.
QLabel* makeBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption,
                const QColor& colour);
// A progress bar that is a bar of one colour growing over a ground of another.
class Gauge : public QProgressBar {
public:
    using QProgressBar::QProgressBar;
    void setColours(const QColor& ground, const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor ground_ = colour::white;
    QColor fill_ = colour::blue;
};

// A picture label: from its top-left corner, or stretched to the label when its
// contents are scaled. Every scaling is by nearest pixel, so that on a screen of
// a device pixel ratio above 1 each pixel of the picture becomes a block of
// device pixels of its own colour, as sharp as the pixel art it shows.
class SharpPicture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture shown unscaled from its top-left corner.
QLabel* makePicture(QWidget* parent, const QString& name, const QRect& geometry,
                    const QImage& image = {});

// The picture with its black pixels made see-through.
QPixmap blackTransparent(const QImage& image);
