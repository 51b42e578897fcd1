#include "platform/TComboBox.h"

#include <QAbstractItemView>

void TComboBox::showPopup() {
    if (OnDropDown)
        OnDropDown(this);
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup != window() && popup->width() < droppedWidth_)
        popup->resize(droppedWidth_, popup->height());
}
