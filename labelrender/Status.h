#pragma once
// The result of a step that can fail: 0 or one of the job's negative error
// codes, with a message that names what went wrong.
#include <string>
#include <utility>

namespace quill::labelrender {

struct Status {
    int code = 0;
    std::string message;

    bool ok() const { return code == 0; }
    static Status Ok() { return {}; }
    static Status Error(int errorCode, std::string text) { return {errorCode, std::move(text)}; }
};

}  // namespace quill::labelrender
