#pragma once
// A picture (PNG, JPEG, GIF, BMP or icon) from the resource module or a file, shrunk to
// fit with its aspect kept, never enlarged, and centred.
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <string_view>

#include "platform/ui/Window.h"

class CPicStatic : public ui::WindowOf<QWidget> {
  public:
    explicit CPicStatic(QWidget* parent = nullptr);

    // `typName` is "PNG", "JPG", "GIF", "BMP" or "ICO"; pictures are resources of type
    // "BITMAP", icons of type "ICON".
    bool LoadFromResource(unsigned id, std::u16string_view typName);
    // The type comes from the file name's final suffix, in any case.
    bool LoadFromFile(const std::filesystem::path& pfad);
    void SetDrawFlag(bool glatt);
    void Free();

    const QImage& image() const { return m_bild; }

  protected:
    void onPaint(ui::DrawContext& dc) override;

  private:
    bool uebernimm(QImage bild);

    QImage m_bild;  // null: no picture
    bool m_bGlatt = false;
};
