#pragma once
// The save/restore settings of a resizable frame: the profile section, whether only the
// rectangle is kept, and whether saving is enabled. Enabling restores at once; the frame
// saves when it is destroyed.
#include <string>

#include "controls/resizable/Profile.h"

class QWidget;

namespace resizable {

class SaveRestore {
  public:
    // The profile must outlive the window; without one nothing is read or written.
    void setProfile(Profile* profile) { profile_ = profile; }
    Profile* profile() const { return profile_; }
    // Answers whether a placement was restored.
    bool enable(QWidget& window, const std::u16string& section, bool rectOnly);
    void saveIfEnabled(QWidget& window) const;
    bool enabled() const { return enabled_; }

  private:
    Profile* profile_ = nullptr;
    std::u16string section_;
    bool rectOnly_ = false;
    bool enabled_ = false;
};

}  // namespace resizable
