#pragma once
// Creating and editing Direct layouts in the Direct layout editor.
#include <string>

#include "core/UGlobals.h"

class QWidget;

namespace quill {

// Names a new Direct layout and opens the editor on it; true when the
// editor saved it. `name` is set once a name was given.
bool NewDirectDesign(const std::string& designFolder, TMode mode, QWidget* parent, std::string& name);
void EditDirectDesign(const std::string& designFolder, TMode mode, QWidget* parent, const std::string& name);

}  // namespace quill
