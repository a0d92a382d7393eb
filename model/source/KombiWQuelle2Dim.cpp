// Writing what the dimensioning found into the first heat source.
#include "core/text/TextIdConstants.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/data/Flachkollektor.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/Fehler.h"
#include "model/errors/GlobaleTexte.h"
#include "model/errors/KVSMessageBox.h"
#include "model/source/KombiWQuelle2.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr const char16_t* kOrt = u"CKombiWQuelle2::SetDimDaten";
constexpr int kKomponenteWQuelle = 2;
constexpr int kMediumDirektverdampfung = 3;

// The size of the source by kind.
struct Groesse {
    unsigned laenge = 0;
    unsigned flaeche = 0;
    unsigned kreise = 0;
    float abstand = 0.0f;
    bool volStromBerechnet = false;
};

Groesse GroesseFuer(const SDimWQuelle& dim) {
    const unsigned anzahl = dim.anzahl > 0 ? static_cast<unsigned>(dim.anzahl) : 0u;
    switch (dim.art) {
        case 0:
            return {dim.sondenLaenge, 25u * anzahl, anzahl, 0.5f, true};
        case 1: {
            // The laying distance divides by the tube length.
            if (!(dim.rohrLaenge >= 1.0f))
                ThrowFehler(textid::kDatenFehlen, u"CKombiWQuelle2::SetDimDaten(2)");
            const unsigned kreise = static_cast<unsigned>(
                platform::toUInt32(BerechneKreisAnzahl(dim.aussen, dim.rohrLaenge)));
            return {platform::toUInt32(dim.rohrLaenge), platform::toUInt32(dim.flaeche), kreise,
                    dim.flaeche / dim.rohrLaenge, true};
        }
        case 2:
        case 3:
        case 6:
            return {1u, 1u, 1u, 0.5f, false};
        case 4:
            return {0u, 0u, 0u, 0.0f, false};
        case 5:
            return {103u * anzahl, platform::toUInt32(dim.flaeche), anzahl, 0.05f, false};
        default:
            ThrowFehler(textid::kFalscheKonstante, kOrt);
    }
}

// Asks the library guard whether the record may change. The guard answers the same until
// the user does something elsewhere, so asking it again in a loop would never end: after
// the question either answer aborts the design.
void WarteAufAenderbarkeit(const CVRMString& name) {
    if (ChangeBiboKomponente(kKomponenteWQuelle, name)) return;
    ShowFehler2(3109, textid::kWaermequelle);  // "Could not change component"
    KVSMessageBoxID(3351, textid::kProduktCaption,  // "Abort design?"
                    platform::mb::YESNO | platform::mb::ICONQUESTION);
    ThrowFehler(3268, nullptr);  // "Design aborted!"
}

}  // namespace

void CKombiWQuelle2::SetDimDaten(const SDimWQuelle& dim, bool speichern) {
    if (GetKelvoApp().GetAktDokument(false)->GetDimModus() == 0)
        ThrowFehler(textid::kKeinDimModus, kOrt);
    WarteAufAenderbarkeit(m_werte.getName());
    CWQuelle2& quelle = *GetErsteWQuelle();
    quelle.SetzeWert(ID_Sondenart, dim.sondenart);

    const CVRMString& material = dim.pumpenMedium == kMediumDirektverdampfung
                                     ? GetStdRohrMaterialKupfer()
                                     : GetStdRohrMaterial();
    quelle.SetzeWert(ID_AbsMaterial, material);
    quelle.SetzeWert(ID_WaermeleitAbs,
                     CVRMdatenProvider::get().getWert(material, ID_WaermeleitAbs));

    const Groesse g = GroesseFuer(dim);
    // A ground nobody has entered goes down with the probes; a profile of the user's stays.
    const bool bodenFolgt = dim.art == 0 && g.laenge > 0 && quelle.HatVorgabeBoden();
    quelle.SetzeWert(ID_BerechneVolStrom, g.volStromBerechnet);
    quelle.SetzeWert(ID_QuellMediumIdx, dim.art);
    quelle.SetzeWert(ID_RohrAussen, dim.aussen);
    quelle.SetzeWert(ID_RohrInnen, dim.art == 5 ? 2.7f : GetRohrInnenDurchmesser(dim.aussen));
    quelle.SetzeWert(ID_WQuelleFlaeche, g.flaeche);
    quelle.SetzeWert(ID_WQuelleLaenge, g.laenge);
    if (bodenFolgt) quelle.SetzeWert(ID_QTiefe1, g.laenge);
    quelle.SetzeWert(ID_SoleKreise, g.kreise);
    quelle.SetzeWert(ID_SondenReihe, 1u);
    // The turbulent minimum depends on the circuits: the flow follows the new field's size.
    const float volStrom =
        g.volStromBerechnet
            ? quelle.MinVolStromSole2(dim.spreizung, dim.entzugLeistung, dim.nennVolStrom)
            : dim.nennVolStrom;
    quelle.SetzeWert(ID_VolStrom, volStrom);
    quelle.SetzeWert(ID_WQuelleAbstand, g.abstand);
    quelle.SetzeWert(ID_BetrWeiseIdx, dim.betrWeise);
    quelle.SetzeWert(ID_DimPunktTemp, dim.dimPunktTemp);
    if (dim.art == 0 || dim.art == 4) {
        quelle.SetzeWert(ID_AbsRichtungIdx, 0);
        quelle.SetzeWert(ID_AbsLageBodenIdx, 1);
    }
    if (speichern) quelle.Speichern(true);
}
