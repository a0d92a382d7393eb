#include "model/source/FSMdaten.h"

#include <algorithm>

#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"

namespace {

// The concentration enters every formula as a float, so that (c - 30) below 30 is negative
// rather than a wrapped unsigned number.
float alsFloat(unsigned c) {
    return static_cast<float>(c);
}

}  // namespace

bool CFSMdaten::IstNichtEthylenglykol(const CVRMString& fluid) {
    const CVRMString& marke = CResManager::getLangText(textid::kEthylenglykol);
    // An empty marker would be found in every name; it marks no family instead.
    if (marke.empty()) return true;
    return fluid.find(marke) == std::u16string::npos;
}

float CFSMdaten::getDichte(const CVRMString& fluid, unsigned konzentration, float temp) {
    return getDichte(IstNichtEthylenglykol(fluid), konzentration, temp);
}

float CFSMdaten::getSpezWaerme(const CVRMString& fluid, unsigned konzentration, float temp) {
    return getSpezWaerme(IstNichtEthylenglykol(fluid), konzentration, temp);
}

float CFSMdaten::getKinViskos(const CVRMString& fluid, unsigned konzentration, float temp) {
    return getKinViskos(IstNichtEthylenglykol(fluid), konzentration, temp);
}

float CFSMdaten::getWaermeleit(const CVRMString& fluid, unsigned konzentration, float temp) {
    return getWaermeleit(IstNichtEthylenglykol(fluid), konzentration, temp);
}

float CFSMdaten::getDichte(bool nichtEthylenglykol, unsigned konzentration, float temp) {
    const float c = alsFloat(konzentration);
    if (nichtEthylenglykol) return 1036.3f - temp * 0.33333334f + (c - 30.0f) * 1.2f;
    return 1051.3f - temp * 0.33333334f + (c - 30.0f) * 1.7f;
}

float CFSMdaten::getSpezWaerme(bool nichtEthylenglykol, unsigned konzentration, float temp) {
    if (nichtEthylenglykol) {
        const float c = alsFloat(std::max(konzentration, 10u));
        return 4.37f - 0.02f * c + c * temp * 0.0001f;
    }
    const float c = alsFloat(konzentration);
    const float basis = konzentration <= 30 ? 4.18f - 0.014f * c : 4.66f - 0.03f * c;
    // The temperature term counts only from 10 % on.
    return konzentration >= 10 ? basis + 0.004f * temp : basis;
}

namespace {

float KinViskosFit(bool nichtEthylenglykol, unsigned konzentration, float temp, float wasser) {
    const float c = alsFloat(konzentration);
    if (konzentration < 15) return wasser;
    if (nichtEthylenglykol)
        return 4.8f - 0.39f * c + ((c - 30.0f) * 0.1f + 4.7f) * c * 0.1f - c * temp * 0.01f;
    return 3.4f - 0.15f * c + ((c - 30.0f) * 0.04f + 1.8f) * c * 0.1f - c * temp * 0.004333333f;
}

}  // namespace

float CFSMdaten::getKinViskos(bool nichtEthylenglykol, unsigned konzentration, float temp) {
    // Antifreeze only thickens water; where the fit says otherwise it has left its range.
    const float wasser = 1.6f - 0.03f * temp;
    return std::max(
        {KinViskosFit(nichtEthylenglykol, konzentration, temp, wasser), wasser, kMinKinViskos});
}

float CFSMdaten::getWaermeleit(bool nichtEthylenglykol, unsigned konzentration, float temp) {
    const float c = alsFloat(konzentration);
    if (nichtEthylenglykol && konzentration >= 10) return 0.5f - 0.004f * c + 0.0025f * temp;
    return 0.57f - 0.004f * c + 0.0014f * temp;
}
