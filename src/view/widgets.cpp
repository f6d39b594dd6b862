#include "widgets.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {
class FixedRowHeight : public QStyledItemDelegate {
public:
    FixedRowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};
}  // namespace

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setFieldColours(QWidget* widget, const QColor& text, const QColor& ground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, ground);
    palette.setColor(QPalette::Window, ground);
    palette.setColor(QPalette::Highlight, colour::selection);
    palette.setColor(QPalette::HighlightedText, colour::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

FlatList::FlatList(QWidget* parent, int edge, int rowHeight) : QListWidget(parent)
{
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(edge, edge, edge, edge);
    setItemDelegate(new FixedRowHeight(rowHeight, this));
}

void Gauge::setColours(const QColor& ground, const QColor& fill)
{
    ground_ = ground;
    fill_ = fill;
    update();
}

void Gauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ground_);
    const int span = maximum() - minimum();
    if (span > 0)
        painter.fillRect(0, 0, width() * (value() - minimum()) / span, height(), fill_);
}

void setBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

QFrame* makePanel(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(geometry);
    setBackground(panel, colour::black);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const QString& name, int left, int top, const QString& caption,
                  const QColor& colour, bool bold)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    setTextColour(label, colour);
    if (bold)
        setBold(label);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLabel* makeBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption,
                const QColor& colour)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    setTextColour(label, colour);
    setBold(label);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

void SharpPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (hasScaledContents())
        painter.drawPixmap(contentsRect(), pixmap());
    else
        painter.drawPixmap(contentsRect().topLeft(), pixmap());
}

QLabel* makePicture(QWidget* parent, const QString& name, const QRect& geometry, const QImage& image)
{
    auto* picture = new SharpPicture(parent);
    picture->setObjectName(name);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(geometry);
    if (!image.isNull())
        picture->setPixmap(QPixmap::fromImage(image));
    return picture;
}

QPixmap blackTransparent(const QImage& image)
{
    QImage seeThrough = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < seeThrough.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(seeThrough.scanLine(y));
        for (int x = 0; x < seeThrough.width(); ++x)
            if (qRed(line[x]) == 0 && qGreen(line[x]) == 0 && qBlue(line[x]) == 0)
                line[x] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(seeThrough);
}
