#include "controls/chart/HMXDataset.h"

#include <algorithm>

#include "core/text/TextIdConstants.h"
#include "model/errors/Fehler.h"

void CHMXDataset::SetDrawSize(int size) { m_drawSize = std::clamp(size, 1, 10); }

void CHMXDataset::SetData(int nIndex, double nData) {
    if (nIndex < 0 || nIndex >= GetSize())
        ThrowFehler(textid::kChartFehler, u"SetData( int nIndex, double nData )");
    m_werte[static_cast<std::size_t>(nIndex)] = nData;
}

void CHMXDataset::AddData(double nData) {
    Reserviere(m_werte.size() + 1);
    m_werte.push_back(nData);
}

void CHMXDataset::GetData(int nIndex, double& nData) const {
    if (nIndex < 0 || nIndex >= GetSize())
        ThrowFehler(textid::kChartFehler, u"GetData( int nIndex, double& nData )");
    nData = m_werte[static_cast<std::size_t>(nIndex)];
}

void CHMXDataset::SetSize(int size) {
    if (size < 0) ThrowFehler(textid::kChartFehler, u"SetSize( int nSize )");
    if (size == 0) {
        std::vector<double>().swap(m_werte);
        return;
    }
    Reserviere(static_cast<std::size_t>(size));
    m_werte.resize(static_cast<std::size_t>(size), 0.0);
}

// Storage grows by an eighth of the current size (4 to 1024 elements), so that a series
// filled one value at a time is not copied at every append.
void CHMXDataset::Reserviere(std::size_t neueGroesse) {
    if (neueGroesse <= m_werte.capacity()) return;
    const std::size_t schritt = std::clamp<std::size_t>(m_werte.size() / 8, 4, 1024);
    m_werte.reserve(std::max(neueGroesse, m_werte.capacity() + schritt));
}

bool CHMXDataset::GetMinMax(double& min, double& max) const {
    min = 0.0;
    max = 0.0;
    if (m_werte.empty()) return false;
    min = kKeinWert;
    max = -kKeinWert;
    for (const double wert : m_werte) {
        if (wert == kKeinWert) continue;
        min = std::min(min, wert);
        max = std::max(max, wert);
    }
    return true;
}
