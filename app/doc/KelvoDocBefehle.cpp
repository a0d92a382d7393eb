// The commands a project document answers: its data pages, and the document commands that
// other windows registered.
#include "app/doc/KelvoDocBefehle.h"

#include <exception>
#include <map>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/KelvoDoc.h"
#include "evaluation/binding/Solar.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"

namespace {

constexpr unsigned kSeiteNichtGezeigt = 3257;  // "Error when showing data page"

// Command, page kind, caption text of the error.
struct SSeitenBefehl {
    int id;
    int kind;
    unsigned captionId;
};
constexpr SSeitenBefehl kSeitenBefehle[] = {
    {32846, CKelvoDoc::kHausSeite, 3148},   {32847, CKelvoDoc::kWWSeite, 3186},
    {32849, CKelvoDoc::kWQ1Seite, 3151},    {32781, CKelvoDoc::kWQ2Seite, 3185},
    {32845, CKelvoDoc::kProjektSeite, 3385}, {32848, CKelvoDoc::kSolarSeite, 3466},
};
constexpr int kDatenBearbeiten = 32844;
constexpr int kKuehlDaten = 32850;

std::map<int, SDokumentBefehl>& registrierte() {
    static std::map<int, SDokumentBefehl> tabelle;
    return tabelle;
}

const SSeitenBefehl* SeitenBefehl(int id) {
    for (const SSeitenBefehl& b : kSeitenBefehle)
        if (b.id == id) return &b;
    return nullptr;
}

}  // namespace

void RegistriereDokumentBefehl(int id, SDokumentBefehl befehl) {
    if (befehl.ausfuehren)
        registrierte()[id] = std::move(befehl);
    else
        registrierte().erase(id);
}

const SDokumentBefehl* FindeDokumentBefehl(int id) {
    const auto it = registrierte().find(id);
    return it == registrierte().end() ? nullptr : &it->second;
}

bool CKelvoDoc::onCommand(int id) {
    if (const SSeitenBefehl* b = SeitenBefehl(id)) {
        try {
            OnEditDatenPage(b->kind);
        } catch (...) {
            ShowFremdenFehler(std::current_exception());
            ShowFehler2(kSeiteNichtGezeigt, b->captionId);
        }
        return true;
    }
    if (id == kDatenBearbeiten) {
        OnEditDaten();
        return true;
    }
    if (id == kKuehlDaten) return true;
    if (const SDokumentBefehl* b = FindeDokumentBefehl(id)) {
        if (!b->aktiv || b->aktiv(*this)) b->ausfuehren(*this);
        return true;
    }
    return false;
}

bool CKelvoDoc::onUpdateCommand(int id, ui::CommandState& state) {
    if (const SSeitenBefehl* b = SeitenBefehl(id)) {
        state.enabled = GetSeite(b->kind) != nullptr &&
                        (id != 32848 || m_wpumpe.IstGueltig());
        return true;
    }
    if (id == kDatenBearbeiten) {
        state.enabled = HatEineSeite();
        return true;
    }
    if (id == kKuehlDaten) {
        state.enabled = false;
        return true;
    }
    if (const SDokumentBefehl* b = FindeDokumentBefehl(id)) {
        try {
            state.enabled = !b->aktiv || b->aktiv(*this);
        } catch (...) {
            state.enabled = false;
        }
        return true;
    }
    return false;
}
