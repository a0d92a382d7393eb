// Closing a project: pages with unsaved changes are asked first, then the pages and the
// sheet go.
#include <exception>

#include "app/base/KVSDatenSheet.h"
#include "app/doc/KelvoDoc.h"
#include "model/errors/Fehler.h"
#include "platform/errors/UserException.h"

int CKelvoDoc::SaveModified() {
    try {
        if (IsEditOpen(true) && !m_sheet->CanCloseAllPages()) return 0;
    } catch (...) {
        // A question that failed answered nothing: closing now would throw away the pages'
        // unsaved entries, so the project stays open with the failure shown.
        ShowFremdenFehler(std::current_exception());
        return 0;
    }
    // Every edit went to the database when it was made: the document itself never holds
    // anything unsaved, so there is nothing further to ask.
    return 1;
}

void CKelvoDoc::OnCloseDocument() {
    try {
        DeleteDatenPages(*m_sheet);
    } catch (const platform::UserException&) {
    }
    if (m_sheetFenster) {
        m_sheet->hide();
        m_sheetFenster = false;
    }
}
