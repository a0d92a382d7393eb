#pragma once
// The countries the program offers: number, English name and code, joined by "#". The
// numbers have gaps; the names are not translated.
#include <array>
#include <string_view>

namespace regio {

inline constexpr std::array<std::u16string_view, 13> kLaender = {
    u"1#Germany#D",    u"2#Switzerland#CH", u"3#Austria#A",       u"4#Estonia#EST",
    u"5#Latvia#LV",    u"6#Lithuania#LT",   u"7#Finland#FIN",     u"8#Italy#I",
    u"9#Spain#E",      u"15#Ireland#IRL",   u"17#France#F",       u"19#Sweden#S",
    u"23#Great Britain#GB",
};

}  // namespace regio
