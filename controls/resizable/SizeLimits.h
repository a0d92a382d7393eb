#pragma once
// Minimum and maximum tracking sizes of a window and their combination with a view's.
namespace resizable {

struct Extent {
    int cx = 0, cy = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

// The largest size a window may take (the window system's own limit).
inline constexpr int kNoSizeLimit = 16777215;

// What the window system asks for when a window is sized (the min/max record); a new
// record limits nothing.
struct MinMaxInfo {
    Extent maxSize;
    Extent maxPosition;
    Extent minTrackSize;
    Extent maxTrackSize{kNoSizeLimit, kNoSizeLimit};
};

class CResizableMinMax {
  public:
    void SetMinTrackSize(Extent size) { minTrack_ = size; useMinTrack_ = true; }
    void SetMaxTrackSize(Extent size) { maxTrack_ = size; useMaxTrack_ = true; }
    void SetMaximizedRect(Extent position, Extent size) {
        maxPos_ = position;
        maxSize_ = size;
        useMaxRect_ = true;
    }
    // Writes every limit that was set into the record.
    void ApplyMinMaxInfo(MinMaxInfo& info) const;

  private:
    bool useMaxTrack_ = false, useMinTrack_ = false, useMaxRect_ = false;
    Extent minTrack_, maxTrack_, maxPos_, maxSize_;
};

// A frame around a view: its own limits widened by the view's answer plus the frame's
// decoration (window size minus the client area left by its bars).
void combineWithView(MinMaxInfo& own, const MinMaxInfo& view, Extent decoration);

}  // namespace resizable
