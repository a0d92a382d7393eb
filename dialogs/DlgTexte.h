#pragma once
// The language texts of a dialog's controls, set when the dialog initialises: the text's
// "\n" becomes a line break, and group frames get one blank before and after.
#include <QString>
#include <initializer_list>

class QWidget;

struct SDlgText {
    int id;           // control
    unsigned textId;  // language text
    bool rand = false;  // one blank before and after (group frames)
};

QString DlgText(unsigned textId, bool rand = false);
void SetzeDlgTexte(QWidget& dialog, std::initializer_list<SDlgText> texte);

// The fields of the dialog that are read-only now look it: grey like the dialog, the others
// white. Called after every change of the read-only state.
void FaerbeNurLesendeFelder(QWidget& dialog);
