#pragma once
// When the size grip of a form view shows: a count raised and lowered by condition bits,
// the grip visible while the count is above 0.
namespace resizable {

enum GripCondition : unsigned {
    kGripNotMaximised = 1,   // the parent frame is not maximised
    kGripNoScrollBars = 2,   // the view is at least its scroll size
    kGripAtFrameCorner = 4,  // the view's bottom-right is the frame's client bottom-right
    kGripAllConditions = 7,
};

class CResizableGrip {
  public:
    // Created visible: count 1 while all conditions of a new view hold.
    explicit CResizableGrip(bool visible = true) : showCount_(visible ? 1 : 0) {}
    void ShowSizeGrip(unsigned& status, unsigned bit);
    void HideSizeGrip(unsigned& status, unsigned bit);
    bool visible() const { return showCount_ > 0; }

  private:
    int showCount_;
};

struct GripFacts {
    bool frameMaximised = false;
    int width = 0, height = 0;            // the view's new size
    int scrollWidth = 0, scrollHeight = 0;
    bool atFrameCorner = false;
};
// Sets and clears the three bits for a view's new size.
void updateGripConditions(CResizableGrip& grip, unsigned& status, const GripFacts& facts);

}  // namespace resizable
