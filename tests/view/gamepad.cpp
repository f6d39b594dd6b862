// The game played with a gamepad alone: SDL's virtual pad, attached in the
// process, walks the menus, wins a built-in level by its tape and is
// unplugged in play. The pads are polled by calling the poll, as the window's
// timer does; the world ticks are driven by hand.
#include "shownform.h"
#include "named.h"
#include "replay.h"
#include "tform1.h"

#include <SDL.h>

#include <QtTest>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

// One pad of the usual shape, plugged in for as long as it lives.
class VirtualPad {
public:
    VirtualPad()
    {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = SDL_JoystickOpen(index_);
        if (!joystick_)
            qFatal("no virtual pad: %s", SDL_GetError());
    }
    ~VirtualPad() { unplug(); }

    void set(SDL_GameControllerButton button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down); }
    void unplug()
    {
        if (!joystick_)
            return;
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        SDL_JoystickDetachVirtual(index_);
    }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

// The buttons pressed together, then let go, each with a poll after it.
void press(TForm1& form, VirtualPad& pad, const std::vector<SDL_GameControllerButton>& buttons)
{
    for (const bool down : {true, false}) {
        for (const auto button : buttons)
            pad.set(button, down);
        form.pads.poll(PadPollMilliseconds);
    }
}

void click(TForm1& form, VirtualPad& pad, SDL_GameControllerButton button)
{
    press(form, pad, {button});
}

// The pad taken up; A through the title, the pad's name, New game and the
// internal levels.
void startPlaying(TForm1& form, VirtualPad& pad)
{
    form.pads.poll(PadPollMilliseconds);
    for (int i = 0; i < 4; ++i)
        click(form, pad, SDL_CONTROLLER_BUTTON_A);
}

// One token of a tape on the pad before a tick: A held for a bomb, B for
// eating, the d-pad for the direction, Y for self-destruction.
std::vector<SDL_GameControllerButton> buttonsOf(const TapeKey& key)
{
    if (key.kind == TapeKey::SelfDestruct)
        return {SDL_CONTROLLER_BUTTON_Y};
    if (key.kind != TapeKey::Move)
        return {};
    std::vector<SDL_GameControllerButton> held;
    if (key.bomb)
        held.push_back(SDL_CONTROLLER_BUTTON_A);
    if (key.eat)
        held.push_back(SDL_CONTROLLER_BUTTON_B);
    const Direction d = key.direction;
    held.push_back(d == Up     ? SDL_CONTROLLER_BUTTON_DPAD_UP
                   : d == Down ? SDL_CONTROLLER_BUTTON_DPAD_DOWN
                   : d == Left ? SDL_CONTROLLER_BUTTON_DPAD_LEFT
                               : SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    return held;
}

std::vector<TapeStep> tape(int level)
{
    std::ifstream file(KERNMINE_TAPES "/level" + std::to_string(level) + ".tape");
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    const auto steps = parseTape(text.str(), error);
    if (!steps)
        qFatal("tape %d: %s", level, error.c_str());
    return *steps;
}

QString shownMessage(const TForm1& form)
{
    return named<QLabel>(form, "messageLabel")->text();
}

}  // namespace

class Gamepad : public QObject {
    Q_OBJECT

private slots:
    void menusWalkedWithThePad();
    void levelWonThroughThePad();
    void unpluggedInPlayPauses();
};

// From the title through every panel of the main menu and back, then into
// play: the d-pad moves and opens, A performs, B goes back.
void Gamepad::menusWalkedWithThePad()
{
    auto form = shownForm();
    VirtualPad pad;
    form->pads.poll(PadPollMilliseconds);  // taken up
    click(*form, pad, SDL_CONTROLLER_BUTTON_A);
    // Named once the menus stand, over them, and closed as Enter closes it.
    QCOMPARE(form->session().game.gamestate, MenuMessage);
    QCOMPARE(shownMessage(*form), QString("Gamepad connected: Test pad"));
    click(*form, pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    QCOMPARE(form->session().menus.menuitem, item::NewGame);
    click(*form, pad, SDL_CONTROLLER_BUTTON_A);
    QCOMPARE(form->session().game.gamestate, Menu);
    QVERIFY(!named<MessageDisplay>(*form, "MessagePanel")->isVisible());

    QList<int> opened;
    for (int line = 0; line < 10; ++line) {
        const int mainItem = form->session().menus.menuitem;
        click(*form, pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        if (form->session().menus.menuitem != mainItem) {
            opened << form->session().menus.menuitem;
            click(*form, pad, SDL_CONTROLLER_BUTTON_B);
            QCOMPARE(form->session().menus.menuitem, mainItem);
        }
        click(*form, pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    }
    for (const int first : {item::InternalLevels, item::FirstAction, item::LevelsSite, item::SkinsList})
        QVERIFY2(opened.contains(first), qPrintable(QString::number(first)));

    while (form->session().menus.menuitem != item::NewGame)
        click(*form, pad, SDL_CONTROLLER_BUTTON_DPAD_UP);
    click(*form, pad, SDL_CONTROLLER_BUTTON_A);
    QCOMPARE(form->session().menus.menuitem, item::InternalLevels);
    click(*form, pad, SDL_CONTROLLER_BUTTON_A);
    QCOMPARE(form->session().game.gamestate, Playing);
    QCOMPARE(form->session().game.level, 1);
}

// Level 17's tape, a token a tick on the pad: it digs, eats from the side
// with B held and drops bombs with A held. A goes on to the next level.
void Gamepad::levelWonThroughThePad()
{
    auto form = shownForm();
    VirtualPad pad;
    startPlaying(*form, pad);
    Game& game = form->session().game;
    game.counters.bombs = 0;  // as the tapes are proven
    game.startlevel(17);
    QCOMPARE(game.gamestate, Playing);

    for (const TapeStep& step : tape(17))
        for (long i = 0; i < step.times && game.worldTimer; ++i) {
            press(*form, pad, buttonsOf(step.key));
            if (game.worldTimer)
                form->Timer1Timer();
        }
    QCOMPARE(game.gamestate, LevelEnd);
    QCOMPARE(shownMessage(*form), QString("You have passed level 17 !!!"));
    click(*form, pad, SDL_CONTROLLER_BUTTON_A);
    QCOMPARE(game.gamestate, Playing);
    QCOMPARE(game.level, 18);
}

// The pad going away pauses play, as Start would; the keyboard plays on.
void Gamepad::unpluggedInPlayPauses()
{
    auto form = shownForm();
    auto pad = std::make_unique<VirtualPad>();
    startPlaying(*form, *pad);
    QCOMPARE(form->session().game.gamestate, Playing);
    pad->set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    form->pads.poll(PadPollMilliseconds);
    pad->unplug();
    form->pads.poll(PadPollMilliseconds);
    QCOMPARE(form->session().game.gamestate, Paused);
    QCOMPARE(shownMessage(*form), QString("P A U S E"));
    QVERIFY(!named<QTimer>(*form, "Timer1")->isActive());

    QTest::keyClick(form->windowHandle(), Qt::Key_Pause);
    QCOMPARE(form->session().game.gamestate, Playing);
    form->Timer1Timer();
    const int column = form->session().game.playerx;
    form->pads.poll(2 * PadRepeatDelayMilliseconds);
    QCOMPARE(form->session().game.playerx, column);  // the right the pad held is let go

    // Plugged in again it is taken up, and not named a second time.
    VirtualPad again;
    form->pads.poll(PadPollMilliseconds);
    click(*form, again, SDL_CONTROLLER_BUTTON_START);
    QCOMPARE(form->session().game.gamestate, Paused);
    QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
    form->pads.poll(PadPollMilliseconds);
    QCOMPARE(form->session().game.gamestate, MenuInGame);
}

KERNMINE_WINDOW_TEST_MAIN(Gamepad)
#include "gamepad.moc"
