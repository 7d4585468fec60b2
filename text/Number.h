#pragma once
// Numbers typed into edit boxes.
#include <string>

namespace number {

// A whole decimal integer with optional blanks around it and an optional sign, as an
// integer edit accepts it; false for anything else, an empty text or an overflow.
bool ParseInteger(const std::string& text, int& value);

} // namespace number
