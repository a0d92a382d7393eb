#pragma once
#include <functional>
#include <vector>

// One save of the program (a page's Save, a dialog's OK) as one write of the user
// database: every record it changes reaches the file together or not at all.
//
//   CSpeicherVorgang vorgang;
//   store.save(haus, true);       // flushes wait
//   store.save(quelle, true);
//   vorgang.Abschliessen();       // one flush; a failure reports and throws
//
// A save that ends without Abschliessen (an exception on the way) takes back what it wrote
// into the database image, and the values it marked saved count as changed again; the file
// is not touched. Saves nest: an inner one joins the outer one's single write.
class CSpeicherVorgang {
  public:
    // Whether the dialogs the save opens are saves of their own (CVorgangsPause) or part of
    // it: a wizard whose Cancel takes back whatever was written while it was open.
    enum class Dialoge { EigeneSaves, GehoerenDazu };

    explicit CSpeicherVorgang(Dialoge dialoge = Dialoge::EigeneSaves);
    ~CSpeicherVorgang();
    CSpeicherVorgang(const CSpeicherVorgang&) = delete;
    CSpeicherVorgang& operator=(const CSpeicherVorgang&) = delete;

    // Ends the save: the outermost writes the file once. A failed write is reported and
    // thrown, with everything taken back.
    void Abschliessen();
    // Ends the save by taking back what it wrote, as leaving it without Abschliessen does.
    void Verwerfen();

    // Whether a save that keeps its dialogs is open.
    static bool DialogeGehoerenDazu();
    // What to do when the innermost open save, or the one it joins, is taken back after
    // all: a page that saved into it is unsaved again. Without an open save, nothing.
    static void BeiRuecknahme(std::function<void()> zurueck);

  private:
    void Beende(bool abschliessen);

    bool m_offen = true;
    Dialoge m_dialoge;
    CSpeicherVorgang* m_aussen;
    std::vector<std::function<void()>> m_zurueck;
    friend class CVorgangsPause;
};

// A modal loop inside an open save (a dialog a command opens): while the save has changed
// nothing yet, its groups are set aside for the loop, so that each action in the loop (a
// dialog's OK, a page's Save) is one write of its own; a save that has changed something
// keeps its groups open and the loop's writes join it, and so does a save opened with
// Dialoge::GehoerenDazu.
class CVorgangsPause {
  public:
    CVorgangsPause();
    ~CVorgangsPause();
    CVorgangsPause(const CVorgangsPause&) = delete;
    CVorgangsPause& operator=(const CVorgangsPause&) = delete;

  private:
    bool m_ausgesetzt;
    CSpeicherVorgang* m_innen = nullptr;
};
