// The skins a fresh install puts into "skins/", read as the game reads a skin
// file: whole sheets with every tile the game shows drawn, animations that move,
// a colour strip of ten different colours with texts that stand out, and a look
// of their own.
#include "skin.h"

#include <QDir>
#include <QSet>
#include <QtTest>

#include <cmath>

namespace {
const QString skinsFolder = QStringLiteral(KERNMINE_STARTER_SKINS);

// The sheet places the game never shows.
constexpr Sprite spareTiles[] = {{5, 0}, {4, 4}, {5, 4}};
constexpr Sprite colourStrip{4, 0};
constexpr int Facings = 4;

QStringList starterSkins() { return QDir(skinsFolder).entryList({"*.bmp"}, QDir::Files, QDir::Name); }

Skin loaded(const QString& name)
{
    Skin skin;
    if (!skin.load(QDir(skinsFolder).filePath(name).toStdString()))
        qFatal("cannot read the skin %s", qPrintable(name));
    return skin;
}

QString placeOf(Sprite s) { return QString("tile (%1, %2)").arg(s.col).arg(s.row); }

QColor meanColour(const QImage& image)
{
    double red = 0, green = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red(), green += c.green(), blue += c.blue();
        }
    const double n = image.width() * image.height();
    return QColor(std::lround(red / n), std::lround(green / n), std::lround(blue / n));
}

// How far apart two colours are for the eye, from 1 (the same) to 21 (black and white).
double contrastRatio(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The mean difference of all channels of all pixels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}
}  // namespace

class StarterSkins : public QObject {
    Q_OBJECT

private slots:
    void threeSkinsAreOffered() { QCOMPARE(starterSkins().size(), 3); }

    void everyShownTileIsDrawn_data() { skinRows(); }
    void everyShownTileIsDrawn();
    void figuresTurnAndAnimationsMove_data() { skinRows(); }
    void figuresTurnAndAnimationsMove();
    void colourStripBandsDiffer_data() { skinRows(); }
    void colourStripBandsDiffer();
    void textsStandOutOfTheirBackgrounds_data() { skinRows(); }
    void textsStandOutOfTheirBackgrounds();

    void eachSkinHasItsOwnLook();

private:
    void skinRows()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : starterSkins())
            QTest::newRow(qPrintable(name)) << name;
    }
};

void StarterSkins::everyShownTileIsDrawn()
{
    QFETCH(QString, name);
    const Skin skin = loaded(name);
    QCOMPARE(skin.skin.size(), QSize(SkinWidth, SkinHeight));
    for (int row = 0; row < SkinHeight / CellPixels; ++row)
        for (int col = 0; col < SkinWidth / CellPixels; ++col) {
            const Sprite place{col, row};
            if (std::find(std::begin(spareTiles), std::end(spareTiles), place) != std::end(spareTiles) ||
                place == colourStrip)
                continue;
            const QImage tile = skin.tile(col, row);
            QSet<QRgb> colours;
            for (int y = 0; y < CellPixels; ++y)
                for (int x = 0; x < CellPixels; ++x)
                    colours.insert(tile.pixel(x, y));
            QVERIFY2(colours.size() > 1, qPrintable(placeOf(place) + " is one flat colour"));
        }
}

void StarterSkins::figuresTurnAndAnimationsMove()
{
    QFETCH(QString, name);
    const Skin skin = loaded(name);
    for (int row : {PlayerSpriteRow, YellowSpriteRow, OliveSpriteRow})
        for (int a = 0; a < Facings; ++a)
            for (int b = a + 1; b < Facings; ++b)
                QVERIFY2(skin.tile(a, row) != skin.tile(b, row),
                         qPrintable(QString("row %1: facings %2 and %3 are the same").arg(row).arg(a).arg(b)));
    for (int row : {BombSpriteRow, DiamondSpriteRow, ExplosionSpriteRow, MessageSpriteRow})
        for (int frame = 0; frame < AnimationFrames; ++frame) {
            const int next = (frame + 1) % AnimationFrames;
            QVERIFY2(skin.tile(frame, row) != skin.tile(next, row),
                     qPrintable(QString("row %1: frames %2 and %3 are the same").arg(row).arg(frame).arg(next)));
        }
}

void StarterSkins::colourStripBandsDiffer()
{
    QFETCH(QString, name);
    const Skin skin = loaded(name);
    const auto strip = skin.strip();
    for (int a = 0; a < StripBands; ++a)
        for (int b = a + 1; b < StripBands; ++b)
            QVERIFY2(strip[a] != strip[b], qPrintable(QString("bands %1 and %2 are alike").arg(a).arg(b)));
    // Every pixel of a band has its colour, so a skin maker's editor shows what the game reads.
    const QImage tile = skin.tile(colourStrip.col, colourStrip.row);
    for (int y = 0; y < CellPixels; ++y)
        for (int x = 0; x < CellPixels; ++x)
            QVERIFY2(tile.pixelColor(x, y) == strip[y / 3],
                     qPrintable(QString("pixel (%1, %2) of the strip is not its band's colour").arg(x).arg(y)));
}

void StarterSkins::textsStandOutOfTheirBackgrounds()
{
    QFETCH(QString, name);
    const Skin skin = loaded(name);
    const auto strip = skin.strip();
    constexpr double readable = 4.5;
    for (int frame = 0; frame < AnimationFrames; ++frame) {
        const double ratio = contrastRatio(strip[MessageTextBand], meanColour(skin.tile(frame, MessageSpriteRow)));
        QVERIFY2(ratio >= readable, qPrintable(QString("message text on frame %1: %2").arg(frame).arg(ratio)));
    }
    const QColor bar = meanColour(skin.tile(StatusBarSprite.col, StatusBarSprite.row));
    for (int band : {LivesBand, BombsBand, LevelBand, DiamondsBand, YellowBand, OliveBand}) {
        const double ratio = contrastRatio(strip[band], bar);
        QVERIFY2(ratio >= readable, qPrintable(QString("band %1 on the status bar: %2").arg(band).arg(ratio)));
    }
}

void StarterSkins::eachSkinHasItsOwnLook()
{
    QList<QPair<QString, QImage>> sheets{{"built-in", Skin().nativeskin}};
    for (const QString& name : starterSkins())
        sheets.append({name, loaded(name).skin});
    constexpr double distinct = 20;
    for (int a = 0; a < sheets.size(); ++a)
        for (int b = a + 1; b < sheets.size(); ++b) {
            const double difference = meanDifference(sheets[a].second, sheets[b].second);
            QVERIFY2(difference >= distinct, qPrintable(QString("%1 and %2 differ by only %3")
                                                            .arg(sheets[a].first, sheets[b].first)
                                                            .arg(difference)));
        }
}

QTEST_MAIN(StarterSkins)
#include "starter_skins.moc"
