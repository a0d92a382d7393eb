// The year-end steps of ground sources: the summer smoothing of the source temperatures,
// the adjustment of the solar gain temperatures and the check against the ground limit.
#include <array>
#include <vector>

#include "core/text/TextIdConstants.h"
#include "evaluation/AuswertManager.h"
#include "evaluation/HeizKontext.h"
#include "model/app/KelvoAppServices.h"
#include "model/app/KelvoOptionen.h"
#include "model/app/OptionIds.h"
#include "model/data/Spline.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "model/house/Haus2.h"
#include "model/source/WQuelle2.h"
#include "platform/messagebox/MessageBox.h"

namespace {

constexpr int32_t kGrenzErdTVorgabe = 25;
// "There is at least one month where the ground temperature\nis higher than the given limit
// temperature (%u °C)."
constexpr unsigned kErdeZuWarm = 3667;
constexpr double kSteigungNatuerlich = 10000.0;
constexpr int kIntervalle = 5;
constexpr float kGewinnAbstand = 3.0f;
constexpr int kJuni = 5;

// The spline through the months `stuetzen`, sampled at the two months after the second.
std::array<float, 2> SplineMonate(const std::array<int, 4>& stuetzen,
                                  const CAuswertManager::Monatswerte& temps) {
    std::array<double, 4> x{}, y{};
    for (size_t i = 0; i < 4; ++i) {
        x[i] = stuetzen[i];
        y[i] = temps[static_cast<size_t>(stuetzen[i])];
    }
    std::vector<double> xs, ys;
    Spline(x, y, xs, ys, kIntervalle, kSteigungNatuerlich, kSteigungNatuerlich);
    // Samples at x[0], x[0] + 1, ...: the two months after the second point are 2 and 3.
    if (ys.size() < 4) ThrowFehler(0, nullptr);
    return {static_cast<float>(ys[2]), static_cast<float>(ys[3])};
}

}  // namespace

void CAuswertManager::BerechneQuelle(CWQuelle2* quelle, Monatswerte& temps) {
    if (!quelle) ThrowFehler(0, nullptr);
    const SQuelle& daten = m_quellDaten[quelle == m_quelle1 ? 0 : 1];
    if (!daten.erdreich) return;
    const int art = daten.temp.art;

    int ersterGeglaettet = 0;
    if (art == 1) {
        // Horizontal collectors: June and July from April, May, August, September.
        const auto werte = SplineMonate({3, 4, 7, 8}, temps);
        temps[5] = werte[0];
        temps[6] = werte[1];
        ersterGeglaettet = 5;
    } else {
        // Probes: July and August from May, June, September, October; solar feed-in in
        // summer is added back as a ramp over the months before and after.
        const auto werte = SplineMonate({4, 5, 8, 9}, temps);
        const float d = temps[6] - werte[0];
        const bool einspeisung = HatErdreichEinspeisung(4, 9);
        const bool glaetten = m_glaettung.value_or(mitSolarenGewinnen() &&
                                                   m_haus->HatSolarWohin(CHaus2::kErdreich));
        if (glaetten) {
            temps[6] = werte[0];
            temps[7] = werte[1];
            if (einspeisung) {
                temps[4] += d / 3.0f;
                temps[5] += 2.0f * d / 3.0f;
                for (size_t m = 6; m <= 9; ++m) temps[m] += d;
            }
        }
        ersterGeglaettet = 6;
    }

    const bool direkt = m_kontext->medium == 3;
    for (int m = 4; m <= 9; ++m) {
        const auto i = static_cast<size_t>(m);
        float ww = 0.0f;
        m_haus->MonatlicherWWbedarf(static_cast<unsigned short>(m), ww);
        const float last = m_jahr.bedarf[i] + ww >= 0.1f ? Reihe(ER_WPQuellLeistung)[i] : 0.0f;
        quelle->SoleTemperatur(daten.sole, m, temps[i], last, m_jahr.spreizung, direkt,
                               Reihe(ER_SoleTemp)[i]);
    }
    PasseGewinnTempAn(ersterGeglaettet, m_sommerFlags[ersterGeglaettet - kJuni] != 0);
    PasseGewinnTempAn(ersterGeglaettet + 1, m_sommerFlags[ersterGeglaettet + 1 - kJuni] != 0);
}

// After the smoothing the brine of the month before may have risen above what the solar
// heat of the month can give.
void CAuswertManager::PasseGewinnTempAn(int monat, bool sommerFlag) {
    const auto i = static_cast<size_t>(monat);
    const float sole = Reihe(ER_SoleTemp)[i - 1];
    const bool zuKalt = sole + kGewinnAbstand > m_gewinnTemp[i];
    const float einspeisung = Reihe(ER_Einspeisung1)[i] + Reihe(ER_Einspeisung2)[i];
    if (sommerFlag && zuKalt) {
        m_gewinnTemp[i] = sole + kGewinnAbstand + 1.0f;
    } else if (m_anpassModus != 0) {
        if (einspeisung > 0.1f && zuKalt) {
            m_wiederholung = 1;
            m_gewinnTemp[i] = sole + kGewinnAbstand + 1.0f;
        } else if (einspeisung <= 0.1f) {
            m_gewinnTemp[i] = sole + kGewinnAbstand + 1.0f;
        }
    }
}

void CAuswertManager::PruefeErdGrenze(CWQuelle2* quelle, const Monatswerte& temps) {
    if (!IstErdreich(quelle)) return;
    int32_t grenze = kGrenzErdTVorgabe;
    GetKelvoApp().GetOptionsManager().GetLongWert(OPT_GRENZ_ERD_T, grenze);
    for (float t : temps) {
        if (t > static_cast<float>(grenze)) {
            CVRMString text;
            text.Format(kErdeZuWarm, static_cast<unsigned>(grenze));
            KVSMessageBoxCaptionID(text, textid::kProduktCaption,
                                   platform::mb::OK | platform::mb::ICONINFORMATION);
            return;
        }
    }
}
