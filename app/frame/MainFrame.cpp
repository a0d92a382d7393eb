#include "app/frame/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/base/KVSDatenSheet.h"
#include "app/frame/ChildFrame.h"
#include "app/frame/LeftBarBkgnd.h"
#include "app/frame/MainFrameBkgnd.h"
#include "controls/buttons/ShadeButtonST.h"
#include "core/db/Global.h"
#include "core/text/ResManager.h"
#include "core/text/TextIdConstants.h"
#include "model/app/KelvoAppServices.h"
#include "model/errors/Fehler.h"
#include "model/errors/KVSMessageBox.h"
#include "platform/errors/UserException.h"
#include "platform/messagebox/MessageBox.h"
#include "platform/resources/Resources.h"
#include "platform/ui/Menu.h"
#include "resources/ResourceIds.h"

namespace {

constexpr unsigned kWirklichBeenden = 3253;  // "Really exit Varmion© ?"

// Commands of the frame itself.
constexpr int kBeenden = 57665, kStatusleiste = 59393, kHilfe = 57670, kHilfeSuchen = 32841,
              kHilfeFinder = 57667, kKontextHilfe = 57669, kStandardHilfe = 57671,
              kAnordnen = 57649, kUeberlappend = 57650, kNebeneinander = 57651;
constexpr int kStatusleistenId = 59393;

QString Text(unsigned id) {
    return QString::fromStdU16String(CResManager::getLangText(static_cast<uint16_t>(id)));
}

}  // namespace

// The commands the main window answers itself; everything else belongs to the
// application and the documents.
class CMainFrame::Befehle : public ui::CommandTarget {
  public:
    explicit Befehle(CMainFrame& frame) : m_frame(frame) {}

    bool onCommand(int id) override {
        switch (id) {
            case kBeenden:
                m_frame.close();
                return true;
            case kStatusleiste:
                m_frame.statusBar()->setVisible(!m_frame.statusBar()->isVisible());
                return true;
            case kHilfe:
            case kHilfeSuchen:
            case kHilfeFinder:
            case kKontextHilfe:
            case kStandardHilfe:
                GetKelvoApp().ShowHilfeThema(CVRMString(u"index"));
                return true;
            case kAnordnen:
            case kUeberlappend:
                m_frame.mdiArea()->cascadeSubWindows();
                return true;
            case kNebeneinander:
                m_frame.mdiArea()->tileSubWindows();
                return true;
            default:
                return false;
        }
    }

    bool onUpdateCommand(int id, ui::CommandState& state) override {
        switch (id) {
            case kBeenden:
            case kHilfe:
            case kHilfeSuchen:
            case kHilfeFinder:
            case kKontextHilfe:
            case kStandardHilfe:
                return true;
            case kStatusleiste:
                state.checked = m_frame.statusBar()->isVisible();
                return true;
            case kAnordnen:
            case kUeberlappend:
            case kNebeneinander:
                state.enabled = !m_frame.mdiArea()->subWindowList().isEmpty();
                return true;
            default:
                return false;
        }
    }

  private:
    CMainFrame& m_frame;
};

// Closing as the rest of the program sees it.
class CMainFrame::Schliessen : public IHauptfensterSchliessen {
  public:
    explicit Schliessen(CMainFrame& frame) : m_frame(frame) {}
    bool StammdatenGeaendert() override {
        return m_frame.m_stammdaten && m_frame.m_stammdaten->AnyPageModified();
    }
    bool StammdatenSchliessen() override { return m_frame.m_stammdaten->CanCloseAllPages() != 0; }
    int FrageBeenden() override {
        return KVSMessageBoxID(kWirklichBeenden, textid::kProduktCaption,
                               platform::mb::YESNO | platform::mb::ICONQUESTION, &m_frame);
    }
    void VerbindungBeenden() override { IGlobal::ShutDownConnection(); }

  private:
    CMainFrame& m_frame;
};

CMainFrame::CMainFrame(resizable::Profile* profil) : m_befehle(std::make_unique<Befehle>(*this)) {
    SetProfile(profil);
    m_router.setChain([this] {
        std::vector<ui::CommandTarget*> kette{m_befehle.get()};
        if (auto* kind = dynamic_cast<CChildFrame*>(MDIGetActive()); kind && kind->GetBefehle())
            kette.push_back(kind->GetBefehle());
        if (m_appBefehle) kette.push_back(m_appBefehle);
        return kette;
    });
    m_router.idle().add(this, [this] { AktualisiereKnoepfe(); });
}

CMainFrame::~CMainFrame() {
    // The background watches the client's viewport: it goes first, taking its filter
    // with it, so no event of the client's own destruction reaches it; nor does the
    // client's activation signal reach this half-destroyed frame.
    if (mdiArea()) mdiArea()->disconnect(this);
    delete m_hintergrund;
    m_hintergrund = nullptr;
}

bool CMainFrame::LoadFrame() {
    setWindowTitle(Text(textid::kProduktCaption));
    if (auto bytes = platform::findResource(platform::currentResourceModule(), u"ICON", IDI_PROGRAMM)) {
        QPixmap symbol;
        if (symbol.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                static_cast<uint>(bytes->size()))) {
            // Every window of the program carries it, the project windows and dialogs too.
            QApplication::setWindowIcon(QIcon(symbol));
            setWindowIcon(QIcon(symbol));
        }
    }
    if (!mdiArea()) return false;
    m_hintergrund = new CMainFrameBkgnd(*mdiArea());
    if (!ErzeugeStatusleiste() || !ErzeugeLeftBar()) return false;
    BaueMenu();
    SetMinTrackSize({BerechneFensterBreite(0, 1), BerechneFensterHoehe(0)});
    LayoutErklaerungen();
    connect(mdiArea(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) {
        BaueMenu();
        m_hintergrund->Aktualisiere();
        m_router.idle().request();
    });
    AktualisiereKnoepfe();
    return true;
}

bool CMainFrame::ErzeugeStatusleiste() {
    QStatusBar* leiste = statusBar();
    ui::setControlId(leiste, kStatusleistenId);
    m_status = new QLabel(Text(CMainFrameLogik::kLeerlaufText), leiste);
    leiste->addWidget(m_status, 1);
    return true;
}

bool CMainFrame::ErzeugeLeftBar() {
    // The bar stands left of the client, inside the central area, so that the client keeps
    // its place as the frame's central widget.
    m_leftBar = new CLeftBarBkgnd(this);
    if (!m_leftBar->ErzeugeKnoepfe()) return false;
    auto* dock = new QDockWidget(this);
    dock->setObjectName(QStringLiteral("LeftBar"));
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setTitleBarWidget(new QWidget(dock));
    dock->setWidget(m_leftBar);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    for (std::size_t i = 0; i < CLeftBarBkgnd::kAnzahl; ++i) {
        CShadeButtonST* knopf = m_leftBar->Knopf(i);
        const int id = CLeftBarBkgnd::kKnoepfe[i].commandId;
        connect(knopf, &QPushButton::clicked, this, [this, id] {
            m_router.execute(id);
            m_router.idle().request();
        });
        knopf->installEventFilter(this);
    }
    return true;
}

void CMainFrame::BaueMenu() {
    const bool ohneDokument = MDIGetActive() == nullptr;
    if (menuBar() && m_menuOhneDokument == static_cast<int>(ohneDokument)) return;
    m_menuOhneDokument = ohneDokument;
    const int menuId = ohneDokument ? CMainFrameLogik::kMenuOhneDokument : CMainFrameLogik::kMenuMitDokument;
    int landCode = 0;
    try {
        landCode = GetKelvoApp().GetLandCode();
    } catch (...) {
        landCode = 0;
    }
    ui::MenuSpec spec{menuId, {}};
    for (const SMenuSpalte& spalte : CMainFrameLogik::MenuAufbau(ohneDokument, landCode)) {
        ui::MenuItem popup{0, spalte.textId};
        for (const SMenuPunkt& p : spalte.punkte) popup.popup.push_back({p.commandId, p.textId});
        spec.items.push_back(std::move(popup));
    }
    ui::registerMenu(std::move(spec));
    QMenuBar* bar = ui::buildMenuBar(menuId, m_router, this);
    if (!bar) return;
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions())
            connect(a, &QAction::hovered, this, [this, a] { ZeigePrompt(ui::commandId(a)); });
        connect(menu, &QMenu::aboutToHide, this, [this] { ZeigePrompt(0); });
    }
    setMenuBar(bar);  // the old bar goes with it
    UebersetzeMenu(bar, ohneDokument);
}

void CMainFrame::SetMenuText(QMenuBar* menu, int command, unsigned textId, int position) {
    if (!menu) return;
    if (command == 0) {
        const QList<QAction*> eintraege = menu->actions();
        if (position >= 0 && position < eintraege.size()) eintraege[position]->setText(Text(textId));
        return;
    }
    if (QAction* a = ui::findAction(menu, command)) a->setText(Text(textId));
}

void CMainFrame::UebersetzeMenu(QMenuBar* menu, int ohneDokument) {
    int landCode = 0;
    try {
        landCode = GetKelvoApp().GetLandCode();
    } catch (...) {
        landCode = 0;
    }
    int position = 0;
    for (const SMenuSpalte& spalte : CMainFrameLogik::MenuAufbau(ohneDokument != 0, landCode)) {
        SetMenuText(menu, 0, spalte.textId, position++);
        for (const SMenuPunkt& p : spalte.punkte) SetMenuText(menu, p.commandId, p.textId, 0);
    }
}

std::u16string CMainFrame::GetMessageString(int commandId) const {
    return CResManager::getLangText(static_cast<uint16_t>(CMainFrameLogik::StatusText(commandId)));
}

void CMainFrame::ZeigePrompt(int commandId) {
    if (m_status) m_status->setText(QString::fromStdU16String(GetMessageString(commandId)));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->parentWidget() == m_leftBar)
            ZeigePrompt(event->type() == QEvent::Enter ? ui::controlId(w) : 0);
    }
    return CResizableMDIFrame::eventFilter(watched, event);
}

void CMainFrame::AktualisiereKnoepfe() {
    if (!m_leftBar) return;
    for (std::size_t i = 0; i < CLeftBarBkgnd::kAnzahl; ++i)
        m_leftBar->Knopf(i)->setEnabled(m_router.state(CLeftBarBkgnd::kKnoepfe[i].commandId).enabled);
}

void CMainFrame::LayoutErklaerungen() {
    if (!m_leftBar || !m_hintergrund) return;
    QWidget* flaeche = mdiArea()->viewport();
    const int links = 18;
    const int breite = std::max(3 * m_leftBar->width(), 300);
    for (std::size_t i = 0; i < CLeftBarBkgnd::kAnzahl; ++i) {
        CShadeButtonST* knopf = m_leftBar->Knopf(i);
        const int oben = flaeche->mapFromGlobal(knopf->mapToGlobal(QPoint(0, 0))).y();
        m_hintergrund->SetTextRect(CLeftBarBkgnd::kKnoepfe[i].erklaerungId,
                                   QRect(links, oben, breite, knopf->height()));
    }
    m_hintergrund->Aktualisiere();
}

bool CMainFrame::onKeyDown(ui::Key key, ui::KeyMods mods) {
    // F1 that no window inside handled is the help command.
    if (key != ui::Key::F1) return CResizableMDIFrame::onKeyDown(key, mods);
    m_router.execute(kHilfe);
    return true;
}

void CMainFrame::onSize(ui::Size size) {
    CResizableMDIFrame::onSize(size);
    LayoutErklaerungen();
}

std::optional<SFensterMasse> CMainFrame::Masse() const {
    // Qt measures a window without the decorations of the window manager, so frame,
    // border and caption add nothing; the menu bar does.
    SFensterMasse m;
    m.dpiX = logicalDpiX();
    m.dpiY = logicalDpiY();
    m.menuHoehe = menuBar() ? menuBar()->sizeHint().height() : 0;
    return m;
}

int CMainFrame::BerechneFensterBreite(int nurInhalt, int breit) const {
    return CMainFrameLogik::BerechneFensterBreite(Masse(), nurInhalt, breit);
}

int CMainFrame::BerechneFensterHoehe(int nurInhalt) const {
    return CMainFrameLogik::BerechneFensterHoehe(Masse(), nurInhalt);
}

void CMainFrame::Zentriere() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect flaeche = screen->availableGeometry();
    const QSize groesse(std::max(flaeche.width() * 4 / 5, minimumWidth()),
                        std::max(flaeche.height() * 4 / 5, minimumHeight()));
    resize(groesse);
    move(flaeche.center() - QPoint(groesse.width() / 2, groesse.height() / 2));
}

void CMainFrame::ActivateFrame() {
    if (!m_aktiviert) {
        m_aktiviert = true;
        EnableSaveRestore(u"KelvoMainFrame", true);
    }
    show();
    raise();
    activateWindow();
    QTimer::singleShot(0, this, [this] { LayoutErklaerungen(); });
}

bool CMainFrame::SchliessenVerlangt() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<CMainFrame*>(w); frame && frame->m_logik.SchliessFlag())
            return true;
    return false;
}

IKelvoDocServices* CMainFrame::GetAktivesDokument() {
    QMdiSubWindow* aktiv = MDIGetActive();
    if (!aktiv) throw platform::UserException();
    auto* kind = dynamic_cast<CChildFrame*>(aktiv);
    if (!kind) ThrowFehler(0, nullptr);
    if (!kind->GetDokument()) throw platform::UserException();
    return kind->GetDokument();
}

void CMainFrame::OptionGeaendert(int code) {
    if (code != kOptionGeaendertNeuZeichnen) return;
    LayoutErklaerungen();
    m_leftBar->update();
    repaint();
}

void CMainFrame::ClientNachricht(std::string_view zeile) {
    const CMainFrameLogik::SNachricht n = m_logik.Nachricht(zeile);
    if (n.report && m_reportAntwort) m_reportAntwort(n.wParam, n.lParam);
    if (n.schliessen) close();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    Schliessen umgebung(*this);
    if (!m_logik.OnClose(umgebung)) {
        event->ignore();
        return;
    }
    // Each project window asks its document before it goes.
    mdiArea()->closeAllSubWindows();
    if (!mdiArea()->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool CMainFrame::setItemText(unsigned itemId, std::u16string_view text) {
    return ui::setChildText(this, static_cast<int>(itemId), text);
}

void CMainFrame::SetStammdatenSheet(CKVSDatenSheet* sheet) { m_stammdaten = sheet; }
