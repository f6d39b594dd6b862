// kernmine-levels solve LEVEL.bmp [--seconds N] [--lives N] [--bombs N] [--tape OUT] [--threads N] [--states N]
//
// Searches the level for a winning tape, from the given lives and bombs (those of
// a new game unless told), within N processor seconds (60 unless told) and N
// states kept (a million unless told). Writes the tape to OUT, or prints it.
#pragma once

namespace SolveExit {
constexpr int Won = 0;
constexpr int Unreadable = 1;  // the level cannot be read or the tape written
constexpr int Usage = 2;
constexpr int NoWin = 3;
constexpr int NotFound = 4;  // the budget ran out first
}  // namespace SolveExit

// The subcommand's arguments, after "solve".
int solveCommand(int argc, char** argv);
