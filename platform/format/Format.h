#pragma once
// The one printf-style formatter of the system. Formats come from the language table,
// that is from outside: a conversion without an argument, or with an argument of the
// wrong kind, is written as it stands and nothing is read that was not passed.
// Numbers are written as the C locale writes them, whatever the process locale.
//
// Conversions: d i u x X o c s S f F e E g G p %. Flags - + space # 0, width and
// precision (also *). Length modifiers hh h l ll L w z j t: "h" and "hh" narrow an
// integer to 16 or 8 bits; "l" is 32 bits as in the stored formats ("%lu", "%li"),
// "ll" 64 bits; without one an integer is 32 bits.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace platform {

// Whole numbers other than bool and char16_t, which have their own kinds.
template <class T>
concept SignedInteger =
    std::is_integral_v<T> && std::is_signed_v<T> && !std::is_same_v<T, char16_t>;
template <class T>
concept UnsignedInteger =
    std::is_integral_v<T> && std::is_unsigned_v<T> && !std::is_same_v<T, bool> &&
    !std::is_same_v<T, char16_t>;

class FormatArg {
  public:
    enum class Kind { Signed, Unsigned, Double, Text, Pointer };

    template <SignedInteger T>
    FormatArg(T v) : kind_(Kind::Signed), i_(v) {}
    template <UnsignedInteger T>
    FormatArg(T v) : kind_(Kind::Unsigned), u_(v) {}
    FormatArg(bool v) : kind_(Kind::Signed), i_(v ? 1 : 0) {}
    FormatArg(char16_t c) : kind_(Kind::Unsigned), u_(c) {}
    FormatArg(double v) : kind_(Kind::Double), d_(v) {}
    FormatArg(float v) : kind_(Kind::Double), d_(v) {}
    FormatArg(std::u16string_view s) : kind_(Kind::Text), s_(s) {}
    FormatArg(const std::u16string& s) : kind_(Kind::Text), s_(s) {}
    FormatArg(const char16_t* s) : kind_(Kind::Text), s_(s ? std::u16string_view(s) : u"(null)") {}
    FormatArg(const void* p) : kind_(Kind::Pointer), p_(p) {}

    Kind kind() const { return kind_; }
    int64_t asSigned() const { return i_; }
    uint64_t asUnsigned() const { return u_; }
    double asDouble() const { return d_; }
    std::u16string_view asText() const { return s_; }
    const void* asPointer() const { return p_; }

  private:
    Kind kind_;
    union {
        int64_t i_;
        uint64_t u_;
        double d_;
        const void* p_;
    };
    std::u16string_view s_;
};

std::u16string formatArgs(std::u16string_view format, std::span<const FormatArg> args);

template <class... Args>
std::u16string format(std::u16string_view fmt, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return formatArgs(fmt, {});
    } else {
        const FormatArg list[] = {FormatArg(args)...};
        return formatArgs(fmt, list);
    }
}

}  // namespace platform
