// The level editor's window against stored pictures, held as the game's screens
// are (tests/view/snapshot.h): a small level open, and a level whose problems
// are listed, in English and in Russian, at the window's first size and in a
// font of its own, so that the pictures never depend on the desktop.
#include "../view/snapshot.h"
#include "editortexts.h"
#include "editorwindow.h"
#include "levelfolder.h"
#include "levels.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

namespace {

// The size the editor opens at, and the face of its texts.
constexpr QSize WindowSize{1280, 860};
constexpr const char* FontFamily = "DejaVu Sans";
constexpr int FontPixels = 13;

// The rows given at the top left of a board of earth, in a frame of red walls.
Picture framed(const std::vector<std::string>& inside)
{
    std::vector<std::string> rows(BoardRows, '#' + std::string(BoardColumns - 2, ':') + '#');
    rows.front() = rows.back() = std::string(BoardColumns, '#');
    for (std::size_t y = 0; y < inside.size(); ++y)
        rows[y + 1].replace(1, inside[y].size(), inside[y]);
    return pictureFromText(rows);
}

// Level 1 is a small one that can be played; level 2 has no digger, which is
// listed as its problem.
const std::vector<std::vector<std::string>> Levels = {
    {"@..:::*y", ":O::*:::", "::b:B:*o", "....+..."},
    {"......", ".%%%..", ".%*%..", ".%%%.."},
};

}  // namespace

class EditorSnapshots : public QObject {
    Q_OBJECT

private slots:
    void window_data();
    void window();
};

void EditorSnapshots::window_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("english");
    for (const auto& [level, name] : {std::pair{1, "editor-level"}, {2, "editor-problems"}})
        for (bool english : {true, false})
            QTest::newRow(qPrintable(QString("%1-%2").arg(name, english ? "en" : "ru"))) << level << english;
}

void EditorSnapshots::window()
{
    QFETCH(int, level);
    QFETCH(bool, english);
    QTemporaryDir folder;
    for (int n = 1; n <= int(Levels.size()); ++n)
        saveLevel(folder.path().toStdString(), n, LevelBoard::fromPicture(framed(Levels[n - 1])), {});
    EditorWindow editor(folder.path().toStdString(), english, std::string(BuiltInSkin), DefaultHotkeys);
    editor.resize(WindowSize);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.openLevel(level);
    // The list shows each level's state once the folder's check, off this thread, is done.
    const QString checking = QString::fromStdString(editortext::checking().in(english));
    auto* list = editor.findChild<QListWidget*>("levels");
    QVERIFY(QTest::qWaitFor([&] { return list->findItems(checking, Qt::MatchContains).isEmpty(); }));
    QVERIFY(snapshot::matches(editor.grab().toImage(), QTest::currentDataTag()));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFont font(FontFamily);
    font.setPixelSize(FontPixels);
    QApplication::setFont(font);
    EditorSnapshots test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_snapshots.moc"
