#include "app/shell/AktionsVorgang.h"

#include "core/value/SpeicherVorgang.h"
#include "platform/errors/UserException.h"

CAktionsVorgang::CAktionsVorgang() : m_vorher(ui::setActionScope(this)) {}

CAktionsVorgang::~CAktionsVorgang() {
    ui::setActionScope(m_vorher);
}

void CAktionsVorgang::runAction(const std::function<void()>& action) {
    CSpeicherVorgang vorgang;
    action();
    try {
        vorgang.Abschliessen();
    } catch (const platform::UserException&) {
        // The failed write was reported and taken back; the action itself is over.
    }
}

int CAktionsVorgang::runModal(const std::function<int()>& loop) {
    CVorgangsPause pause;
    return loop();
}
