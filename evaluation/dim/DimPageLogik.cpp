#include "evaluation/dim/DimPageLogik.h"

#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "evaluation/AuswertManager.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "core/value/VRMdatenProvider.h"
#include "model/heatpump/WPumpe2.h"
#include "model/house/Haus2.h"
#include "model/source/WQuelle2.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int kHoechsterDimPunkt = 12;
// The highest temperature a heat pump is taken to deliver.
constexpr float kMaxAuslegTemp = 76.0f;
constexpr float kKeineLast = 0.1f;
constexpr int kDokMonovalent = 1;

constexpr unsigned kTitelPruefeWP = 3237;            // "Checking heat pumps in database"
constexpr unsigned kTempZuHoch = 3821;               // "The required temperatures are too high ..."

void Meldung(unsigned textId, unsigned captionId) {
    KVSMessageBoxID(textId, captionId, platform::mb::OK | platform::mb::ICONEXCLAMATION);
}

}  // namespace

int CDimPageLogik::DokModus(int betriebsweise, const char16_t* ort) {
    switch (betriebsweise) {
        case 0:
            return 0;
        case 1:
            return 2;
        case 2:
            return 3;
        case 3:
            return 1;
        default:
            ThrowFehler(textid::kFalscheKonstante, ort);
    }
}

SDimWerte CDimPageLogik::GetDimWerte(int t) {
    const int modus = DokModus(betriebsweise, u"CDimPage::GetDimWerte");
    SDimAnfrage anfrage;
    anfrage.quellenArt = quellArt;
    anfrage.dimTemp = static_cast<float>(t);
    anfrage.parallelBetrieb = IstParallelBetrieb(modus);
    anfrage.alternativBetrieb = IstAlternativBetrieb(modus);
    anfrage.anzahlWP = anzahlIndex + 1;
    anfrage.quelle = m_dok.GetWQuelle(1);
    return m_dok.GetDimWerte(anfrage);
}

void CDimPageLogik::SetMinDimPunktTemp() {
    CHaus2* haus = m_dok.GetHaus();
    if (!haus) ThrowFehler(textid::kNichtInitialisiert, u"CDimPage::SetMinDimPunktTemp");
    const int t0 = static_cast<int>(haus->GetWert(ID_NAT).GetFloatVal());
    if (festerDimPunkt) {
        minDimPunktTemp = t0;
        return;
    }
    if (betriebsweise < 0) return;
    int t = t0;
    bool gefunden = false;
    for (; t <= kHoechsterDimPunkt; ++t) {
        const SDimWerte w = GetDimWerte(t);
        switch (betriebsweise) {
            case 1:
            case 2:
                // The bivalent modes switch over at the point the search stands at: an
                // outdoor temperature, not the source's (a probe's brine stays at -2 °C).
                bivalenzTemp = t;
                break;
            case 0:
            case 3:
                break;
            default:
                ThrowFehler(textid::kFalscheKonstante, u"CDimPage::SetMinDimPunktTemp");
        }
        if (w.auslegTemp < kMaxAuslegTemp) {
            gefunden = true;
            break;
        }
    }
    if (!gefunden) {
        Meldung(kTempZuHoch, textid::kProduktCaption);
        if (t > kHoechsterDimPunkt && t0 <= kHoechsterDimPunkt) t = kHoechsterDimPunkt;
    }
    if (t > minDimPunktTemp) minDimPunktTemp = t;
}

void CDimPageLogik::SetzeQuellArt(int art) {
    quellArt = art;
    minDimPunktTemp = kKeinMinDimPunkt;
    SetMinDimPunktTemp();
    dimPunktTemp = std::max(dimPunktTemp, minDimPunktTemp);
}

SAuslegungsWerte CDimPageLogik::AuslegungsWerte() {
    const SDimWerte amPunkt = GetDimWerte(dimPunktTemp);
    const SDimWerte amTiefsten = GetDimWerte(minDimPunktTemp);
    SAuslegungsWerte w;
    w.quellTemp = amPunkt.quellTemp;
    w.vorlaufTemp1 = amTiefsten.auslegTemp;
    w.vorlaufTemp2 = amPunkt.auslegTemp;
    w.leistung = amPunkt.leistungProWP;
    if (CHaus2* haus = m_dok.GetHaus()) w.ruecklaufTemp = haus->GetWert(ID_HeizRuecklauf);
    return w;
}

void CDimPageLogik::NimmAuf(const CVRMString& name) {
    for (const SKandidat& k : kandidaten)
        if (k.name == name) return;
    const SAuslegungsWerte w = AuslegungsWerte();
    SKandidat k{name, 0.0f};
    bool zwischenkreis = false;
    // Only the capacity is wanted: any medium, no flow test, no required capacity.
    CWPumpe2::PasstZurAuslegung(name, k.leistung, -1, static_cast<int>(w.quellTemp), true, 0, false, 0,
                                w.quellTemp, w.vorlaufTemp1, w.vorlaufTemp2, w.ruecklaufTemp, 0.0f,
                                zwischenkreis);
    kandidaten.push_back(k);
}

bool CDimPageLogik::ModusReichtFuerVorlauf() {
    if (DokModus(betriebsweise, u"CDimPage::OnWizardFinish") != kDokMonovalent || wpName.empty()) return true;
    CWPumpe2 wp;
    CVRMdatenProvider::get().fill(wp, wpName);
    const SAuslegungsWerte w = AuslegungsWerte();
    return wp.getMVT(w.quellTemp) >= w.vorlaufTemp1;
}

bool CDimPageLogik::KeineHeizlast() {
    CHaus2* haus = m_dok.GetHaus();
    return haus && haus->GetWert(ID_NormwaermeBedarf).GetFloatVal() < kKeineLast;
}

SSeitenAuslegung CDimPageLogik::SeitenAuslegung(const SAuslegungsWerte& werte) {
    SSeitenAuslegung a;
    a.quellArt = quellArt;
    a.dokModus = DokModus(betriebsweise, u"CDimPage::GetDimWerte");
    a.dimPunktTemp = dimPunktTemp;
    a.minDimPunktTemp = minDimPunktTemp;
    a.festerDimPunkt = festerDimPunkt;
    a.keineHeizlast = KeineHeizlast();
    a.werte = werte;
    return a;
}

bool CDimPageLogik::Dimensioniere(const SAuslegungsWerte& werte, platform::Window* parent) {
    const SSeitenAuslegung a = SeitenAuslegung(werte);
    return Dimensioniere(
        [&a](const CVRMString& name, float& leistung) {
            return PasstZurSeitenAuslegung(name, a, leistung);
        },
        parent);
}

bool CDimPageLogik::Dimensioniere(const KandidatenFilter& filter, platform::Window* parent) {
    std::unique_ptr<IDlgProgress> progress =
        GetKelvoApp().CreateDlgProgress(parent, kTitelPruefeWP);
    std::optional<std::vector<SKandidat>> treffer;
    try {
        treffer = SucheKandidaten(katalog, filter, progress.get());
    } catch (...) {
        if (progress) progress->Close();
        throw;
    }
    if (progress) progress->Close();
    if (!treffer) return false;
    const bool gefunden = !treffer->empty();
    kandidaten = GruppiereKandidaten(std::move(*treffer));
    return gefunden;
}

int CDimPageLogik::KlassenIndex(int zahl) {
    if (zahl < 1) return -1;
    if (zahl <= 4) return 0;
    if (zahl <= 6) return 1;
    if (zahl <= 9) return 2;
    if (zahl <= 12) return 3;
    if (zahl <= 16) return 4;
    return -1;
}
