#include "pages/StundenSpin.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "platform/ui/Window.h"

CStundenSpin::CStundenSpin(QWidget* parent, int feldId, unsigned min, unsigned max)
    : QWidget(parent), m_feldId(feldId), m_min(min), m_max(max) {
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->setSpacing(0);
    for (const auto& [pfeil, richtung] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* knopf = new QToolButton(this);
        knopf->setArrowType(pfeil);
        knopf->setAutoRepeat(true);
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        lage->addWidget(knopf);
        const int r = richtung;
        QObject::connect(knopf, &QToolButton::clicked, this, [this, r] { Schritt(r); });
    }
}

void CStundenSpin::Schritt(int richtung) {
    auto* feld = qobject_cast<QLineEdit*>(ui::child(parentWidget(), m_feldId));
    if (!feld || !feld->isEnabled()) return;
    bool zahl = false;
    const long alt = feld->text().trimmed().toLong(&zahl);
    long neu = zahl ? alt + richtung : static_cast<long>(m_min);
    neu = std::clamp(neu, static_cast<long>(m_min), static_cast<long>(m_max));
    if (zahl && neu == alt) return;
    const QString text = QString::number(neu);
    feld->setText(text);
    // A step is an entry of the user's: the page takes it as typed.
    emit feld->textEdited(text);
}
