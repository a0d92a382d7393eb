// The main window's decisions: its menus by text id with and without a project, the
// status-bar prompts, the minimum sizes, the order of closing and the messages of other
// programs.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/frame/MainFrameLogik.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"

namespace {

std::vector<unsigned> Spalten(const std::vector<SMenuSpalte>& menu) {
    std::vector<unsigned> ids;
    for (const auto& s : menu) ids.push_back(s.textId);
    return ids;
}

const SMenuPunkt* Finde(const std::vector<SMenuSpalte>& menu, int command) {
    for (const auto& s : menu)
        for (const auto& p : s.punkte)
            if (p.commandId == command) return &p;
    return nullptr;
}

TEST(MainFrameLogikTest, MenuOhneProjektHatFuenfEintraege) {
    const auto menu = CMainFrameLogik::MenuAufbau(true, 0);
    EXPECT_EQ(Spalten(menu), (std::vector<unsigned>{4488, 4493, 4441, 4500, 4510}));
    // File: new, open, recent, exit in this order.
    ASSERT_EQ(menu[0].punkte.size(), 4u);
    EXPECT_EQ(menu[0].punkte[0].commandId, 57600);
    EXPECT_EQ(menu[0].punkte[1].commandId, 57601);
    EXPECT_EQ(menu[0].punkte[1].textId, 4490u);
    EXPECT_EQ(menu[0].punkte[3].commandId, 57665);
    EXPECT_EQ(menu[0].punkte[3].textId, 4495u);
    // The new components beside their master data.
    EXPECT_EQ(Finde(menu, 32832)->textId, 7281u);
    EXPECT_EQ(Finde(menu, 32833)->textId, 7282u);
    EXPECT_EQ(Finde(menu, 32843)->textId, 4509u);
    EXPECT_EQ(Finde(menu, 57664)->textId, 4513u);
    // Nothing of a project.
    for (int c : {57602, 32844, 32785, 32814, 40001, 57650}) EXPECT_EQ(Finde(menu, c), nullptr) << c;
}

TEST(MainFrameLogikTest, MenuMitProjektHatSiebenEintraege) {
    const auto menu = CMainFrameLogik::MenuAufbau(false, 0);
    EXPECT_EQ(Spalten(menu), (std::vector<unsigned>{5299, 4522, 4533, 4543, 4500, 4549, 4510}));
    struct Fall {
        int command;
        unsigned text;
    };
    const Fall faelle[] = {
        {57601, 4455}, {57602, 4521}, {57665, 4454}, {32844, 4523}, {32847, 4526},
        {32848, 4528}, {32781, 4530}, {59393, 4532}, {32853, 4537}, {32814, 4538},
        {40001, 6015}, {32854, 4544}, {32856, 4546}, {32797, 4547}, {32812, 4548},
        {57650, 4550}, {57649, 4552}, {32841, 4512},
    };
    for (const Fall& f : faelle) {
        const SMenuPunkt* p = Finde(menu, f.command);
        ASSERT_NE(p, nullptr) << f.command;
        EXPECT_EQ(p->textId, f.text) << f.command;
    }
    // The cooling data stay out of the menu.
    EXPECT_EQ(Finde(menu, 32850), nullptr);
}

TEST(MainFrameLogikTest, AufwandszahlNurMitLandcodeNull) {
    for (int land : {0, 1, 2, 3, 13}) {
        SCOPED_TRACE(land);
        EXPECT_EQ(Finde(CMainFrameLogik::MenuAufbau(false, land), 32814) != nullptr, land == 0);
        EXPECT_EQ(Finde(CMainFrameLogik::MenuAufbau(true, land), 32814), nullptr);
    }
}

TEST(MainFrameLogikTest, StatusTexteUndLeerlauf) {
    struct Fall {
        int command;
        unsigned text;
    };
    const Fall faelle[] = {
        {32781, 5345}, {32856, 4367}, {40001, 6016}, {57601, 5313}, {57665, 5312},
        {59393, 5317}, {32814, 5348}, {57651, 4372},
        // Unknown ids get the idle prompt.
        {0, CMainFrameLogik::kLeerlaufText}, {32815, CMainFrameLogik::kLeerlaufText},
        {-1, CMainFrameLogik::kLeerlaufText}, {57600, 7283},
    };
    for (const Fall& f : faelle) EXPECT_EQ(CMainFrameLogik::StatusText(f.command), f.text) << f.command;
}

TEST(MainFrameLogikTest, FenstergroessenNachBildschirm) {
    EXPECT_EQ(CMainFrameLogik::BerechneFensterBreite(std::nullopt, 0, 1), 100);
    EXPECT_EQ(CMainFrameLogik::BerechneFensterHoehe(std::nullopt, 1), 100);
    SFensterMasse m;
    m.rahmenBreite = 4;
    m.rahmenHoehe = 4;
    m.randBreite = 1;
    m.randHoehe = 1;
    m.menuHoehe = 20;
    m.titelHoehe = 23;
    // 96 dpi: f = 96/48 - 0.5 = 1.5; 1.5 x 447 = 670.5 -> 670, 1.5 x 408 = 612.
    EXPECT_EQ(CMainFrameLogik::BerechneFensterBreite(m, 1, 1), 670);
    EXPECT_EQ(CMainFrameLogik::BerechneFensterBreite(m, 1, 0), 612);
    // Full: 670 + 2 x (4 + 1) - trunc(1.5 x -86 = -129) = 670 + 10 + 129 = 809.
    EXPECT_EQ(CMainFrameLogik::BerechneFensterBreite(m, 0, 1), 809);
    // (96/64 + 0.125) x 333 = 1.625 x 333 = 541.125 -> 541; full adds 2 x 5 + 2 x 20 + 23.
    EXPECT_EQ(CMainFrameLogik::BerechneFensterHoehe(m, 1), 541);
    EXPECT_EQ(CMainFrameLogik::BerechneFensterHoehe(m, 0), 614);
    // 120 dpi: f = 2.0; 2 x 447 = 894; (120/64 + 0.125) x 333 = 2.0 x 333 = 666.
    m.dpiX = m.dpiY = 120;
    EXPECT_EQ(CMainFrameLogik::BerechneFensterBreite(m, 1, 1), 894);
    EXPECT_EQ(CMainFrameLogik::BerechneFensterHoehe(m, 1), 666);
}

// Records the steps of closing and answers as the test sets.
struct Umgebung : IHauptfensterSchliessen {
    bool StammdatenGeaendert() override {
        schritte.push_back("geaendert?");
        return geaendert;
    }
    bool StammdatenSchliessen() override {
        schritte.push_back("seiten");
        if (seitenWerfen) throw platform::UserException();  // reported where it failed
        return seitenSchliessen;
    }
    int FrageBeenden() override {
        schritte.push_back("frage");
        return antwort;
    }
    void VerbindungBeenden() override { schritte.push_back("verbindung"); }

    bool geaendert = false, seitenSchliessen = true, seitenWerfen = false;
    int antwort = platform::id::YES;
    std::vector<std::string> schritte;
};

TEST(MainFrameLogikTest, SchliessenFragtInDerReihenfolge) {
    using V = std::vector<std::string>;
    struct Fall {
        const char* name;
        bool geaendert, seitenSchliessen, seitenWerfen;
        int antwort;
        bool schliesst;
        V schritte;
    };
    const Fall faelle[] = {
        {"nein bricht ab", false, true, false, platform::id::NO, false, V{"geaendert?", "frage"}},
        {"ja schliesst", false, true, false, platform::id::YES, true,
         V{"geaendert?", "frage", "verbindung"}},
        {"stammdaten zuerst", true, true, false, platform::id::YES, true,
         V{"geaendert?", "seiten", "frage", "verbindung"}},
        {"stammdaten bleiben offen", true, false, false, platform::id::YES, false,
         V{"geaendert?", "seiten"}},
        // A failed question keeps the program open with the pages' entries.
        {"fehler haelt offen", true, true, true, platform::id::YES, false, V{"geaendert?", "seiten"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        CMainFrameLogik logik;
        Umgebung u;
        u.geaendert = f.geaendert;
        u.seitenSchliessen = f.seitenSchliessen;
        u.seitenWerfen = f.seitenWerfen;
        u.antwort = f.antwort;
        EXPECT_EQ(logik.OnClose(u), f.schliesst);
        EXPECT_EQ(u.schritte, f.schritte);
    }
}

TEST(MainFrameLogikTest, ClientNachrichtSchliesstOhneFrage) {
    CMainFrameLogik logik;
    EXPECT_FALSE(logik.Nachricht("activate").schliessen);
    EXPECT_FALSE(logik.Nachricht("VarmionClientCommunicationX").schliessen);
    EXPECT_FALSE(logik.SchliessFlag());
    EXPECT_TRUE(logik.Nachricht("VarmionClientCommunication\n").schliessen);
    EXPECT_TRUE(logik.SchliessFlag());
    Umgebung u;
    u.geaendert = true;
    u.antwort = platform::id::NO;
    EXPECT_TRUE(logik.OnClose(u));
    EXPECT_EQ(u.schritte, std::vector<std::string>{"verbindung"});
}

TEST(MainFrameLogikTest, ReportNachrichtTraegtZweiWerte) {
    CMainFrameLogik logik;
    const auto n = logik.Nachricht("VarmionReportCommunication 12 -7");
    EXPECT_TRUE(n.report);
    EXPECT_FALSE(n.schliessen);
    EXPECT_EQ(n.wParam, 12);
    EXPECT_EQ(n.lParam, -7);
    EXPECT_FALSE(logik.SchliessFlag());
}

}  // namespace
