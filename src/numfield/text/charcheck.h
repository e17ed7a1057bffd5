#pragma once

#include <optional>

namespace paysmith {

// Offers a typed character to a mask character. Gives the character as the
// position takes it (case forced for "!", "A", "B", "E", "K", "N", "Y" upper and
// "L", "l" lower), or nullopt when the position refuses it.
std::optional<char16_t> acceptCharacter(char16_t maskCharacter, char16_t typed);

} // namespace paysmith
