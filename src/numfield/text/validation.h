#pragma once

namespace paysmith {

// Validation codes of a numeric text; 0 means valid.
inline constexpr int ErrRange = 256;   // converts, but lies outside RangeLo..RangeHi
inline constexpr int ErrInvalid = 257; // does not convert to the data type

// A text read as a value of a field's data type. The value is 0 whenever the
// code is not, as a rejected field reads as 0.
struct Conversion {
    long double value = 0.0L;
    int code = 0;

    friend bool operator==(const Conversion&, const Conversion&) = default;
};

} // namespace paysmith
