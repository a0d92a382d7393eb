#pragma once
// What a window of a project document promises the document: it is told of every change
// by an update hint (19 house, 20 tariff, 21 heat source, 22 heat pump, 24 notice, 35 number
// of heat pumps, 1 to 11 a saved component record of that kind, 60 everything) and refreshes
// what it shows from the document.
class CKelvoDoc;

class IKelvoView {
  public:
    virtual ~IKelvoView() = default;
    // `sender` is the view that caused the change (none: the document); `objekt` carries
    // what some hints bring along (a list of new names for 39 to 41).
    virtual void OnUpdate(IKelvoView* sender, int hint, void* objekt) = 0;
};
