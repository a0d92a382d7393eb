// Defaults from the program options and the repair of the project's links when it is
// filled. A project that may not be changed (a library project without the "conf" switch)
// is repaired in memory only: nothing of it reaches the user database, no component is
// created for it, and the user is not told again at every opening about a fault that he
// cannot mend.
#include "core/db/Global.h"
#include "core/db/TextCompare.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoBindungen.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/data/NeuesObjekt.h"
#include "model/errors/KVSMessageBox.h"
#include "model/project/Projekt2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr unsigned kKomponenteFehlt = 3382;  // "Project component '%s'\nnot found ..."
constexpr size_t kHeizsystemZeichen = 6;

// Where the names of a link's list come from.
enum class Liste { Datenbank, Tarife, Waermepumpen };

// What an empty link gets.
enum class Ersatz { NeueKomponente, TarifOption, Keiner };

}  // namespace

struct SProjektVerknuepfung {
    TKelvoDatenID id;
    Liste quelle;
    TKelvoListID liste;
    Ersatz ersatz;
    int art;  // kind of the new component
    const char16_t* endung;
    bool (*gebunden)();  // null: always repaired
};

namespace {

bool ImmerDa() {
    return true;
}

CVRMStringArray Namen(const SProjektVerknuepfung& link) {
    CVRMStringArray namen;
    switch (link.quelle) {
        case Liste::Tarife:
            GetKelvoApp().GetListe2(namen, 1);
            break;
        case Liste::Waermepumpen:
            GetKelvoApp().GetListe(namen, 1);
            break;
        case Liste::Datenbank:
            IGlobal::GetStringListe(link.liste, namen, 1);
            break;
    }
    return namen;
}

}  // namespace

void CProjekt2::SetzeVorgaben() {
    const bool aenderbar = IstAenderbar(false);
    IKelvoOptionen& optionen = GetKelvoApp().GetOptionsManager();
    const std::pair<TKelvoDatenID, uint32_t> kostenVorgaben[] = {
        {ID_Wirtschaft, OPT_WIRTSCHAFT}, {ID_BKostenDaten, OPT_BKOSTEN_DATEN}};
    for (const auto& [id, option] : kostenVorgaben) {
        if (!Text(id).IsEmpty()) continue;
        CVRMString vorgabe;
        optionen.GetStringWert(option, vorgabe);
        SetzeVorgabe(id, vorgabe, aenderbar);
    }
    if (Text(ID_HeizsystemJN).size() < kHeizsystemZeichen) m_werte.get(ID_HeizsystemJN) = u"111111";

    static const SProjektVerknuepfung kLinks[] = {
        {ID_Haus, Liste::Datenbank, LISTE_HAEUSER, Ersatz::NeueKomponente, 0, u"_HausX", ImmerDa},
        {ID_Solar, Liste::Datenbank, LISTE_SOLARANLAGEN, Ersatz::NeueKomponente, 9, u"_Solar",
         [] { return GetKelvoBindungen().IstSolarGebunden(); }},
        {ID_Kuehl, Liste::Datenbank, LISTE_KUEHLANLAGEN, Ersatz::NeueKomponente, 12, u"_Kuehl",
         [] { return GetKelvoBindungen().IstKuehlGebunden(); }},
        {ID_Tarif, Liste::Tarife, LISTE_TARIFE, Ersatz::TarifOption, 3, nullptr, ImmerDa},
        {ID_WPumpe, Liste::Waermepumpen, LISTE_WPUMPEN, Ersatz::Keiner, 1, nullptr, ImmerDa},
        {ID_WQuelle, Liste::Datenbank, LISTE_WQUELLEN, Ersatz::NeueKomponente, 2, u"_WQX", ImmerDa},
    };
    for (const SProjektVerknuepfung& link : kLinks)
        if (link.gebunden()) PruefeVerknuepfung(link, aenderbar);
}

void CProjekt2::PruefeVerknuepfung(const SProjektVerknuepfung& link, bool aenderbar) {
    CVRMwert& wert = m_werte.get(link.id);
    const CVRMString name = wert.GetStringVal();
    if (!name.IsEmpty()) {
        if (NameEnthalten(Namen(link), name)) return;
        if (aenderbar) {
            CVRMString meldung;
            meldung.Format(kKomponenteFehlt, name);
            KVSMessageBoxText(meldung, getConsumerName(),
                              platform::mb::OK | platform::mb::ICONINFORMATION);
        }
        // Empty, as loaded too: the dropped name is not written anywhere.
        wert.defval();
    }
    FuelleLeereVerknuepfung(link, aenderbar);
}

void CProjekt2::FuelleLeereVerknuepfung(const SProjektVerknuepfung& link, bool aenderbar) {
    switch (link.ersatz) {
        case Ersatz::NeueKomponente: {
            // Creating a component adds it to a list of the user database.
            if (!aenderbar) return;
            CVRMString neu = getConsumerName() + link.endung;
            if (AddNeuesObjekt(link.art, neu)) SetWert(link.id, CVRMVariant(neu), true);
            return;
        }
        case Ersatz::TarifOption: {
            CVRMString tarif;
            GetKelvoApp().GetOptionsManager().GetStringWert(OPT_DEF_TARIF, tarif);
            SetzeVorgabe(link.id, tarif, aenderbar);
            return;
        }
        case Ersatz::Keiner:
            return;
    }
}
