#pragma once
// One running copy of the program per user: the first copy listens on a local socket
// named after its key; a later copy that reaches it asks it to come to the front and ends.
// Two copies started at the same moment may both find nobody listening yet: the lock of
// the program folder lets only one of them go on.
//
//   ui::SingleInstance instanz(u"NORVANEWARE-Hauptfenster-Neu");
//   if (instanz.aktiviereLaufende()) return false;       // another copy was told
//   if (!instanz.sperre(ordner / "varmion.lock")) ...     // another copy is starting there
//   instanz.lausche([&] { raise(mainWindow); });         // from now on this copy is found
//   other.sende("VarmionClientCommunication");           // a line for the running copy
#include <QLocalServer>
#include <filesystem>
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
    // Locks the file (created when missing) for as long as this object lives; the lock
    // goes with the process, also when it crashes. False only when another copy holds it:
    // a file that cannot be made locks nothing, and what then writes there reports it.
    bool sperre(const std::filesystem::path& datei);
    // Listens for later copies; `aktivieren` runs on the main thread for each. Any other
    // line another program sends (without its line end) goes to `nachricht`. A socket that
    // another copy answers on stays its own (false); one that nobody answers on was left
    // behind by a copy that crashed and is taken over. False when listening fails.
    bool lausche(std::function<void()> aktivieren,
                 std::function<void(std::string_view)> nachricht = {});
    // Sends one line to the copy that listens; false when none does.
    bool sende(std::string_view zeile, int timeoutMs = 1000);
    bool lauscht() const;
    const QString& name() const { return name_; }

  private:
    bool antwortet(int timeoutMs) const;

    QString name_;
    std::unique_ptr<QLocalServer> server_;
    int sperre_ = -1;  // the descriptor of the locked file
};

}  // namespace ui
