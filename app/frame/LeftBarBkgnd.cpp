#include "app/frame/LeftBarBkgnd.h"

#include <QVBoxLayout>

#include "app/frame/LeftBarKnopf.h"
#include "app/frame/MainFrameLogik.h"
#include "controls/buttons/ShadeButtonST.h"
#include "core/text/ResManager.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/OptionIds.h"
#include "platform/ui/DrawContext.h"

namespace {
constexpr int kKnopfBreite = 118, kKnopfHoehe = 62, kAbstand = 5;
constexpr uint32_t kStandardFarbe = 0x93D9E6;  // the option's default
// The pictures are drawn on pure red, which the buttons leave out.
constexpr ui::ColourRef kRot = ui::rgb(255, 0, 0);
}  // namespace

// Open project, design, cost comparison, report, building results, heat-source results,
// annual evaluation, help search. The explanatory texts of open, report and help are ours.
const std::array<CLeftBarBkgnd::SKnopf, CLeftBarBkgnd::kAnzahl> CLeftBarBkgnd::kKnoepfe = {{
    {57601, 221, 221, 5189, 7261},
    {32854, 222, 302, 5190, 3755},
    {32855, 223, 303, 5191, 3756},
    {32856, 224, 304, 5192, 7262},
    {32851, 225, 305, 5193, 3758},
    {32852, 226, 306, 5194, 3759},
    {32853, 227, 307, 5195, 3806},
    {32841, 219, 219, 5178, 7263},
}};

CLeftBarBkgnd::CLeftBarBkgnd(QWidget* parent) : ui::WindowOf<QWidget>(parent) {
    setControlId(172);
    setFixedWidth(kKnopfBreite + 2 * kAbstand + 1);
}

bool CLeftBarBkgnd::ErzeugeKnoepfe() {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(kAbstand, kAbstand, kAbstand + 1, kAbstand);
    spalte->setSpacing(kAbstand);
    for (std::size_t i = 0; i < kAnzahl; ++i) {
        const SKnopf& k = kKnoepfe[i];
        auto* knopf =
            new CLeftBarKnopf(CResManager::getLangText(static_cast<uint16_t>(k.textId)), this);
        knopf->setControlId(k.commandId);
        knopf->setFixedSize(kKnopfBreite, kKnopfHoehe);
        knopf->SetColor(1, ui::ColourRef(0xFF0000));
        knopf->SetColor(3, ui::ColourRef(0));
        knopf->SetShade(buttons::kShadeDiagonal, 0, 70, 0, ui::rgb(255, 255, 255));
        knopf->SetAlign(buttons::kImageAbove);
        if (knopf->SetBitmaps(k.bildHover, kRot, k.bildNormal, kRot, buttons::kAutoGrey, kRot) != 0)
            return false;
        // The tip tells what the command does, as its prompt in the status bar does.
        knopf->SetTooltipText(std::u16string_view(CResManager::getLangText(
            static_cast<uint16_t>(CMainFrameLogik::StatusText(k.commandId)))));
        spalte->addWidget(knopf);
        m_knoepfe[i] = knopf;
    }
    spalte->addStretch(1);
    return true;
}

bool CLeftBarBkgnd::onEraseBackground(ui::DrawContext& dc) {
    int32_t farbe = static_cast<int32_t>(kStandardFarbe);
    try {
        GetKelvoApp().GetOptionsManager().GetLongWert(OPT_COLOR_BKGND_HF, farbe);
    } catch (...) {
        farbe = static_cast<int32_t>(kStandardFarbe);
    }
    dc.fillRect(clientRect(), ui::ColourRef(static_cast<uint32_t>(farbe)));
    // The bar's right border.
    const ui::Rect r = clientRect();
    dc.fillRect(ui::Rect{r.right - 1, r.top, r.right, r.bottom}, ui::rgb(128, 128, 128));
    return true;
}
