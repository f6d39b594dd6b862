#include "gamepads.h"

#include "widgets.h"

#include <SDL.h>

#include <cstdio>

namespace {

std::optional<PadButton> padButton(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
        return PadButton::B;
    case SDL_CONTROLLER_BUTTON_Y:
        return PadButton::Y;
    case SDL_CONTROLLER_BUTTON_BACK:
        return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_START:
        return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return PadButton::Right;
    default:
        return std::nullopt;
    }
}

}  // namespace

// The pads' events come without an SDL window, and the game's own handlers of
// SIGINT and SIGTERM stay in place (SDL would turn them into a quit event).
Gamepads::Gamepads(const Game& game, const Hotkeys& keys, GamepadHost& host)
    : game_(game), host_(host), keys_(game, keys, host)
{
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "kernmine: no gamepads: %s\n", SDL_GetError());
        return;
    }
    started_ = true;
    timer_.setInterval(PadPollMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(PadPollMilliseconds); });
    timer_.start();
}

Gamepads::~Gamepads()
{
    if (!started_)
        return;
    for (const auto& [pad, controller] : open_)
        SDL_GameControllerClose(controller);
    SDL_Quit();
}

void Gamepads::poll(int milliseconds)
{
    if (!started_)
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event))
        handle(event);
    keys_.poll(milliseconds);
    const bool menusWithoutMessage = game_.gamestate == Menu || game_.gamestate == MenuInGame;
    if (const auto name = announcer_.due(menusWithoutMessage))
        host_.padConnected(*name);
}

void Gamepads::pollOnTheirOwn(bool on)
{
    if (started_)
        runTimer(&timer_, on);
}

void Gamepads::handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (const auto button = padButton(event.cbutton.button))
            keys_.button(*button, event.cbutton.state == SDL_PRESSED);
        break;
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
            keys_.stick(event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX, event.caxis.value);
        break;
    default:
        break;
    }
}

void Gamepads::open(int deviceIndex)
{
    if (open_.count(SDL_JoystickGetDeviceInstanceID(deviceIndex)))
        return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller)
        return;
    SDL_Joystick* joystick = SDL_GameControllerGetJoystick(controller);
    open_[SDL_JoystickInstanceID(joystick)] = controller;
    char guid[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick), guid, sizeof guid);
    const char* name = SDL_GameControllerName(controller);
    announcer_.connected(guid, name ? name : "");
}

// Whatever the pad held is let go with it.
void Gamepads::close(SDL_JoystickID pad)
{
    const auto found = open_.find(pad);
    if (found == open_.end())
        return;
    SDL_GameControllerClose(found->second);
    open_.erase(found);
    keys_.letGo();
    host_.padLost();
}
