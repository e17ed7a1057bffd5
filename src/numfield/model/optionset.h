#pragma once

#include <cstdint>
#include <initializer_list>

namespace paysmith {

// A set of the values of an enumeration with at most 32 values, in the manner
// of the option sets the field properties are specified with.
template <typename Enum> class OptionSet {
  public:
    constexpr OptionSet() = default;
    constexpr OptionSet(std::initializer_list<Enum> options) {
        for (Enum option : options)
            include(option);
    }

    constexpr bool contains(Enum option) const { return (m_bits & bit(option)) != 0; }
    constexpr void include(Enum option) { m_bits |= bit(option); }
    constexpr void exclude(Enum option) { m_bits &= ~bit(option); }

    friend constexpr bool operator==(OptionSet, OptionSet) = default;

  private:
    static constexpr std::uint32_t bit(Enum option) {
        return std::uint32_t{1} << static_cast<unsigned>(option);
    }

    std::uint32_t m_bits = 0;
};

} // namespace paysmith
