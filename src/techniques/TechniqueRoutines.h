#pragma once
// The search routines, one per technique or pair of techniques. Each finds the first instance of
// its pattern in its fixed scanning order, applies it to the board, describes it in the step and
// returns 1; or returns 0 and leaves the board unchanged.

#include "engine/SudokuBoard.h"
#include "techniques/SolveStep.h"

using TechniqueRoutine = int (*)(SudokuBoard& board, SolveStep& step);

// Singles and hidden singles.
int FindSingleInBox(SudokuBoard& board, SolveStep& step);
int FindSingleInRow(SudokuBoard& board, SolveStep& step);
int FindSingleInColumn(SudokuBoard& board, SolveStep& step);
int FindHiddenSingleInBox(SudokuBoard& board, SolveStep& step);
int FindHiddenSingleInRow(SudokuBoard& board, SolveStep& step);
int FindHiddenSingleInColumn(SudokuBoard& board, SolveStep& step);
int FindNakedSingle(SudokuBoard& board, SolveStep& step);
// Intersection removal.
int FindPointingPairInRow(SudokuBoard& board, SolveStep& step);
int FindPointingPairInColumn(SudokuBoard& board, SolveStep& step);
int FindBoxLineReductionInRow(SudokuBoard& board, SolveStep& step);
int FindBoxLineReductionInColumn(SudokuBoard& board, SolveStep& step);
// Naked and hidden subsets.
int FindNakedPairInBox(SudokuBoard& board, SolveStep& step);
int FindNakedPairInRow(SudokuBoard& board, SolveStep& step);
int FindNakedPairInColumn(SudokuBoard& board, SolveStep& step);
int FindHiddenPairInBox(SudokuBoard& board, SolveStep& step);
int FindHiddenPairInRow(SudokuBoard& board, SolveStep& step);
int FindHiddenPairInColumn(SudokuBoard& board, SolveStep& step);
int FindNakedTripleInBox(SudokuBoard& board, SolveStep& step);
int FindNakedTripleInRow(SudokuBoard& board, SolveStep& step);
int FindNakedTripleInColumn(SudokuBoard& board, SolveStep& step);
int FindHiddenTripleInBox(SudokuBoard& board, SolveStep& step);
int FindHiddenTripleInRow(SudokuBoard& board, SolveStep& step);
int FindHiddenTripleInColumn(SudokuBoard& board, SolveStep& step);
int FindNakedQuadInBox(SudokuBoard& board, SolveStep& step);
int FindNakedQuadInRow(SudokuBoard& board, SolveStep& step);
int FindNakedQuadInColumn(SudokuBoard& board, SolveStep& step);
// Unique rectangles (types I and II), wings, single colours (types I and II), chains, guess.
int FindUniqueRectangle(SudokuBoard& board, SolveStep& step);
int FindXWings(SudokuBoard& board, SolveStep& step);
int FindYWings(SudokuBoard& board, SolveStep& step);
int FindSingleColours(SudokuBoard& board, SolveStep& step);
int FindForcedChains(SudokuBoard& board, SolveStep& step);
int FindBruteForceGuess(SudokuBoard& board, SolveStep& step);
