// raruduz-cli generate and special: graded generation and the special-generation search.

#include <iostream>
#include <memory>

#include "cli/CliCommands.h"
#include "cli/Interruption.h"
#include "engine/BoardLevel.h"
#include "engine/SudokuBoard.h"
#include "generation/GradedGeneration.h"
#include "generation/SpecialGeneration.h"

namespace {
// Reads --size and --seed, shared by both commands; --seed fixes the generator's clock.
void TakeSizeAndSeed(CliArguments& arguments, int& size, HeadlessPlatform& platform) {
    size = arguments.TakeInteger("--size", 9, 16, 9);
    const int seed = arguments.TakeInteger("--seed", 0, 2'147'483'647, -1);
    if (seed >= 0) platform.fixedCalendarSeconds = seed;
}

bool SizeIsValid(int size) {
    if (size == 9 || size == 16) return true;
    UsageError("option --size takes 9 or 16");
    return false;
}
}  // namespace

int RunGenerate(CliArguments& arguments) {
    HeadlessPlatform platform = MakeCliPlatform();
    const int level = arguments.TakeInteger("--level", 0, 6, -1);
    const int style = arguments.TakeInteger("--style", 0, 1, 0);
    const int count = arguments.TakeInteger("--count", 1, 1'000'000, 1);
    int size = 9;
    TakeSizeAndSeed(arguments, size, platform);
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (!files.empty()) return UsageError("generate reads no input");
    if (level < 0) return UsageError("option --level is required");
    if (!SizeIsValid(size)) return kExitUsage;
    if (!IsGradedGenerationOffered(size, level)) {
        platform.ShowMessage(kSixteenBySixteenLevelMessage);
        return kExitUsage;
    }

    GradedGenerator generator(platform);
    if (!generator.Prepare(size)) return kExitUsage;
    auto board = std::make_unique<SudokuBoard>(platform);
    for (int k = 0; k < count; ++k) {
        RunControl control;
        control.progress = [](int) { EndRunIfInterrupted(); };
        const std::uint32_t start = platform.TickCount();
        generator.Generate(*board, level, style, 0, &control);
        const std::uint32_t elapsed = platform.TickCount() - start;
        std::cout << BoardLine(*board, board->cells) << '\t' << board->score << '\t'
                  << LevelName(board->level) << '\t' << board->clueNbr << '\t' << control.attemptNbr
                  << '\t' << elapsed << '\n';
    }
    return kExitDone;
}

int RunSpecial(CliArguments& arguments) {
    HeadlessPlatform platform = MakeCliPlatform();
    SpecialCriteria criteria;
    criteria.techniqueId = arguments.TakeInteger("--technique", 1, 36, 0);
    criteria.boardsWanted = arguments.TakeInteger("--count", 1, 999, 1);
    RunControl control;
    control.attemptLimit = arguments.TakeInteger("--attempts", 1, 1'000'000, 1000);
    criteria.minimumLevel = arguments.TakeInteger("--min-level", 0, 6, 0);
    criteria.maximumLevel = arguments.TakeInteger("--max-level", 0, 6, 0);
    criteria.minimumOccurrence = arguments.TakeInteger("--min-occurrence", 1, 1000, 1);
    int size = 9;
    TakeSizeAndSeed(arguments, size, platform);
    const std::vector<std::string> files = arguments.TakeFiles();
    if (!arguments.error().empty()) return UsageError(arguments.error());
    if (!files.empty()) return UsageError("special reads no input");
    if (criteria.techniqueId == 0) return UsageError("option --technique is required");
    if (!SizeIsValid(size)) return kExitUsage;

    auto search = std::make_unique<SpecialGeneration>(platform);
    if (!search->Prepare(size)) return kExitUsage;
    const int found = search->Run(criteria, &control);
    for (const SpecialResultRow& row : search->rows())
        std::cout << row.index << '\t' << row.attempt << '\t' << row.clueNbr << '\t'
                  << row.occurrence << '\t' << row.levelText << '\t' << row.score << '\t'
                  << row.board << '\n';
    platform.ShowMessage(SpecialClosingMessage(found));
    return kExitDone;
}
