#pragma once
// The board kept from one run of the desktop program to the next.

#include "files/SessionFile.h"
#include "shell/RaruduzDoc.h"

SessionBoard CaptureSession(const CRaruduzDoc& document);
// The kept board becomes the document's, with a fresh history, in the entry mode and display it
// was in; its solution is taken as kept, so no solve (and no message) runs at start.
void RestoreSession(CRaruduzDoc& document, const SessionBoard& session);
