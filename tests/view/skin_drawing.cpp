// The skin, drawitem, the status bar and the message panel.
#include "testskins.h"
#include "gamefolder.h"
#include "tform1.h"
#include "named.h"

#include <QPaintEvent>
#include <QSet>
#include <QProgressBar>
#include <QtTest>

#include <sys/stat.h>

#include <array>

namespace {

QImage pixmapOf(const QLabel* label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

QRgb tilePixel(int col, int row, int x, int y)
{
    return qRgb(8 * x, 8 * y, tileId(col, row));
}

// Records the rectangles a widget is asked to repaint.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

}  // namespace

class SkinDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void builtinSkinIsTheSheet();
    void skinFileFallsBackSilently_data();
    void skinFileFallsBackSilently();
    void skinPathOfNoRegularFileFallsBackAtOnce();
    void skinFileReplacesTheSkin();
    void smallSkinIsFilledInByTheBuiltInSkin();

    void drawitemCopiesOneTile_data();
    void drawitemCopiesOneTile();
    void drawitemRepaintsOnlyItsCell();

    void statusBarBackgroundTiles();
    void statusBarIconsSeeThroughBlack();
    void colourStripSetsTheLabels();
    void tenDistinctBandsGiveTenDistinctColours();

    void messageShowsAndAnimates();
    void secondMessageIsDropped();
    void languageChosenWhenShown();
    void newMessageStartsAtFrameZero();

private:
    QTemporaryDir dir;
};

void SkinDrawing::builtinSkinIsTheSheet()
{
    Skin skin;
    QCOMPARE(skin.nativeskin.size(), QSize(180, 240));
    QCOMPARE(skin.skin, skin.nativeskin);
    QCOMPARE(skin.skinname, std::string("<none>"));
    // The built-in colour strip.
    const auto strip = skin.strip();
    QCOMPARE(strip[MessagePanelBand], QColor(0, 0, 255));
    QCOMPARE(strip[GaugeBackgroundBand], QColor(255, 255, 255));
    QCOMPARE(strip[LivesBand], QColor(0, 255, 0));
    QCOMPARE(strip[LevelBand], QColor(192, 192, 192));
    QCOMPARE(strip[OliveBand], QColor(0, 255, 255));
}

void SkinDrawing::skinFileFallsBackSilently_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("this is not a bitmap at all, only some words");

    QFile whole(writeSkin(dir, "whole.bmp", numberedSkin()));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QTest::newRow("truncated") << whole.readAll().left(5000);
}

void SkinDrawing::skinFileFallsBackSilently()
{
    QFETCH(QByteArray, contents);
    const QString path = dir.filePath("broken.bmp");
    QFile::remove(path);
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    const std::string good = writeSkin(dir, "good.bmp", numberedSkin()).toStdString();
    Skin skin;
    skin.loadAtStartup(good);
    skin.loadAtStartup(path.toStdString());
    QCOMPARE(skin.skinname, std::string("<none>"));
    QCOMPARE(skin.skin, skin.nativeskin);

    // Outside start-up a failed load leaves the active skin alone.
    QVERIFY(skin.load(good));
    QVERIFY(!skin.load(path.toStdString()));
    QCOMPARE(skin.skinname, good);
    QCOMPARE(skin.tile(2, 3).pixel(0, 0), tilePixel(2, 3, 0, 0));
}

// A skin path in the settings that names endless zeros or a pipe: the start
// goes on at once with the built-in skin.
void SkinDrawing::skinPathOfNoRegularFileFallsBackAtOnce()
{
    const QString pipe = dir.filePath("pipe.bmp");
    QFile::remove(pipe);
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {QString("/dev/zero"), pipe}) {
        Skin skin;
        skin.loadAtStartup(path.toStdString());
        QCOMPARE(skin.skinname, std::string("<none>"));
    }
}

void SkinDrawing::skinFileReplacesTheSkin()
{
    const std::string path = writeSkin(dir, "numbered.bmp", numberedSkin()).toStdString();
    Skin skin;
    skin.loadAtStartup(path);
    QCOMPARE(skin.skinname, path);
    const QImage tile = skin.tile(4, 7);
    QCOMPARE(tile.size(), QSize(30, 30));
    QCOMPARE(tile.pixel(0, 0), tilePixel(4, 7, 0, 0));
    QCOMPARE(tile.pixel(29, 17), tilePixel(4, 7, 29, 17));
    QCOMPARE(skin.sample(134, 13), QColor(tilePixel(4, 0, 14, 13)));
}

// What a picture smaller than the sheet lacks comes from the built-in skin:
// the tiles beyond it and the colour strip, so no text turns black on black.
void SkinDrawing::smallSkinIsFilledInByTheBuiltInSkin()
{
    Skin skin;
    const Skin builtIn;
    QVERIFY(skin.load(writeSkin(dir, "small.bmp", numberedSkin(100, 50)).toStdString()));

    QCOMPARE(skin.tile(1, 0).pixel(29, 29), tilePixel(1, 0, 29, 29));
    // Tile (3, 1) lies partly inside: columns 90..99 and rows 30..49.
    const QImage edge = skin.tile(3, 1);
    QCOMPARE(edge.pixel(9, 19), tilePixel(3, 1, 9, 19));
    QCOMPARE(edge.pixel(10, 19), builtIn.tile(3, 1).pixel(10, 19));
    QCOMPARE(edge.pixel(9, 20), builtIn.tile(3, 1).pixel(9, 20));
    QCOMPARE(skin.tile(5, 7), builtIn.tile(5, 7));
    QCOMPARE(skin.strip(), builtIn.strip());
    // Short of the sheet in one direction only: filled in all the same.
    for (const QSize size : {QSize(180, 50), QSize(100, 240)}) {
        QVERIFY(skin.load(writeSkin(dir, "part.bmp", numberedSkin(size.width(), size.height())).toStdString()));
        QCOMPARE(skin.tile(5, 7), builtIn.tile(5, 7));
    }
}

void SkinDrawing::drawitemCopiesOneTile_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("empty cell top left") << 5 << 6 << 0 << 0;
    QTest::newRow("player bottom right") << 0 << 0 << 59 << 39;
    QTest::newRow("stone in the middle") << 3 << 5 << 31 << 17;
}

void SkinDrawing::drawitemCopiesOneTile()
{
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, x);
    QFETCH(int, y);
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(writeSkin(dir, "numbered.bmp", numberedSkin()).toStdString()));

    static_cast<FrontEnd&>(form).drawitem(col, row, x, y);

    const QImage& field = named<FieldWidget>(form, "gamefield")->picture();
    QCOMPARE(field.size(), QSize(1800, 1200));
    const QRect cell(30 * x, 30 * y, 30, 30);
    for (int py = 0; py < field.height(); ++py)
        for (int px = 0; px < field.width(); ++px) {
            const QRgb expected =
                cell.contains(px, py) ? tilePixel(col, row, px - cell.left(), py - cell.top()) : qRgb(0, 0, 0);
            if (field.pixel(px, py) != expected)
                QFAIL(qPrintable(QString("pixel %1, %2").arg(px).arg(py)));
        }
}

void SkinDrawing::drawitemRepaintsOnlyItsCell()
{
    TForm1 form({1024, 768}, gameFolder());
    named<QFrame>(form, "titlepanel")->hide();
    named<FieldWidget>(form, "gamefield")->show();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();

    PaintSpy spy(named<FieldWidget>(form, "gamefield"));
    static_cast<FrontEnd&>(form).drawitem(0, 5, 12, 3);
    QCoreApplication::processEvents();
    QCOMPARE(spy.painted, QRegion(360, 90, 30, 30));

    // As many cells as a tick may draw, scattered: each is repainted, nothing between.
    spy.painted = QRegion();
    QRegion drawn;
    for (int i = 0; i < FieldWidget::MostCellsRepaintedOneByOne; ++i) {
        const int x = 2 * (i % 12), y = 2 * (i / 12 % 13);
        static_cast<FrontEnd&>(form).drawitem(0, 5, x, y);
        drawn += QRect(x * 30, y * 30, 30, 30);
    }
    QCoreApplication::processEvents();
    QCOMPARE(spy.painted, drawn & named<FieldWidget>(form, "gamefield")->visibleRegion());

    // A level start draws every cell: the whole visible field is repainted,
    // and after that paint single cells again.
    spy.painted = QRegion();
    form.session().game.startlevel(1);
    QCoreApplication::processEvents();
    QCOMPARE(spy.painted, QRegion(named<FieldWidget>(form, "gamefield")->visibleRegion()));
    spy.painted = QRegion();
    static_cast<FrontEnd&>(form).drawitem(0, 5, 12, 3);
    QCoreApplication::processEvents();
    QCOMPARE(spy.painted, QRegion(360, 90, 30, 30));
}

void SkinDrawing::statusBarBackgroundTiles()
{
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(writeSkin(dir, "numbered.bmp", numberedSkin()).toStdString()));
    form.applySkin();

    // 1024 div 30 + 2 = 36 tiles, the last starting at 1050, beyond the edge.
    const QImage background = pixmapOf(named<QLabel>(form, "topimage"));
    QCOMPARE(background.size(), QSize(36 * 30, 30));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < background.width(); ++x)
            if (background.pixel(x, y) != tilePixel(5, 3, x % 30, y))
                QFAIL(qPrintable(QString("pixel %1, %2").arg(x).arg(y)));
}

void SkinDrawing::statusBarIconsSeeThroughBlack()
{
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(writeSkin(dir, "numbered.bmp", numberedSkin()).toStdString()));
    form.applySkin();

    const QImage player = pixmapOf(named<QLabel>(form, "PlayerImage"));
    QCOMPARE(player.size(), QSize(60, 20));
    QCOMPARE(qAlpha(player.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(player.pixel(30, 10)), 0);
    QCOMPARE(qAlpha(player.pixel(0, 19)), 0);
    // Each icon fills 20 x 19 pixels from (left, 1), shrunk from its tile.
    const std::pair<int, int> playerIcons[] = {{1, 0}, {40, 1}};
    for (const auto& [left, row] : playerIcons) {
        QCOMPARE(qAlpha(player.pixel(left, 1)), 255);
        QCOMPARE(qBlue(player.pixel(left, 1)), tileId(0, row));
        QCOMPARE(qBlue(player.pixel(left + 19, 19)), tileId(0, row));
        QCOMPARE(qAlpha(player.pixel(left + 10, 0)), 0);
    }
    QCOMPARE(qAlpha(player.pixel(21, 10)), 0);

    const QImage bombs = pixmapOf(named<QLabel>(form, "BombImage"));
    QCOMPARE(bombs.size(), QSize(100, 20));
    const std::pair<int, int> bombIcons[] = {{1, 2}, {40, 3}, {80, 4}};
    for (const auto& [left, row] : bombIcons) {
        QCOMPARE(qBlue(bombs.pixel(left + 10, 10)), tileId(0, row));
        QCOMPARE(qAlpha(bombs.pixel(left - 1, 10)), 0);
    }
}

void SkinDrawing::colourStripSetsTheLabels()
{
    TForm1 form({1024, 768}, gameFolder());
    QImage redLives = form.skin.nativeskin.copy();
    for (int y = 12; y < 15; ++y)
        for (int x = 120; x < 150; ++x)
            redLives.setPixel(x, y, qRgb(255, 0, 0));
    QVERIFY(form.skin.load(writeSkin(dir, "redlives.bmp", redLives).toStdString()));
    form.applySkin();

    auto text = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
    const StatusBar* bar = named<StatusBar>(form, "TopPanel");
    QCOMPARE(text(bar->PlayerLabel), QColor(255, 0, 0));
    QCOMPARE(text(bar->BombLabel), QColor(0, 255, 0));
    QCOMPARE(text(bar->levellabel), QColor(192, 192, 192));
    QCOMPARE(text(bar->DiamondLabel), QColor(0, 255, 255));
    QCOMPARE(text(bar->YellowLabel), QColor(0, 255, 255));
    QCOMPARE(text(bar->OliveLabel), QColor(0, 255, 255));
    QCOMPARE(named<MessageDisplay>(form, "MessagePanel")->palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(text(named<QLabel>(form, "messageLabel")), QColor(0, 0, 255));
}

// Each of the ten things the strip colours takes its own band: a strip of ten
// different colours shows ten different colours, each in its band's place.
void SkinDrawing::tenDistinctBandsGiveTenDistinctColours()
{
    TForm1 form({1024, 768}, gameFolder());
    QImage banded = form.skin.nativeskin.copy();
    std::array<QColor, StripBands> bands;
    for (int k = 0; k < StripBands; ++k) {
        bands[k] = QColor::fromHsv(36 * k, 255, 128 + 12 * k);
        for (int y = 3 * k; y < 3 * k + 3; ++y)
            for (int x = 120; x < 150; ++x)
                banded.setPixel(x, y, bands[k].rgb());
    }
    QSet<QRgb> different;
    for (const QColor& band : bands)
        different.insert(band.rgb());
    QCOMPARE(different.size(), StripBands);
    QVERIFY(form.skin.load(writeSkin(dir, "banded.bmp", banded).toStdString()));
    form.applySkin();

    QProgressBar* gauge = named<QProgressBar>(form, "gauge");
    gauge->setValue(gauge->maximum() / 2);
    const QImage bar = gauge->grab().toImage();
    auto text = [](QWidget* w) { return w->palette().color(QPalette::WindowText); };
    const StatusBar* top = named<StatusBar>(form, "TopPanel");
    const std::array<QColor, StripBands> shown{
        named<MessageDisplay>(form, "MessagePanel")->palette().color(QPalette::Window), text(named<QLabel>(form, "messageLabel")),
        bar.pixelColor(bar.width() - 2, bar.height() / 2),  bar.pixelColor(1, bar.height() / 2),
        text(top->PlayerLabel), text(top->BombLabel), text(top->levellabel),
        text(top->DiamondLabel), text(top->YellowLabel), text(top->OliveLabel)};
    for (int k = 0; k < StripBands; ++k)
        QCOMPARE(shown[k].rgb(), bands[k].rgb());
}

void SkinDrawing::messageShowsAndAnimates()
{
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(writeSkin(dir, "numbered.bmp", numberedSkin()).toStdString()));
    static_cast<FrontEnd&>(form).showMessage({"P A U S E", "П А У З А"});

    MessageDisplay* panel = named<MessageDisplay>(form, "MessagePanel");
    QVERIFY(panel->isVisibleTo(&form));
    QVERIFY(named<QTimer>(form, "Timer2")->isActive());
    QCOMPARE(panel->messageLabel->text(), QString("P A U S E"));
    QCOMPARE(panel->msgframe, 0);

    for (int frame : {0, 1, 2, 3, 4, 5, 0}) {
        form.Timer2Timer();
        const QImage strip = pixmapOf(panel->MessageImage);
        QCOMPARE(strip.size(), QSize(420, 30));
        for (int i = 0; i < 14; ++i)
            QCOMPARE(strip.pixel(30 * i + 7, 11), tilePixel(frame, 7, 7, 11));
    }
}

void SkinDrawing::secondMessageIsDropped()
{
    TForm1 form({1024, 768}, gameFolder());
    static_cast<FrontEnd&>(form).showMessage({"The stone has been fell on you", "На вас упал камень"});
    form.Timer2Timer();
    static_cast<FrontEnd&>(form).showMessage({"The diamond has been destroyed by an explosive wave", "Алмаз был уничтожен взрывной волной"});
    QCOMPARE(named<QLabel>(form, "messageLabel")->text(), QString("The stone has been fell on you"));
    QCOMPARE(named<MessageDisplay>(form, "MessagePanel")->msgframe, 1);
}

void SkinDrawing::languageChosenWhenShown()
{
    TForm1 form({1024, 768}, gameFolder());
    form.session().game.english = false;
    static_cast<FrontEnd&>(form).showMessage({"P A U S E", "П А У З А"});
    QCOMPARE(named<QLabel>(form, "messageLabel")->text(), QString("П А У З А"));

    form.session().game.english = true;
    QCOMPARE(named<QLabel>(form, "messageLabel")->text(), QString("П А У З А"));
}

void SkinDrawing::newMessageStartsAtFrameZero()
{
    TForm1 form({1024, 768}, gameFolder());
    QVERIFY(form.skin.load(writeSkin(dir, "numbered.bmp", numberedSkin()).toStdString()));
    static_cast<FrontEnd&>(form).showMessage({"first", "первое"});
    for (int i = 0; i < 3; ++i)
        form.Timer2Timer();
    named<MessageDisplay>(form, "MessagePanel")->hide();

    static_cast<FrontEnd&>(form).showMessage({"second", "второе"});
    QCOMPARE(named<QLabel>(form, "messageLabel")->text(), QString("second"));
    QCOMPARE(named<MessageDisplay>(form, "MessagePanel")->msgframe, 0);
    form.Timer2Timer();
    QCOMPARE(pixmapOf(named<QLabel>(form, "MessageImage")).pixel(0, 0), tilePixel(0, 7, 0, 0));
}

KERNMINE_WINDOW_TEST_MAIN(SkinDrawing)
#include "skin_drawing.moc"
