#pragma once

#include <QComboBox>
#include <functional>

// A list whose OnDropDown runs each time it is about to open, and whose opened
// list can be given a smallest width (what CB_SETDROPPEDWIDTH does). The opened
// list is as wide as that or as the box, whichever is wider; longer rows are
// clipped, not widened to.
class TComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void(QObject* Sender)> OnDropDown;

    void SetDroppedWidth(int width) { droppedWidth_ = width; }
    int DroppedWidth() const { return droppedWidth_; }

    void showPopup() override;

private:
    int droppedWidth_ = 0;
};
