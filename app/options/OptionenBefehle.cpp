#include "app/options/OptionenBefehle.h"

#include "app/shell/KelvoApp.h"
#include "app/shell/KelvoAppBefehle.h"

void RegistriereOptionenBefehle(CKelvoAppBefehle& befehle) {
    befehle.Setze(kBefehlOptionen, {[] { GetKelvoAppObjekt().OpenOptionen(0); }, {}});
}
