#include "evaluation/dim/EnergieUnterTemp.h"

#include <array>

#include "model/data/VRMdatenProvider2.h"
#include "model/errors/Fehler.h"
#include "model/house/Haus2.h"

namespace {

constexpr float kStundenJeTag = 24.0f;
constexpr int kHoechsteBinTemp = kBinAnzahl - 1 - kBinNullGrad;

float BedarfBei(CHaus2& haus, float temp) {
    float bedarf = 0.0f;
    haus.HeizbedarfMonat(temp, 1, bedarf);
    return bedarf;
}

}  // namespace

SEnergieUnterTemp EnergieUnterTemp(BinTage bins, int t, bool relativ,
                                   const std::function<float(float)>& heizbedarf) {
    const float lastBeiT = heizbedarf(static_cast<float>(t));
    SEnergieUnterTemp e;
    for (int i = -kBinNullGrad; i < t && i <= kHoechsteBinTemp; ++i) {
        const float tage = bins[static_cast<size_t>(i + kBinNullGrad)];
        if (!(tage >= kBinLeer)) continue;
        e.tage += tage;
        const float last = heizbedarf(static_cast<float>(i));
        if (last < lastBeiT) ThrowFehler(0, nullptr);
        e.energie += (relativ ? last - lastBeiT : last) * tage * kStundenJeTag;
    }
    return e;
}

void LeseTempHaeufigkeiten(CHaus2& haus, std::span<float, kBinAnzahl> bins) {
    CVRMdatenProvider2::Get().GetTempHaeufigkeiten(haus.GetWert(ID_Wetterort).GetStringVal(), bins,
                                                   haus.GetWert(ID_Klimaort).GetStringVal());
}

SEnergieUnterTemp EnergieUnterTemp(CHaus2& haus, int t, bool relativ) {
    std::array<float, kBinAnzahl> bins{};
    LeseTempHaeufigkeiten(haus, bins);
    return EnergieUnterTemp(bins, t, relativ, [&](float temp) { return BedarfBei(haus, temp); });
}
