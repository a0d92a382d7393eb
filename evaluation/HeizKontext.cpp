#include "evaluation/HeizKontext.h"

#include <cmath>

#include "model/data/VRMdatenProvider2.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/source/KombiWQuelle2.h"
#include "model/tariff/Tarif2.h"

CHeizKontext::CHeizKontext(CKombiWQuelle2& kombi_, CWPumpe2& wpumpe_, CHaus2& haus_,
                           CTarif2& tarif_)
    : kombi(kombi_), wpumpe(wpumpe_), haus(haus_), tarif(tarif_) {
    sperrStdTag = tarif.GetSperrzeitProTag();
    sperrStdMonat = tarif.GetSperrzeitProMonat();
    sperrFaktor = SperrFaktor(tarif);
    vorlauf = haus.GetWert(ID_HeizVorlauf).GetFloatVal();
    ruecklauf = haus.GetWert(ID_HeizRuecklauf).GetFloatVal();
    medium = wpumpe.GetWert(ID_MedienTyp).GetIntVal();
    tabelle.emplace(wpumpe, vorlauf, ruecklauf);
    minLuftTemp = wpumpe.GetWert(ID_MinLuftTemp).GetFloatVal();
    haus.GetKlimaMonatsTemps(klimaTemps);
    mitZuheizung = kombi.IstMonoEnergetisch() || kombi.IstBiValent();
    if (mitZuheizung) {
        dimPunktTemp = kombi.GetDimPunktTemp();
        CVRMdatenProvider2::Get().GetTempHaeufigkeiten(haus.GetWert(ID_Wetterort).GetStringVal(),
                                                       bins,
                                                       haus.GetWert(ID_Klimaort).GetStringVal());
        tageUnterGrenze = TageUnterGrenze(bins, static_cast<float>(dimPunktTemp));
    }
}

float CHeizKontext::SperrFaktor(CTarif2& tarif) {
    const bool ganzeWoche = !tarif.GetWert(ID_SZWoEnde).GetBoolVal();
    return tarif.GetBerechnung().GetSperrzeitFaktor(tarif.GetSperrzeitProTag(), ganzeWoche);
}

CHeizKontext::BinWerte* CHeizKontext::Bin(float aussenTemp) {
    const float i = aussenTemp + static_cast<float>(kBinNullGrad);
    if (!(i >= 0.0f && i < static_cast<float>(kBinAnzahl)) || std::floor(i) != i) return nullptr;
    return &m_binWerte[static_cast<size_t>(i)];
}

float CHeizKontext::Heizbedarf(float aussenTemp) {
    BinWerte* bin = Bin(aussenTemp);
    if (bin && bin->bedarfBekannt) return bin->bedarf;
    float bedarf = 0.0f;
    haus.HeizbedarfMonat(aussenTemp, 1, bedarf);
    if (bin) {
        bin->bedarf = bedarf;
        bin->bedarfBekannt = true;
    }
    return bedarf;
}

float CHeizKontext::VorlaufTemp(float aussenTemp) {
    BinWerte* bin = Bin(aussenTemp);
    if (bin && bin->vorlaufBekannt) return bin->vorlauf;
    float temp = 0.0f;
    haus.MomentaneVorlaufTempMonat(aussenTemp, sperrFaktor, temp, true);
    if (bin) {
        bin->vorlauf = temp;
        bin->vorlaufBekannt = true;
    }
    return temp;
}

SWPLeistung CHeizKontext::WPLeistung(float quellTemp, float vorlaufTemp) {
    // Air draws at the bin temperature, so its capacities repeat from month to month.
    BinWerte* bin = medium == 1 ? Bin(quellTemp) : nullptr;
    if (bin && !(bin->vorlaufBekannt && bin->vorlauf == vorlaufTemp)) bin = nullptr;
    if (bin && bin->luftBekannt) return bin->luft;
    const SWPLeistung p = tabelle->Gesamt(quellTemp, vorlaufTemp);
    if (bin) {
        bin->luft = p;
        bin->luftBekannt = true;
    }
    return p;
}
