// The makers' data: tank kinds, refrigerant and heat-exchanger tests on names, the
// ground-probe defaults with the names of the library's records, and the functions
// without data reporting the internal error.
#include <gtest/gtest.h>

#include "core/records/HautecDaten.h"
#include "core/records/RehauDaten.h"
#include "core/records/VaillantDaten.h"
#include "core/records/ViessmannDaten.h"
#include "core/text/ErrorReport.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/support/EnglischeTexte.h"

namespace {

TEST(HerstellerDaten, RefrigerantAndHeatExchangerAreToldByTheName) {
    const struct {
        const char16_t* name;
        bool r134a;
        bool zwt;
    } faelle[] = {
        {u"Pump R134A", true, false},
        {u"134a pump", false, false},  // at the first character: not counted
        {u"Pump R407C", false, false},
        {u"X134a", true, false},
        {u"Pump 10 S", false, true},
        {u"Pump 10", false, false},
        {u"Pump 10 s", false, false},  // the mark is a capital S
        {u"", false, false},
    };
    for (const auto& f : faelle) {
        const CVRMString name = f.name;
        EXPECT_EQ(CHautecDaten::istWPmit134A(name), f.r134a) << name.toUtf8();
        EXPECT_EQ(CHautecDaten::istWPmit404A_407C(name), !f.r134a) << name.toUtf8();
        EXPECT_EQ(CVaillantDaten::istWPmitZWT(name), f.zwt) << name.toUtf8();
    }
}

TEST(HerstellerDaten, StorageKindsAndTheirLosses) {
    const struct {
        unsigned art, hautec, vaillant, verlust;
    } faelle[] = {
        {0, 0, 0, 7}, {1, 1, 1, 3}, {2, 2, 2, 5}, {3, 3, 2, 3}, {4, 4, 0, 0}, {99, 99, 0, 0},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(CHautecDaten::getSpTyp(f.art), f.hautec) << f.art;
        EXPECT_EQ(CRehauDaten::getSpTyp(f.art), f.hautec) << f.art;
        EXPECT_EQ(CVaillantDaten::getSpTyp(f.art), f.vaillant) << f.art;
        EXPECT_EQ(CVaillantDaten::getSpTverluste(f.art), f.verlust) << f.art;
    }
    static_assert(CVaillantDaten::kuiSpPuffer == 3 && CHautecDaten::kuiSpMulti == 2);
}

TEST(HerstellerDaten, GroundProbeDefaultsByType) {
    testsupport::LadeEnglischeTexte();
    const CVRMString glykol = u"Monoethylenglycol_(bib)", pe = u"PE_(bib)";
    const struct {
        unsigned typ;
        CVRMString fsm;
        unsigned fsk;
        float qri, qwa;
        CVRMString qam;
    } faelle[] = {
        {0, glykol, 33, 28.0f, 0.41f, pe},
        {1, glykol, 33, 26.2f, 0.43f, pe},
        {2, glykol, 33, 28.0f, 0.41f, pe},
        {3, u"", 25, 28.0f, 0.41f, u""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(CVaillantDaten::getSondentypFSM(f.typ), f.fsm) << f.typ;
        EXPECT_EQ(CVaillantDaten::getSondentypFSK(f.typ), f.fsk) << f.typ;
        EXPECT_EQ(CVaillantDaten::getSondentypQRI(f.typ), f.qri) << f.typ;
        EXPECT_EQ(CVaillantDaten::getSondentypQRA(f.typ), 32.0f) << f.typ;
        EXPECT_EQ(CVaillantDaten::getSondentypQAM(f.typ), f.qam) << f.typ;
        EXPECT_EQ(CVaillantDaten::getSondentypQWA(f.typ), f.qwa) << f.typ;
    }
}

TEST(HerstellerDaten, FoldersUseTheSeparatorOfThisSystem) {
    EXPECT_EQ(CViessmannDaten::getBildOrdner(), u"Bilder/");
    EXPECT_EQ(CViessmannDaten::getTextOrdner(), u"Texte/");
}

TEST(HerstellerDaten, FunctionsWithoutDataReportTheInternalErrorAndThrow) {
    testsupport::LadeEnglischeTexte();
    platform::RecordingPresenter boxen;
    platform::ScopedMessageBoxPresenter presenter(boxen);
    unsigned (*const ohneDaten[])(unsigned) = {
        &CHautecDaten::getSpTverluste, &CHautecDaten::getSpVolumen, &CHautecDaten::getSpIndex,
        &CHautecDaten::GetIdBitmapWw,  &CRehauDaten::getSpTverluste, &CRehauDaten::getSpVolumen,
        &CRehauDaten::getSpIndex,      &CVaillantDaten::getSpVolumen, &CVaillantDaten::getSpIndex,
        &CVaillantDaten::GetIdBitmapWw,
    };
    for (auto* funktion : ohneDaten) EXPECT_THROW(funktion(1), platform::UserException);
    ASSERT_EQ(boxen.shown.size(), std::size(ohneDaten));
    for (const auto& box : boxen.shown) EXPECT_EQ(box.text, u"Exception");
}

}  // namespace
