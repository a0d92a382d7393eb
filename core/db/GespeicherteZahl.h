#pragma once
// The one rule for a number read from a database: the whole stored text must be a finite
// number of its kind, or the record and key are reported as damaged (4298 "record:
// key=text") and the read fails. A damaged number is never calculated with.
#include <string_view>

#include "platform/numbers/Numbers.h"

namespace vrmcore {

// Where a stored number stands, named in the report.
struct SZahlOrt {
    std::u16string_view satz;
    std::u16string_view schluessel;
};

// The number `text` holds, by the rule of platform::parseStoredNumber; otherwise the
// report and the user exception.
double GespeicherteZahl(std::u16string_view text, platform::StoredNumber art, const SZahlOrt& ort);

// An element of a stored series: blank gives 0, as series have always read; otherwise as
// GespeicherteZahl.
double GespeichertesElement(std::u16string_view text, platform::StoredNumber art,
                            const SZahlOrt& ort);

}  // namespace vrmcore
