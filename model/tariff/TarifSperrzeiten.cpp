// The period form of a tariff's blocking times: up to four periods of the day, each with a
// switch and its first and end hour, summed into the blocked hours of each tariff window.
#include <algorithm>
#include <bitset>

#include "core/db/Global.h"
#include "core/text/TextIdConstants.h"
#include "core/value/DatenBereich.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/tariff/Tarif2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int kPerioden = 4;
// "Tariff '%s': its blocking periods block %i hours during one tariff window; %i hours, the
// most a tariff takes, were taken over."
constexpr unsigned kSperrzeitBegrenzt = 5901;
constexpr unsigned kTag = 24;

using Stunden = std::bitset<kTag>;

struct SSperrPeriode {
    bool aktiv = false;
    unsigned von = 0;
    unsigned bis = 0;
};

CVRMString Schluessel(const char16_t* stamm, int periode) {
    return platform::format(u"%s%i", CVRMString(stamm), periode);
}

// Reading the periods never fails: a missing entry reads 0.
SSperrPeriode LesePeriode(const CVRMString& section, int periode) {
    SSperrPeriode p;
    p.aktiv = IGlobal::ReadIniInt(section, Schluessel(u"SperrZ", periode), 0) != 0;
    p.von = static_cast<unsigned>(IGlobal::ReadIniInt(section, Schluessel(u"SZVon", periode), 0));
    p.bis = static_cast<unsigned>(IGlobal::ReadIniInt(section, Schluessel(u"SZBis", periode), 0));
    return p;
}

// The hours from `von` up to `bis`, going round midnight. From an hour to the same hour is
// the whole day for a tariff window and nothing for a blocking period.
Stunden StundenVonBis(unsigned von, unsigned bis, bool gleichIstGanzerTag) {
    von %= kTag;
    bis %= kTag;
    Stunden s;
    if (von == bis) {
        if (gleichIstGanzerTag) s.set();
        return s;
    }
    for (unsigned h = von; h != bis; h = (h + 1) % kTag) s.set(h);
    return s;
}

// The hours that the period and the window share. Counting hour by hour rather than by
// comparing the ends keeps periods in the part of a window after midnight, and periods
// that reach round both ends of a window, right.
unsigned GemeinsameStunden(const SSperrPeriode& p, const STarifFenster& fenster) {
    if (!p.aktiv) return 0;
    const Stunden periode = StundenVonBis(p.von, p.bis, false);
    const Stunden tarif = StundenVonBis(fenster.von, fenster.bis, true);
    return static_cast<unsigned>((periode & tarif).count());
}

}  // namespace

bool CTarif2::SperrzeitWaehrendTarif(int periode, const STarifFenster& fenster) const {
    if (periode < 1 || periode > kPerioden)
        ThrowFehler(textid::kFalscheKonstante, u"CTarif2::SperrzeitWaehrendTarif");
    return GemeinsameStunden(LesePeriode(getConsumerName(), periode), fenster) > 0;
}

int16_t CTarif2::GetSperrzeitWaehrendTarif(int periode, const STarifFenster& fenster) const {
    if (periode < 1 || periode > kPerioden)
        ThrowFehler(textid::kFalscheKonstante, u"CTarif2::GetSperrzeitWaehrendTarif");
    return static_cast<int16_t>(
        GemeinsameStunden(LesePeriode(getConsumerName(), periode), fenster));
}

void CTarif2::BerechneSperrzeiten() {
    const STarifFenster fenster1{UInt(ID_Von1), UInt(ID_Bis1)};
    const STarifFenster fenster2{UInt(ID_Von2), UInt(ID_Bis2)};
    int stunden1 = 0;
    int stunden2 = 0;
    for (int periode = 1; periode <= kPerioden; ++periode) {
        stunden1 += GetSperrzeitWaehrendTarif(periode, fenster1);
        stunden2 += GetSperrzeitWaehrendTarif(periode, fenster2);
    }
    // Periods may block a whole window; the program reads, and the tariff page takes, no
    // more than the blocking-hour range, so that a converted tariff loads again. The user
    // is told, since the tariff then blocks less than its periods did.
    const auto begrenzt = [this](int stunden) {
        const float hoechstens = datenbereich::kSperrzeit.max;
        if (static_cast<float>(stunden) <= hoechstens) return static_cast<float>(stunden);
        CVRMString text;
        text.Format(kSperrzeitBegrenzt, getConsumerName(), stunden, static_cast<int>(hoechstens));
        KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                               platform::mb::OK | platform::mb::ICONINFORMATION);
        return hoechstens;
    };
    SetWert(ID_SperrZ1, CVRMVariant(begrenzt(stunden1)), true);
    SetWert(ID_SperrZ2, CVRMVariant(begrenzt(stunden2)), true);
}
