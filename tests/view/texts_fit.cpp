// Every text the game can show fits its widget, in English and in Russian, in
// the fonts the game uses: menu captions end before the next column or the
// panel's edge, key names fit their boxes, messages fit the message panel.
#include "gamefolder.h"
#include "keybindings.h"
#include "messages.h"
#include "tform1.h"
#include "named.h"

#include <QtTest>

namespace {

int textWidth(const QWidget* widget, const QString& text)
{
    return QFontMetrics(widget->font()).horizontalAdvance(text);
}

// Where the text of a label ends inside its panel.
int textEnd(const QLabel* label)
{
    return label->x() + textWidth(label, label->text());
}

// Messages with the longest numbers, a saved game or skin of a usual name and a
// pad of a long one.
QList<MessageText> everyMessage()
{
    const std::string file = "my_saved_game.kms";
    const std::string skinFile = "my_own_skin.bmp";
    return {message::allLevelsPassed(),         message::externalLevelCorrupt(9999),
            message::levelPassed(9999),         message::diamondFell(),
            message::stoneFell(),               message::caughtByEnemy(),
            message::encounteredEnemy(),        message::diamondDestroyed(),
            message::blownUp(),                 message::pause(),
            message::saving(),                  message::loading(),
            message::defaultSkinLoaded(),       message::skinLoaded(skinFile),
            message::skinCorrupt(skinFile),     message::cannotLoadGame(file),
            message::cannotSaveGame(file),      message::gameDeleted(file),
            message::cannotDeleteGame(file),    message::cannotOpenPage("km_levels_eng.htm"),
            message::settingsNotSaved(),        message::saveFolderIsLink(),
            message::folderNotMade("levels"),   message::stopsNotHeard(),
            message::padConnected("Sony Interactive Entertainment Wireless Controller")};
}

}  // namespace

class TextsFit : public QObject {
    Q_OBJECT

private slots:
    void menuCaptions_data();
    void menuCaptions();
    void keyNames();
    void messages();
    void messagesNamingALongFile();
    void statusBarAndSkinsMenu();
};

void TextsFit::menuCaptions_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("English") << true;
    QTest::newRow("Russian") << false;
}

void TextsFit::menuCaptions()
{
    QFETCH(bool, english);
    TForm1 form({1024, 768}, gameFolder());
    form.session().game.english = english;
    static_cast<FrontEnd&>(form).showCaptions(english);

    // Items with a ">" end before it; the others before the panel's edge.
    const int arrowLeft = form.findChild<QLabel*>("Label1")->x();
    for (QLabel* item : {named<QLabel>(form, "menu1"), named<QLabel>(form, "menu3"), named<QLabel>(form, "menu4"), named<QLabel>(form, "menu5"), named<QLabel>(form, "menu6"), named<QLabel>(form, "menu7"), named<QLabel>(form, "menu8")})
        QVERIFY2(textEnd(item) < arrowLeft, qPrintable(item->text()));
    for (QLabel* item : {named<QLabel>(form, "menu2"), named<QLabel>(form, "menu110"), named<QLabel>(form, "menu9")})
        QVERIFY2(textEnd(item) <= named<QFrame>(form, "mainbevel")->width(), qPrintable(item->text()));
    for (QLabel* item : {named<QLabel>(form, "newmenu1"), named<QLabel>(form, "newmenu2")})
        QVERIFY2(textEnd(item) <= named<QFrame>(form, "newbevel")->width(), qPrintable(item->text()));
    for (int i = 0; i < HotkeyCount; ++i)
        QVERIFY2(textEnd(actionLabel(form, i)) < keyNameLabel(form, i)->x(), qPrintable(actionLabel(form, i)->text()));
    QVERIFY(textEnd(named<QLabel>(form, "aboutmenu1")) < named<QLabel>(form, "aboutmenu1_1")->x());
    QVERIFY(textEnd(named<QLabel>(form, "aboutmenu2")) < named<QLabel>(form, "aboutmenu2_2")->x() + named<QLabel>(form, "aboutmenu2_2")->width() -
                                           textWidth(named<QLabel>(form, "aboutmenu2_2"), "9999"));
    QVERIFY(textEnd(named<QLabel>(form, "aboutmenu3")) <= named<QFrame>(form, "aboutbevel")->width());
    QVERIFY(textEnd(named<QLabel>(form, "skinsmenu2")) <= named<QFrame>(form, "skinsbevel")->width());
    QVERIFY(textWidth(named<QGroupBox>(form, "GroupBox1"), named<QGroupBox>(form, "GroupBox1")->title()) < named<QGroupBox>(form, "GroupBox1")->width());
    for (QLabel* item : {named<QLabel>(form, "languagemenu1"), named<QLabel>(form, "languagemenu2")})
        QVERIFY2(textEnd(item) <= named<QFrame>(form, "languagebevel")->width(), qPrintable(item->text()));
}

void TextsFit::keyNames()
{
    TForm1 form({1024, 768}, gameFolder());
    const QLabel* box = keyNameLabel(form, 0);
    for (int code = 0; code < 256; ++code) {
        for (const auto& name : {plainKeyName(std::uint8_t(code)), modifierKeyName(std::uint8_t(code))})
            if (name)
                QVERIFY2(textWidth(box, QString::fromStdString(*name)) <= box->width(), name->c_str());
    }
    // The pad's controls, in their own column right of the keys, inside the panel.
    for (int i = 0; i < HotkeyCount; ++i) {
        const QLabel* pad = named<QLabel>(form, QString("keysmenu%1_pad").arg(i + 1));
        QVERIFY(pad->x() >= keyNameLabel(form, i)->x() + keyNameLabel(form, i)->width());
        QVERIFY(pad->x() + pad->width() <= named<QFrame>(form, "keysbevel")->width());
        QVERIFY2(textWidth(pad, pad->text()) <= pad->width(), qPrintable(pad->text()));
    }
}

void TextsFit::messages()
{
    TForm1 form({1024, 768}, gameFolder());
    const QLabel* label = named<QLabel>(form, "messageLabel");
    for (const MessageText& text : everyMessage()) {
        for (const std::string& shown : {text.english, text.russian})
            QVERIFY2(textWidth(label, QString::fromStdString(shown)) <= label->width(), shown.c_str());
    }
}

// A file of any name, of the widest letters of either language: the message
// keeps its own words and the name's end, and fits.
void TextsFit::messagesNamingALongFile()
{
    TForm1 form({1024, 768}, gameFolder());
    const QLabel* label = named<QLabel>(form, "messageLabel");
    using Naming = MessageText (*)(const std::string&);
    const Naming namings[] = {message::skinLoaded,   message::skinCorrupt, message::cannotLoadGame,
                              message::cannotSaveGame, message::gameDeleted, message::cannotDeleteGame};
    const QString marker = "|";
    for (const QString& letter : {QString("W"), QString("Ш"), QString("@")}) {
        const QString name = letter.repeated(200) + "_end.kms";
        for (const Naming naming : namings) {
            const MessageText words = naming(marker.toStdString());
            const MessageText shown = naming(name.toStdString());
            for (const auto& [wordsText, shownText] : {std::pair(words.english, shown.english),
                                                      std::pair(words.russian, shown.russian)}) {
                const QString text = QString::fromStdString(shownText);
                const QStringList around = QString::fromStdString(wordsText).split(marker);
                QVERIFY2(text.startsWith(around[0] + letter), qPrintable(text));
                QVERIFY2(text.endsWith("_end.kms" + around[1]), qPrintable(text));
                QVERIFY2(textWidth(label, text) <= label->width(), qPrintable(text));
            }
        }
    }
    // A name of as many letters as are shown is shown whole; one letter more is cut to as many.
    const int most = int(message::FileNameLetters);
    for (const int letters : {most, most + 1}) {
        const QString name = QString("Ш").repeated(letters);
        const QString shown = QString::fromStdString(message::gameDeleted(name.toStdString()).russian);
        QCOMPARE(shown.size() - QString::fromStdString(message::gameDeleted("").russian).size(), most);
        QCOMPARE(shown.contains(name), letters == most);
    }
}

void TextsFit::statusBarAndSkinsMenu()
{
    TForm1 form({1024, 768}, gameFolder());
    named<QFrame>(form, "skinsbevel")->show();
    form.show();  // a list lays out its rows when it is first shown
    const QLabel* level = named<QLabel>(form, "levellabel");
    const MessageText caption = message::levelCaption(9999);
    for (const std::string& shown : {caption.english, caption.russian})
        QVERIFY(textWidth(level, QString::fromStdString(shown)) <= level->width());
    for (const QLabel* counter : {named<QLabel>(form, "PlayerLabel"), named<QLabel>(form, "BombLabel")})
        QVERIFY(textWidth(counter, QString::number(CounterLimit)) <= counter->width());

    const MessageText entry = message::defaultSkinEntry();
    const int room = named<QListWidget>(form, "skinsmenu1")->viewport()->width();
    for (const std::string& shown : {entry.english, entry.russian})
        QVERIFY(textWidth(named<QListWidget>(form, "skinsmenu1"), QString::fromStdString(shown)) <= room);
    const MessageText unreadable = message::skinUnreadable();
    for (const std::string& shown : {unreadable.english, unreadable.russian})
        QVERIFY(textWidth(named<QLabel>(form, "skinerror"), QString::fromStdString(shown)) <= named<QFrame>(form, "skinsbevel")->width());
}

KERNMINE_WINDOW_TEST_MAIN(TextsFit)
#include "texts_fit.moc"
