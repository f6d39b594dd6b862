// The built-in pictures as the game reads them: the skin's layout and colour
// strip, the look of its tiles on the black board, the flags.
#include "pictures.h"

#include <QTest>

namespace {
QRect tile(int column, int row) { return QRect(column * 30, row * 30, 30, 30); }

QImage tileImage(const QImage& skin, int column, int row) { return skin.copy(tile(column, row)); }

int brightest(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}); }

// The mean colour of the pixels that are not (nearly) black.
QColor meanOfLit(const QImage& image)
{
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (brightest(c) > 40) {
                r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
            }
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor(Qt::black);
}

double meanLightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

// The share of the pixels that are `wanted`.
template <typename Wanted>
double share(const QImage& image, Wanted wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += wanted(image.pixel(x, y));
    return double(count) / (image.width() * image.height());
}

double litShare(const QImage& image)
{
    return share(image, [](QRgb c) { return brightest(c) > 40; });
}
}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

    QImage skin;

private slots:
    void initTestCase()
    {
        skin = builtinPicture("nativeskin.bmp");
        QCOMPARE(skin.size(), QSize(180, 240));
        QCOMPARE(skin.format(), QImage::Format_RGB32);
    }

    void toQImageKeepsEveryPixel()
    {
        Picture picture(3, 2);
        picture.setPixel(0, 0, {255, 0, 0});
        picture.setPixel(2, 0, {0, 0, 255});
        picture.setPixel(1, 1, {12, 34, 56});
        const QImage image = toQImage(picture);
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(2, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(1, 1), qRgb(12, 34, 56));
        QCOMPARE(image.pixel(0, 1), qRgb(0, 0, 0));
    }

    void unknownNameGivesNullImage() { QVERIFY(builtinPicture("missing.bmp").isNull()); }

    void colourStripIsExact_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<QColor>("colour");
        const QColor blue(0, 0, 255), white(255, 255, 255), lime(0, 255, 0), silver(192, 192, 192), aqua(0, 255, 255);
        const QColor bands[] = {blue, blue, white, blue, lime, lime, silver, aqua, aqua, aqua};
        for (int k = 0; k < 10; ++k)
            QTest::addRow("band %d", k) << k << bands[k];
    }
    void colourStripIsExact()
    {
        QFETCH(int, band);
        QFETCH(QColor, colour);
        QCOMPARE(skin.pixelColor(134, 3 * band + 1), colour);
    }

    void unusedTilesAreBlack()
    {
        for (const auto& [column, row] : {std::pair(5, 0), std::pair(4, 4), std::pair(5, 4)})
            QCOMPARE(litShare(tileImage(skin, column, row)), 0.0);
    }

    void emptyCellIsNearlyBlack()
    {
        const QImage empty = tileImage(skin, 5, 6);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                QVERIFY(brightest(empty.pixel(x, y)) <= 32);
        QVERIFY(meanLightness(empty) < 12);
    }

    void statusBarBackgroundIsDark() { QVERIFY(meanLightness(tileImage(skin, 5, 3)) < 50); }

    void messageBackgroundIsLightAndTiles()
    {
        // Blue text is drawn over it, and fourteen copies side by side fill the panel.
        for (int frame = 0; frame < 6; ++frame) {
            const QImage background = tileImage(skin, frame, 7);
            for (int y = 0; y < 30; ++y) {
                for (int x = 0; x < 30; ++x)
                    QVERIFY(y < 5 || y >= 25 || qGray(background.pixel(x, y)) > 150);
                QVERIFY(std::abs(qGray(background.pixel(29, y)) - qGray(background.pixel(0, y))) < 12);
            }
        }
    }

    void figuresFaceFourWays_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("player") << 0;
        QTest::newRow("yellow creature") << 3;
        QTest::newRow("olive creature") << 4;
    }
    void figuresFaceFourWays()
    {
        QFETCH(int, row);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(litShare(tileImage(skin, i, row)) > 0.15);
            for (int j = i + 1; j < 4; ++j)
                QVERIFY(tileImage(skin, i, row) != tileImage(skin, j, row));
        }
    }

    void animationsChangeEveryFrame_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("bomb") << 1;
        QTest::newRow("diamond") << 2;
        QTest::newRow("explosion") << 6;
        QTest::newRow("message background") << 7;
    }
    void animationsChangeEveryFrame()
    {
        QFETCH(int, row);
        for (int frame = 0; frame < 6; ++frame)
            QVERIFY(tileImage(skin, frame, row) != tileImage(skin, (frame + 1) % 6, row));
    }

    void explosionFadesOut()
    {
        for (int frame = 0; frame < 5; ++frame)
            QVERIFY(meanLightness(tileImage(skin, frame, 6)) > meanLightness(tileImage(skin, frame + 1, 6)) + 10);
    }

    void creaturesHaveTheirColours()
    {
        const auto yellow = [](QRgb c) {
            return qRed(c) > 150 && qGreen(c) > 100 && qBlue(c) < 80 && qRed(c) >= qGreen(c);
        };
        const auto olive = [](QRgb c) {
            return qGreen(c) >= qRed(c) && qGreen(c) > 60 && qGreen(c) < 200 && qBlue(c) < qGreen(c) / 2;
        };
        const QImage yellowCreature = tileImage(skin, 0, 3), oliveCreature = tileImage(skin, 0, 4);
        QVERIFY(share(yellowCreature, yellow) > 0.07);
        QVERIFY(share(yellowCreature, olive) < 0.03);
        QVERIFY(share(oliveCreature, olive) > 0.25);
        QVERIFY(share(oliveCreature, yellow) < 0.04);
    }

    void groundHasItsColours()
    {
        const auto colourOf = [this](int column, int row) { return meanOfLit(tileImage(skin, column, row)); };
        const QColor earth = colourOf(0, 5), red = colourOf(1, 5), purple = colourOf(2, 5);
        QVERIFY(earth.red() > earth.green() + 30 && earth.green() > earth.blue());
        QVERIFY(red.red() > red.green() + 80 && red.red() > red.blue() + 80);
        QVERIFY(purple.red() > purple.green() + 60 && purple.blue() > purple.green() + 60);
        const QColor diamond = colourOf(0, 2);
        QVERIFY(diamond.blue() > diamond.red() + 60);
        const QColor stone = colourOf(3, 5);
        QVERIFY(std::abs(stone.red() - stone.blue()) < 20 && stone.green() > 80);
    }

    void flagsAreLanguageFlags()
    {
        const QImage en = builtinPicture("flag_en.bmp"), ru = builtinPicture("flag_ru.bmp");
        QCOMPARE(en.size(), QSize(29, 15));
        QCOMPARE(ru.size(), QSize(29, 15));
        QCOMPARE(ru.pixelColor(14, 2), QColor(255, 255, 255));
        QCOMPARE(ru.pixelColor(14, 7), QColor(0, 57, 166));
        QCOMPARE(ru.pixelColor(14, 12), QColor(213, 43, 30));
        QCOMPARE(en.pixelColor(14, 7), QColor(200, 16, 46));
        QCOMPARE(en.pixelColor(9, 1), QColor(1, 33, 105));
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
