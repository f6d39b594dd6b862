// The window on a screen of device pixel ratio 2: the layout stays in logical
// pixels, and every picture, the field's tiles first, grows by whole pixels
// without blur.
#include "testskins.h"
#include "gamefolder.h"
#include "tform1.h"
#include "skinpreview.h"
#include "named.h"

#include <QtTest>

namespace {

constexpr int Ratio = 2;

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where `device` fails to show `source` (its opaque pixels) as blocks of
// factor x factor device pixels of one colour each, from `at`; empty when it
// does not.
QString blockFault(const QImage& device, const QImage& source, int factor, QPoint at = {})
{
    const QImage from = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            const QRgb colour = from.pixel(x, y);
            if (qAlpha(colour) != 255)
                continue;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const QPoint pixel = at + QPoint(factor * x + dx, factor * y + dy);
                    if (device.pixel(pixel) != colour)
                        return QString("source pixel %1, %2 at device pixel %3, %4: %5 instead of %6")
                            .arg(x).arg(y).arg(pixel.x()).arg(pixel.y())
                            .arg(device.pixel(pixel), 8, 16).arg(colour, 8, 16);
                }
        }
    return {};
}

}  // namespace

class HiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void layoutStaysInLogicalPixels();
    void fieldTilesGrowByWholePixels_data();
    void fieldTilesGrowByWholePixels();
    void picturesGrowByWholePixels_data();
    void picturesGrowByWholePixels();
    void paperStretchesWithoutBlur();

private:
    QTemporaryDir dir;
    QString numbered;
};

void HiDpi::initTestCase()
{
    QVERIFY(dir.isValid());
    numbered = writeSkin(dir, "numbered.bmp", numberedSkin());
    TForm1 form({1024, 768}, gameFolder());
    QCOMPARE(form.devicePixelRatio(), qreal(Ratio));
}

void HiDpi::layoutStaysInLogicalPixels()
{
    TForm1 form({1024, 768}, gameFolder());
    QCOMPARE(form.size(), QSize(1024, 768));
    QCOMPARE(named<FieldWidget>(form, "gamefield")->size(), QSize(1800, 1200));
    const QPixmap field = named<FieldWidget>(form, "gamefield")->grab();
    QCOMPARE(field.size(), QSize(3600, 2400));
    QCOMPARE(field.deviceIndependentSize(), QSizeF(1800, 1200));
}

void HiDpi::fieldTilesGrowByWholePixels_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("top left cell") << 5 << 6 << 0 << 0;
    QTest::newRow("bottom right cell") << 0 << 0 << 59 << 39;
    QTest::newRow("middle cell") << 3 << 5 << 31 << 17;
}

void HiDpi::fieldTilesGrowByWholePixels()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, x);
    QFETCH(int, y);
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(numbered.toStdString()));
    static_cast<FrontEnd&>(form).drawitem(col, row, x, y);

    const QImage device = grabbed(named<FieldWidget>(form, "gamefield"));
    const QImage tile = form.skin.tile(col, row);
    const QString fault = blockFault(device, tile, Ratio, QPoint(x, y) * 30 * Ratio);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // The tile beside it stays black up to the tile's edge.
    const QPoint beside = x > 0 ? QPoint(x * 60 - 1, y * 60) : QPoint(60, y * 60);
    QCOMPARE(device.pixel(beside), qRgb(0, 0, 0));
}

void HiDpi::picturesGrowByWholePixels_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"topimage", "PlayerImage", "BombImage", "MessageImage", "skinpreview",
                             "titlename", "titlepresents", "Image1", "Image2"})
        QTest::newRow(name) << name;
}

void HiDpi::picturesGrowByWholePixels()
{
    QFETCH(QString, name);
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(numbered.toStdString()));
    form.applySkin();
    named<MessageDisplay>(form, "MessagePanel")->Timer2Timer(form.skin);
    named<SkinPreview>(form, "skinpreview")->draw(form.skin, 1);

    auto* picture = form.findChild<QLabel*>(name);
    QVERIFY(picture);
    const QImage source = picture->pixmap().toImage();
    QVERIFY(!source.isNull());
    const QImage device = grabbed(picture);
    QCOMPARE(device.size(), picture->size() * Ratio);
    // Only what the label has room for is shown.
    const QImage shown = source.copy(QRect(QPoint(), picture->size()));
    const QString fault = blockFault(device, shown, Ratio);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

void HiDpi::paperStretchesWithoutBlur()
{
    // A window twice the picture's size: each of its pixels covers 2 x 2
    // logical pixels, so 4 x 4 device pixels.
    TForm1 form({1000, 800}, gameFolder());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage source = named<QLabel>(form, "paper")->pixmap().toImage();
    QCOMPARE(named<QLabel>(form, "paper")->size(), source.size() * 2);
    const QString fault = blockFault(grabbed(named<QLabel>(form, "paper")), source, 2 * Ratio);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Ratio));
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    QApplication app(argc, argv);
    SettingsStore firstRun;
    HiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi.moc"
