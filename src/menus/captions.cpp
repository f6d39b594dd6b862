#include "captions.h"

#include <iterator>

const Caption Captions[] = {
    {"menu1", "New game", "Новая игра"},
    {"menu2", "Back to game", "Продолжить игру"},
    {"menu110", "Terminate current game", "Завершить текущую игру"},
    {"menu3", "Load game", "Загрузить игру"},
    {"menu4", "Save game", "Сохранить игру"},
    {"menu5", "Controls", "Управление"},
    {"menu6", "Levels info", "Информация по уровням"},
    {"menu7", "Skins", "Скины"},
    {"menu8", "Language", "Язык"},
    {"menu9", "Exit", "Выход"},
    {"newmenu1", "Start with internal levels", "Начать с внутренними уровнями"},
    {"newmenu2", "Start with external levels", "Начать с внешними уровнями"},
    {"keysmenu1", "Move up", "Двигаться вверх"},
    {"keysmenu2", "Move down", "Двигаться вниз"},
    {"keysmenu3", "Move left", "Двигаться влево"},
    {"keysmenu4", "Move right", "Двигаться вправо"},
    {"keysmenu5", "Drop bomb", "Бросить бомбу"},
    {"keysmenu6", "Eat cell", "Съесть ячейку"},
    {"keysmenu7", "Pause", "Пауза"},
    {"keysmenu8", "Self-destruction", "Самоуничтожение"},
    {"keysmenu9", "Load game", "Загрузить игру"},
    {"keysmenu10", "Save game", "Сохранить игру"},
    {"keysmenu11", "Main menu", "Главное меню"},
    {"keysmenu12", "Quick exit", "Быстрый выход"},
    {"aboutmenu1", "Internal levels", "Внутренние уровни"},
    {"aboutmenu2", "External levels", "Внешние уровни"},
    {"aboutmenu3", "Visit Web-site for new levels", "Скачать новые уровни с Интернета"},
    {"skinsmenu2", "Visit Web-site for new skins", "Скачать новые скины с Интернета"},
    {"GroupBox1", "preview", "предварительный просмотр"},
    {"languagemenu1", "English", "Английский язык"},
    {"languagemenu2", "Russian", "Русский язык"},
};
const int CaptionCount = static_cast<int>(std::size(Captions));
