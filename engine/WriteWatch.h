#pragma once
// What directory monitoring saw of the writers of label files: whether the
// last thing that happened to a file was a write, or its writer closing it
// (or renaming it into place). Where no write lease can be had, this tells
// a finished file from one whose writer has only paused.
#include <string>
#include <unordered_map>

#include "engine/DirMonitor.h"

namespace quill {

enum class TWriteState { Unknown, Writing, Closed };

class TWriteWatch {
public:
    void Record(const std::string& path, TDirAction action);
    TWriteState StateOf(const std::string& path) const;

private:
    std::unordered_map<std::string, TWriteState> states_;
};

}  // namespace quill
