// Lettering and level drawing shared by the pictures of the guides.
#include "guides.h"

#include "game.h"
#include "headlesshost.h"
#include "skin.h"

QString say(const Words& words, Language language)
{
    return QString::fromUtf8(language == Language::English ? words.english : words.russian);
}

QFont guideFont(int pixelSize, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont guideMonoFont(int pixelSize)
{
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(pixelSize);
    return font;
}

void drawLabel(QPainter& p, const QRectF& box, const QString& text, int alignment)
{
    const int flags = alignment | Qt::TextWordWrap;
    const QRectF needed = p.boundingRect(box, flags, text);
    if (needed.width() > box.width() + 0.5 || needed.height() > box.height() + 0.5)
        throw LabelOverflow{text};
    p.drawText(box, flags, text);
}

QImage enlarged(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

namespace {
// Paints every tile the game draws onto a field picture.
class FieldPainter : public HeadlessHost {
public:
    explicit FieldPainter(const Skin& skin) : skin_(skin), field(FieldWidth, FieldHeight, QImage::Format_RGB32)
    {
        field.fill(Qt::black);
    }

    void drawitem(int spritecol, int spriterow, int x, int y) override
    {
        QPainter p(&field);
        skin_.drawTile(p, QPoint(x * CellPixels, y * CellPixels), spritecol, spriterow);
    }

    const Skin& skin_;
    QImage field;
};
}  // namespace

QImage fieldForLevel(const Picture& level, const Skin& skin)
{
    FieldPainter host(skin);
    host.level = level;
    Game game(host);
    game.internal = false;  // the host hands the game `level` as the external level 1
    game.startlevel(1);
    return host.field;
}

QImage levelImage(const Picture& level)
{
    QImage image(level.width, level.height, QImage::Format_RGB32);
    for (int y = 0; y < level.height; ++y)
        for (int x = 0; x < level.width; ++x) {
            const Rgb c = level.pixel(x, y);
            image.setPixel(x, y, qRgb(c.r, c.g, c.b));
        }
    return image;
}
