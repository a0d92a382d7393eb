#include "dialogs/DlgProgress.h"

#include <QApplication>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

#include "dialogs/ModelessFenster.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr unsigned kTitel = 4724;      // "Please wait..."
constexpr unsigned kAbbrechen = 5176;  // "Cancel"

}  // namespace

void RegistriereDlgProgressVorlage() {
    if (ui::findDialogTemplate(CDlgProgress::kIDD)) return;
    ui::registerDialogTemplate(
        {CDlgProgress::kIDD, {186, 63}, kTitel, u"",
         {
             {CDlgProgress::kIdcText, ui::ControlKind::Static, {7, 7, 179, 25}},
             {CDlgProgress::kIdcFortschritt, ui::ControlKind::Custom, {7, 27, 179, 37}, 0, u"", 0,
              [](QWidget* parent) {
                  auto* balken = new QProgressBar(parent);
                  balken->setTextVisible(false);
                  return balken;
              }},
             {CDlgProgress::kIdcAbbrechen, ui::ControlKind::Button, {68, 43, 118, 57}, kAbbrechen},
         }});
}

// What the pump looks at before it is dispatched: the release of the left button over
// Cancel (the click may not have reached the button when the calculation asks), and the
// program's quit request, which is held back.
class CDlgProgress::PumpFilter : public QObject {
  public:
    explicit PumpFilter(CDlgProgress& dlg) : m_dlg(dlg) { qApp->installEventFilter(this); }
    ~PumpFilter() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* ziel, QEvent* e) override {
        if (e->type() == QEvent::Quit && ziel == qApp) {
            m_dlg.m_beenden = true;
            return true;
        }
        if (e->type() == QEvent::MouseButtonRelease) {
            const auto* maus = static_cast<QMouseEvent*>(e);
            auto* knopf = ui::child(&m_dlg, kIdcAbbrechen);
            if (maus->button() == Qt::LeftButton && knopf && knopf->isVisible()) {
                const QRect rahmen(knopf->mapToGlobal(QPoint(0, 0)), knopf->size());
                if (rahmen.contains(maus->globalPosition().toPoint())) m_dlg.Cancel();
            }
        }
        return false;
    }

  private:
    CDlgProgress& m_dlg;
};

CDlgProgress::CDlgProgress(uint32_t minimum, uint32_t maximum, uint32_t schritt, CVRMString text)
    : ui::Dialog(kIDD), m_minimum(minimum), m_maximum(maximum), m_schritt(schritt),
      m_text(std::move(text)) {
    RegistriereDlgProgressVorlage();
}

CDlgProgress::~CDlgProgress() {
    if (m_offen) Close();
}

bool CDlgProgress::Create(int fokus, QWidget* parent) {
    m_parent = parent;
    if (!createModeless(false)) return false;
    ZeigeUeber(*this, parent);
    m_fokus = fokus;
    m_offen = true;
    // The parent waits for the calculation.
    if (m_parent) m_parent->setEnabled(false);
    if (m_fokus) {
        activateWindow();
        setFocus();
    }
    return true;
}

bool CDlgProgress::onInitDialog() {
    if (QProgressBar* b = Balken()) {
        b->setRange(static_cast<int>(m_minimum), static_cast<int>(m_maximum));
        b->setValue(static_cast<int>(m_minimum));
    }
    updateData(false);
    return true;
}

void CDlgProgress::doDataExchange(ui::DataExchange& dx) {
    std::u16string text = m_text;
    dx.text(kIdcText, text);
    if (dx.saving()) m_text = text;
}

QProgressBar* CDlgProgress::Balken() const {
    return qobject_cast<QProgressBar*>(ui::child(const_cast<CDlgProgress*>(this), kIdcFortschritt));
}

void CDlgProgress::SetRange(int lower, int upper) {
    m_minimum = static_cast<uint32_t>(lower);
    m_maximum = static_cast<uint32_t>(upper);
    if (QProgressBar* b = Balken()) {
        b->setRange(lower, upper);
        b->setValue(lower);
    }
}

void CDlgProgress::StepIt() {
    QProgressBar* b = Balken();
    if (!b) return;
    // As the desktop's bar: past the end it starts again at the beginning.
    int neu = b->value() + static_cast<int>(m_schritt);
    if (neu > b->maximum()) neu = b->minimum() + (neu - b->maximum());
    b->setValue(neu);
}

int CDlgProgress::GetPosition() const {
    const QProgressBar* b = Balken();
    return b ? b->value() : 0;
}

bool CDlgProgress::PumpMessages() {
    if (m_fokus && isVisible()) {
        QWidget* knopf = ui::child(this, kIdcAbbrechen);
        if (QApplication::focusWidget() != knopf) {
            activateWindow();
            setFocus();
        }
    }
    if (m_abgebrochen || m_beenden) return IstAbgebrochen();
    {
        PumpFilter filter(*this);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // The quit request goes back into the queue for the loop that runs the program.
    if (m_beenden) QCoreApplication::postEvent(qApp, new QEvent(QEvent::Quit));
    return IstAbgebrochen();
}

void CDlgProgress::onCancel() { Cancel(); }

void CDlgProgress::Close() {
    if (m_parent) m_parent->setEnabled(true);
    m_offen = false;
    hide();
}
