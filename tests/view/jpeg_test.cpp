// Decoding the built-in JPEG pictures, and refusing damaged ones.
#include "jpeg.h"

#include <QTest>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

std::span<const unsigned char> builtinPictureFile(std::string_view fileName);

namespace {
QImage decodeBuiltin(std::string_view name) { return decodeJpeg(builtinPictureFile(name)); }

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& wanted)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(image.pixelColor(x, y));
    return count;
}

int brightest(QColor c) { return std::max({c.red(), c.green(), c.blue()}); }

// The frame `width` pixels wide along the edges of the image is black.
void checkBlackBorder(const QImage& image, int width)
{
    const QRect inner = image.rect().adjusted(width, width, -width, -width);
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += !inner.contains(x, y) && brightest(image.pixelColor(x, y)) > 24;
    QCOMPARE(lit, 0);
}
}  // namespace

class JpegTest : public QObject {
    Q_OBJECT

private slots:
    void decodesBuiltinPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("paper") << "paper.jpg" << QSize(500, 400);
        QTest::newRow("titlename") << "titlename.jpg" << QSize(344, 80);
        QTest::newRow("titlepresents") << "titlepresents.jpg" << QSize(344, 30);
    }
    void decodesBuiltinPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QImage image = decodeBuiltin(name.toStdString());
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_RGB32);
    }

    void titleNameIsBlueLetteringOnBlack()
    {
        const QImage image = decodeBuiltin("titlename.jpg");
        const int blue = countPixels(image, image.rect(), [](QColor c) {
            return c.blue() > 150 && c.blue() > c.red() + 60 && c.blue() > c.green() + 40;
        });
        const int otherColours = countPixels(image, image.rect(), [](QColor c) {
            return std::max(c.red(), c.green()) > c.blue() + 30;
        });
        QVERIFY2(blue > 2000, qPrintable(QString::number(blue)));
        QCOMPARE(otherColours, 0);
        checkBlackBorder(image, 4);
    }

    void titlePresentsIsWhiteOnBlack()
    {
        const QImage image = decodeBuiltin("titlepresents.jpg");
        const int white = countPixels(image, image.rect(), [](QColor c) {
            return c.red() > 220 && c.green() > 220 && c.blue() > 220;
        });
        const int coloured = countPixels(image, image.rect(), [](QColor c) {
            return brightest(c) - std::min({c.red(), c.green(), c.blue()}) > 40;
        });
        QVERIFY2(white > 300, qPrintable(QString::number(white)));
        QCOMPARE(coloured, 0);
        checkBlackBorder(image, 4);
    }

    void paperHasGoldenNameOverDarkWall()
    {
        const QImage image = decodeBuiltin("paper.jpg");
        const auto golden = [](QColor c) { return c.red() > 200 && c.green() > 120 && c.blue() < 110; };
        QVERIFY(countPixels(image, QRect(30, 40, 440, 110), golden) > 3000);
        // The menu sits at three fifths of the height: nothing bright behind it.
        const QRect menu(180, 180, 140, 120);
        QCOMPARE(countPixels(image, menu, golden), 0);
        const int bright = countPixels(image, menu, [](QColor c) { return brightest(c) > 110; });
        QVERIFY2(bright < menu.width() * menu.height() / 100, qPrintable(QString::number(bright)));
    }

    void refusesDamagedData_data()
    {
        const std::span<const unsigned char> good = builtinPictureFile("titlename.jpg");
        const auto bytes = [&good](std::size_t from, std::size_t to) {
            return QByteArray(reinterpret_cast<const char*>(good.data()) + from, static_cast<qsizetype>(to - from));
        };
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("Kernmine is a digging game, not a picture.");
        QTest::newRow("a bitmap") << QByteArray(reinterpret_cast<const char*>(builtinPictureFile("flag_ru.bmp").data()),
                                                static_cast<qsizetype>(builtinPictureFile("flag_ru.bmp").size()));
        QTest::newRow("headers only") << bytes(0, 300);
        QTest::newRow("cut in half") << bytes(0, good.size() / 2);
        QTest::newRow("last bytes missing") << bytes(0, good.size() - 2);
        QByteArray marker = bytes(0, good.size());
        marker[marker.size() / 2] = '\xff';
        marker[marker.size() / 2 + 1] = '\xd9';
        QTest::newRow("end marker inside the pixels") << marker;
        QByteArray scrambled = bytes(0, good.size());
        for (qsizetype i = scrambled.size() / 3; i < scrambled.size() * 2 / 3; i += 7)
            scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5a);
        QTest::newRow("scrambled pixels") << scrambled;
        QByteArray noStart = bytes(0, good.size());
        noStart[1] = 0;
        QTest::newRow("no start marker") << noStart;
    }
    void refusesDamagedData()
    {
        QFETCH(QByteArray, data);
        const QImage image = decodeJpeg({reinterpret_cast<const unsigned char*>(data.constData()),
                                         static_cast<std::size_t>(data.size())});
        QVERIFY(image.isNull());
    }

    void decodesAgainAfterDamagedData()
    {
        const std::span<const unsigned char> good = builtinPictureFile("titlepresents.jpg");
        QVERIFY(decodeJpeg(good.first(good.size() / 2)).isNull());
        QCOMPARE(decodeJpeg(good).size(), QSize(344, 30));
    }
};

QTEST_GUILESS_MAIN(JpegTest)
#include "jpeg_test.moc"
