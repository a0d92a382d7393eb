#pragma once
// The desktop's common dialogs (open/save file, choose folder, choose colour) behind a
// replaceable presenter: the Qt presenter is the default, tests install a scripted one.
//
//   ui::FileDialogRequest r;  r.save = true;  r.filter = u"Bitmap |*.bmp|";
//   r.defaultExt = u"BMP";  r.fileName = u"Chart";  r.overwritePrompt = true;
//   if (auto path = ui::CommonDialogs::file(r)) write(*path);      // nullopt: cancelled
//
// Filters keep the stored form "Description|pattern;pattern|...|" (a trailing "|" or "||"
// ends the list); `qtFilter` converts it, and "*.*" becomes "*", so that "all files" also
// shows files without a dot. A missing extension gets the default extension. Without a
// start folder (or with one that does not exist) the choosers start in the home folder.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/Colour.h"

class QWidget;

namespace ui {

struct FileDialogRequest {
    bool save = false;
    std::u16string filter;
    std::u16string defaultExt;  // without the dot; may be upper case
    std::u16string fileName;
    std::u16string startDir;
    std::u16string title;
    bool mustExist = false;
    bool overwritePrompt = false;
    // The first filter of the list shows programs: executable files, whatever their name.
    bool programs = false;
    QWidget* parent = nullptr;
};

class CommonDialogPresenter {
  public:
    virtual ~CommonDialogPresenter() = default;
    virtual std::optional<std::u16string> file(const FileDialogRequest& request) = 0;
    virtual std::optional<std::u16string> folder(std::u16string_view title,
                                                 std::u16string_view start) = 0;
    virtual std::optional<ColourRef> colour(ColourRef initial) = 0;
};

// Shows QFileDialog and QColorDialog.
class QtCommonDialogPresenter : public CommonDialogPresenter {
  public:
    std::optional<std::u16string> file(const FileDialogRequest& request) override;
    std::optional<std::u16string> folder(std::u16string_view title, std::u16string_view start) override;
    std::optional<ColourRef> colour(ColourRef initial) override;
};

class CommonDialogs {
  public:
    static std::optional<std::u16string> file(const FileDialogRequest& request);
    static std::optional<std::u16string> folder(std::u16string_view title, std::u16string_view start);
    static std::optional<ColourRef> colour(ColourRef initial);
    // Not owned; nullptr restores the Qt presenter. Returns the previous one.
    static CommonDialogPresenter* install(CommonDialogPresenter* presenter);
};

// "Bitmap |*.bmp|All|*.*||" -> "Bitmap (*.bmp);;All (*)".
QString qtFilter(std::u16string_view filter);
// Appends ".ext" (lower case) when the file name has no extension.
std::u16string withDefaultExtension(std::u16string path, std::u16string_view ext);

}  // namespace ui
