#include "model/heatpump/WPLeistDaten.h"

#include <vector>

#include "core/db/SectionNames.h"
#include "model/data/ZahlenReihe.h"

namespace {

constexpr float kMinWert = 0.01f;

float Quotient(float zaehler, float nenner) {
    return nenner > kMinWert ? zaehler / nenner : 0.0f;
}

}  // namespace

CWPLeistDaten::CWPLeistDaten(std::u16string_view text, const vrmcore::SZahlOrt& ort) {
    float* felder[kFelder] = {&quellTemp, &heiz35,  &heiz2,    &elektro35, &elektro2,
                              &quelle35,  &quelle2, &vorlauf2, &maxVorlauf};
    const std::vector<double> zahlen =
        ZerlegeZahlenReihe(text, vrmdb::kZahlenTrenner, kFelder, ort);
    for (size_t i = 0; i < zahlen.size(); ++i) *felder[i] = static_cast<float>(zahlen[i]);
}

CWPLeistDaten::CWPLeistDaten(float quellTemp_, float heiz35_, float heiz2_, float elektro35_,
                             float elektro2_, float quelle35_, float quelle2_, float vorlauf2_,
                             float maxVorlauf_)
    : quellTemp(quellTemp_),
      heiz35(heiz35_),
      heiz2(heiz2_),
      elektro35(elektro35_),
      elektro2(elektro2_),
      quelle35(quelle35_),
      quelle2(quelle2_),
      vorlauf2(vorlauf2_),
      maxVorlauf(maxVorlauf_) {}

float CWPLeistDaten::GetCOP35() const {
    return Quotient(heiz35, elektro35);
}

float CWPLeistDaten::GetCOP2() const {
    return Quotient(heiz2, elektro2);
}

CVRMString CWPLeistDaten::Format() const {
    const char16_t* t = vrmdb::kZahlenTrenner;
    // A non-number is written as 0, so that the stored row holds numbers only.
    const auto z = EndlichOderNull;
    CVRMString text;
    text.Format(u"%.0f%s%.2f%s%.2f%s%.2f%s%.2f%s%.2f%s%.2f%s%.2f%s%.2f%s", z(quellTemp), t,
                z(heiz35), t, z(heiz2), t, z(elektro35), t, z(elektro2), t, z(quelle35), t,
                z(quelle2), t, z(vorlauf2), t, z(maxVorlauf), t);
    return text;
}
