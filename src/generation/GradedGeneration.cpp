#include "generation/GradedGeneration.h"

#include <memory>

#include "engine/SudokuBoard.h"
#include "generation/BoardGenerator.h"

bool GenerateGradedBoard(SudokuBoard& board, int size, int level, int style, int wordoku,
                         GenerationControl* control) {
    Platform& platform = board.platform();
    BusyCursor busy(platform);
    BoardGenerator generator(platform);
    if (!generator.prepare(size)) return false;
    size = generator.size();
    const LevelScoreBand band = BandOfLevel(level);

    // Attempts run on a board of their own, so that a stopped run leaves the caller's untouched.
    const auto work = std::make_unique<SudokuBoard>(platform);
    for (int attempt = 1;; ++attempt) {
        if (control) {
            control->attemptNbr = attempt - 1;
            control->stopped = 0;
            if (control->attemptLimit > 0 && attempt > control->attemptLimit) {
                control->stopped = 1;
                return false;
            }
            if (control->progress) control->progress(attempt);
            if (control->stopRequested) {
                control->stopped = 1;
                return false;
            }
            control->attemptNbr = attempt;
        }
        generator.generate(size, style);
        work->Initialise(size, UnknownLevel, kGeneratedBoardName, kGeneratedBoardDescription,
                         nullptr, 0, wordoku);
        LoadGeneratedGrid(generator, *work);
        if (work->RateBoard() && work->score >= band.lowScore && work->score < band.highScore)
            break;
    }

    board.Initialise(size, work->level, kGeneratedBoardName, kGeneratedBoardDescription,
                     &work->data(), 0, wordoku);
    board.CopyGrid(work->solution, board.solution);
    board.mistakeCheckEnabled = work->mistakeCheckEnabled;
    return true;
}
