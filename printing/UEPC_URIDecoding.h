#pragma once
// Decoding of SGTIN-96 EPC tags, given as 24 hexadecimal digits, into the
// text "company prefix.item reference.serial number".
#include <string>
#include <string_view>

namespace quill {

// Never fails: a code that cannot be decoded (not 24 characters, or
// partition 7) comes back unchanged. Only upper-case hexadecimal digits are
// read; any other character, lower-case letters included, counts as 0.
// Header and filter are not checked.
std::string DecodeSgtin96(std::string_view code);

}  // namespace quill
