#include "engine/WriteWatch.h"

namespace quill {

void TWriteWatch::Record(const std::string& path, TDirAction action) {
    switch (action) {
        case TDirAction::Modified: states_[path] = TWriteState::Writing; break;
        case TDirAction::Added:
        case TDirAction::RenamedNewName: states_[path] = TWriteState::Closed; break;
        case TDirAction::Removed:
        case TDirAction::RenamedOldName: states_.erase(path); break;
    }
}

TWriteState TWriteWatch::StateOf(const std::string& path) const {
    const auto found = states_.find(path);
    return found == states_.end() ? TWriteState::Unknown : found->second;
}

}  // namespace quill
