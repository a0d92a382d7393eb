#include "model/source/WQKontext.h"

SWQKontext& WQKontext() {
    static SWQKontext kontext;
    return kontext;
}
