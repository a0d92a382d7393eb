#include "platform/format/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/text/Text.h"

namespace platform {
namespace {

struct Spec {
    bool left = false, plus = false, space = false, alt = false, zero = false;
    int width = -1;      // -1: none
    int precision = -1;  // -1: none
    int bits = 32;       // integer width from the length modifier
    char16_t conv = 0;
};

// Width and precision beyond this are taken as written; it keeps outside formats
// from asking for gigabytes of padding.
constexpr int kMaxField = 4096;  // not a text id

std::u16string widen(std::string_view s) {
    return std::u16string(s.begin(), s.end());
}

void pad(std::u16string& out, std::u16string_view body, const Spec& spec, bool numeric,
         size_t signLength) {
    const size_t width = spec.width > 0 ? static_cast<size_t>(spec.width) : 0;
    if (body.size() >= width) {
        out.append(body);
        return;
    }
    const size_t fill = width - body.size();
    if (spec.left) {
        out.append(body);
        out.append(fill, u' ');
    } else if (spec.zero && numeric) {
        out.append(body.substr(0, signLength));
        out.append(fill, u'0');
        out.append(body.substr(signLength));
    } else {
        out.append(fill, u' ');
        out.append(body);
    }
}

uint64_t narrowUnsigned(uint64_t v, int bits) {
    return bits >= 64 ? v : v & ((uint64_t{1} << bits) - 1);
}

int64_t narrowSigned(uint64_t v, int bits) {
    if (bits >= 64) return static_cast<int64_t>(v);
    const uint64_t m = narrowUnsigned(v, bits);
    const uint64_t sign = uint64_t{1} << (bits - 1);
    return static_cast<int64_t>(m ^ sign) - static_cast<int64_t>(sign);
}

void formatInteger(std::u16string& out, const FormatArg& arg, const Spec& spec) {
    const uint64_t raw = arg.kind() == FormatArg::Kind::Signed
                             ? static_cast<uint64_t>(arg.asSigned())
                             : arg.asUnsigned();
    std::string sign;
    uint64_t magnitude = 0;
    int base = 10;
    if (spec.conv == u'd' || spec.conv == u'i') {
        const int64_t v = narrowSigned(raw, spec.bits);
        magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        sign = v < 0 ? "-" : spec.plus ? "+" : spec.space ? " " : "";
    } else {
        magnitude = narrowUnsigned(raw, spec.bits);
        base = spec.conv == u'o' ? 8 : spec.conv == u'u' ? 10 : 16;
    }
    char buf[72];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, base);
    std::string digits(buf, res.ptr);
    if (spec.conv == u'X') toAsciiUpper(digits);
    if (spec.precision >= 0) {
        if (spec.precision == 0 && magnitude == 0) digits.clear();
        if (digits.size() < static_cast<size_t>(spec.precision))
            digits.insert(0, static_cast<size_t>(spec.precision) - digits.size(), '0');
    }
    if (spec.alt && magnitude != 0) {
        if (spec.conv == u'x') sign += "0x";
        if (spec.conv == u'X') sign += "0X";
    }
    if (spec.alt && spec.conv == u'o' && (digits.empty() || digits[0] != '0'))
        digits.insert(0, "0");
    Spec padSpec = spec;
    if (spec.precision >= 0) padSpec.zero = false;
    pad(out, widen(sign + digits), padSpec, true, sign.size());
}

std::string toChars(double magnitude, std::chars_format fmt, int precision) {
    char buf[kMaxField + 400];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, fmt, precision);
    return std::string(buf, res.ec == std::errc() ? res.ptr : buf);
}

// "%#g" keeps its trailing zeros, so it cannot use the trimmed general form: it takes
// the fixed or the scientific form by the exponent as C does.
std::string generalKeepingZeros(double magnitude, int precision) {
    const std::string scientific = toChars(magnitude, std::chars_format::scientific, precision - 1);
    const auto e = scientific.find('e');
    int exponent = 0;
    if (e != std::string::npos) {
        const char* first = scientific.data() + e + 1;
        if (*first == '+') ++first;
        std::from_chars(first, scientific.data() + scientific.size(), exponent);
    }
    if (exponent < -4 || exponent >= precision) return scientific;
    return toChars(magnitude, std::chars_format::fixed, precision - 1 - exponent);
}

std::string finiteBody(double magnitude, const Spec& spec) {
    const int precision = spec.precision < 0 ? 6 : spec.precision;
    const char16_t c = spec.conv;
    std::string body;
    if (c == u'e' || c == u'E') {
        body = toChars(magnitude, std::chars_format::scientific, precision);
    } else if (c == u'g' || c == u'G') {
        const int p = precision == 0 ? 1 : precision;
        body = spec.alt ? generalKeepingZeros(magnitude, p)
                        : toChars(magnitude, std::chars_format::general, p);
    } else {
        body = toChars(magnitude, std::chars_format::fixed, precision);
    }
    if (spec.alt && body.find('.') == std::string::npos) {
        const auto e = body.find('e');
        body.insert(e == std::string::npos ? body.size() : e, ".");
    }
    return body;
}

void formatDouble(std::u16string& out, double v, const Spec& spec) {
    const bool upper = spec.conv == u'F' || spec.conv == u'E' || spec.conv == u'G';
    std::string sign = std::signbit(v) ? "-" : spec.plus ? "+" : spec.space ? " " : "";
    std::string body;
    if (std::isnan(v) || std::isinf(v)) {
        body = std::isnan(v) ? "nan" : "inf";
        if (std::isnan(v)) sign = spec.plus ? "+" : spec.space ? " " : "";
    } else {
        body = finiteBody(std::fabs(v), spec);
    }
    if (upper) toAsciiUpper(body);
    Spec padSpec = spec;
    if (!std::isfinite(v)) padSpec.zero = false;
    pad(out, widen(sign + body), padSpec, true, sign.size());
}

void formatText(std::u16string& out, std::u16string_view text, const Spec& spec) {
    if (spec.precision >= 0 && text.size() > static_cast<size_t>(spec.precision))
        text = text.substr(0, static_cast<size_t>(spec.precision));
    pad(out, text, spec, false, 0);
}

void formatPointer(std::u16string& out, const void* p, const Spec& spec) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, reinterpret_cast<uintptr_t>(p), 16);
    std::string digits(buf, res.ptr);
    digits.insert(0, 2 * sizeof(void*) > digits.size() ? 2 * sizeof(void*) - digits.size() : 0,
                  '0');
    toAsciiUpper(digits);
    pad(out, widen(digits), spec, false, 0);
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Parses a decimal field (width or precision), capped so that outside text cannot
// overflow it.
int parseNumber(std::u16string_view f, size_t& i) {
    int n = 0;
    while (i < f.size() && isDigit(f[i])) {
        n = std::min(n * 10 + (f[i] - u'0'), kMaxField * 10);
        ++i;
    }
    return n;
}

// Takes a "*" argument; false when there is none or it is not a whole number.
bool takeStar(std::span<const FormatArg> args, size_t& next, int& value) {
    if (next >= args.size()) return false;
    const FormatArg& a = args[next];
    if (a.kind() != FormatArg::Kind::Signed && a.kind() != FormatArg::Kind::Unsigned) return false;
    ++next;
    const int64_t v =
        a.kind() == FormatArg::Kind::Signed ? a.asSigned() : static_cast<int64_t>(a.asUnsigned());
    value = static_cast<int>(std::clamp<int64_t>(v, -kMaxField, kMaxField));
    return true;
}

bool isIntegerKind(const FormatArg& a) {
    return a.kind() == FormatArg::Kind::Signed || a.kind() == FormatArg::Kind::Unsigned;
}

// Length modifiers: "h" and "hh" narrow to 16 and 8 bits, "l" is 32 bits, "ll", "z", "j"
// and "t" 64 bits; "L" and "w" change nothing.
void parseLength(std::u16string_view f, size_t& i, Spec& spec) {
    for (; i < f.size(); ++i) {
        const char16_t c = f[i];
        if (c == u'h')
            spec.bits = spec.bits == 16 ? 8 : 16;
        else if (c == u'l')
            spec.bits = spec.bits == 32 && i > 0 && f[i - 1] == u'l' ? 64 : 32;
        else if (c == u'z' || c == u'j' || c == u't')
            spec.bits = 64;
        else if (c != u'L' && c != u'w')
            return;
    }
}

// Writes one conversion; false when the argument does not fit it.
bool convert(std::u16string& out, const FormatArg& arg, const Spec& spec) {
    switch (spec.conv) {
        case u'd':
        case u'i':
        case u'u':
        case u'x':
        case u'X':
        case u'o':
            if (!isIntegerKind(arg)) return false;
            formatInteger(out, arg, spec);
            return true;
        case u'c': {
            if (!isIntegerKind(arg)) return false;
            const uint64_t code = arg.kind() == FormatArg::Kind::Signed
                                      ? static_cast<uint64_t>(arg.asSigned())
                                      : arg.asUnsigned();
            const char16_t ch = static_cast<char16_t>(code & 0xFFFF);
            pad(out, std::u16string_view(&ch, 1), spec, false, 0);
            return true;
        }
        case u'f':
        case u'F':
        case u'e':
        case u'E':
        case u'g':
        case u'G':
            if (arg.kind() != FormatArg::Kind::Double) return false;
            formatDouble(out, arg.asDouble(), spec);
            return true;
        case u's':
        case u'S':
            if (arg.kind() != FormatArg::Kind::Text) return false;
            formatText(out, arg.asText(), spec);
            return true;
        case u'p':
            if (arg.kind() != FormatArg::Kind::Pointer) return false;
            formatPointer(out, arg.asPointer(), spec);
            return true;
        default:
            return false;
    }
}

// Flags, width, precision and length modifiers, from f[i] on; `i` ends on the conversion
// character. False when a "*" finds no whole number to take.
bool parseSpec(std::u16string_view f, size_t& i, std::span<const FormatArg> args, size_t& next,
               Spec& spec) {
    for (; i < f.size(); ++i) {
        const char16_t c = f[i];
        if (c == u'-')
            spec.left = true;
        else if (c == u'+')
            spec.plus = true;
        else if (c == u' ')
            spec.space = true;
        else if (c == u'#')
            spec.alt = true;
        else if (c == u'0')
            spec.zero = true;
        else
            break;
    }
    bool ok = true;
    if (i < f.size() && f[i] == u'*') {
        ++i;
        ok = takeStar(args, next, spec.width);
        if (spec.width < 0) spec.left = true, spec.width = -spec.width;
    } else {
        spec.width = parseNumber(f, i);
    }
    if (i < f.size() && f[i] == u'.') {
        ++i;
        if (i < f.size() && f[i] == u'*') {
            ++i;
            ok = takeStar(args, next, spec.precision) && ok;
        } else {
            spec.precision = parseNumber(f, i);
        }
    }
    parseLength(f, i, spec);
    spec.precision = std::min(spec.precision, kMaxField);
    spec.width = std::min(spec.width, kMaxField);
    return ok;
}

// Writes one conversion with the next argument. When none fits, the conversion stands as
// `written`; a mismatched argument is still used up, so that the ones after it keep their
// places.
void emit(std::u16string& out, std::u16string_view written, const Spec& spec, bool ok,
          std::span<const FormatArg> args, size_t& next) {
    const bool known =
        std::u16string_view(u"diuxXocsSfFeEgGp").find(spec.conv) != std::u16string_view::npos;
    if (ok && known && next < args.size() && convert(out, args[next], spec)) {
        ++next;
        return;
    }
    if (known && next < args.size()) ++next;
    out.append(written);
}

}  // namespace

std::u16string formatArgs(std::u16string_view f, std::span<const FormatArg> args) {
    std::u16string out;
    out.reserve(f.size() + 16);
    size_t next = 0;
    size_t i = 0;
    while (i < f.size()) {
        if (f[i] != u'%') {
            out.push_back(f[i++]);
            continue;
        }
        const size_t start = i++;
        if (i < f.size() && f[i] == u'%') {
            out.push_back(u'%');
            ++i;
            continue;
        }
        Spec spec;
        const bool ok = parseSpec(f, i, args, next, spec);
        if (i >= f.size()) {  // a lone conversion at the end stays as written
            out.append(f.substr(start));
            break;
        }
        spec.conv = f[i++];
        emit(out, f.substr(start, i - start), spec, ok, args, next);
    }
    return out;
}

}  // namespace platform
