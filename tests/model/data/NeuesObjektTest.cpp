#include "model/data/NeuesObjekt.h"

#include "platform/errors/UserException.h"
#include "tests/model/BoxFixture.h"

namespace {

class NeuesObjektTest : public modeltest::BoxFixture {
  protected:
    NeuesObjektTest() { text(3168, u"Produkt"); }
};

TEST_F(NeuesObjektTest, AsksForAMissingNameAndAddsItTrimmed) {
    app.nameAntworten = {CVRMString(u"  WP 1  ")};
    CVRMString name;
    EXPECT_EQ(AddNeuesObjekt(1, name), 1);
    EXPECT_EQ(name, u"WP 1");
    ASSERT_EQ(app.namePrompts.size(), 1u);
    EXPECT_EQ(app.namePrompts[0].prompt, u"Heat pump name:");
    EXPECT_EQ(app.namePrompts[0].owner, nullptr);
    ASSERT_EQ(app.addUniqueAufrufe.size(), 1u);
    EXPECT_EQ(app.addUniqueAufrufe[0], std::make_pair(4, CVRMString(u"WP 1")));
}

TEST_F(NeuesObjektTest, CancelOrRefusalLeavesTheKindsText) {
    CVRMString name;
    EXPECT_EQ(AddNeuesObjekt(4, name), 0);  // no answer: cancel
    EXPECT_EQ(name, u"Ground temperature data");
    EXPECT_TRUE(app.addUniqueAufrufe.empty());

    app.addUniqueAntwort = 0;
    name = u"Haus A";
    EXPECT_EQ(AddNeuesObjekt(0, name), 0);
    EXPECT_EQ(name, u"Building");
    EXPECT_TRUE(app.namePrompts.size() == 1u);  // a given name is not asked for
    EXPECT_EQ(app.addUniqueAufrufe.back().first, 1);
}

TEST_F(NeuesObjektTest, KindsWithoutListAndWrongKinds) {
    CVRMString name;
    EXPECT_EQ(AddNeuesObjekt(15, name), 1);
    EXPECT_TRUE(app.namePrompts.empty());
    for (int art : {13, 14, 16, -1}) {
        presenter.shown.clear();
        EXPECT_THROW(AddNeuesObjekt(art, name), platform::UserException);
        EXPECT_EQ(einzigeBox().text, u"Switch constant wrong\n(AddNeuesObjekt)");
    }
}

TEST_F(NeuesObjektTest, ABlankNameIsTheGenericError) {
    app.nameAntworten = {CVRMString(u"   ")};
    CVRMString name;
    EXPECT_THROW(AddNeuesObjekt(1, name), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Exception");
}

TEST_F(NeuesObjektTest, OwnEntriesAndTheConfSwitchMayBeChanged) {
    EXPECT_EQ(ChangeBiboKomponente(1, u"Meine WP"), 1);
    app.confSchalter = true;
    EXPECT_EQ(ChangeBiboKomponente(1, u"WP X (bib)"), 1);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(NeuesObjektTest, LibraryEntriesAreRefused) {
    testsupport::FakeKelvoDoc dokument;
    app.dokument = &dokument;
    // Heat pump and tariff: no project question, the box at once.
    EXPECT_EQ(ChangeBiboKomponente(1, u"WP X (bib)"), 0);
    EXPECT_TRUE(dokument.aenderbarAnfragen.empty());
    const auto& box = einzigeBox();
    EXPECT_EQ(box.text, u"This is a Heat pump from the database.\r\nYou cannot edit its data!");
    EXPECT_EQ(box.caption, u"Produkt");
    EXPECT_EQ(box.style & platform::mb::ICONMASK, platform::mb::ICONINFORMATION);

    // Other kinds ask the project first; its refusal shows nothing further.
    presenter.shown.clear();
    dokument.projektAenderbar = false;
    EXPECT_EQ(ChangeBiboKomponente(0, u"Haus (BIB)"), 0);
    EXPECT_EQ(dokument.aenderbarAnfragen, std::vector<bool>{true});
    EXPECT_TRUE(presenter.shown.empty());

    dokument.projektAenderbar = true;
    EXPECT_EQ(ChangeBiboKomponente(0, u"Haus (bib)"), 0);
    EXPECT_EQ(einzigeBox().text,
              u"This is a Building from the database.\r\nYou cannot edit its data!");

    presenter.shown.clear();
    EXPECT_THROW(ChangeBiboKomponente(4, u"Ort (bib)"), platform::UserException);
    EXPECT_EQ(einzigeBox().text, u"Switch constant wrong\n(ChangeBiboKomponente)");
}

}  // namespace
