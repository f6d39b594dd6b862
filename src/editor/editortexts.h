// Every text of the level editor, in English and Russian, in one table.
#pragma once

#include "messages.h"

#include <string>

namespace editortext {
MessageText windowTitle();
// The window's title for level n; Qt marks the unsaved level at "[*]".
MessageText titleOf(int n);
MessageText levelsHeading();
MessageText addLevel();
MessageText duplicateLevel();
MessageText deleteLevel();
MessageText deleteQuestion(int n, bool withTape);
MessageText moveUp();
MessageText moveDown();
MessageText openPicture();
MessageText copyBuiltin();
MessageText builtinLevel(int n);
MessageText listedLevel(int n);
MessageText newLevel(int n);  // a level not yet saved into the folder
MessageText proven();
MessageText unproven();
MessageText broken();
MessageText missing();
MessageText damaged();
MessageText checking();

MessageText pencil();
MessageText line();
MessageText rectangle();
MessageText filledRectangle();
MessageText fill();
MessageText grid();
MessageText save();
MessageText undo();
MessageText redo();
MessageText playTest();

MessageText problemsHeading();
MessageText noProblems();
MessageText countsHeading();
MessageText plainEarth(int percent);
MessageText provenByPlay();
MessageText notProven();
MessageText underPointer(int x, int y, const MessageText& kind);

MessageText saveAnyway(const std::string& problems);
MessageText cannotSave(const std::string& path);
MessageText cannotSaveNew(const std::string& path);  // no file was there before
MessageText numberTaken(const std::string& path, int renumbered);
MessageText saved(const std::string& path);
MessageText tapeNotSaved(const std::string& path, const std::string& tape);
MessageText oldTapeLeft(const std::string& path, const std::string& tape);
MessageText noLevelsFolder(const std::string& folder);
MessageText emptyFolderArgument();
MessageText unreadablePicture(const std::string& path, const MessageText& cause);
MessageText noPlayerToPlay();
MessageText broughtBack(int n);
MessageText openCorner(const MessageText& size);
MessageText openCornerButton();
MessageText discardChanges();
MessageText pictureFilter();
MessageText discard();
MessageText cancel();
MessageText ok();
MessageText lookIn();
MessageText fileName();
MessageText fileType();
MessageText open();

// The menu bar: its menus, and the actions that have no button of their own.
MessageText fileMenu();
MessageText editMenu();
MessageText viewMenu();
MessageText levelMenu();
MessageText helpMenu();
MessageText quit();
MessageText zoomIn();
MessageText zoomOut();
MessageText fitToWindow();
MessageText guide();
MessageText missingGuide(const std::string& path);
MessageText unreadableBuiltin(int n);

MessageText recoverQuestion(int n);
MessageText bringBack();

// "Find a win": the solver's search and what it found.
MessageText findWin();
MessageText searching(long states, int diamondsLeft, int creaturesLeft, int secondsLeft);
MessageText winFound(std::size_t ticks);
MessageText noWinExists();
MessageText winNotFound(long states, int seconds, bool outOfMemory);
MessageText searchStoppedByEdit();
MessageText searchCancelled();
MessageText provenBySolver();
MessageText wonButNotReplayed();
}  // namespace editortext
