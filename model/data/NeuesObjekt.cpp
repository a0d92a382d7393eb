#include "model/data/NeuesObjekt.h"

#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoDocServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int kOhneListe = 15;

struct Komponentenart {
    int art;
    unsigned textId;
    int liste;  // TKelvoListID
};

constexpr Komponentenart kArten[] = {
    {0, 3139, 1},  // "Building"
    {1, textid::kWaermepumpe, 4},
    {2, textid::kWaermequelle, 9},
    {3, 3142, 3},    // "Tariff"
    {4, 3143, 8},    // "Ground temperature data"
    {5, 3144, 2},    // "Climate data"
    {6, 3145, 11},   // "Weather data"
    {7, 3334, 0},    // "Project"
    {8, 3146, 10},   // "Kind of soil"
    {9, 3469, 12},   // "Solar system"
    {10, 3597, 13},  // "Solar collector"
    {11, 3712, 14},  // "Location with monthly hours of bright sunshine"
    {12, 3792, 15},  // "Cooling system"
};

const Komponentenart* findeArt(int art) {
    for (const auto& k : kArten)
        if (k.art == art) return &k;
    return nullptr;
}

CVRMString artText(const Komponentenart& k) {
    CVRMString text;
    text.LoadStringW(k.textId);
    return text;
}

// Asks for the name; false when the user cancels. An empty entry is a program error.
bool frageName(const Komponentenart& k, const CVRMString& artName, CVRMString& name,
               platform::Window* eltern) {
    CVRMString prompt;
    prompt.Format(3468u, artName);  // "%s name:"
    CVRMString eingabe;
    if (!GetKelvoApp().ShowNameDlg(prompt, k.art, eltern, eingabe)) return false;
    eingabe.Trim();
    if (eingabe.IsEmpty()) ThrowFehler(0, nullptr, 0);
    name = eingabe;
    return true;
}

}  // namespace

int AddNeuesObjekt(int art, CVRMString& name, platform::Window* eltern) {
    if (art == kOhneListe) return 1;
    const Komponentenart* k = findeArt(art);
    if (!k) ThrowFehler(textid::kFalscheKonstante, u"AddNeuesObjekt");
    const CVRMString artName = artText(*k);
    if (name.IsEmpty() && !frageName(*k, artName, name, eltern)) {
        name = artName;
        return 0;
    }
    if (!GetKelvoApp().AddUniqueString(k->liste, name)) {
        name = artName;
        return 0;
    }
    return 1;
}

int ChangeBiboKomponente(int art, const CVRMString& name) {
    IKelvoAppServices& app = GetKelvoApp();
    if (!IGlobal::IstBiboName(name) || app.GetConfSchalter()) return 1;
    if (art != 1 && art != 3) {
        IKelvoDocServices* dokument = app.GetAktDokument(false);
        if (!dokument) ThrowFehler(0, nullptr, 0);
        if (!dokument->IstProjektAenderbar(true)) return 0;
    }
    const Komponentenart* k = findeArt(art);
    const bool meldbar = art == 0 || art == 1 || art == 2 || art == 3 || art == 9 || art == 12;
    if (!k || !meldbar) ThrowFehler(textid::kFalscheKonstante, u"ChangeBiboKomponente");
    CVRMString meldung;
    meldung.Format(5368u, artText(*k));  // "This is a %s from the database."
    KVSMessageBoxCaptionID(meldung, textid::kProduktCaption,
                           platform::mb::OK | platform::mb::ICONINFORMATION);
    return 0;
}
