#pragma once
// One running copy of the program per user: the first copy listens on a local socket
// named after its key; a later copy that reaches it asks it to come to the front and ends.
//
//   ui::SingleInstance instanz(u"NORVANEWARE-Hauptfenster-Neu");
//   if (instanz.aktiviereLaufende()) return false;       // another copy was told
//   instanz.lausche([&] { raise(mainWindow); });         // from now on this copy is found
//   other.sende("VarmionClientCommunication");           // a line for the running copy
#include <QLocalServer>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

class SingleInstance {
  public:
    // The socket name is the key and the user's id, so that users do not meet.
    explicit SingleInstance(std::u16string_view key);
    ~SingleInstance();

    // True when another copy listens and took the request to activate itself.
    bool aktiviereLaufende(int timeoutMs = 1000);
    // Listens for later copies; `aktivieren` runs on the main thread for each. Any other
    // line another program sends (without its line end) goes to `nachricht`. A socket left
    // behind by a copy that crashed is removed first. False when listening fails.
    bool lausche(std::function<void()> aktivieren,
                 std::function<void(std::string_view)> nachricht = {});
    // Sends one line to the copy that listens; false when none does.
    bool sende(std::string_view zeile, int timeoutMs = 1000);
    bool lauscht() const;
    const QString& name() const { return name_; }

  private:
    QString name_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace ui
