#include "dialogs/AboutDlg.h"

#include <QLabel>
#include <QPixmap>

#include "core/text/ResManager.h"
#include "model/app/KelvoAppServices.h"
#include "model/data/DateiHilfen.h"
#include "platform/resources/Resources.h"
#include "platform/ui/DialogTemplate.h"
#include "resources/ResourceIds.h"

namespace {

constexpr unsigned kCaption = 4014;     // "About Varmion"
constexpr unsigned kUntertitel = 3548;  // "Calculation and Optimization of Heat Pump Systems"
constexpr unsigned kVersion = 3324;     // "Version %s"
constexpr unsigned kHersteller = 5310, kDank = 4016, kNetz = 4017;
constexpr unsigned kTextMehr = 4022, kTextHilfe = 5178, kTextOk = 5177;
constexpr char16_t kHilfeThema[] = u"kontakt";

CVRMString Text(unsigned id) {
    return CResManager::getLangText(static_cast<uint16_t>(id));
}

// A picture of the resource module, fitted into its place.
QWidget* Bild(QWidget* p, const char16_t* typ, unsigned id) {
    auto* l = new QLabel(p);
    l->setAlignment(Qt::AlignCenter);
    QPixmap bild;
    if (auto daten = platform::findResource(platform::currentResourceModule(), typ, id))
        bild.loadFromData(reinterpret_cast<const uchar*>(daten->data()),
                          static_cast<uint>(daten->size()));
    l->setProperty("bild", bild);
    return l;
}

void PasseBildEin(QLabel* l) {
    const QPixmap bild = l->property("bild").value<QPixmap>();
    if (bild.isNull()) return;
    l->setPixmap(
        bild.scaled(l->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// A text of several lines ("\n") and columns ("\t"), as a label shows them.
CVRMString Zeilen(unsigned id) {
    CVRMString text;
    text.LoadStringW(id);
    for (auto pos = text.find(u"\r\n"); pos != CVRMString::npos; pos = text.find(u"\r\n", pos))
        text.erase(pos, 1);
    return text;
}

// Lines of tab-separated columns as a table, so that the columns line up whatever the
// language's words are long.
QString Spalten(const CVRMString& text) {
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const QString& zeile : QString::fromStdU16String(text).split(QLatin1Char('\n'))) {
        html += QStringLiteral("<tr>");
        const QStringList spalten = zeile.split(QLatin1Char('\t'));
        for (int i = 0; i < spalten.size(); ++i)
            html += QStringLiteral("<td style=\"padding-right:%1px\">%2</td>")
                        .arg(i + 1 < spalten.size() ? 16 : 0)
                        .arg(spalten[i].toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The two pictures have no id of their own in the layout; they go by their negated
// resource ids.
constexpr int kIdBild = -static_cast<int>(IDB_ABOUT);
constexpr int kIdSymbol = -static_cast<int>(IDI_PROGRAMM);

}  // namespace

void RegistriereAboutDlgVorlage() {
    if (ui::findDialogTemplate(CAboutDlg::kIDD)) return;
    using K = ui::ControlKind;
    ui::registerDialogTemplate(
        {CAboutDlg::kIDD,
         {302, 146},
         kCaption,
         u"",
         {
             {kIdBild,
              K::Custom,
              {7, 7, 295, 50},
              0,
              u"",
              0,
              [](QWidget* p) { return Bild(p, u"BITMAP", IDB_ABOUT); }},
             {kIdSymbol,
              K::Custom,
              {10, 57, 36, 83},
              0,
              u"",
              0,
              [](QWidget* p) { return Bild(p, u"ICON", IDI_PROGRAMM); }},
             {CAboutDlg::kIdcUntertitel, K::Static, {44, 57, 295, 67}},
             {CAboutDlg::kIdcVersion, K::Static, {44, 68, 295, 78}},
             {CAboutDlg::kIdcHersteller, K::Static, {44, 83, 295, 101}},
             {CAboutDlg::kIdcDank, K::Static, {44, 104, 295, 122}},
             {CAboutDlg::kIdcNetz, K::Static, {44, 122, 295, 130}, 0, u"", ui::cs::Hidden},
             {CAboutDlg::kIdcMehr, K::Button, {7, 127, 97, 141}, kTextMehr},
             {CAboutDlg::kIdcHilfe, K::Button, {191, 127, 241, 141}, kTextHilfe},
             {ui::kIdOk, K::DefButton, {245, 127, 295, 141}, kTextOk},
         }});
}

CAboutDlg::CAboutDlg(QWidget* parent, std::filesystem::path programm, SModulDaten module)
    : ui::Dialog((RegistriereAboutDlgVorlage(), kIDD), parent),
      m_programm(std::move(programm)),
      m_module(std::move(module)) {}

bool CAboutDlg::onInitDialog() {
    setWindowTitle(QString::fromStdU16String(Text(kCaption)));
    CVRMString nummer, version;
    GetDateiVersion(nummer, CVRMString::fromUtf8(m_programm.string()));
    version.Format(kVersion, nummer);
    ui::setChildText(this, kIdcVersion, version);
    ui::setChildText(this, kIdcUntertitel, Text(kUntertitel));
    ui::setChildText(this, kIdcHersteller, Zeilen(kHersteller));
    if (auto* dank = qobject_cast<QLabel*>(ui::child(this, kIdcDank))) {
        dank->setTextFormat(Qt::RichText);
        dank->setText(Spalten(Zeilen(kDank)));
    }
    ui::setChildText(this, kIdcNetz, Text(kNetz));
    for (int id : {kIdBild, kIdSymbol})
        if (auto* bild = qobject_cast<QLabel*>(ui::child(this, id))) PasseBildEin(bild);
    return true;
}

bool CAboutDlg::onCommand(int id, int notifyCode, ui::Window* from) {
    switch (id) {
        case kIdcMehr: {
            CDlgModule module(nullptr, m_module);
            module.doModal();
            return true;
        }
        case kIdcHilfe:
            GetKelvoApp().ShowHilfeThema(kHilfeThema);
            return true;
        default:
            return ui::Dialog::onCommand(id, notifyCode, from);
    }
}
