#pragma once
// Registers the tariff page (master data and project, page kind 2) and the hot-water page
// (project, page kind 1).
void RegistriereTarifWawaSeiten();
