// A heat pump of the user's own made from another: the start of a new heat pump.
#include "core/value/VRMdatenProvider.h"
#include "core/value/VRMwerteListe.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/heatpump/WPumpe2.h"

void CWPumpe2::Kopiere(const CVRMString& von, const CVRMString& nach) {
    CVRMdatenProvider& store = CVRMdatenProvider::get();
    {
        // Filling loads every value a heat pump has into the store.
        CWPumpe2 vorlage;
        store.fill(vorlage, von);
    }
    CVRMwerteListe werte(nach);
    werte.copy(store.getWerte(von));
    store.save(werte, true);
    CVRMdatenProvider2& daten = CVRMdatenProvider2::Get();
    daten.SpeichereLeistDatenZeilen(nach, daten.LeseLeistDatenZeilen(von), true);
}
