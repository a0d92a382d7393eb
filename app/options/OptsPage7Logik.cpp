#include "app/options/OptsPage7Logik.h"

#include "app/options/OptsTexte.h"
#include "app/options/OptsZugriff.h"
#include "core/text/TextIdConstants.h"
#include "model/app/OptionIds.h"
#include "model/errors/KVSMessageBox.h"
#include "model/project/Projekt2.h"
#include "platform/format/Format.h"
#include "platform/messagebox/MessageBox.h"

void COptsPage7Logik::Init() {
    LeseNamen();
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    CProjekt2::ParseKostenListe(opts::Text(o, OPT_WIRTSCHAFT), m_zahlen,
                                {vrmdb::kSektionOptionen, o.GetKey(OPT_WIRTSCHAFT)});
}

void COptsPage7Logik::LeseNamen() {
    m_waehrungText = m_umgebung.GetWaehrungText();
    m_name = opts::Text(m_umgebung.GetOptionsManager(), OPT_NAME_ZET);
}

void COptsPage7Logik::Apply() {
    CVRMString liste;
    for (unsigned zahl : m_zahlen) liste += platform::format(u"%u#", zahl);
    m_umgebung.GetOptionsManager().SetStringWert(OPT_WIRTSCHAFT, &liste);
}

bool COptsPage7Logik::SetzeZurueck() {
    if (KVSMessageBoxID(optstext::kZuruecksetzenFrage, textid::kProduktCaption,
                        platform::mb::YESNO | platform::mb::ICONQUESTION) != platform::id::YES)
        return false;
    m_umgebung.GetOptionsManager().SetzeStandard(OPT_WIRTSCHAFT, 1);
    const COptionsManager& o = m_umgebung.GetOptionsManager();
    CProjekt2::ParseKostenListe(opts::Text(o, OPT_WIRTSCHAFT), m_zahlen,
                                {vrmdb::kSektionOptionen, o.GetKey(OPT_WIRTSCHAFT)});
    return true;
}
