#include "evaluation/AuswertManager.h"

#include <algorithm>

#include "evaluation/HeizKontext.h"

CAuswertManager::~CAuswertManager() = default;

void CAuswertManager::InitMonatsWerte(MonatsSpan werte) {
    std::fill(werte.begin(), werte.end(), 0.0f);
}
