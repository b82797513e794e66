#include "shell/StatusLine.h"

bool StatusLine::Tick() {
    if (countdown_ == 0) return false;
    if (--countdown_ > 0) return false;
    status_.assign(1, ' ');  // one blank, as the status pane shows it when idle
    return true;
}
