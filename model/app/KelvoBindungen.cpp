#include "model/app/KelvoBindungen.h"

namespace {

class CNichtsGebunden : public IKelvoBindungen {
  public:
    bool IstSolarGebunden() const override { return false; }
    const SSolarAufrufe& GetSolarAufrufe() const override { return m_keine; }
    bool IstKuehlGebunden() const override { return false; }

  private:
    SSolarAufrufe m_keine;
};

IKelvoBindungen* registered = nullptr;

}  // namespace

const IKelvoBindungen& GetKelvoBindungen() {
    static const CNichtsGebunden nichts;
    if (registered) return *registered;
    return nichts;
}

IKelvoBindungen* RegisterKelvoBindungen(IKelvoBindungen* bindungen) {
    IKelvoBindungen* previous = registered;
    registered = bindungen;
    return previous;
}
