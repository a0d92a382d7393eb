#include "core/records/HautecDaten.h"

#include "core/db/TextCompare.h"
#include "core/text/ErrorReport.h"

bool CHautecDaten::istWPmit134A(const CVRMString& wpName) {
    CVRMString name = wpName;
    MakeStringLower(name);
    const auto pos = name.find(u"134a");
    return pos != CVRMString::npos && pos > 0;
}

unsigned CHautecDaten::getSpTverluste(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CHautecDaten::getSpVolumen(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CHautecDaten::getSpIndex(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CHautecDaten::GetIdBitmapWw(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
