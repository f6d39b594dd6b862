// The editor window when its author leaves it: closed, quit or logged out, a
// level with unsaved changes is left only when the author says so; killed, it
// leaves its recovery copy, which the next start offers to bring back.
#include "editorwindow.h"

#include "editortexts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSessionManager>

void EditorWindow::closeEvent(QCloseEvent* event)
{
    if (!mayLeaveLevel()) {
        event->ignore();
        return;
    }
    recovery_.drop();
    event->accept();
}

// A session that ends asks as the close button does, when it lets the editor
// ask; when it does not, the recovery copy keeps the changes for the next start.
void EditorWindow::answerSession()
{
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!session.allowsInteraction())
            return;
        if (mayLeaveLevel())
            recovery_.drop();
        else
            session.cancel();
        session.release();
    });
}

void EditorWindow::showState()
{
    setWindowTitle(say(editortext::titleOf(number_)));
    setWindowModified(session_.modified());
    if (unanswered_)
        return;
    if (session_.modified())
        recovery_.keep({folder_, number_, session_.board()});
    else
        recovery_.drop();
}

// The level comes back as it was left: its saved board, or a new one, with the
// unsaved changes as one step that Undo takes back.
void EditorWindow::offerRecovery()
{
    const RecoveredLevel level = *unanswered_;
    const bool bringBack = confirmSafe(editortext::recoverQuestion(level.number), editortext::bringBack(),
                                       editortext::discard());
    unanswered_.reset();
    if (!bringBack) {
        recovery_.drop();
        return;
    }
    if (level.number <= levelCount(folder_))
        openLevel(level.number);
    else
        newLevel();
    session_.beginStroke();
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardColumns; ++x)
            session_.paint({{x, y}}, level.board.at({x, y}));
    session_.endStroke();
    boardChanged();
}

bool EditorWindow::confirmSafe(const MessageText& question, const MessageText& yes, const MessageText& no)
{
    QMessageBox box(QMessageBox::Question, say(editortext::windowTitle()), say(question), QMessageBox::NoButton, this);
    QPushButton* accept = box.addButton(say(yes), QMessageBox::AcceptRole);
    box.addButton(say(no), QMessageBox::DestructiveRole);
    box.setDefaultButton(accept);
    // A box closed without an answer loses nothing either.
    box.setEscapeButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}
