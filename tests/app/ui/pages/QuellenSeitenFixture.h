#pragma once
// The two pages of a heat source in the running program: the sample projects of the
// library (read-only) or a new project of the user database, soil types of the test's own
// added to the user database, and choosing a list entry as the user does.
#include <QComboBox>
#include <QLabel>

#include "model/data/VRMdatenProvider2.h"
#include "pages/WQ1Page.h"
#include "pages/WQ2Page.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace quellentest {

class QuellenSeitenFixture : public seitentest::SeitenFixture {
  protected:
    CWQ1Page& Seite1() { return Zeige<CWQ1Page>(CKelvoDoc::kWQ1Seite); }
    CWQ2Page& Seite2() { return Zeige<CWQ2Page>(CKelvoDoc::kWQ2Seite); }
    CVRMString Quelle() { return dokument->GetWQuelle(1)->getConsumerName(); }
    // Soil types named for their extraction rate, in the user database.
    static constexpr char16_t kProQm[] = u"Collector field 25 W/qm (bib)";
    static constexpr char16_t kProM[] = u"Probe field 50 W/m (bib)";
    static void SpezifischeBoeden() {
        CVRMdatenProvider2::Get().SaveBodenDaten(kProQm, 1.5f, 2.0f, 1800.0f);
        CVRMdatenProvider2::Get().SaveBodenDaten(kProM, 2.0f, 2.2f, 2000.0f);
    }
    static QComboBox& Box(QWidget& seite, int id) { return Element<QComboBox>(seite, id); }
    // Chooses the entry `text` of the list as a user does.
    static void Waehle(QWidget& seite, int id, const QString& text) {
        QComboBox& box = Box(seite, id);
        const int index = box.findText(text, Qt::MatchExactly);
        ASSERT_GE(index, 0) << text.toStdString();
        box.setCurrentIndex(index);
        emit box.activated(index);
        uitest::processEvents();
    }
    static void WaehleIndex(QWidget& seite, int id, int index) {
        QComboBox& box = Box(seite, id);
        box.setCurrentIndex(index);
        emit box.activated(index);
        uitest::processEvents();
    }
    // Leaves a field as the user does with the tab key.
    static void Verlasse(QWidget& seite, int id) {
        QLineEdit& feld = Element<QLineEdit>(seite, id);
        emit feld.editingFinished();
        uitest::processEvents();
    }
    static QStringList Eintraege(QWidget& seite, int id) {
        QStringList l;
        QComboBox& box = Box(seite, id);
        for (int i = 0; i < box.count(); ++i) l << box.itemText(i);
        return l;
    }
    static std::u16string Sprachtext(unsigned id) { return CResManager::getLangText(static_cast<uint16_t>(id)); }
    static bool Enthaelt(const std::u16string& text, std::u16string_view teil) {
        return text.find(teil) != std::u16string::npos;
    }
};

}  // namespace quellentest
