#include "generation/GradedGeneration.h"

#include "engine/SudokuBoard.h"
#include "generation/BoardGenerator.h"

GradedGenerator::GradedGenerator(Platform& platform)
    : generator_(std::make_unique<BoardGenerator>(platform)),
      // Attempts run on a board of their own, so that a stopped run leaves the caller's
      // untouched.
      work_(std::make_unique<SudokuBoard>(platform)) {}

GradedGenerator::~GradedGenerator() = default;

bool GradedGenerator::Prepare(int size) {
    return generator_->prepare(size);
}

bool GradedGenerator::Generate(SudokuBoard& board, int level, int style, int wordoku,
                               RunControl* control) {
    BusyCursor busy(board.platform());
    const int size = generator_->size();
    if (size == 0) return false;
    const LevelScoreBand band = BandOfLevel(level);
    SudokuBoard& work = *work_;
    for (int attempt = 1;; ++attempt) {
        if (control) {
            control->attemptNbr = attempt - 1;
            if (control->attemptLimit > 0 && attempt > control->attemptLimit) return false;
            if (control->progress) control->progress(attempt);
            if (control->stopRequested) return false;
            control->attemptNbr = attempt;
        }
        generator_->generate(size, style);
        work.Initialise(size, UnknownLevel, kGeneratedBoardName, kGeneratedBoardDescription,
                        nullptr, 0, wordoku);
        LoadGeneratedGrid(*generator_, work);
        if (work.RateBoard() && work.score >= band.lowScore && work.score < band.highScore) break;
    }

    board.Initialise(size, work.level, kGeneratedBoardName, kGeneratedBoardDescription,
                     &work.data(), 0, wordoku);
    board.CopyGrid(work.solution, board.solution);
    board.mistakeCheckEnabled = work.mistakeCheckEnabled;
    return true;
}

bool GenerateGradedBoard(SudokuBoard& board, int size, int level, int style, int wordoku,
                         RunControl* control) {
    GradedGenerator generator(board.platform());
    return generator.Prepare(size) && generator.Generate(board, level, style, wordoku, control);
}
