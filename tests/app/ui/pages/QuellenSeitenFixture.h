#pragma once
// The two pages of a heat source in the running program: the sample projects of the
// library (read-only) or a new project of the user database, soil types of the test's own
// added to the user database, and choosing a list entry as the user does.
#include <QComboBox>
#include <QLabel>

#include <algorithm>
#include <map>

#include "core/db/Global.h"
#include "core/db/VRMglobApp.h"
#include "evaluation/binding/Basis.h"
#include "evaluation/binding/Solar.h"
#include "model/data/VRMdatenProvider2.h"
#include "pages/WQ1Page.h"
#include "pages/WQ2Page.h"
#include "tests/app/ui/pages/SeitenFixture.h"

namespace quellentest {

class QuellenSeitenFixture : public seitentest::SeitenFixture {
  protected:
    // A sample project of the library that the program may change: it runs with the
    // "conf" switch (whose options sheet at start is cancelled), and the user database
    // holds the records of the sample (the project and the records it names, and theirs),
    // so that what the pages save lands in the user database file. The user database
    // takes no library records of its own accord: they are laid into its file before a
    // second start.
    CKelvoDoc& BeispielConf(std::u16string_view teil) {
        const CVRMString projekt = StarteConfMitBeispiel(teil);
        // Opening a changeable project gives it the components it lacks, and says so.
        uitest::dialogs().expectMessageBox(platform::id::OK);
        dokument = app->OpenDocumentFile(projekt);
        EXPECT_NE(dokument, nullptr);
        return *dokument;
    }
    // The start of BeispielConf, without opening the project; its name.
    CVRMString StarteConfMitBeispiel(std::u16string_view teil) {
        const auto optionen = [] {
            uitest::dialogs().expectDialog(u"Program options", [](QDialog& d) {
                uitest::click(*ui::child(&d, ui::kIdCancel), {5, 5});
            });
        };
        optionen();
        Starte(false, {u"-conf"});
        const CVRMString projekt = Projekt(teil);
        const std::filesystem::path nutzer(app->GetAktDatenbank().toUtf8());
        CVRMString bibo;
        IGlobal::GetBiboDateiname(bibo);
        std::vector<std::u16string> zeilen;
        if (std::filesystem::exists(nutzer)) zeilen = testsupport::ReadDatabaseLines(nutzer);
        KopiereSaetze(testsupport::ReadDatabaseLines(std::filesystem::path(bibo.toUtf8())), projekt, zeilen);
        Beende();
        testsupport::WriteDatabaseFile(nutzer, zeilen);
        optionen();
        app = std::make_unique<CKelvoApp>();
        EXPECT_TRUE(app->InitInstance(umgebung));
        app->GetMainFrame()->resize(1100, 800);
        return projekt;
    }
    // Appends to `ziel` the section of the record `satz` in the library's lines and, two
    // levels deep, the sections of the records its values name.
    static void KopiereSaetze(const std::vector<std::u16string>& bibo, const CVRMString& satz,
                              std::vector<std::u16string>& ziel) {
        const auto klein = [](std::u16string_view t) {
            return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size())).toLower().toStdU16String();
        };
        std::map<std::u16string, std::pair<size_t, size_t>> abschnitte;  // header -> lines
        for (size_t i = 0, anfang = 0; i <= bibo.size(); ++i) {
            if (i < bibo.size() && (bibo[i].empty() || bibo[i].front() != u'[')) continue;
            if (i > 0 && anfang < i) abschnitte.emplace(klein(bibo[anfang]), std::pair{anfang, i});
            anfang = i;
        }
        std::vector<std::pair<std::u16string, int>> offen{{klein(u"[" + std::u16string(satz) + u"]"), 2}};
        while (!offen.empty()) {
            const auto [kopf, tiefe] = offen.back();
            offen.pop_back();
            const auto it = abschnitte.find(kopf);
            if (it == abschnitte.end() || std::find(ziel.begin(), ziel.end(), kopf) != ziel.end()) continue;
            ziel.push_back(kopf);
            for (size_t z = it->second.first + 1; z < it->second.second; ++z) {
                ziel.push_back(bibo[z]);
                const size_t gleich = bibo[z].find(u'=');
                if (tiefe > 0 && gleich != std::u16string::npos)
                    offen.emplace_back(klein(u"[" + bibo[z].substr(gleich + 1) + u"]"), tiefe - 1);
            }
        }
    }
    // The entry `key` of the record `satz` in the user database or the library's copy.
    std::optional<std::u16string> SatzEintrag(const CVRMString& satz, const std::u16string& key) const {
        const auto klein = [](std::u16string_view t) {
            return QString::fromUtf16(t.data(), static_cast<qsizetype>(t.size())).toLower().toStdU16String();
        };
        // The user database first: what the program writes there stands before the library.
        std::vector<std::filesystem::path> dateien;
        for (const char* ext : {".dat", ".bib"})
            for (const auto& eintrag : std::filesystem::directory_iterator(ordner.path()))
                if (eintrag.path().extension() == ext) dateien.push_back(eintrag.path());
        for (const auto& datei : dateien) {
            bool drin = false;
            for (const std::u16string& zeile : testsupport::ReadDatabaseLines(datei)) {
                if (!zeile.empty() && zeile.front() == u'[') {
                    drin = klein(zeile) == klein(u"[" + satz + u"]");
                } else if (drin && klein(zeile).rfind(klein(key) + u"=", 0) == 0) {
                    return zeile.substr(key.size() + 1);
                }
            }
        }
        return std::nullopt;
    }
    // A value of the record as the value store now holds it.
    static CVRMwert& Gespeichert(const CVRMString& satz, TKelvoDatenID id) {
        return const_cast<CVRMwerteListe&>(CVRMdatenProvider::get().getWerte(satz)).get(id);
    }
    CWQ1Page& Seite1() { return Zeige<CWQ1Page>(CKelvoDoc::kWQ1Seite); }
    CWQ2Page& Seite2() { return Zeige<CWQ2Page>(CKelvoDoc::kWQ2Seite); }
    CVRMString Quelle() { return dokument->GetWQuelle(1)->getConsumerName(); }
    static QComboBox& Box(QWidget& seite, int id) { return Element<QComboBox>(seite, id); }
    // Chooses the entry `text` of the list as a user does.
    static void Waehle(QWidget& seite, int id, const QString& text) {
        QComboBox& box = Box(seite, id);
        // Library entries carry their mark after the name.
        int index = box.findText(text, Qt::MatchExactly);
        if (index < 0) index = box.findText(text + QStringLiteral("_("), Qt::MatchStartsWith);
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
