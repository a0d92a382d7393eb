// The combined heat source: one or two sources from the database, adding and removing the
// second through the database file, the operating modes, writing a design and the short
// text.
#include <string>
#include <vector>

#include "core/db/VRMglobApp.h"
#include "core/value/VRMwertFabrik.h"
#include "platform/modules/Module.h"
#include "tests/model/source/WQuelleFixture.h"

namespace {

class KombiWQuelle2Test : public wqtest::WQuelleFixture {
  protected:
    ~KombiWQuelle2Test() override {
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        platform::freeModule(modul_);
    }

    // The next start: the databases read again from their files, an empty value store.
    void NeuStart() {
        CVRMdatenProvider::remove();
        CVRMglobApp::ResetForTests();
        if (!modul_) modul_ = platform::loadModule(std::string(VARM_PROGRAM_DIR) + "/Varmcore.so");
        ASSERT_EQ(CVRMglobApp::Get().Init(modul_, nullptr, 0), 1);
        const auto pfad = [&](const char* name) {
            return CVRMString::fromUtf8(folder.file(name).string());
        };
        ASSERT_EQ(CVRMglobApp::Get().SetDatenDatei(pfad("user.dat")), 1);
        ASSERT_EQ(CVRMglobApp::Get().SetBiboDatei(pfad("bibo.ini"), 0), 1);
    }

    static CVRMString Name(CWQuelle2* quelle) { return quelle->getConsumerName(); }

    SDimWQuelle Sondenfeld() const {
        SDimWQuelle dim;
        dim.art = 0;
        dim.sondenLaenge = 90;
        dim.anzahl = 6;
        dim.aussen = 32.0f;
        dim.betrWeise = 1;
        dim.dimPunktTemp = -5;
        dim.spreizung = 3.0f;
        dim.entzugLeistung = 8.0f;
        dim.nennVolStrom = 1.0f;
        dim.sondenart = 1;
        return dim;
    }

  private:
    platform::ModuleHandle modul_ = nullptr;
};

TEST_F(KombiWQuelle2Test, TwoSourcesLoadByTheirRecordNames) {
    auto kombi = LadeKombi(u"P_WQX");
    ASSERT_EQ(kombi->GetAnzahlWQuellen(), 2);
    EXPECT_FALSE(kombi->IstEinzelQuelle());
    EXPECT_EQ(Name(kombi->GetErsteWQuelle()), u"P_WQX_(1)");
    EXPECT_EQ(Name(kombi->GetZweiteWQuelle()), u"P_WQX_(2)");
    EXPECT_EQ(kombi->GetZweiteWQuelle()->GetWert(ID_QuellMediumIdx).GetIntVal(), 1);
    EXPECT_FALSE(kombi->IstZweiteWQuelleMoeglich());
    EXPECT_TRUE(kombi->IstBiValent());  // mode 2 of the first source
    EXPECT_EQ(kombi->GetDimPunktTemp(), -3);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(KombiWQuelle2Test, RemovedSecondSourceStaysRemovedAfterTheNextStart) {
    auto kombi = LadeKombi(u"P_WQX");
    kombi->LoescheZweiteWQuelle();
    EXPECT_EQ(kombi->GetAnzahlWQuellen(), 1);
    // On disk at once: the record and the link are gone.
    EXPECT_FALSE(ImFile(u"[P_WQX_(2)]"));
    EXPECT_FALSE(InSection(u"[P_WQX]", u"KQuelle2=P_WQX_(2)"));
    EXPECT_TRUE(InSection(u"[P_WQX]", u"KQuelle1=P_WQX_(1)"));

    NeuStart();
    kombi = LadeKombi(u"P_WQX");
    EXPECT_EQ(kombi->GetAnzahlWQuellen(), 1);
    EXPECT_EQ(Fehler([&] { kombi->GetZweiteWQuelle(); }),
              std::vector<std::u16string>{errorBox(3122, u"KombiWQuelle2::GetZweiteWQuelle1")});
    EXPECT_TRUE(kombi->IstZweiteWQuelleMoeglich());  // the first is a probe field
}

TEST_F(KombiWQuelle2Test, ASecondSourceAddedAgainStartsFromTheDefaults) {
    auto kombi = LadeKombi(u"P_WQX");
    kombi->LoescheZweiteWQuelle();
    CWQuelle2* neu = kombi->AddWQuelle();
    EXPECT_EQ(Name(neu), u"P_WQX_(2)");
    EXPECT_EQ(kombi->GetZweiteWQuelle(), neu);
    // Not the removed collector's 200 m²: the defaults (a probe, 1 m²).
    EXPECT_EQ(neu->GetWert(ID_QuellMediumIdx).GetIntVal(), 0);
    EXPECT_EQ(neu->GetWert(ID_WQuelleFlaeche).GetUIntVal(), 1u);
    // Saved at once, link and record.
    EXPECT_TRUE(InSection(u"[P_WQX]", u"KQuelle2=P_WQX_(2)"));
    EXPECT_TRUE(InSection(u"[P_WQX_(2)]", u"WQuelleFläche=1"));

    NeuStart();
    EXPECT_EQ(LadeKombi(u"P_WQX")->GetAnzahlWQuellen(), 2);
}

TEST_F(KombiWQuelle2Test, SourcesThatTakeNoSecond) {
    // A record that is a source itself: one source under the record's own name.
    auto einzel = LadeKombi(u"S_WQX");
    EXPECT_TRUE(einzel->IstEinzelQuelle());
    ASSERT_EQ(einzel->GetAnzahlWQuellen(), 1);
    EXPECT_EQ(Name(einzel->GetErsteWQuelle()), u"S_WQX");
    EXPECT_FALSE(einzel->IstZweiteWQuelleMoeglich());
    EXPECT_EQ(Fehler([&] { einzel->AddWQuelle(); }),
              std::vector<std::u16string>{errorBox(3346, u"S_WQX")});
    EXPECT_EQ(einzel->GetAnzahlWQuellen(), 1);

    // Air first.
    auto luft = LadeKombi(u"A_WQX");
    EXPECT_FALSE(luft->IstZweiteWQuelleMoeglich());
    EXPECT_EQ(Fehler([&] { luft->AddWQuelle(); }),
              std::vector<std::u16string>{errorBox(3346, u"A_WQX")});

    // A record that names no source cannot be filled.
    EXPECT_EQ(Fehler([&] { LadeKombi(u"Leer_WQX"); }),
              (std::vector<std::u16string>{u"Exception", errorBox(3101, u"Leer_WQX")}));
}

TEST_F(KombiWQuelle2Test, OperatingModePredicates) {
    // Mono-energetic, bivalent, monovalent, parallel, alternative, return-flow raising.
    const bool tabelle[9][6] = {
        {1, 0, 0, 1, 0, 0}, {0, 0, 1, 0, 0, 0}, {0, 1, 0, 1, 0, 0},
        {1, 0, 0, 0, 1, 0}, {0, 1, 0, 0, 1, 0}, {1, 0, 0, 1, 0, 0},
        {0, 1, 0, 1, 0, 0}, {1, 0, 0, 1, 0, 1}, {0, 1, 0, 1, 0, 1},
    };
    auto kombi = LadeKombi(u"P_WQX");
    for (int modus = 0; modus < 9; ++modus) {
        kombi->GetErsteWQuelle()->SetzeWert(ID_BetrWeiseIdx, modus);
        const bool ist[6] = {kombi->IstMonoEnergetisch(),  kombi->IstBiValent(),
                             kombi->IstMonoValent(),       kombi->IstMonoBiParallel(),
                             kombi->IstMonoBiAlternativ(), kombi->IstMitRLanhebung()};
        for (int p = 0; p < 6; ++p) EXPECT_EQ(ist[p], tabelle[modus][p]) << modus << " " << p;
    }
    CKombiWQuelle2 leer;
    EXPECT_EQ(Fehler([&] { leer.IstBiValent(); }),
              std::vector<std::u16string>{errorBox(3101, u"CKombiWQuelle2::IstBiValent")});
    EXPECT_EQ(Fehler([&] { leer.GetDimPunktTemp(); }),
              std::vector<std::u16string>{errorBox(3101, u"CKombiWQuelle2::GetDimPunktTemp")});
}

TEST_F(KombiWQuelle2Test, DesignOfSixProbesIsWrittenIntoTheFirstSource) {
    auto kombi = LadeKombi(u"P_WQX");
    EXPECT_EQ(Fehler([&] { kombi->SetDimDaten(Sondenfeld(), true); }),
              std::vector<std::u16string>{errorBox(3219, u"CKombiWQuelle2::SetDimDaten")});
    doc.dimModus = 1;
    kombi->SetDimDaten(Sondenfeld(), true);
    CWQuelle2& q = *kombi->GetErsteWQuelle();
    EXPECT_EQ(q.GetWert(ID_WQuelleFlaeche).GetUIntVal(), 150u);  // 25 × 6
    EXPECT_EQ(q.GetWert(ID_WQuelleAbstand).GetFloatVal(), 0.5f);
    EXPECT_EQ(q.GetWert(ID_WQuelleLaenge).GetUIntVal(), 90u);
    EXPECT_EQ(q.GetWert(ID_SoleKreise).GetUIntVal(), 6u);
    EXPECT_EQ(q.GetWert(ID_RohrInnen).GetFloatVal(), 26.5f);
    EXPECT_EQ(q.GetWert(ID_Sondenart).GetIntVal(), 1);
    EXPECT_EQ(q.GetWert(ID_AbsMaterial).GetStringVal(), u"PE_(bib)");
    EXPECT_EQ(q.GetWert(ID_WaermeleitAbs).GetFloatVal(), 0.42f);
    EXPECT_TRUE(q.GetWert(ID_BerechneVolStrom).GetBoolVal());
    // 8 kW at 3 K: 2.4057 m³/h; Re 1000 in six single-U probes of 26.5 mm:
    // 6 × 26.5² × 0.7853981 mm² × 5.55 × 1000 / 26.5 × 3.6 m/h = 2.4951; + 0.1 cut: 2.5.
    EXPECT_EQ(q.GetWert(ID_VolStrom).GetFloatVal(), 2.5f);
    EXPECT_EQ(q.GetWert(ID_BetrWeiseIdx).GetIntVal(), 1);
    EXPECT_EQ(q.GetWert(ID_DimPunktTemp).GetIntVal(), -5);
    EXPECT_EQ(q.GetWert(ID_AbsLageBodenIdx).GetIntVal(), 1);
    EXPECT_TRUE(InSection(u"[P_WQX_(1)]", u"WQuelleFläche=150"));

    // A collector of 200 m² on 400 m of 32 mm tube: 4 circuits, 0.5 m apart; copper for
    // direct evaporation.
    SDimWQuelle kollektor = Sondenfeld();
    kollektor.art = 1;
    kollektor.flaeche = 200.0f;
    kollektor.rohrLaenge = 400.0f;
    kollektor.pumpenMedium = 3;
    kombi->SetDimDaten(kollektor, false);
    EXPECT_EQ(q.GetWert(ID_SoleKreise).GetUIntVal(), 4u);  // 400 × 0.01 + 0.9
    EXPECT_EQ(q.GetWert(ID_WQuelleAbstand).GetFloatVal(), 0.5f);
    EXPECT_EQ(q.GetWert(ID_WQuelleLaenge).GetUIntVal(), 400u);
    EXPECT_EQ(q.GetWert(ID_AbsMaterial).GetStringVal(), u"copper_(bib)");
    EXPECT_TRUE(InSection(u"[P_WQX_(1)]", u"WQuelleFläche=150"));  // not saved

    kollektor.rohrLaenge = 0.0f;
    EXPECT_EQ(Fehler([&] { kombi->SetDimDaten(kollektor, false); }).back(),
              errorBox(3105, u"CKombiWQuelle2::SetDimDaten(2)"));
    kollektor.art = 7;
    EXPECT_EQ(Fehler([&] { kombi->SetDimDaten(kollektor, false); }).back(),
              errorBox(3162, u"CKombiWQuelle2::SetDimDaten"));
}

// The one default soil a new source is given reaches to the end of its probes and goes
// down or up with them; a ground that someone entered keeps its depths.
TEST_F(KombiWQuelle2Test, OnlyTheUntouchedDefaultGroundFollowsTheSizedProbes) {
    CVRMwertFabrik fabrik;  // makes the default soil from the language table
    const CVRMString vorgabe = CVRMwertFabrik::getDefaultBodenart();
    ASSERT_FALSE(vorgabe.empty());
    const struct {
        const char* fall;
        CVRMString boden1;
        unsigned tiefe1;
        CVRMString boden2;
        unsigned tiefeDanach;  // 90 follows the probes
    } faelle[] = {
        {"default soil to the probes' end", vorgabe, 100, u"", 90},
        {"default soil, a depth of its own", vorgabe, 120, u"", 120},
        {"another soil to the probes' end", u"Fels", 100, u"", 100},
        {"a second layer below", vorgabe, 100, u"Fels", 100},
    };
    auto kombi = LadeKombi(u"P_WQX");
    doc.dimModus = 1;
    CWQuelle2& q = *kombi->GetErsteWQuelle();
    for (const auto& f : faelle) {
        q.SetzeWert(ID_QuellMediumIdx, 0);
        q.SetzeWert(ID_WQuelleLaenge, 100u);
        q.SetzeWert(ID_Boden1, f.boden1);
        q.SetzeWert(ID_QTiefe1, f.tiefe1);
        q.SetzeWert(ID_Boden2, f.boden2);
        q.SetzeWert(ID_QTiefe2, 150u);
        kombi->SetDimDaten(Sondenfeld(), false);
        EXPECT_EQ(q.GetWert(ID_WQuelleLaenge).GetUIntVal(), 90u) << f.fall;
        EXPECT_EQ(q.GetWert(ID_QTiefe1).GetUIntVal(), f.tiefeDanach) << f.fall;
        EXPECT_EQ(q.GetWert(ID_Boden1).GetStringVal(), f.boden1) << f.fall;
    }
}

TEST_F(KombiWQuelle2Test, RedesignedFieldGetsTheTurbulentFlowOfItsNewProbeCount) {
    auto kombi = LadeKombi(u"P_WQX");
    doc.dimModus = 1;
    CWQuelle2& q = *kombi->GetErsteWQuelle();
    // 4 kW at 3 K: 1.2029 m³/h, below the turbulent minimum, which decides. Re 1000 in one
    // single-U probe of 26.5 mm: 26.5² × 0.7853981 mm² × 5.55 × 1000 / 26.5 × 3.6 m/h =
    // 0.41585 m³/h. Six probes: 2.4951 + 0.1 cut to 2.5; four: 1.6634 + 0.1 cut to 1.7.
    SDimWQuelle dim = Sondenfeld();
    dim.entzugLeistung = 4.0f;
    const struct {
        int anzahl;
        float volStrom;
    } folge[] = {{6, 2.5f}, {4, 1.7f}, {6, 2.5f}};
    for (const auto& f : folge) {
        dim.anzahl = f.anzahl;
        kombi->SetDimDaten(dim, false);
        EXPECT_EQ(q.GetWert(ID_SoleKreise).GetUIntVal(), static_cast<unsigned>(f.anzahl));
        EXPECT_FLOAT_EQ(q.GetWert(ID_VolStrom).GetFloatVal(), f.volStrom) << f.anzahl;
    }
}

// The guard refuses the same way until the user changes something elsewhere, so either
// answer to the question ends the design; "No" used to ask again for ever.
TEST_F(KombiWQuelle2Test, ALibrarySourceAsksOnceAndEitherAnswerAbortsTheDesign) {
    for (const int antwort : {platform::id::NO, platform::id::YES}) {
        SCOPED_TRACE(antwort);
        auto kombi = LadeKombi(u"Muster_WQX (bib)");
        doc.dimModus = 1;
        doc.projektAenderbar = false;
        const int sondenart = kombi->GetErsteWQuelle()->GetWert(ID_Sondenart).GetIntVal();
        // Each box takes the next answer: the error box, then the question; the rest would
        // only be used by a second round.
        boxes.script = {platform::id::OK, antwort, platform::id::OK, platform::id::YES};
        const auto texte = Fehler([&] { kombi->SetDimDaten(Sondenfeld(), true); });
        ASSERT_EQ(texte.size(), 3u);
        EXPECT_EQ(texte[0], u"Could not change component\n(Heat source)");
        EXPECT_EQ(texte[1], u"Abort design?");
        EXPECT_EQ(texte[2], u"Design aborted!");
        EXPECT_EQ(kombi->GetErsteWQuelle()->GetWert(ID_Sondenart).GetIntVal(), sondenart);
    }
}

TEST_F(KombiWQuelle2Test, ShortTextNamesTheFirstSourcesKind) {
    const char16_t* erwartet[] = {u"vertical ground collector",
                                  u"horizontal ground collector",
                                  u"air",
                                  u"water",
                                  u"EWTS tubes",
                                  u"horizontal ground collector",
                                  u"air"};
    auto kombi = LadeKombi(u"P_WQX");
    for (int art = 0; art <= 6; ++art) {
        kombi->GetErsteWQuelle()->SetzeWert(ID_QuellMediumIdx, art);
        EXPECT_EQ(kombi->GetKurzInfo(), erwartet[art]) << art;
    }
    EXPECT_TRUE(boxes.shown.empty());
    kombi->GetErsteWQuelle()->SetzeWert(ID_QuellMediumIdx, 7);
    EXPECT_EQ(Fehler([&] { kombi->GetKurzInfo(); }).back(),
              errorBox(3162, u"CKombiWQuelle2::GetKurzInfo"));
    EXPECT_EQ(CKombiWQuelle2().GetKurzInfo(), u"");
}

}  // namespace
