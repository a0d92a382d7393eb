#include "app/doc/KelvoDocTemplate.h"

#include <QMdiArea>
#include <algorithm>
#include <exception>

#include "app/doc/KelvoDoc.h"
#include "app/frame/ChildFrame.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"

CKelvoDocTemplate::CKelvoDocTemplate(ViewMacher viewMacher) : m_viewMacher(std::move(viewMacher)) {}

CKelvoDocTemplate::~CKelvoDocTemplate() {
    // Frames still open go before their documents.
    for (SOffen& offen : m_offen) {
        if (!offen.rahmen) continue;
        QObject::disconnect(offen.rahmen, nullptr, nullptr, nullptr);
        delete offen.rahmen;
    }
}

CKelvoDoc* CKelvoDocTemplate::OpenDocumentFile(const CVRMString& name, QMdiArea& flaeche, bool neu) {
    auto dokument = std::make_unique<CKelvoDoc>();
    try {
        dokument->OnOpenDocument(name, neu);
    } catch (const platform::UserException&) {
        return nullptr;
    } catch (const std::exception& e) {
        ShowFehlerText(CVRMString::fromUtf8(e.what()), nullptr);
        return nullptr;
    }
    CKelvoDoc* doc = dokument.get();
    auto* rahmen = new CChildFrame(doc);
    rahmen->SetBefehle(doc);
    rahmen->SetSchliessTest([doc] {
        if (!doc->SaveModified()) return false;
        doc->OnCloseDocument();
        return true;
    });
    rahmen->setWindowTitle(QString::fromStdU16String(name));
    QWidget* view = nullptr;
    if (m_viewMacher) {
        view = m_viewMacher(*doc, rahmen);
        doc->SetViewFenster(view);
        rahmen->setWidget(view);
    }
    m_offen.push_back({std::move(dokument), rahmen, view});
    m_reihenfolge.push_back(doc);
    QObject::connect(rahmen, &QObject::destroyed, [this, doc] { Entferne(doc); });
    flaeche.addSubWindow(rahmen);
    rahmen->ActivateFrame();
    return doc;
}

CChildFrame* CKelvoDocTemplate::Rahmen(const CKelvoDoc& dokument) const {
    for (const SOffen& offen : m_offen)
        if (offen.dokument.get() == &dokument) return offen.rahmen;
    return nullptr;
}

void CKelvoDocTemplate::SchliesseAlle() {
    std::vector<CChildFrame*> rahmen;
    for (const SOffen& offen : m_offen)
        if (offen.rahmen) rahmen.push_back(offen.rahmen);
    for (CChildFrame* r : rahmen) r->close();
}

void CKelvoDocTemplate::Entferne(CKelvoDoc* dokument) {
    // The frame announces its end before it deletes its children: its project window is
    // still there and is deleted now, while the document it speaks to still lives.
    for (SOffen& offen : m_offen)
        if (offen.dokument.get() == dokument && offen.view) delete offen.view.data();
    m_reihenfolge.erase(std::remove(m_reihenfolge.begin(), m_reihenfolge.end(), dokument),
                        m_reihenfolge.end());
    const auto it = std::find_if(m_offen.begin(), m_offen.end(),
                                 [dokument](const SOffen& o) { return o.dokument.get() == dokument; });
    if (it != m_offen.end()) m_offen.erase(it);
}
