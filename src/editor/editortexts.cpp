#include "editortexts.h"

namespace editortext {
namespace {
std::string number(int n)
{
    return std::to_string(n);
}
}  // namespace

MessageText windowTitle() { return {"Kernmine level editor", "Редактор уровней Kernmine"}; }
MessageText titleOf(int n)
{
    return {"Level " + number(n) + "[*] — Kernmine level editor", "Уровень " + number(n) + "[*] — Редактор уровней Kernmine"};
}
MessageText levelsHeading() { return {"Levels", "Уровни"}; }
MessageText addLevel() { return {"New", "Новый"}; }
MessageText duplicateLevel() { return {"Duplicate", "Копия"}; }
MessageText deleteLevel() { return {"Delete", "Удалить"}; }
MessageText deleteQuestion(int n, bool withTape)
{
    return {"Delete level " + number(n) + (withTape ? " and its tape" : "") + "? The levels after it move up.",
            "Удалить уровень " + number(n) + (withTape ? " и его запись" : "") + "? Следующие уровни сдвинутся вверх."};
}
MessageText moveUp() { return {"Up", "Выше"}; }
MessageText moveDown() { return {"Down", "Ниже"}; }
MessageText openPicture() { return {"Open picture…", "Открыть картинку…"}; }
MessageText copyBuiltin() { return {"Copy built-in", "Копия встроенного"}; }
MessageText builtinLevel(int n) { return {"built-in level " + number(n), "встроенный уровень " + number(n)}; }
MessageText listedLevel(int n) { return {"Level " + number(n), "Уровень " + number(n)}; }
MessageText newLevel(int n) { return {"Level " + number(n) + ", not saved", "Уровень " + number(n) + ", не сохранён"}; }
MessageText proven() { return {"proven", "доказан"}; }
MessageText unproven() { return {"unproven", "не доказан"}; }
MessageText broken() { return {"broken", "с ошибками"}; }
MessageText missing() { return {"file missing", "файла нет"}; }
MessageText damaged() { return {"damaged", "повреждён"}; }
MessageText checking() { return {"checking…", "проверяется…"}; }

MessageText pencil() { return {"Pencil", "Карандаш"}; }
MessageText line() { return {"Line", "Линия"}; }
MessageText rectangle() { return {"Rectangle", "Рамка"}; }
MessageText filledRectangle() { return {"Filled rectangle", "Прямоугольник"}; }
MessageText fill() { return {"Fill", "Заливка"}; }
MessageText grid() { return {"Grid", "Сетка"}; }
MessageText save() { return {"Save", "Сохранить"}; }
MessageText undo() { return {"Undo", "Отменить"}; }
MessageText redo() { return {"Redo", "Вернуть"}; }
MessageText playTest() { return {"Play-test", "Проверка игрой"}; }

MessageText problemsHeading() { return {"Problems", "Ошибки"}; }
MessageText noProblems() { return {"No problems found", "Ошибок не найдено"}; }
MessageText countsHeading() { return {"Cells", "Клетки"}; }
MessageText plainEarth(int percent)
{
    return {"plain earth: " + number(percent) + "%", "простая земля: " + number(percent) + "%"};
}
MessageText provenByPlay() { return {"Proven: a play-test won it", "Доказан: проверка игрой пройдена"}; }
MessageText notProven() { return {"Not proven: play-test it to a win", "Не доказан: пройдите его в проверке игрой"}; }
MessageText underPointer(int x, int y, const MessageText& kind)
{
    const std::string at = "(" + number(x) + ", " + number(y) + ") ";
    return {at + kind.english, at + kind.russian};
}

MessageText saveAnyway(const std::string& problems)
{
    return {"The level has problems:\n" + problems + "\nSave it anyway?",
            "В уровне есть ошибки:\n" + problems + "\nВсё равно сохранить?"};
}
MessageText cannotSave(const std::string& path)
{
    return {"Could not save " + path + "; the file there is as it was",
            "Не удалось сохранить " + path + "; прежний файл не тронут"};
}
MessageText cannotSaveNew(const std::string& path)
{
    return {"Could not save " + path + "; no file was written", "Не удалось сохранить " + path + "; файл не записан"};
}
MessageText numberTaken(const std::string& path, int renumbered)
{
    return {path + " appeared meanwhile, from another program: it is kept, and nothing was saved. This level is now level " +
                number(renumbered),
            path + " появился тем временем, из другой программы: он сохранён как был, а этот уровень не записан. "
                   "Теперь это уровень " + number(renumbered)};
}
MessageText saved(const std::string& path) { return {"Saved " + path, "Сохранено: " + path}; }
MessageText tapeNotSaved(const std::string& path, const std::string& tape)
{
    return {"Saved " + path + ", but not its tape " + tape + ": on disk the level is unproven",
            "Сохранено: " + path + ", но не его запись " + tape + ": на диске уровень не доказан"};
}
MessageText oldTapeLeft(const std::string& path, const std::string& tape)
{
    return {"Saved " + path + ", but its old tape " + tape + " could not be deleted",
            "Сохранено: " + path + ", но старую запись " + tape + " удалить не удалось"};
}
MessageText noLevelsFolder(const std::string& folder)
{
    return {"The levels folder " + folder + " is missing", "Папки уровней " + folder + " нет"};
}
MessageText emptyFolderArgument()
{
    return {"--folder needs the name of a levels folder", "--folder: укажите папку уровней"};
}
MessageText unreadablePicture(const std::string& path, const MessageText& cause)
{
    return {"Could not read the picture " + path + ": " + cause.english,
            "Не удалось прочитать картинку " + path + ": " + cause.russian};
}
MessageText openCorner(const MessageText& size)
{
    return {"Not the board's size: " + size.english +
                ". Open what of it fits on the board, from its top-left corner? Saving the level then writes that "
                "part alone.",
            "Не тот размер: " + size.russian +
                ". Открыть ту её часть, что помещается на поле, от левого верхнего угла? Тогда при сохранении "
                "будет записана только эта часть."};
}
MessageText openCornerButton() { return {"Open the corner", "Открыть угол"}; }
MessageText broughtBack(int n)
{
    return {"A level left aside by a renumbering that was cut short is back in the list as level " + number(n),
            "Уровень, отложенный прерванной перенумерацией, снова в списке: уровень " + number(n)};
}
MessageText noPlayerToPlay()
{
    return {"Nobody to play: put a player on the board first", "Некому играть: сначала поставьте на поле игрока"};
}
MessageText discardChanges()
{
    return {"The level has changes that are not saved. Leave them?",
            "В уровне есть несохранённые изменения. Отказаться от них?"};
}
MessageText pictureFilter() { return {"Level pictures (*.bmp)", "Картинки уровней (*.bmp)"}; }
MessageText discard() { return {"Leave them", "Отказаться"}; }
MessageText cancel() { return {"Cancel", "Отмена"}; }
MessageText ok() { return {"OK", "ОК"}; }
MessageText lookIn() { return {"Look in:", "Папка:"}; }
MessageText fileName() { return {"File name:", "Имя файла:"}; }
MessageText fileType() { return {"Files of type:", "Тип файлов:"}; }
MessageText open() { return {"Open", "Открыть"}; }

MessageText fileMenu() { return {"&File", "&Файл"}; }
MessageText editMenu() { return {"&Edit", "&Правка"}; }
MessageText viewMenu() { return {"&View", "&Вид"}; }
MessageText levelMenu() { return {"&Level", "&Уровень"}; }
MessageText helpMenu() { return {"&Help", "&Справка"}; }
MessageText quit() { return {"Quit", "Выход"}; }
MessageText zoomIn() { return {"Zoom in", "Крупнее"}; }
MessageText zoomOut() { return {"Zoom out", "Мельче"}; }
MessageText fitToWindow() { return {"Fit to window", "По размеру окна"}; }
MessageText guide() { return {"The editor's guide", "Руководство по редактору"}; }
MessageText missingGuide(const std::string& path)
{
    return {"The guide " + path + " is missing", "Руководства " + path + " нет"};
}
MessageText unreadableBuiltin(int n)
{
    return {"The built-in level " + number(n) + " cannot be read", "Встроенный уровень " + number(n) + " не читается"};
}

MessageText recoverQuestion(int n)
{
    return {"The editor ended before level " + number(n) + " was saved. Bring back its unsaved changes?",
            "Редактор закрылся, не сохранив уровень " + number(n) + ". Вернуть несохранённые изменения?"};
}
MessageText bringBack() { return {"Bring back", "Вернуть"}; }
MessageText findWin() { return {"Find a win", "Найти выигрыш"}; }
MessageText searching(long states, int diamondsLeft, int creaturesLeft, int secondsLeft)
{
    return {"Searching: " + std::to_string(states) + " states; at best " + number(diamondsLeft) + " diamonds and " +
                number(creaturesLeft) + " creatures left; " + number(secondsLeft) + " s to go",
            "Поиск: " + std::to_string(states) + " состояний; в лучшем осталось алмазов " + number(diamondsLeft) +
                ", существ " + number(creaturesLeft) + "; ещё " + number(secondsLeft) + " с"};
}
MessageText winFound(std::size_t ticks)
{
    return {"The solver found a win in " + std::to_string(ticks) + " ticks: it is the level's proof",
            "Решатель нашёл выигрыш за " + std::to_string(ticks) + " тактов: это доказательство уровня"};
}
MessageText noWinExists()
{
    return {"No win exists: the solver played every state the level allows",
            "Выигрыша нет: решатель проиграл все состояния, какие допускает уровень"};
}
MessageText winNotFound(long states, int seconds, bool outOfMemory)
{
    const std::string english = outOfMemory ? "the memory set aside for it" : number(seconds) + " s";
    const std::string russian = outOfMemory ? "отведённой ему памяти" : number(seconds) + " с";
    return {"No win found within " + english + " (" + std::to_string(states) +
                " states searched). That says nothing against the level: it may still be won",
            "Выигрыш не найден в пределах " + russian + " (перебрано состояний: " + std::to_string(states) +
                "). Это ничего не говорит против уровня: его, может быть, можно пройти"};
}
MessageText searchStoppedByEdit()
{
    return {"The search for a win stopped: the board was changed", "Поиск выигрыша остановлен: поле изменилось"};
}
MessageText searchCancelled() { return {"The search for a win was cancelled", "Поиск выигрыша отменён"}; }
MessageText provenBySolver() { return {"Proven: the solver found a win", "Доказан: решатель нашёл выигрыш"}; }
MessageText wonButNotReplayed()
{
    return {"The play-test was won, but its tape does not win when replayed, so the level is not proven by it",
            "Проверка игрой пройдена, но её запись при повторе не выигрывает, поэтому уровень ею не доказан"};
}
}  // namespace editortext
