#pragma once
// The project document template: opens a project as a document with its child frame in
// the main window and its project window in the frame, keeps the open documents in the
// order they were opened, and lets a document go with its frame.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "core/value/VRMString.h"

class CChildFrame;
class CKelvoDoc;
class QMdiArea;

class CKelvoDocTemplate {
  public:
    // Makes the project window of a document inside its frame.
    using ViewMacher = std::function<QWidget*(CKelvoDoc& dokument, QWidget* rahmen)>;

    explicit CKelvoDocTemplate(ViewMacher viewMacher = {});
    ~CKelvoDocTemplate();
    CKelvoDocTemplate(const CKelvoDocTemplate&) = delete;
    CKelvoDocTemplate& operator=(const CKelvoDocTemplate&) = delete;

    void SetViewMacher(ViewMacher macher) { m_viewMacher = std::move(macher); }
    // Opens the project `name` in a new child frame of `flaeche`, shown maximised; none when
    // the project could not be opened (the reason was shown).
    CKelvoDoc* OpenDocumentFile(const CVRMString& name, QMdiArea& flaeche, bool neu = false);
    const std::vector<CKelvoDoc*>& Dokumente() const { return m_reihenfolge; }
    // The frame that shows `dokument`, or none.
    CChildFrame* Rahmen(const CKelvoDoc& dokument) const;
    // Closes every frame (and with it its document).
    void SchliesseAlle();

  private:
    void Entferne(CKelvoDoc* dokument);

    ViewMacher m_viewMacher;
    struct SOffen {
        std::unique_ptr<CKelvoDoc> dokument;
        CChildFrame* rahmen = nullptr;
        // The project window: it goes before its document, whatever deletes the frame.
        QPointer<QWidget> view;
    };
    std::vector<SOffen> m_offen;
    std::vector<CKelvoDoc*> m_reihenfolge;
};
