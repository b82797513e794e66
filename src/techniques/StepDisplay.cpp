#include "techniques/StepDisplay.h"

#include "techniques/TechniqueRoutines.h"

void StepDisplay::Begin(std::int32_t stepTechnique, std::int32_t stepPage) {
    technique = stepTechnique;
    page = stepPage;
    valueNbr = keyValueNbr = patternCellNbr = changeNbr = colouredNbr = chainNodeNbr = 0;
    singleUnitKind = -1;
    singleUnit = 0;
    placedValue = 0;
    placedCell = {};
    logsPlacement = 0;
    falseColour = 0;
}

// Most families remove one value; their steps read alike in the log.
const StepDescription kOneCandidateDescription = {"Candidate %s removed in Cell%s", 1,
                                                  CellListing::All};
