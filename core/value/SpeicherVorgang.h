#pragma once
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
    CSpeicherVorgang();
    ~CSpeicherVorgang();
    CSpeicherVorgang(const CSpeicherVorgang&) = delete;
    CSpeicherVorgang& operator=(const CSpeicherVorgang&) = delete;

    // Ends the save: the outermost writes the file once. A failed write is reported and
    // thrown, with everything taken back.
    void Abschliessen();

  private:
    bool m_offen = true;
};
