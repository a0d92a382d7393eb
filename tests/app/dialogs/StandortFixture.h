#pragma once
// The location master-data dialogs over two small databases: a library with a German and a
// Swiss climate location, their weather, ground and sunshine locations and a soil type,
// and a user database with a climate, a ground-temperature and a weather location and a
// soil type of its own. The options offer Germany, Austria and Switzerland with Germany
// first; the country library is not bound, so its fallback list applies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options/OptionsManager.h"
#include "core/db/VRMglobApp.h"
#include "core/value/VRMdatenProvider.h"
#include "model/app/OptionIds.h"
#include "model/data/VRMdatenProvider2.h"
#include "model/errors/GlobaleTexte.h"
#include "platform/messagebox/MessageBox.h"
#include "tests/support/FakeKelvoApp.h"
#include "tests/support/ValueStoreFixture.h"

namespace standorttest {

using Lines = std::vector<std::u16string>;

// Days per class 0..62 of the user's weather location: class k has k % 7 days.
inline std::u16string WetterReihe() {
    std::u16string reihe;
    for (int k = 0; k < 63; ++k) reihe += std::u16string(1, static_cast<char16_t>(u'0' + k % 7)) + u".00#";
    return reihe;
}

inline const Lines kBibo = {
    u"[Laender]",
    u"1#Deutschland#D",
    u"2#Schweiz#CH",
    u"3#Österreich#A",
    u"[Klimaorte]",
    u"97 Würzburg (D) (bib)",
    u"Bern (CH) (bib)",
    u"[Klimadaten]",
    u"97 Würzburg (D) (bib)=0.5#1.5#5.0#9.0#13.5#16.5#18.5#18.0#14.5#9.5#4.5#1.5#",
    u"97 Würzburg (D) (bib)NAT=-12",
    u"97 Würzburg (D) (bib)ANZ=1",
    u"97 Würzburg (D) (bib)WORT=97 Würzburg (D)_(bib)",
    u"Bern (CH) (bib)=0.2#1.1#5.2#8.9#13.1#16.8#18.7#18.3#14.0#9.5#4.3#0.9#",
    u"Bern (CH) (bib)NAT=-7",
    u"Bern (CH) (bib)ANZ=1",
    u"[Wetterorte]",
    u"97 Würzburg (D)_(bib)",
    u"StandardW_(bib)",
    u"[Wetterdaten]",
    u"97 Würzburg (D)_(bib)=1#2#3#4#5#6#7#8#",
    u"97 Würzburg (D)_(bib)ANZ=1",
    u"StandardW_(bib)ANZ=1",
    u"[Bodenorte]",
    u"StandardG_(bib)",
    u"[Bodendaten]",
    u"StandardG_(bib)ANZ=1",
    u"[Sonnenorte]",
    u"97 Würzburg (D)_(bib)",
    u"[Sonnendaten]",
    u"97 Würzburg (D)_(bib)ANZ=1",
    u"[BodenArten]",
    u"Lehm_(bib)",
    u"[Lehm_(bib)]",
    u"Wärmeleitzahl=1.8",
    u"SpezWärme=2.4",
    u"Dichte=2100",
};

inline const Lines kUser = {
    u"[Klimaorte]",
    u"Ort1=80 München (D)",
    u"[Klimadaten]",
    u"80 München (D)=-2.2#-0.4#3.6#7.6#12.0#15.4#17.3#16.8#13.4#8.4#2.9#-0.8#",
    u"80 München (D)NAT=-16",
    u"80 München (D)ANZ=1",
    // A weather location that is gone from the list: its box has no choice.
    u"80 München (D)WORT=80 Abgerissen (D)",
    // A sunshine location of another country: the hidden box keeps it.
    u"80 München (D)SORT=Wien (A)_(bib)",
    u"[Bodenorte]",
    u"BOrt1=80 Garten (D)",
    u"[Bodendaten]",
    u"80 Garten (D)=2.0#2.5#4.0#6.0#8.5#11.0#12.5#13.0#12.0#9.5#6.5#3.5#",
    u"80 Garten (D)ANZ=1",
    u"[Wetterorte]",
    u"WOrt1=80 Eigenes Wetter (D)",
    u"[Wetterdaten]",
    u"80 Eigenes Wetter (D)=" + WetterReihe(),
    u"80 Eigenes Wetter (D)ANZ=1",
    u"[BodenArten]",
    u"BodenArt1=Mein Boden",
    u"[Mein Boden]",
    u"Wärmeleitzahl=2.5",
    u"SpezWärme=2.2",
    u"Dichte=2000",
};

class StandortFixture : public testsupport::ValueStoreFixture {
  protected:
    StandortFixture() {
        InitGlobaleTexte();
        CVRMdatenProvider2::Release();
        app.optionsManager = &optionen;
        optionen.AddStringOption(OPT_KLAND_ANZ, u"KLandAnz", u"(D)(A)(CH)", 0);
        optionen.AddLongOption(OPT_DEF_KLAND, u"DefKLand", 1, 0);
        optionen.AddStringOption(OPT_DEF_KLIMAORT, u"DefKlimaort", u"97 Würzburg (D) (bib)", 0);
        loadDatabases(kUser, kBibo);
    }
    ~StandortFixture() override { CVRMdatenProvider2::Release(); }

    // Both databases as they were at the start (or the user database `user`), and no boxes.
    void neuLaden(const Lines& user = kUser) {
        CVRMdatenProvider::remove();
        CVRMdatenProvider2::Release();
        CVRMglobApp::ResetForTests();
        loadDatabases(user, kBibo);
    }
    // The next message boxes answer in this order.
    void antworten(std::initializer_list<int> ids) {
        for (int id : ids) boxes.script.push_back(id);
    }
    std::string userBytes() const { return testsupport::ReadFileBytes(folder.file("user.dat")); }

    testsupport::FakeKelvoApp app;
    COptionsManager optionen;
};

}  // namespace standorttest
