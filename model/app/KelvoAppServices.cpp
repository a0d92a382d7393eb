#include "model/app/KelvoAppServices.h"

#include "model/errors/Fehler.h"

namespace {
IKelvoAppServices* registeredApp = nullptr;
}

IKelvoAppServices& GetKelvoApp() {
    if (!registeredApp) ThrowFehler(0, nullptr, 0);
    return *registeredApp;
}

IKelvoAppServices* FindKelvoApp() {
    return registeredApp;
}

IKelvoAppServices* RegisterKelvoApp(IKelvoAppServices* app) {
    IKelvoAppServices* previous = registeredApp;
    registeredApp = app;
    return previous;
}
