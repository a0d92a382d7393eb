#include "dialogs/OrtsAuswahlBoxen.h"

#include <QSignalBlocker>
#include <algorithm>

#include "core/db/TextCompare.h"
#include "dialogs/DlgTexte.h"

namespace ortsboxen {
namespace {
constexpr unsigned kAlle = 4564;  // "all"
}  // namespace

void FuelleLaender(QComboBox& box, const COrtsAuswahl& auswahl) {
    const QSignalBlocker still(&box);
    box.clear();
    for (const SLandEintrag& land : auswahl.Laender())
        box.addItem(QString::fromStdU16String(land.name), QVariant::fromValue(land.nummer));
}

void FuellePlz(QComboBox& box) {
    const QSignalBlocker still(&box);
    box.clear();
    for (int ziffer = 0; ziffer < COrtsAuswahl::kAllePlz; ++ziffer)
        box.addItem(QString::number(ziffer) + QStringLiteral("..."));
    box.addItem(DlgText(kAlle));
}

void FuelleNamen(QComboBox& box, const CVRMStringArray& namen, bool sortiert) {
    CVRMStringArray folge = namen;
    if (sortiert)
        std::ranges::stable_sort(folge, [](const CVRMString& a, const CVRMString& b) {
            return KVScompareNoCase(a, b) < 0;
        });
    const QSignalBlocker still(&box);
    box.clear();
    for (const CVRMString& name : folge) box.addItem(QString::fromStdU16String(name));
}

void WaehleText(QComboBox& box, const CVRMString& text) {
    const QSignalBlocker still(&box);
    box.setCurrentIndex(box.findText(QString::fromStdU16String(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ZeigeAuswahl(QComboBox& land, QComboBox& plz, const COrtsAuswahl& auswahl) {
    const QSignalBlocker still1(&land), still2(&plz);
    land.setCurrentIndex(auswahl.Land());
    plz.setCurrentIndex(auswahl.Plz());
}

}  // namespace ortsboxen
