#pragma once
// raruduz --print-to: a puzzle sheet written without a window.

#include "shell/DesktopArguments.h"

// Needs a QGuiApplication. Messages go to standard error; returns the exit status: 0 written,
// 2 nothing written.
int RunPrintTo(const PrintToRequest& request);
