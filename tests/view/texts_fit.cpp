// Every text the game can show fits its widget, in English and in Russian, in
// the fonts the game uses: menu captions end before the next column or the
// panel's edge, key names fit their boxes, messages fit the message panel.
#include "gamefolder.h"
#include "keybindings.h"
#include "messages.h"
#include "tform1.h"

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

// Messages with the longest numbers and a saved game or skin of a usual name.
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
            message::settingsNotSaved()};
}

}  // namespace

class TextsFit : public QObject {
    Q_OBJECT

private slots:
    void menuCaptions_data();
    void menuCaptions();
    void keyNames();
    void messages();
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
    form.game.english = english;
    form.setlanguage();

    // Items with a ">" end before it; the others before the panel's edge.
    const int arrowLeft = form.findChild<QLabel*>("Label1")->x();
    for (QLabel* item : {form.menu1, form.menu3, form.menu4, form.menu5, form.menu6, form.menu7, form.menu8})
        QVERIFY2(textEnd(item) < arrowLeft, qPrintable(item->text()));
    for (QLabel* item : {form.menu2, form.menu110, form.menu9})
        QVERIFY2(textEnd(item) <= form.mainbevel->width(), qPrintable(item->text()));
    for (QLabel* item : {form.newmenu1, form.newmenu2})
        QVERIFY2(textEnd(item) <= form.newbevel->width(), qPrintable(item->text()));
    for (int i = 0; i < HotkeyCount; ++i)
        QVERIFY2(textEnd(form.keysmenu[i]) < form.keysmenuKeys[i]->x(), qPrintable(form.keysmenu[i]->text()));
    QVERIFY(textEnd(form.aboutmenu1) < form.aboutmenu1_1->x());
    QVERIFY(textEnd(form.aboutmenu2) < form.aboutmenu2_2->x() + form.aboutmenu2_2->width() -
                                           textWidth(form.aboutmenu2_2, "9999"));
    QVERIFY(textEnd(form.aboutmenu3) <= form.aboutbevel->width());
    QVERIFY(textEnd(form.skinsmenu2) <= form.skinsbevel->width());
    QVERIFY(textWidth(form.GroupBox1, form.GroupBox1->title()) < form.GroupBox1->width());
    for (QLabel* item : {form.languagemenu1, form.languagemenu2})
        QVERIFY2(textEnd(item) <= form.languagebevel->width(), qPrintable(item->text()));
}

void TextsFit::keyNames()
{
    TForm1 form({1024, 768}, gameFolder());
    const QLabel* box = form.keysmenuKeys[0];
    for (int code = 0; code < 256; ++code) {
        for (const auto& name : {plainKeyName(std::uint8_t(code)), modifierKeyName(std::uint8_t(code))})
            if (name)
                QVERIFY2(textWidth(box, QString::fromStdString(*name)) <= box->width(), name->c_str());
    }
}

void TextsFit::messages()
{
    TForm1 form({1024, 768}, gameFolder());
    const QLabel* label = form.MessagePanel->messageLabel;
    for (const MessageText& text : everyMessage()) {
        for (const std::string& shown : {text.english, text.russian})
            QVERIFY2(textWidth(label, QString::fromStdString(shown)) <= label->width(), shown.c_str());
    }
}

void TextsFit::statusBarAndSkinsMenu()
{
    TForm1 form({1024, 768}, gameFolder());
    const QLabel* level = form.TopPanel->levellabel;
    const MessageText caption = message::levelCaption(9999);
    for (const std::string& shown : {caption.english, caption.russian})
        QVERIFY(textWidth(level, QString::fromStdString(shown)) <= level->width());
    for (const QLabel* counter : {form.TopPanel->PlayerLabel, form.TopPanel->BombLabel})
        QVERIFY(textWidth(counter, QString::number(CounterLimit)) <= counter->width());

    const MessageText entry = message::defaultSkinEntry();
    const int room = form.skinsmenu1->viewport()->width();
    for (const std::string& shown : {entry.english, entry.russian})
        QVERIFY(textWidth(form.skinsmenu1, QString::fromStdString(shown)) <= room);
    const MessageText unreadable = message::skinUnreadable();
    for (const std::string& shown : {unreadable.english, unreadable.russian})
        QVERIFY(textWidth(form.skinerror, QString::fromStdString(shown)) <= form.skinsbevel->width());
}

KERNMINE_WINDOW_TEST_MAIN(TextsFit)
#include "texts_fit.moc"
