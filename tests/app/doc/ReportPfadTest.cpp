// The report's template by the heat sources, the standard report's file and the output
// folder.
#include <gtest/gtest.h>

#include "app/doc/ReportPfad.h"

namespace {

TEST(ReportPfad, StandardReportRelativZumVorlagenOrdner) {
    const CVRMString vorlagen = u"/opt/varmion/vorlagen";
    struct Fall {
        const char16_t* name;
        const char16_t* erwartet;
    };
    const Fall faelle[] = {
        {u"", u""},
        {u"ergebnis.htm", u"/opt/varmion/vorlagen/ergebnis.htm"},
        {u"eigen/ergebnis.htm", u"/opt/varmion/vorlagen/eigen/ergebnis.htm"},
        // One backslash is part of a relative name, two in a row name a network path.
        {u"eigen\\ergebnis.htm", u"/opt/varmion/vorlagen/eigen\\ergebnis.htm"},
        {u"\\\\server\\vorlagen\\ergebnis.htm", u"\\\\server\\vorlagen\\ergebnis.htm"},
        {u"C:\\vorlagen\\ergebnis.htm", u"C:\\vorlagen\\ergebnis.htm"},
        {u"file://host/ergebnis.htm", u"file://host/ergebnis.htm"},
        {u"eigen//ergebnis.htm", u"eigen//ergebnis.htm"},
        // A leading slash is an absolute path here: no template folder in front of it.
        {u"/home/anna/ergebnis.htm", u"/home/anna/ergebnis.htm"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(std::u16string(StandardReportPfad(vorlagen, f.name)), f.erwartet)
            << CVRMString(f.name).toUtf8();
}

TEST(ReportPfad, AusgabeOrdner) {
    const CVRMString berichte = u"/home/anna/berichte", temp = u"/tmp", ersatz = u"c:";
    const CVRMString zuLang(std::u16string(261, u'x'));
    struct Fall {
        bool speichern, drucken;
        CVRMString temp;
        CVRMString erwartet;
    };
    const Fall faelle[] = {
        {true, false, temp, berichte},  {false, true, temp, berichte},
        {false, false, temp, temp},     {false, false, u"", ersatz},
        {false, false, zuLang, ersatz}, {false, false, CVRMString(std::u16string(260, u'x')), CVRMString(std::u16string(260, u'x'))},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ReportAusgabeOrdner(berichte, f.speichern, f.drucken, f.temp, ersatz), f.erwartet)
            << f.speichern << f.drucken << f.temp.size();
}

TEST(ReportPfad, VorlageNachQuellen) {
    struct Fall {
        bool user;
        int anzahl, art, vorlage;
    };
    const Fall faelle[] = {
        {true, 2, 0, 0},   {false, 2, 0, 264}, {false, 1, 0, 259}, {false, 1, 1, 260},
        {false, 1, 2, 261}, {false, 1, 3, 262}, {false, 1, 4, 259}, {false, 1, 5, 264},
        {false, 1, 6, 264}, {false, 0, -1, 264},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ReportVorlage(f.user, f.anzahl, f.art), f.vorlage) << f.user << f.anzahl << f.art;
}

}  // namespace
