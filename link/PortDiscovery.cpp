#include "app/Form1.h"
#include "link/PortRules.h"
#include "platform/SerialPortList.h"

void TForm1::ComboBox1DropDown(QObject*) {
    GetSerialPort();
    ComboBox1->SetDroppedWidth(2 * ComboBox1->width());
}

void TForm1::GetSerialPort() {
    ComboBox1->clear();
    QStringList items;
    EnumSerialCommWithFriendlyName(AvailableSerialPorts(), items);
    QuickSort(items, 0, items.size() - 1);
    ComboBox1->addItems(items);
    // Filling an empty list selects its first row; the operator must choose anew.
    ComboBox1->setCurrentIndex(-1);
}
