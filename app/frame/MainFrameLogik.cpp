#include "app/frame/MainFrameLogik.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <string>

#include "model/errors/Fehler.h"
#include "platform/messagebox/MessageBox.h"

namespace {

// The menus as (command, text id) in their order; command 0 opens the next top-level entry.
struct SPaar {
    int commandId;
    unsigned textId;
};

constexpr int kAufwandszahl = 32814;

constexpr SPaar kStammdaten[] = {
    {0, 4500},     {32834, 4501}, {32835, 4502}, {32832, 7281}, {32833, 7282}, {32836, 4505}, {32837, 4506},
    {32839, 4507}, {32838, 4508}, {32843, 4509},
};
constexpr SPaar kHilfe[] = {{0, 4510}, {57670, 4511}, {32841, 4512}, {57664, 4513}};

constexpr SPaar kOhneDokument[] = {
    {0, 4488},     {57600, 7280}, {57601, 4490}, {57616, 4494}, {57665, 4495},
    {0, 4493},     {59393, 4492}, {32860, 5731}, {32861, 5880},
    {0, 4441},     {32830, 4442}, {32842, 4444}, {32831, 4443}, {32840, 4453},
};

constexpr SPaar kMitDokument[] = {
    {0, 5299},     {57600, 7280}, {57601, 4455}, {57602, 4521}, {57616, 4519}, {57665, 4454},
    {0, 4522},     {32844, 4523}, {32845, 4524}, {32846, 4525}, {32847, 4526},
    {32848, 4528}, {32849, 4529}, {32781, 4530},
    {0, 4533},     {59393, 4532}, {32785, 4534}, {32851, 4535}, {32852, 4536},
    {32853, 4537}, {kAufwandszahl, 4538}, {32860, 5694}, {32861, 5882}, {40001, 6015},
    {0, 4543},     {32830, 4540}, {32854, 4544}, {32855, 4545}, {32856, 4546},
    {32842, 4542}, {32831, 4541}, {32840, 4539}, {32797, 4547}, {32812, 4548},
};
constexpr SPaar kFenster[] = {{0, 4549}, {57650, 4550}, {57651, 4551}, {57649, 4552}};

constexpr SPaar kPrompts[] = {
    {32781, 5345}, {32785, 4359}, {32797, 4361}, {32812, 4363}, {32814, 5348},
    {32830, 5319}, {32831, 5320}, {32834, 5330}, {32835, 5326}, {32836, 5322},
    {32837, 5324}, {32838, 5328}, {32839, 5325}, {32840, 5318}, {32841, 5333},
    {32842, 5321}, {32843, 5323}, {32844, 5341}, {32845, 5342}, {32846, 5339},
    {32847, 5347}, {32848, 5343}, {32849, 5344}, {32850, 5340}, {32851, 5349},
    {32852, 5351}, {32853, 5350}, {32854, 4366}, {32855, 4364}, {32856, 4367},
    {32860, 5695}, {32861, 5883}, {40001, 6016}, {57601, 5313}, {57602, 5335},
    {57616, 5314}, {57600, 7283}, {32832, 7284}, {32833, 7285}, {57649, 4370}, {57650, 4371}, {57651, 4372}, {57664, 5331},
    {57665, 5312}, {57670, 5332}, {59393, 5317},
};

template <std::size_t N>
void Fuege(std::vector<SMenuSpalte>& menu, const SPaar (&paare)[N], int landCode) {
    for (const SPaar& p : paare) {
        if (p.commandId == 0) {
            menu.push_back({p.textId, {}});
        } else if (p.commandId != kAufwandszahl || landCode == 0) {
            menu.back().punkte.push_back({p.commandId, p.textId});
        }
    }
}

}  // namespace

std::vector<SMenuSpalte> CMainFrameLogik::MenuAufbau(bool ohneDokument, int landCode) {
    std::vector<SMenuSpalte> menu;
    if (ohneDokument) {
        Fuege(menu, kOhneDokument, landCode);
        Fuege(menu, kStammdaten, landCode);
    } else {
        Fuege(menu, kMitDokument, landCode);
        Fuege(menu, kStammdaten, landCode);
        Fuege(menu, kFenster, landCode);
    }
    Fuege(menu, kHilfe, landCode);
    return menu;
}

unsigned CMainFrameLogik::StatusText(int commandId) {
    const auto* it = std::find_if(std::begin(kPrompts), std::end(kPrompts),
                                  [&](const SPaar& p) { return p.commandId == commandId; });
    return it == std::end(kPrompts) ? kLeerlaufText : it->textId;
}

int CMainFrameLogik::BerechneFensterBreite(const std::optional<SFensterMasse>& masse,
                                           int nurInhalt, int breit) {
    if (!masse) return 100;
    const double f = masse->dpiX / 48.0 - 0.5;
    const int inhalt = static_cast<int>(f * (breit ? 447 : 408));
    if (nurInhalt) return inhalt;
    return inhalt + 2 * (masse->rahmenBreite + masse->randBreite) -
           static_cast<int>(std::trunc(f * -86));
}

int CMainFrameLogik::BerechneFensterHoehe(const std::optional<SFensterMasse>& masse,
                                          int nurInhalt) {
    if (!masse) return 100;
    const int inhalt = static_cast<int>((masse->dpiY / 64.0 + 0.125) * 333);
    if (nurInhalt) return inhalt;
    return inhalt + 2 * (masse->rahmenHoehe + masse->randHoehe) + 2 * masse->menuHoehe +
           masse->titelHoehe;
}

bool CMainFrameLogik::OnClose(IHauptfensterSchliessen& umgebung) {
    if (!m_schliessFlag) {
        try {
            if (umgebung.StammdatenGeaendert() && !umgebung.StammdatenSchliessen()) return false;
        } catch (...) {
            // A question that failed answered nothing: closing now would throw away the
            // master-data pages' unsaved entries, so the program stays open with the
            // failure shown, as a project does.
            ShowFremdenFehler(std::current_exception());
            return false;
        }
        try {
            if (umgebung.FrageBeenden() != platform::id::YES) return false;
        } catch (...) {
            // The exit question could not be asked: nothing is left unsaved, so the program
            // closes rather than hang open.
        }
    }
    try {
        umgebung.VerbindungBeenden();
    } catch (...) {
    }
    return true;
}

CMainFrameLogik::SNachricht CMainFrameLogik::Nachricht(std::string_view zeile) {
    SNachricht antwort;
    while (!zeile.empty() && (zeile.back() == '\n' || zeile.back() == '\r')) zeile.remove_suffix(1);
    if (zeile == kClientNachricht) {
        m_schliessFlag = 1;
        antwort.schliessen = true;
    } else if (zeile.substr(0, kReportNachricht.size()) == kReportNachricht) {
        antwort.report = true;
        const std::string rest(zeile.substr(kReportNachricht.size()));
        char* ende = nullptr;
        antwort.wParam = std::strtol(rest.c_str(), &ende, 10);
        antwort.lParam = std::strtol(ende, nullptr, 10);
    }
    return antwort;
}
