#include "core/text/NameDlg.h"

namespace {

bool istLeerzeichen(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool istHoheSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

class AbbrechenderPresenter : public NameDlgPresenter {
  public:
    int zeige(CNameDlg&) override { return 2; }
};

AbbrechenderPresenter& ohneFenster() {
    static AbbrechenderPresenter presenter;
    return presenter;
}

NameDlgPresenter*& aktuellerPresenter() {
    static NameDlgPresenter* presenter = &ohneFenster();
    return presenter;
}

}  // namespace

NameBereinigung BereinigeName(std::u16string_view text) {
    NameBereinigung ergebnis;
    bool geaendert = false;
    if (text.size() > static_cast<size_t>(CNameDlg::kMaxZeichen)) {
        size_t laenge = CNameDlg::kMaxZeichen;
        // Never half a character: a pair cut in two would be stored as broken text.
        if (istHoheSurrogate(text[laenge - 1])) --laenge;
        text = text.substr(0, laenge);
        geaendert = true;
    }
    size_t start = 0;
    while (start < text.size() && istLeerzeichen(text[start])) ++start;
    if (start > 0) geaendert = true;
    ergebnis.name = CVRMString(text.substr(start));

    std::optional<int> hinterErsetztem;
    auto& name = ergebnis.name;
    for (size_t i = 0; i < name.size(); ++i) {
        const char16_t c = name[i];
        if (c == u';' || c == u'\\' || c == u'=' || (c == u'[' && i == 0)) {
            name[i] = u'_';
            hinterErsetztem = static_cast<int>(i) + 1;
        }
    }
    if (hinterErsetztem)
        ergebnis.caret = hinterErsetztem;
    else if (geaendert)
        ergebnis.caret = static_cast<int>(name.size());
    return ergebnis;
}

NameDlgPresenter* setNameDlgPresenter(NameDlgPresenter* presenter) {
    NameDlgPresenter* vorher = aktuellerPresenter();
    aktuellerPresenter() = presenter ? presenter : &ohneFenster();
    return vorher == &ohneFenster() ? nullptr : vorher;
}

CNameDlg::CNameDlg(const CVRMString& prompt, platform::Window* parent)
    : m_strPrompt(prompt), m_parent(parent) {}

int CNameDlg::DoModal() {
    return aktuellerPresenter()->zeige(*this);
}

void CNameDlg::OnInitDialog() {
    m_okAktiv = !m_strName.empty();
}

NameBereinigung CNameDlg::OnUpdateName(std::u16string_view editText) {
    auto ergebnis = BereinigeName(editText);
    m_strName = ergebnis.name;
    m_okAktiv = !m_strName.empty();
    return ergebnis;
}
