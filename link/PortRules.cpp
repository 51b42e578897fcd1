#include "link/PortRules.h"

#include "codec/IntText.h"

#include <QRegularExpression>

QString PortNameOfItem(const QString& itemText) {
    const qsizetype open = itemText.indexOf(u'(');
    const qsizetype count = itemText.size() - (open + 1) - 1;
    return count > 0 ? itemText.mid(open + 1, count) : QString();
}

QString PortItemText(const QString& description, const QString& portName) {
    const QString shown = description.isEmpty() ? QStringLiteral("Serial Port") : description;
    return shown + QStringLiteral(" (") + portName + u')';
}

bool IsComPortName(const QString& portName) {
    static const QRegularExpression com(QStringLiteral("^COM[0-9]+$"),
                                        QRegularExpression::CaseInsensitiveOption);
    return com.match(portName).hasMatch();
}

bool IsTtyPortName(const QString& portName) {
    static const QRegularExpression tty(QStringLiteral("^[A-Za-z]+[0-9]+$"));
    return tty.match(portName).hasMatch();
}

bool IsListedPortName(const QString& portName) {
#ifdef Q_OS_WIN
    return IsComPortName(portName);
#else
    return IsTtyPortName(portName);
#endif
}

void EnumSerialCommWithFriendlyName(const QList<SerialPortEntry>& ports, QStringList& S) {
    for (const SerialPortEntry& port : ports) {
        if (IsListedPortName(port.portName))
            S.append(PortItemText(port.description, port.portName));
    }
}

std::optional<int32_t> TakeComNum(const QString& itemText) {
    const QString name = PortNameOfItem(itemText);
    qsizetype digitsFrom = name.size();
    while (digitsFrom > 0 && name[digitsFrom - 1] >= u'0' && name[digitsFrom - 1] <= u'9')
        --digitsFrom;
    int32_t number = 0;
    if (digitsFrom == name.size() || !TryStrToInt(name.mid(digitsFrom), number))
        return std::nullopt;
    return number;
}

bool PortItemLess(const QString& a, const QString& b) {
    const std::optional<int32_t> numberA = TakeComNum(a);
    const std::optional<int32_t> numberB = TakeComNum(b);
    if (numberA.has_value() != numberB.has_value())
        return numberA.has_value();
    if (numberA != numberB)
        return *numberA < *numberB;
    return a < b;
}

void QuickSort(QStringList& items, qsizetype First, qsizetype Last) {
    if (First >= Last)
        return;
    const qsizetype Center = (First + Last) / 2;
    const QString pivot = items[Center];
    items[Center] = items[First];
    qsizetype J = First;
    for (qsizetype I = First + 1; I <= Last; ++I) {
        if (PortItemLess(items[I], pivot)) {
            ++J;
            items.swapItemsAt(I, J);
        }
    }
    items[First] = items[J];
    items[J] = pivot;
    QuickSort(items, First, J - 1);
    QuickSort(items, J + 1, Last);
}
