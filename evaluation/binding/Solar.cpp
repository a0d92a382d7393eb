#include "evaluation/binding/Solar.h"

#include <algorithm>
#include <utility>

#include "core/records/SolareGewinne.h"
#include "core/text/TextIdConstants.h"
#include "core/text/TokenListe.h"
#include "core/value/DatenConsumer.h"
#include "core/value/VRMdatenProvider.h"
#include "evaluation/binding/BindingState.h"
#include "evaluation/binding/ModulAufruf.h"
#include "evaluation/binding/ModulBindung.h"
#include "model/errors/Fehler.h"
#include "platform/format/Format.h"

namespace {

constexpr unsigned kNichtInitialisiert = 3487;    // "Interface 'Solar' not initialized"
constexpr unsigned kSchnittstellenFehler = 3483;  // "Error in interface of module 'Solar'"

constexpr uint32_t kCodeInitAnlage = 14;
constexpr uint32_t kCodeGetGewinne = 15;
constexpr uint32_t kCodeSetGewinne = 16;
constexpr uint32_t kCodeGetErtraege = 32;
constexpr uint32_t kCodeGetErtragsDaten = 39;
constexpr uint32_t kCodeSetErtraege = 40;
constexpr uint32_t kCodeInitKollektor = 49;
constexpr unsigned short kMonate = 12;
constexpr unsigned short kArtErde = 3;

binding::CModulBindung& modul() {
    static binding::CModulBindung bindung({u"Varmsun.dll", 42080, 3, 11,
                                           binding::VersionsMeldung::OhneTextId,
                                           kSchnittstellenFehler});
    return bindung;
}

void PruefeGebunden(const char16_t* ort) {
    if (!ISolar::IstGeladen()) ThrowFehler(kNichtInitialisiert, ort);
}

CVRMString Rufe(uint32_t code, const CVRMString& in) {
    return binding::RufeModul(modul().Eintrag(1), code, in, kSchnittstellenFehler);
}

// A consumer of one value: filling it goes the value store's way of creating and reading
// a value that the cache does not hold yet, so any stored id of the plant can be asked,
// not only those some page or the library happened to fill before.
class CEinWert : public IDatenConsumer {
  public:
    explicit CEinWert(TKelvoDatenID id) : m_id(id) {}
    void GetDatenIDs(CWordArray& ids) override { ids.push_back(static_cast<uint16_t>(m_id)); }
    void init(const CVRMwerteListe& werte) override { m_werte = werte; }
    CVRMwert& wert(bool quiet) const { return m_werte.get(m_id, quiet); }

  private:
    TKelvoDatenID m_id;
};

// The name as a one-token list in a text variant, freed when it goes.
class CNamensVariant {
  public:
    explicit CNamensVariant(const CVRMString& name) {
        CVRMString liste;
        vrmtoken::AppendText(liste, name);
        platform::VariantInit(&m_variant);
        m_variant.vt = platform::VT_BSTR;
        m_variant.bstrVal = platform::SysAllocStringLen(liste.view().data(),
                                                        static_cast<uint32_t>(liste.view().size()));
    }
    ~CNamensVariant() { platform::VariantClear(&m_variant); }
    CNamensVariant(const CNamensVariant&) = delete;
    CNamensVariant& operator=(const CNamensVariant&) = delete;
    platform::VARIANT* get() { return &m_variant; }

  private:
    platform::VARIANT m_variant;
};

// The house's two calls of the library while it is bound.
binding::SolarAufrufe HausAufrufe() {
    binding::SolarAufrufe aufrufe;
    aufrufe.GetSolareGewinne = [](const CVRMString& anlage, unsigned short art,
                                  CSolareGewinne& gewinne) {
        ISolar::GetSolareGewinne(anlage, art, gewinne);
    };
    aufrufe.get = [](const CVRMString& anlage, TKelvoDatenID id) {
        return CVRMVariant(ISolar::get(anlage, id));
    };
    return aufrufe;
}

}  // namespace

void ISolar::Laden(const std::filesystem::path& ordner) {
    modul().Laden(ordner);
    if (modul().IstGebunden())
        binding::SetzeSolarBindung(HausAufrufe());
    else
        binding::LoeseSolarBindung();
}

bool ISolar::IstGeladen() {
    return modul().IstGebunden();
}

void ISolar::Leeren() {
    modul().Leeren();
    binding::LoeseSolarBindung();
}

const CVRMString& ISolar::GetVersion() {
    return modul().VersionsText();
}

void ISolar::InitSolarAnlage(const CVRMString& name) {
    PruefeGebunden(u"ISolar::InitSolarAnlage");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    Rufe(kCodeInitAnlage, in);
}

void ISolar::InitKollektor(const CVRMString& name) {
    PruefeGebunden(u"ISolar::InitKollektor");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    Rufe(kCodeInitKollektor, in);
}

void ISolar::GetSolareGewinne(const CVRMString& name, unsigned short art, CSolareGewinne& gewinne) {
    PruefeGebunden(u"ISolar::GetSolareGewinne");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    vrmtoken::AppendZahl(in, art);
    CVRMString antwort = Rufe(kCodeGetGewinne, in);
    CVRMString token;
    // A thirteenth token is a broken answer: the table rejects month 12.
    // The solar library checked the stored numbers; the month names one it sent damaged.
    for (unsigned short monat = 0; vrmtoken::SplitWert(antwort, token); ++monat)
        gewinne.SetGewinn(monat, token, 1,
                          {name, platform::format(u"%u", static_cast<unsigned>(monat) + 1)});
}

void ISolar::SetSolareGewinne(const CVRMString& name, unsigned short art,
                              const CSolareGewinne& gewinne) {
    PruefeGebunden(u"ISolar::SetSolareGewinne");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    vrmtoken::AppendZahl(in, art);
    for (unsigned short monat = 0; monat < kMonate; ++monat) {
        CVRMString text;
        gewinne.GetDatenString(monat, text);
        vrmtoken::AppendText(in, text);
    }
    Rufe(kCodeSetGewinne, in);
}

void ISolar::GetKollektorErtraege(const CVRMString& name, uint32_t key, CSolareGewinne& ertraege) {
    PruefeGebunden(u"ISolar::GetKollektorErtraege(3)");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    vrmtoken::AppendZahl(in, key);
    CVRMString antwort = Rufe(kCodeGetErtraege, in);
    CVRMString token;
    for (unsigned short monat = 0; vrmtoken::SplitWert(antwort, token); ++monat)
        ertraege.SetGewinn(monat, static_cast<float>(key),
                           static_cast<float>(vrmtoken::LeseFloat(token)), 1);
}

void ISolar::GetKollektorErtraege(const CVRMString& name, std::vector<SKollektorErtrag>& records) {
    PruefeGebunden(u"ISolar::GetKollektorErtraege(2)");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    CVRMString antwort = Rufe(kCodeGetErtragsDaten, in);
    std::vector<SKollektorErtrag> gelesen;
    CVRMString token;
    while (vrmtoken::SplitWert(antwort, token)) {
        // A record begins with its key; an empty one, or one cut short, is a broken answer.
        if (token.IsEmpty()) ThrowFehler(0, std::u16string_view());
        SKollektorErtrag record;
        record.key = static_cast<uint16_t>(vrmtoken::LeseZahl(token));
        for (float& ertrag : record.ertraege) {
            if (!vrmtoken::SplitWert(antwort, token)) ThrowFehler(0, std::u16string_view());
            ertrag = static_cast<float>(vrmtoken::LeseFloat(token));
        }
        gelesen.push_back(record);
    }
    records = std::move(gelesen);
}

void ISolar::SetKollektorErtraege(const CVRMString& name, const CVRMStringArray& records) {
    PruefeGebunden(u"ISolar::SetKollektorErtraege");
    CVRMString in;
    vrmtoken::AppendText(in, name);
    for (const CVRMString& record : records) vrmtoken::AppendText(in, record);
    Rufe(kCodeSetErtraege, in);
}

CVRMwert& ISolar::get(const CVRMString& name, TKelvoDatenID id, bool quiet) {
    PruefeGebunden(u"ISolar::get()");
    CEinWert einWert(id);
    CVRMdatenProvider::get().fill(einWert, name);
    // The cache keeps the value alive once the consumer is gone.
    return einWert.wert(quiet);
}

void ISolar::set(const CVRMString& name, TKelvoDatenID id, const CVRMVariant& wert, int flush) {
    PruefeGebunden(u"ISolar::set()");
    CVRMwert& gespeichert = get(name, id);
    gespeichert = wert;
    CVRMdatenProvider::get().save(name, id, gespeichert, flush != 0);
    if (id != ID_SolKollBez) return;
    // A plant the library holds takes its new collector at once.
    CNamensVariant anlage(name);
    auto eintrag = reinterpret_cast<SetWertEintrag>(modul().Slot(3));
    if (!eintrag(anlage.get(), id, &wert, flush)) ThrowFehler(kSchnittstellenFehler, u"");
}

void ISolar::SaveDaten(const CVRMString& name) {
    PruefeGebunden(u"ISolar::SaveDaten()");
    auto& provider = CVRMdatenProvider::get();
    provider.save(provider.getWerte(name), true);
}

void ISolar::reset(const CVRMString& name) {
    PruefeGebunden(u"ISolar::reset()");
    CVRMdatenProvider::get().resetWerte(name);
    SaveDaten(name);
}

unsigned ISolar::GetTauscherVerluste(const CVRMString& name, unsigned short art) {
    switch (art) {
        case 1:
            return get(name, ID_SolTauschVerlust).GetUIntVal();
        case 2:
            return get(name, ID_SolTauschVerlustH).GetUIntVal();
        case 3:
            return get(name, ID_SolTauschVerlustE).GetUIntVal();
        default:
            ThrowFehler(textid::kFalscheKonstante, u"ISolar::GetTauscherVerluste");
    }
}

unsigned ISolar::GetErdEinspeiseTemp(const CVRMString& name, unsigned short monat) {
    PruefeGebunden(u"ISolar::GetErdEinspeiseTemp");
    if (monat >= kMonate) ThrowFehler(textid::kDatenFehlen, u"ISolar::GetErdEinspeiseTemp(P1)");
    CSolareGewinne gewinne;
    GetSolareGewinne(name, kArtErde, gewinne);
    if (gewinne.IstTempEingetragen(monat)) {
        // Cut to a whole number, kept within what the number can hold.
        const double temp = gewinne.GetGewinnTemp(monat);
        return static_cast<unsigned>(std::clamp(temp, 0.0, 4294967295.0));
    }
    return get(name, ID_SolTauschVerlustE).GetUIntVal();
}
