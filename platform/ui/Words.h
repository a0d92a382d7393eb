#pragma once
// The words the windowing layer shows: the texts of layout tables and menus (by
// language-text id), the words of the buttons it makes itself (message boxes, property
// sheets), and the caption and prompts of its own refusals (dialog data exchange). The
// layer has no language of its own: the application installs a source at start-up.
//
//   class Sprache : public ui::WordSource { ... };      // over the application's table
//   Sprache sprache;
//   ui::setWordSource(&sprache);
//   button->setText(ui::buttonWord(ui::StandardButton::Ok));
//
// Where the source has no word (none installed yet, or a language table without the id),
// a button takes the toolkit's own word, so that a box shown before any language is
// loaded still reads "OK".
#include <QString>
#include <optional>
#include <string>

namespace ui {

class WordSource {
  public:
    virtual ~WordSource() = default;
    // The text of a language-text id; nothing when the language has none.
    virtual std::optional<std::u16string> text(unsigned id) const = 0;
    // The caption of the layer's own message boxes: the program's name.
    virtual std::u16string caption() const = 0;
};

// Installs the source (not owned); nullptr: none. Returns the one installed before.
const WordSource* setWordSource(const WordSource* source);

// The source's text of `id`; without one "Msg: <id>", the form a missing text takes
// everywhere in the program.
std::u16string languageText(unsigned id);
// The caption of the layer's own boxes; empty without a source.
std::u16string boxCaption();

enum class StandardButton {
    Ok,
    Cancel,
    Abort,
    Retry,
    Ignore,
    Yes,
    No,
    Apply,
    Help,
    Back,
    Next,
    Finish
};
// The word of a standard button in the program's language, else the toolkit's.
QString buttonWord(StandardButton button);

}  // namespace ui
