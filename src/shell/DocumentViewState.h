#pragma once
// What the board picture reads from the document beside the board and the settings.

#include "shell/BoardPicture.h"
#include "shell/RaruduzDoc.h"

// defaultBackground: the main window's own background colour.
BoardViewState ViewStateOf(const CRaruduzDoc& document, Colour defaultBackground);