#pragma once
// The search routines, one per technique or pair of techniques. Each finds the first instance of
// its pattern in its fixed scanning order, applies it to the board, describes it in the step and
// returns 1; or returns 0 and leaves the board unchanged. Beside them, per family, what a step
// shows (from the family's section of the step) and how the step log describes it.

#include "engine/SudokuBoard.h"
#include "techniques/SolveStep.h"
#include "techniques/StepDisplay.h"

using TechniqueRoutine = int (*)(SudokuBoard& board, SolveStep& step);
using StepShower = void (*)(const SolveStep& step, StepDisplay& display);

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

// What the steps of each family show.
void ShowSingle(const SolveStep& step, StepDisplay& display);
void ShowPointingPair(const SolveStep& step, StepDisplay& display);
void ShowBoxLineReduction(const SolveStep& step, StepDisplay& display);
void ShowNakedPair(const SolveStep& step, StepDisplay& display);
void ShowNakedTriple(const SolveStep& step, StepDisplay& display);
void ShowNakedQuad(const SolveStep& step, StepDisplay& display);
void ShowHiddenPair(const SolveStep& step, StepDisplay& display);
void ShowHiddenTriple(const SolveStep& step, StepDisplay& display);
void ShowUniqueRectangle(const SolveStep& step, StepDisplay& display);
void ShowXWings(const SolveStep& step, StepDisplay& display);
void ShowYWings(const SolveStep& step, StepDisplay& display);
void ShowSingleColours(const SolveStep& step, StepDisplay& display);
void ShowForcedChains(const SolveStep& step, StepDisplay& display);
void ShowBruteForceGuess(const SolveStep& step, StepDisplay& display);

// How the step log describes them.
extern const StepDescription kPlacementDescription;
extern const StepDescription kOneCandidateDescription;
extern const StepDescription kNakedPairDescription;
extern const StepDescription kNakedTripleDescription;
extern const StepDescription kNakedQuadDescription;
extern const StepDescription kHiddenPairDescription;
extern const StepDescription kHiddenTripleDescription;
extern const StepDescription kRectangleType1Description;
extern const StepDescription kForcedChainsDescription;
