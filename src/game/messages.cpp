#include "messages.h"

#include <algorithm>
#include <vector>

namespace message {
namespace {
MessageText around(const char* en1, const std::string& value, const char* en2, const char* ru1,
                   const char* ru2)
{
    return {en1 + value + en2, ru1 + value + ru2};
}

// At most FileNameLetters letters of UTF-8, the ellipsis among them.
std::string shortened(const std::string& name)
{
    std::vector<std::size_t> letterStarts;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((static_cast<unsigned char>(name[i]) & 0xc0) != 0x80)
            letterStarts.push_back(i);
    if (letterStarts.size() <= FileNameLetters)
        return name;
    const std::size_t head = (FileNameLetters - 1) / 2;
    const std::size_t tail = FileNameLetters - 1 - head;
    return name.substr(0, letterStarts[head]) + "\u2026" + name.substr(letterStarts[letterStarts.size() - tail]);
}

MessageText aroundName(const char* en1, const std::string& file, const char* en2, const char* ru1,
                       const char* ru2)
{
    return around(en1, shortened(file), en2, ru1, ru2);
}
}  // namespace

MessageText allLevelsPassed()
{
    return {"Congratulations! You have passed all levels", "Поздравляю! Вы прошли все уровни"};
}
MessageText externalLevelCorrupt(int level)
{
    return around("The external level ", std::to_string(level), " is corrupt", "Внешний уровень ",
                  " поврежден");
}
MessageText levelPassed(int level)
{
    return around("You have passed level ", std::to_string(level), " !!!", "Вы прошли уровень ",
                  " !!!");
}
MessageText diamondFell() { return {"The diamond has been fell on you", "На вас упал алмаз"}; }
MessageText stoneFell() { return {"The stone has been fell on you", "На вас упал камень"}; }
MessageText caughtByEnemy() { return {"You have been caught by an enemy", "Вас поймал враг"}; }
MessageText encounteredEnemy() { return {"You have encountered an enemy", "Вы натолкнулись на врага"}; }
MessageText diamondDestroyed()
{
    return {"The diamond has been destroyed by an explosive wave", "Алмаз был уничтожен взрывной волной"};
}
MessageText blownUp()
{
    return {"You have been losted from an explosive wave", "Вы погибли от взрывной волны"};
}
MessageText pause() { return {"P A U S E", "П А У З А"}; }
MessageText saving() { return {"S A V I N G ...", "С О Х Р А Н Е Н И Е ..."}; }
MessageText loading() { return {"L O A D I N G ...", "З А Г Р У З К А ..."}; }
MessageText levelCaption(int level)
{
    return around("Level ", std::to_string(level), "", "Уровень ", "");
}
MessageText defaultSkinLoaded() { return {"The default skin has been loaded", "Скин по умолчанию загружен"}; }
MessageText defaultSkinEntry() { return {"<default skin>", "<скин по умолчанию>"}; }
MessageText skinLoaded(const std::string& skinFile)
{
    return aroundName("The skin ", skinFile, " has been loaded", "Скин ", " загружен");
}
MessageText skinCorrupt(const std::string& skinFile)
{
    return aroundName("The skin ", skinFile, " is corrupt", "Скин ", " поврежден");
}
MessageText skinUnreadable()
{
    return {"This file is not a readable picture", "Этот файл не читается как картинка"};
}
MessageText cannotLoadGame(const std::string& file)
{
    return aroundName("Can not load the game ", file, "", "Не удается загрузить игру ", "");
}
MessageText cannotSaveGame(const std::string& file)
{
    return aroundName("Can not save the game ", file, "", "Не удается сохранить игру ", "");
}
MessageText saveFolderIsLink()
{
    return {"The save folder is a link to another place", "Папка save ведет в другое место"};
}
MessageText gameDeleted(const std::string& file)
{
    return aroundName("The game ", file, " has been deleted", "Игра ", " удалена");
}
MessageText cannotDeleteGame(const std::string& file)
{
    return aroundName("Can not delete the game ", file, "", "Не удается удалить игру ", "");
}
MessageText cannotOpenPage(const std::string& page)
{
    return around("Can not open the page ", page, "", "Не удается открыть страницу ", "");
}
MessageText settingsNotSaved()
{
    return {"The settings can not be saved", "Настройки не удается сохранить"};
}
MessageText folderNotMade(const std::string& folder)
{
    return aroundName("The folder ", folder, " can not be made", "Не удается создать папку ", "");
}
MessageText stopsNotHeard()
{
    return {"A stop from outside will lose the settings", "Остановка извне не сохранит настройки"};
}
// Pads name themselves, some at length ("... Wireless Controller"): the name is
// cut where the message panel ends, never inside a letter of UTF-8.
MessageText padConnected(const std::string& pad)
{
    std::size_t length = std::min(pad.size(), PadNameLength);
    while (length < pad.size() && (static_cast<unsigned char>(pad[length]) & 0xc0) == 0x80)
        --length;
    return around("Gamepad connected: ", pad.substr(0, length), "", "Геймпад подключен: ", "");
}
}  // namespace message
