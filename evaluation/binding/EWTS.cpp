#include "evaluation/binding/EWTS.h"

#include <initializer_list>
#include <string_view>

#include "core/db/SectionNames.h"
#include "core/text/TokenListe.h"
#include "evaluation/binding/ModulAufruf.h"
#include "model/errors/Fehler.h"

namespace {

constexpr unsigned kSchnittstellenFehler = 5930;  // "Error in interface of module 'EWTS ground collector'"
// "Error with parameter %li !\nmodule EWTS ground collector (%s)"
constexpr unsigned kParameterFehler = 5928;

// One argument: a float in its format, or a whole number ("%lu").
struct Wert {
    Wert(float zahl, const char16_t* format) : zahl(zahl), format(format) {}
    Wert(uint32_t ganz) : ganz(ganz), format(nullptr) {}
    float zahl = 0;
    uint32_t ganz = 0;
    const char16_t* format;
};

vrmtoken::EntryPoint& slot() {
    static vrmtoken::EntryPoint eintrag = nullptr;
    return eintrag;
}

float Aufruf(uint32_t code, std::initializer_list<Wert> werte) {
    if (!slot()) ThrowFehler(0, std::u16string_view());
    CVRMString in;
    for (const auto& w : werte) {
        if (w.format)
            vrmtoken::AppendFloat(in, w.format, w.zahl);
        else
            vrmtoken::AppendZahl(in, w.ganz);
    }
    const CVRMString antwort = binding::RufeModul(slot(), code, in, kSchnittstellenFehler);
    return binding::FloatToken(antwort, 1, kParameterFehler);
}

constexpr const char16_t* f0 = vrmdb::kFormatFloat0;
constexpr const char16_t* f1 = vrmdb::kFormatFloat1;
constexpr const char16_t* f2 = vrmdb::kFormatFloat2;
constexpr const char16_t* f3 = u"%.3f";
constexpr const char16_t* f4 = u"%.4f";

}  // namespace

bool EWTS::IstGeladen() {
    return slot() != nullptr;
}

float EWTS::Aufruf1322(float a, float b) {
    return Aufruf(1322, {{a, f0}, {b, f2}});
}
float EWTS::Aufruf1326(float a) {
    return Aufruf(1326, {{a, f1}});
}
float EWTS::Aufruf1327(float a, float b) {
    return Aufruf(1327, {{a, f1}, {b, f1}});
}
float EWTS::Aufruf1328(float a, float b, float c, float d) {
    return Aufruf(1328, {{a, f1}, {b, f0}, {c, f0}, {d, f2}});
}
float EWTS::Aufruf1329(float a, float b, float c) {
    return Aufruf(1329, {{a, f1}, {b, f1}, {c, f1}});
}
float EWTS::Aufruf1330(float a, float b, float c, float d) {
    return Aufruf(1330, {{a, f3}, {b, f4}, {c, f2}, {d, f1}});
}
float EWTS::Aufruf1331(float a, float b, float c) {
    return Aufruf(1331, {{a, f1}, {b, f2}, {c, f1}});
}
float EWTS::Aufruf1333(float a) {
    return Aufruf(1333, {{a, f1}});
}
float EWTS::Aufruf1332(float a, float b, float c, float d, float e, float f) {
    return Aufruf(1332, {{a, f2}, {b, f1}, {c, f1}, {d, f0}, {e, f3}, {f, f1}});
}
float EWTS::Aufruf1334(float a, uint32_t b) {
    return Aufruf(1334, {{a, f0}, {b}});
}
float EWTS::Aufruf1335(float a, float b) {
    return Aufruf(1335, {{a, f1}, {b, f0}});
}
float EWTS::Aufruf1336(uint32_t a, float b) {
    return Aufruf(1336, {{a}, {b, f2}});
}
float EWTS::Aufruf1337(float a, float b, float c, float d, float e, float f, float g, float h,
                       float i, float j) {
    return Aufruf(1337, {{a, f1}, {b, f1}, {c, f2}, {d, f1}, {e, f3}, {f, f3}, {g, f4}, {h, f2},
                         {i, f1}, {j, f2}});
}
