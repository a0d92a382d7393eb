#pragma once
// The real program with a project open, for the tests of its data pages: a new project of
// the user database (File > New project through the name dialog) or a sample project of
// the library; the page of a kind shown in the project's sheet; typing, clicking and
// reading back as the user does.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <optional>
#include <string>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/KelvoDoc.h"
#include "tests/app/ui/ProgrammFixture.h"
#include "tests/support/FixtureDatabase.h"

namespace seitentest {

class SeitenFixture : public programmtest::ProgrammFixture {
  protected:
    // A project of the user database filled from the defaults.
    CKelvoDoc& NeuesProjekt(const QString& name, bool deutsch = false) {
        Starte(deutsch);
        uitest::dialogs().expectDialog({}, [&](QDialog& d) {
            uitest::type(*ui::child(&d, 1033), name);
            uitest::click(*ui::child(&d, 1), {5, 5});
        });
        app->OnFileNew();
        dokument = app->GetAktivesKelvoDoc(true);
        EXPECT_NE(dokument, nullptr);
        return *dokument;
    }
    CKelvoDoc& Beispiel(std::u16string_view teil) {
        Starte();
        dokument = app->OpenDocumentFile(Projekt(teil));
        EXPECT_NE(dokument, nullptr);
        return *dokument;
    }
    // The page of `kind` shown in the project's sheet, as its project-window button does.
    template <class T>
    T& Zeige(int kind) {
        dokument->OnEditDatenPage(kind);
        uitest::processEvents();
        auto* seite = dynamic_cast<T*>(dokument->GetSeite(kind));
        EXPECT_NE(seite, nullptr);
        EXPECT_TRUE(seite && seite->isVisible());
        return *seite;
    }
    CKVSDatenSheet& Sheet() { return dokument->DatenSheet(); }

    template <class T = QWidget>
    static T& Element(QWidget& seite, int id) {
        T* w = qobject_cast<T*>(ui::child(&seite, id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return *w;
    }
    // Clicks into the field, selects what it shows and types over it.
    static void Tippe(QWidget& seite, int id, const QString& text) {
        QLineEdit& feld = Element<QLineEdit>(seite, id);
        uitest::click(feld, feld.rect().center());
        feld.setFocus();
        uitest::key(feld, Qt::Key_A, Qt::ControlModifier);
        uitest::type(feld, text);
    }
    static void Druecke(QWidget& seite, int id) {
        QAbstractButton& knopf = Element<QAbstractButton>(seite, id);
        uitest::click(knopf, QPoint(6, knopf.height() / 2));
        uitest::processEvents();
    }
    static QString Text(QWidget& seite, int id) { return QString::fromStdU16String(ui::childText(&seite, id)); }

    // The user database file as it lies on disk; none before it is first written.
    std::optional<std::string> Bytes() const {
        const std::filesystem::path datei(app->GetAktDatenbank().toUtf8());
        if (!std::filesystem::exists(datei)) return std::nullopt;
        return testsupport::ReadFileBytes(datei);
    }
    // A section of the user database file as lines.
    std::optional<std::u16string> Wert(const CVRMString& satz, const std::u16string& key) const {
        return Eintrag(satz, key);
    }

    CKelvoDoc* dokument = nullptr;
};

}  // namespace seitentest
