// Keys: Qt's keys as the game's key codes, and what a key does in each state,
// sent as real key events to the window.
#include "keycodes.h"
#include "shownform.h"
#include "tform1.h"
#include "named.h"

#include <QtTest>

#include <memory>

namespace {

void press(TForm1& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(form.windowHandle(), key, modifiers);
}

// Skips the title and starts the built-in levels, then empties the board
// inside its wall ring but for the player at (5, 5), so that nothing in the
// world moves on its own.
std::unique_ptr<TForm1> playing()
{
    auto form = shownForm();
    press(*form, Qt::Key_Return);  // the title
    press(*form, Qt::Key_Return);  // New game
    press(*form, Qt::Key_Return);  // Start with internal levels
    Game& game = form->session().game;
    for (int x = 1; x < BoardColumns - 1; ++x)
        for (int y = 1; y < BoardRows - 1; ++y)
            game.board.cells.set(x, y, Empty);
    game.board.cells.set(5, 5, Player);
    game.playerx = 5;
    game.playery = 5;
    return form;
}

}  // namespace

class KeyPlay : public QObject {
    Q_OBJECT

private slots:
    void modifierFlags();

    void enterStartsTheBuiltinLevels();
    void bombAndEatModifiers();
    void pauseAndResume();
    void keyActsOnceWhileAWidgetHasFocus();
    void labelsFollowTheCountersAfterATick();
};

void KeyPlay::modifierFlags()
{
    const KeyModifiers shift{true, false, false}, ctrl{false, true, false}, alt{false, false, true};
    QVERIFY(modifierHeld(16, shift));
    QVERIFY(!modifierHeld(16, ctrl));
    QVERIFY(modifierHeld(18, alt));
    QVERIFY(!modifierHeld(65, {true, true, true}));

    const KeyModifiers held = heldModifiers(Qt::ShiftModifier | Qt::AltModifier);
    QVERIFY(held.shift && !held.ctrl && held.alt);
}

void KeyPlay::enterStartsTheBuiltinLevels()
{
    auto form = shownForm();
    press(*form, Qt::Key_Return);
    press(*form, Qt::Key_Return);
    QCOMPARE(form->session().game.gamestate, Menu);
    QVERIFY(named<QFrame>(*form, "newbevel")->isVisible());
    press(*form, Qt::Key_Return);

    const Game& game = form->session().game;
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.level, 1);
    QCOMPARE(game.internal, true);
    QVERIFY(named<QTimer>(*form, "Timer1")->isActive());
    QVERIFY(named<StatusBar>(*form, "TopPanel")->isVisible());
    QVERIFY(named<FieldWidget>(*form, "gamefield")->isVisible());
    QVERIFY(!named<QFrame>(*form, "mainbevel")->isVisible());
    QVERIFY(!named<QLabel>(*form, "paper")->isVisible());
    QCOMPARE(named<QLabel>(*form, "PlayerLabel")->text(), QString("3"));
    QCOMPARE(named<QLabel>(*form, "BombLabel")->text(), QString("5"));
    QCOMPARE(named<QLabel>(*form, "levellabel")->text(), QString("Level 1"));
    QVERIFY(game.counters.diamonds > 0);
    QCOMPARE(named<QLabel>(*form, "DiamondLabel")->text(), QString::number(game.counters.diamonds));
    QCOMPARE(named<QLabel>(*form, "YellowLabel")->text(), QString::number(game.counters.yellow));
    QCOMPARE(named<QLabel>(*form, "OliveLabel")->text(), QString::number(game.counters.olive));
    QCOMPARE(named<FieldWidget>(*form, "gamefield")->pos(), QPoint(game.field.left, game.field.top));
}

void KeyPlay::bombAndEatModifiers()
{
    auto form = playing();
    Game& game = form->session().game;

    press(*form, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(game.board.cells(6, 5), Bomb);
    QCOMPARE(game.playerx, 5);
    QCOMPARE(game.counters.bombs, 4);
    QCOMPARE(named<QLabel>(*form, "BombLabel")->text(), QString("4"));

    form->Timer1Timer();
    game.board.cells.set(4, 5, Earth);
    press(*form, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(game.board.cells(4, 5), Empty);
    QCOMPARE(game.playerx, 5);
}

void KeyPlay::pauseAndResume()
{
    auto form = playing();
    Game& game = form->session().game;

    press(*form, Qt::Key_Pause);
    QCOMPARE(game.gamestate, Paused);
    QVERIFY(!named<QTimer>(*form, "Timer1")->isActive());
    QVERIFY(named<QTimer>(*form, "Timer2")->isActive());
    QVERIFY(named<MessageDisplay>(*form, "MessagePanel")->isVisible());
    QCOMPARE(named<QLabel>(*form, "messageLabel")->text(), QString("P A U S E"));

    press(*form, Qt::Key_Right);
    QCOMPARE(game.playerx, 5);

    press(*form, Qt::Key_Pause);
    QCOMPARE(game.gamestate, Playing);
    QVERIFY(named<QTimer>(*form, "Timer1")->isActive());
    QVERIFY(!named<QTimer>(*form, "Timer2")->isActive());
    QVERIFY(!named<MessageDisplay>(*form, "MessagePanel")->isVisible());
    // The key that resumed play did not also act as a play key.
    QCOMPARE(game.player_moved, false);
}

void KeyPlay::keyActsOnceWhileAWidgetHasFocus()
{
    auto form = playing();
    named<QFrame>(*form, "savebevel")->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    named<QLineEdit>(*form, "savemenu1")->setFocus();
    QCOMPARE(QApplication::focusWidget(), named<QLineEdit>(*form, "savemenu1"));

    // The edit box ignores Pause, so Qt offers the press again to its panel and
    // the window; acting on each offer would pause and resume at once.
    press(*form, Qt::Key_Pause);
    QCOMPARE(form->session().game.gamestate, Paused);
    press(*form, Qt::Key_X);
    QCOMPARE(named<QLineEdit>(*form, "savemenu1")->text(), QString("x"));
}

void KeyPlay::labelsFollowTheCountersAfterATick()
{
    auto form = playing();
    form->session().game.counters = {7, 8, 9, 3, 4};  // a different value for each label
    form->Timer1Timer();
    QStringList shown;
    for (const char* label : {"PlayerLabel", "BombLabel", "DiamondLabel", "YellowLabel", "OliveLabel"})
        shown << named<QLabel>(*form, label)->text();
    QCOMPARE(shown, (QStringList{"7", "8", "9", "3", "4"}));
}

KERNMINE_WINDOW_TEST_MAIN(KeyPlay)
#include "key_play.moc"
