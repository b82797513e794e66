#pragma once
// What a screen reader says of the board view: the selected cell, as the picture shows it.

#include <string>

#include "shell/RaruduzDoc.h"

// "r3c5, 7, clue", "r3c5, 7, given", "r3c5, 7, mistake" (only while mistakes are drawn),
// "r3c5, empty, candidates 1 4 7" or "r3c5, empty, no candidates" while pencil marks are drawn,
// else "r3c5, empty". Symbols are those drawn: Wordoku letters in Wordoku display.
std::string SelectedCellDescription(const CRaruduzDoc& document);
