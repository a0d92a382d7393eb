#include "evaluation/dim/KandidatenSuche.h"

#include <algorithm>
#include <cwctype>

#include "model/app/KelvoAppServices.h"

namespace {

// Units of one maker share this many leading letters of their catalogue names.
constexpr size_t kPraefixLaenge = 5;

std::u16string Klein(std::u16string_view text) {
    std::u16string klein(text);
    for (char16_t& c : klein)
        c = static_cast<char16_t>(std::towlower(static_cast<std::wint_t>(c)));
    return klein;
}

}  // namespace

std::optional<std::vector<SKandidat>> SucheKandidaten(const CVRMStringArray& namen,
                                                      const KandidatenFilter& filter,
                                                      IDlgProgress* progress) {
    std::vector<SKandidat> treffer;
    if (progress) progress->SetRange(0, namen.GetSize());
    for (const CVRMString& name : namen) {
        if (progress) {
            progress->StepIt();
            if (progress->PumpMessages()) return std::nullopt;
        }
        float leistung = 0.0f;
        if (!filter(name, leistung)) continue;
        // A name listed twice keeps its first place and its last capacity.
        auto gleich = std::find_if(treffer.begin(), treffer.end(),
                                   [&](const SKandidat& k) { return k.name == name; });
        if (gleich != treffer.end())
            gleich->leistung = leistung;
        else
            treffer.push_back({name, leistung});
    }
    return treffer;
}

std::vector<SKandidat> GruppiereKandidaten(std::vector<SKandidat> treffer) {
    std::vector<SKandidat> ergebnis;
    while (!treffer.empty()) {
        const std::u16string praefix = Klein(treffer.front().name).substr(0, kPraefixLaenge);
        SKandidat bester = treffer.front();
        std::vector<SKandidat> rest;
        for (SKandidat& k : treffer) {
            if (!Klein(k.name).starts_with(praefix)) {
                rest.push_back(std::move(k));
                continue;
            }
            if (k.leistung < bester.leistung) bester = k;
        }
        ergebnis.push_back(std::move(bester));
        treffer = std::move(rest);
    }
    return ergebnis;
}
