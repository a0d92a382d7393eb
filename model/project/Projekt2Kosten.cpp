// The cost data of the economics comparison and the heating systems to compare, each kept
// as a text of numbers with "#" behind every number.
#include <algorithm>
#include <exception>
#include <tuple>
#include <numeric>
#include <string_view>
#include <vector>

#include "core/db/SectionNames.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/errors/Fehler.h"
#include "model/project/Projekt2.h"
#include "platform/numbers/Numbers.h"

namespace {

constexpr char16_t kTrenner = u'#';
using platform::StoredNumber;

// Per heating kind: the project's value, the program's cost list and its number option.
struct SKostenArt {
    TKelvoDatenID id;
    TOptionID listenOption;
    TOptionID zahlOption;
};
constexpr SKostenArt kKostenArten[] = {
    {ID_ZKostenWP, OPT_ZKOSTEN_WP, OPT_WKOSTEN_WP},
    {ID_ZKostenOel, OPT_ZKOSTEN_OEL, OPT_WKOSTEN_OEL},
    {ID_ZKostenGas, OPT_ZKOSTEN_GAS, OPT_WKOSTEN_GAS},
    {ID_ZKostenNSp, OPT_ZKOSTEN_NSPEICHER, OPT_WKOSTEN_NSPEICHER},
    {ID_ZKostenEDi, OPT_ZKOSTEN_ELEKTRISCH, OPT_WKOSTEN_ELEKTRISCH},
    {ID_ZKostenZET, OPT_ZKOSTEN_ZET, OPT_WKOSTEN_ZET},
};

const SKostenArt& KostenArt(int art, const char16_t* ort) {
    if (art < 0 || art >= CProjekt2::kKostenArten) ThrowFehler(textid::kFalscheKonstante, ort);
    return kKostenArten[art];
}

// The texts before each "#", at most `max`; a last number without one is not read.
std::vector<std::u16string_view> Zahlentexte(std::u16string_view text, size_t max) {
    std::vector<std::u16string_view> teile;
    size_t start = 0;
    while (teile.size() < max) {
        const size_t ende = text.find(kTrenner, start);
        if (ende == std::u16string_view::npos) break;
        teile.push_back(text.substr(start, ende - start));
        start = ende + 1;
    }
    return teile;
}

CVRMString Zahl(unsigned formatId, uint32_t wert) {
    CVRMString text;
    text.Format(formatId, wert);
    return text + kTrenner;
}

// Where the project keeps a cost list, named when the list is damaged.
vrmcore::SZahlOrt Ort(const CVRMString& projekt, TKelvoDatenID id) {
    return {projekt, CVRMwerteListe::getKey(id)};
}

CVRMString Zahl(unsigned formatId, float wert) {
    CVRMString text;
    text.Format(formatId, wert);
    return text + kTrenner;
}

}  // namespace

bool CProjekt2::HatDetaillierteZKosten(int art) const {
    const SKostenArt& k = KostenArt(art, u"CProjekt2::HatDetaillierteZKosten");
    return !Text(k.id).IsEmpty();
}

void CProjekt2::GetZusatzKosten(int art, ZusatzKosten& kosten) {
    PruefeInit(u"CProjekt2::GetZusatzKosten()");
    kosten.fill(0);
    const SKostenArt& k = KostenArt(art, u"CProjekt2::GetZusatzKosten");
    if (HatDetaillierteZKosten(art)) {
        IKelvoOptionen::ParseWerteListe(Text(k.id), kosten, Ort(getConsumerName(), k.id));
        return;
    }
    IKelvoOptionen& optionen = GetKelvoApp().GetOptionsManager();
    CVRMString liste;
    optionen.GetStringWert(k.listenOption, liste);
    IKelvoOptionen::ParseWerteListe(liste, kosten,
                                    {vrmdb::kSektionOptionen, optionen.GetKey(k.listenOption)});
    int32_t zahl = 0;
    optionen.GetLongWert(k.zahlOption, zahl);
    kosten[2] = zahl > 0 ? static_cast<uint32_t>(zahl) : 0u;
}

uint32_t CProjekt2::GetZusatzKostenSumme(int art) {
    ZusatzKosten kosten;
    GetZusatzKosten(art, kosten);
    return std::accumulate(kosten.begin(), kosten.end(), uint32_t{0});
}

void CProjekt2::SetZusatzKosten(int art, const ZusatzKosten& kosten) {
    PruefeInit(u"CProjekt2::SetZusatzKosten()");
    CVRMString text;
    for (uint32_t wert : kosten) text += platform::format(u"%u#", wert);
    const SKostenArt& k = KostenArt(art, u"CProjekt2::SetZusatzKosten");
    SetWert(k.id, CVRMVariant(text), true);
}

void CProjekt2::GetInvestKosten(InvestKosten& kosten) const {
    PruefeInit(u"CProjekt2::GetInvestKosten()");
    std::array<uint32_t, std::tuple_size_v<InvestKosten> * 2> zahlen{};
    ParseKostenListe(Text(ID_Wirtschaft), zahlen, Ort(getConsumerName(), ID_Wirtschaft));
    for (size_t i = 0; i < kosten.size(); ++i) kosten[i] = {zahlen[2 * i], zahlen[2 * i + 1]};
}

void CProjekt2::SetInvestKosten(const InvestKosten& kosten, bool speichern) {
    PruefeInit(u"CProjekt2::SetInvestKosten()");
    CVRMString text;
    for (const SInvestPaar& paar : kosten)
        text += Zahl(textid::kFormatU, paar.erster) + Zahl(textid::kFormatU, paar.zweiter);
    SetWert(ID_Wirtschaft, CVRMVariant(text), speichern);
}

void CProjekt2::GetBKostenDaten(BKostenDaten& daten) const {
    PruefeInit(u"CProjekt2::GetBKostenDaten()");
    ParseBKostenListe(Text(ID_BKostenDaten), daten, Ort(getConsumerName(), ID_BKostenDaten));
}

void CProjekt2::SetBKostenDaten(const BKostenDaten& daten) {
    PruefeInit(u"CProjekt2::SetBKostenDaten()");
    SetWert(ID_BKostenDaten, CVRMVariant(FormatBKostenListe(daten)), true);
}

void CProjekt2::ParseBKostenListe(std::u16string_view text, BKostenDaten& daten,
                                  const vrmcore::SZahlOrt& ort) {
    BKostenDaten gelesen{};
    const auto zahlen = Zahlentexte(text, gelesen.size() * 2);
    for (size_t i = 0; i < zahlen.size(); ++i) {
        SBKostenPaar& paar = gelesen[i / 2];
        if (i % 2 == 0)
            paar.wert = static_cast<float>(
                vrmcore::GespeichertesElement(zahlen[i], StoredNumber::Float, ort));
        else
            paar.zahl = static_cast<uint32_t>(
                vrmcore::GespeichertesElement(zahlen[i], StoredNumber::UInt32, ort));
    }
    daten = gelesen;
}

CVRMString CProjekt2::FormatBKostenListe(const BKostenDaten& daten) {
    CVRMString text;
    for (const SBKostenPaar& paar : daten) {
        text += Zahl(textid::kFormatFloat1, paar.wert);
        text += platform::format(u"%u#", paar.zahl);
    }
    return text;
}

void CProjekt2::ParseKostenListe(std::u16string_view text, std::span<uint32_t> zahlen,
                                 const vrmcore::SZahlOrt& ort) {
    const auto teile = Zahlentexte(text, zahlen.size());
    std::vector<uint32_t> gelesen(zahlen.size(), 0u);
    for (size_t i = 0; i < teile.size(); ++i)
        gelesen[i] = static_cast<uint32_t>(
            vrmcore::GespeichertesElement(teile[i], StoredNumber::UInt32, ort));
    std::copy(gelesen.begin(), gelesen.end(), zahlen.begin());
}

bool CProjekt2::HatWert476() const {
    PruefeInit(u"CProjekt2::HatWert476");
    return !Text(ID_Wirtschaft).IsEmpty();
}

bool CProjekt2::HatWert480() const {
    PruefeInit(u"CProjekt2::HatWert480");
    return !Text(ID_BKostenDaten).IsEmpty();
}

void CProjekt2::GetHeizsystemJN(HeizsystemFlags& flags) const {
    try {
        PruefeInit(u"CProjekt2::GetHeizsystemJN()");
        flags.fill(1);
        const CVRMString text = Text(ID_HeizsystemJN);
        for (size_t i = 0; i < text.size() && i < flags.size(); ++i)
            if (text[i] == u'0') flags[i] = 0;
    } catch (const std::exception&) {
        ThrowFehler(textid::kKeineErgebnisse, u"Projekt::HeizsystemJN");
    }
}

void CProjekt2::SetHeizsystemJN(const HeizsystemFlags& flags) {
    PruefeInit(u"CProjekt2::SetHeizsystemJN()");
    CVRMString text;
    for (int flag : flags) text += flag == 1 ? u'1' : u'0';
    SetWert(ID_HeizsystemJN, CVRMVariant(text), true);
}
