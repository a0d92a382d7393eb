#pragma once
// The country library's application object and its dispatcher: the function codes the
// program sends, answered as token lists. The library holds one such object; tests make
// their own.
#include <cstdint>

#include "core/value/VRMString.h"

class CVRMbasisApp {
  public:
    static constexpr uint32_t kCodeInit = 1171;
    static constexpr uint32_t kCodeLaender = 1172;

    // 1 with the answer in `result`; 0 with the message in `result` (or an empty one when
    // a box has told the user already).
    int GetInfo(uint32_t code, const CVRMString& param, CVRMString& result);

    // Token n (from 1) of `text` as a whole number. A missing token shows box 5708 with n
    // and the unread rest, then throws the user exception.
    static void GetParamZahl(const CVRMString& text, int n, uint64_t& value);

    bool IstInitialisiert() const { return m_initialisiert != 0; }

  private:
    int Dispatch(uint32_t code, const CVRMString& param, CVRMString& result);

    int m_initialisiert = 0;
    // The resource module the program handed over. Language texts come from the one table
    // of the core library that program and library share, so it is kept, never used as an
    // address: it arrived as text from outside.
    uint64_t m_resourceHandle = 0;
};

namespace regio {

// The library's own plain box (OK button), not the core library's error box.
void ZeigeBox(const CVRMString& text);

}  // namespace regio
