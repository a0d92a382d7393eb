#include "core/records/VaillantDaten.h"

#include "core/text/ErrorReport.h"
#include "core/text/TextIdConstants.h"

namespace {

constexpr unsigned kMonoethylenglycol = 3812;  // "Monoethylenglycol"
constexpr unsigned kPE = 5704;                 // "PE"

bool istBekannterSondentyp(unsigned typ) {
    return typ <= CVaillantDaten::kuiSondentyp1URohr;
}

// The library's record of that text: "<text>_(bib)".
CVRMString biboName(unsigned textId) {
    CVRMString name(textId, nullptr);
    name += u"_";
    name += CVRMString(textid::kBiboMarke, nullptr);
    return name;
}

}  // namespace

unsigned CVaillantDaten::getSpTyp(unsigned art) {
    switch (art) {
    case kuiSpMantel: return kuiSpMantel;
    case kuiSpMulti:
    case kuiSpPuffer: return kuiSpMulti;
    default: return kuiSpRohr;
    }
}

unsigned CVaillantDaten::getSpTverluste(unsigned art) {
    switch (art) {
    case kuiSpRohr: return 7;
    case kuiSpMantel: return 3;
    case kuiSpMulti: return 5;
    case kuiSpPuffer: return 3;
    default: return 0;
    }
}

bool CVaillantDaten::istWPmitZWT(const CVRMString& wpName) {
    return !wpName.empty() && wpName.back() == u'S';
}

CVRMString CVaillantDaten::getSondentypFSM(unsigned typ) {
    return istBekannterSondentyp(typ) ? biboName(kMonoethylenglycol) : CVRMString();
}

unsigned CVaillantDaten::getSondentypFSK(unsigned typ) {
    return istBekannterSondentyp(typ) ? 33 : 25;
}

float CVaillantDaten::getSondentypQRI(unsigned typ) {
    return typ == kuiSondentypBSGera ? 26.2f : 28.0f;
}

float CVaillantDaten::getSondentypQRA(unsigned) {
    return 32.0f;
}

CVRMString CVaillantDaten::getSondentypQAM(unsigned typ) {
    return istBekannterSondentyp(typ) ? biboName(kPE) : CVRMString();
}

float CVaillantDaten::getSondentypQWA(unsigned typ) {
    return typ == kuiSondentypBSGera ? 0.43f : 0.41f;
}

unsigned CVaillantDaten::getSpVolumen(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CVaillantDaten::getSpIndex(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CVaillantDaten::GetIdBitmapWw(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
