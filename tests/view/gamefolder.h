// The folder the window under test keeps its levels, skins and saved games in:
// a temporary one, never the build tree or the player's installation.
#pragma once

#include <QString>
#include <QTemporaryDir>

inline QString gameFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}
