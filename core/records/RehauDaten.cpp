#include "core/records/RehauDaten.h"

#include "core/text/ErrorReport.h"

unsigned CRehauDaten::getSpTverluste(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CRehauDaten::getSpVolumen(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
unsigned CRehauDaten::getSpIndex(unsigned) {
    vrmcore::ReportError(0, std::u16string_view());
}
