// The window's widgets and timers as a tester finds them: by their names, as
// the window names them, never through the window's members.
#pragma once

#include <QLabel>
#include <QObject>
#include <QString>

template <class T = QWidget>
T* named(const QObject& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("nothing named %s", qPrintable(name));
    return found;
}

// The line of a binding in the Controls panel, and the key name beside it.
inline QLabel* actionLabel(const QObject& window, int binding)
{
    return named<QLabel>(window, QString("keysmenu%1").arg(binding + 1));
}
inline QLabel* keyNameLabel(const QObject& window, int binding)
{
    return named<QLabel>(window, QString("keysmenu%1_%1").arg(binding + 1));
}
