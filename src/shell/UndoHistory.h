#pragma once
// The undo and redo lists of board snapshots, oldest first. The last snapshot of the undo list is
// the state on screen; the undo list keeps at most 257.

#include <cstddef>
#include <deque>
#include <string>

class UndoHistory {
public:
    // Older snapshots are dropped once the list holds more than this before an append.
    static constexpr std::size_t kCapacity = 256;

    // Appends a new state and forgets whatever could have been redone.
    void Take(std::string snapshot);
    // Both lists emptied; with a snapshot, it becomes the only state.
    void Clear() {
        undo_.clear();
        redo_.clear();
    }
    void Reset(std::string snapshot) {
        Clear();
        undo_.push_back(std::move(snapshot));
    }
    // The state to show after the move, or null when there is nothing to move.
    const std::string* Undo();
    const std::string* Redo();

    std::size_t UndoCount() const { return undo_.size(); }
    std::size_t RedoCount() const { return redo_.size(); }
    bool CanUndo() const { return undo_.size() >= 2; }
    bool CanRedo() const { return !redo_.empty(); }

private:
    void Append(std::string snapshot);
    std::deque<std::string> undo_;
    std::deque<std::string> redo_;
};
