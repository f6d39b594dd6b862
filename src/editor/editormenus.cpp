// The editor window's menu bar: every action of the editor with the desktop's
// usual keys, the buttons that do the same, and the line under the board that
// each action leaves with its own report.
#include "editorwindow.h"

#include "boardview.h"
#include "editortexts.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// Where the editor's part of the guide begins.
const QString GuideSection = QStringLiteral("editor");

// The desktop's keys for an action, and the usual ones where a desktop has none.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QKeySequence& usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!keys.contains(usual))
        keys << usual;
    return keys;
}
}  // namespace

QString EditorWindow::withKeys(const QString& name, const QList<QKeySequence>& keys)
{
    QStringList shown;
    for (const QKeySequence& key : keys)
        shown << key.toString(QKeySequence::NativeText);
    return shown.isEmpty() ? name : name + " (" + shown.join(", ") + ")";
}

void EditorWindow::buildMenus(QVBoxLayout* window)
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName("menus");
    window->setMenuBar(bar);
    // The keys act on the edit page only, and the menus are gone during a
    // play-test: there every key is the game's, the level stays as it is, and
    // the play has the whole window, as in the game.
    QWidget* editPage = pages_->widget(0);
    connect(pages_, &QStackedWidget::currentChanged, bar, [this, bar] { bar->setVisible(pages_->currentIndex() == 0); });
    const auto add = [&](QMenu* menu, const MessageText& name, const QList<QKeySequence>& keys,
                         const std::function<void()>& action, QAbstractButton* button = nullptr) {
        QAction* item = menu->addAction(say(name));
        item->setShortcuts(keys);
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        editPage->addAction(item);
        connect(item, &QAction::triggered, this, [this, action] { act(action); });
        if (button != nullptr) {
            connect(button, &QAbstractButton::clicked, item, &QAction::trigger);
            button->setToolTip(withKeys(say(name), keys));
        }
        return item;
    };
    const auto leaving = [this](const std::function<void()>& action) {
        return [this, action] {
            if (mayLeaveLevel())
                action();
        };
    };

    QMenu* file = bar->addMenu(say(editortext::fileMenu()));
    add(file, editortext::addLevel(), {QKeySequence::New}, leaving([this] { newLevel(); }), addButton_);
    add(file, editortext::openPicture(), {QKeySequence::Open}, [this] { openPicture(); }, openButton_);
    add(file, editortext::copyBuiltin(), {}, [this] { copyBuiltin(); }, copyButton_);
    add(file, editortext::save(), {QKeySequence::Save}, [this] { save(); }, saveButton_);
    file->addSeparator();
    add(file, editortext::quit(), standardKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)), [this] { close(); });

    QMenu* edit = bar->addMenu(say(editortext::editMenu()));
    add(edit, editortext::undo(), {QKeySequence::Undo}, [this] {
        session_.undo();
        boardChanged();
    }, undoButton_);
    add(edit, editortext::redo(), standardKeys(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)),
        [this] {
            session_.redo();
            boardChanged();
        }, redoButton_);

    QMenu* view = bar->addMenu(say(editortext::viewMenu()));
    add(view, editortext::zoomIn(), standardKeys(QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)),
        [this] { board_->zoomIn(); });
    add(view, editortext::zoomOut(), {QKeySequence::ZoomOut}, [this] { board_->zoomOut(); });
    add(view, editortext::fitToWindow(), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { board_->fitToWindow(); });
    view->addSeparator();
    QAction* grid = add(view, editortext::grid(), {QKeySequence(Qt::CTRL | Qt::Key_G)}, [] {}, nullptr);
    grid->setCheckable(true);
    connect(grid, &QAction::toggled, grid_, &QCheckBox::setChecked);
    connect(grid_, &QCheckBox::toggled, grid, &QAction::setChecked);
    grid_->setToolTip(withKeys(say(editortext::grid()), grid->shortcuts()));

    QMenu* level = bar->addMenu(say(editortext::levelMenu()));
    add(level, editortext::playTest(), {QKeySequence(Qt::Key_F5)}, [this] { playTest(); }, playButton_);
    add(level, editortext::findWin(), {QKeySequence(Qt::Key_F6)}, [this] { findWin(); }, findWinButton_);
    level->addSeparator();
    add(level, editortext::duplicateLevel(), {}, [this] { duplicateLevel(); }, duplicateButton_);
    add(level, editortext::moveUp(), {}, [this] { moveLevel(-1); }, upButton_);
    add(level, editortext::moveDown(), {}, [this] { moveLevel(1); }, downButton_);
    add(level, editortext::deleteLevel(), {}, [this] { deleteLevel(); }, deleteButton_);

    QMenu* help = bar->addMenu(say(editortext::helpMenu()));
    add(help, editortext::guide(), {QKeySequence::HelpContents}, [this] { openGuide(); });
}

void EditorWindow::act(const std::function<void()>& action)
{
    status_->clear();
    action();
}

void EditorWindow::openGuide()
{
    QUrl page = QUrl::fromLocalFile(places_.guide);
    page.setFragment(GuideSection);
    if (!QFileInfo(places_.guide).isFile() || !QDesktopServices::openUrl(page))
        report(editortext::missingGuide(places_.guide.toStdString()));
}
