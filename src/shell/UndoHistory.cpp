#include "shell/UndoHistory.h"

void UndoHistory::Append(std::string snapshot) {
    if (undo_.size() > kCapacity) undo_.pop_front();
    undo_.push_back(std::move(snapshot));
}

void UndoHistory::Take(std::string snapshot) {
    Append(std::move(snapshot));
    redo_.clear();
}

const std::string* UndoHistory::Undo() {
    if (!CanUndo()) return nullptr;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    return &undo_.back();
}

const std::string* UndoHistory::Redo() {
    if (!CanRedo()) return nullptr;
    std::string snapshot = std::move(redo_.back());
    redo_.pop_back();
    Append(std::move(snapshot));
    return &undo_.back();
}
