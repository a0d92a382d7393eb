#pragma once
// Where the project document and the application's master-data sheet get their input
// pages. Each input page registers a maker for its page kind (the sheet's page ids:
// 0 house, 1 hot water, 2 tariff, 3 heat-pump data, 4 heat-source medium, 5 heat-source
// absorber, 8 project, 9 solar, 10 heat-pump choice) when the program starts. A kind
// without a maker gets no page: the document then builds none, and the button and menu
// command that would show it stay disabled.
#include <functional>
#include <memory>

class CHaus2;
class CKVSDatenPage;

struct SSeitenWunsch {
    int kind = -1;
    int wizard = 0;
    // Heat-source pages: first (true) or second source.
    bool ersteQuelle = true;
    // The solar page works on the project's house.
    CHaus2* haus = nullptr;
};

using SeitenMacher = std::function<std::unique_ptr<CKVSDatenPage>(const SSeitenWunsch&)>;

// A later maker for the same kind replaces the earlier one; an empty one removes it.
void RegistriereDatenSeite(int kind, SeitenMacher macher);
bool HatDatenSeite(int kind);
// The new page, or none when no maker is registered for the kind.
std::unique_ptr<CKVSDatenPage> ErzeugeDatenSeite(const SSeitenWunsch& wunsch);
