#include "platform/TComboBox.h"

#include <QAbstractItemView>
#include <algorithm>

void TComboBox::showPopup() {
    if (OnDropDown)
        OnDropDown(this);
    QComboBox::showPopup();
    // Qt widens the opened list to its longest row; a Windows list keeps the
    // dropped width (at least the box's) and clips what is longer.
    QWidget* popup = view()->window();
    if (popup != window())
        popup->resize(std::max(droppedWidth_, width()), popup->height());
}
