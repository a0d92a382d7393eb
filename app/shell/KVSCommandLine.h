#pragma once
// The program's own command-line switches. Arguments are fed one by one: a switch word
// (given with "/" or "-") may ask for the next plain argument as its value; plain arguments
// nothing asks for are ignored, so the program never opens a file named on the command line.
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/value/VRMString.h"

// The program-wide switch values, all 0 or empty until a switch sets them.
struct SKelvoSchalter {
    int tovrel = 0;
    int heissgas = 0;
    int diagnose = 0;  // "604217"
    int conf = 0;
    CVRMString dd, bd, cd, bk;
    uint32_t pl = 0;  // primary language for this run; 0: not given
    uint32_t sl = 0;  // sub-language for this run; 0: not given
};

class CKVSCommandLine {
  public:
    explicit CKVSCommandLine(SKelvoSchalter& schalter) : m_schalter(schalter) {}

    // One argument; `isFlag` when it began with "/" or "-" (which the caller removed).
    void ParseParam(std::u16string_view param, bool isFlag, bool isLast);
    // All arguments after the program name, in order.
    void ParseCommandLine(const std::vector<std::u16string>& args);

  private:
    enum Wert { DD, BD, CD, BK, PL, SL, kAnzahl };
    void LoescheMarken();

    SKelvoSchalter& m_schalter;
    bool m_offen[kAnzahl] = {};
};
