#include "pages/WPSeiten.h"

#include <memory>

#include "app/base/KVSDatenSheetProtokoll.h"
#include "app/doc/DatenSeitenFabrik.h"
#include "pages/WP1Page.h"
#include "pages/WP2Page.h"

void RegistriereWPSeiten() {
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kWP2, [](const SSeitenWunsch&) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CWP2Page>());
    });
    RegistriereDatenSeite(CKVSDatenSheetProtokoll::kWP1, [](const SSeitenWunsch&) {
        return std::unique_ptr<CKVSDatenPage>(std::make_unique<CWP1Page>());
    });
}
