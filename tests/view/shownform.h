// The window on a screen of 1024 x 768, shown and exposed, as a player first sees it.
#pragma once

#include "gamefolder.h"
#include "tform1.h"

#include <QtTest>

#include <memory>

inline std::unique_ptr<TForm1> shownForm(const QString& folder = gameFolder())
{
    auto form = std::make_unique<TForm1>(QSize(1024, 768), folder);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qFatal("the window was not shown");
    return form;
}
