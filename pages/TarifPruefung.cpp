#include "pages/TarifPruefung.h"

unsigned TarifDauer(unsigned von, unsigned bis) { return bis == von ? 24u : bis - von; }

bool SperrzeitenFragen(const STarifZeiten& z) { return z.sperr1 + z.sperr2 > kSperrzeitFrage; }

bool TarifKurzFragen(bool benutzt, unsigned von, unsigned bis) {
    return benutzt && bis > von && TarifDauer(von, bis) < kKurzerTarif;
}

bool GanzerTag(const STarifZeiten& z) {
    if (z.tag && z.nacht) return z.von2 == z.bis1 && z.bis2 == z.von1;
    if (z.tag) return z.von1 == z.bis1;
    if (z.nacht) return z.von2 == z.bis2;
    return false;
}
