#include "app/shell/DocKommando.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

CVRMString DocKommandoDesSystems() {
    QProcess abfrage;
    abfrage.start(QStringLiteral("xdg-mime"),
                  {QStringLiteral("query"), QStringLiteral("default"),
                   QStringLiteral("application/msword")});
    if (!abfrage.waitForFinished(3000) || abfrage.exitCode() != 0)  // not a text id
        return CVRMString();
    const QString desktopDatei = QString::fromUtf8(abfrage.readAllStandardOutput()).trimmed();
    if (desktopDatei.isEmpty()) return CVRMString();
    const QString pfad =
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopDatei);
    QFile datei(pfad);
    if (pfad.isEmpty() || !datei.open(QIODevice::ReadOnly | QIODevice::Text)) return CVRMString();
    while (!datei.atEnd()) {
        const QString zeile = QString::fromUtf8(datei.readLine()).trimmed();
        if (!zeile.startsWith(QStringLiteral("Exec="))) continue;
        QString kommando = zeile.mid(5);
        kommando.remove(QRegularExpression(QStringLiteral("\\s*%[fFuUdDnNickvm]")));
        return CVRMString(kommando.trimmed().toStdU16String());
    }
    return CVRMString();
}

CVRMString ProgrammAusKommando(const CVRMString& kommando) {
    const size_t quote = kommando.find(u"\" ");
    if (quote != CVRMString::npos && quote > 0) return kommando.Left(static_cast<int>(quote + 1));
    const size_t blank = kommando.find(u' ');
    if (blank != CVRMString::npos && blank > 0) return kommando.Left(static_cast<int>(blank));
    return kommando;
}
