#pragma once

#include "app/Form1.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

// A millisecond counter that moves only when the program sleeps, so that waits
// take no real time and a test can act at a chosen sleep.
struct VirtualClock {
    VirtualClock();
    ~VirtualClock();
    uint32_t now = 1000;
    int sleeps = 0;
    std::function<void()> onSleep; // runs before each sleep advances the counter
};

// The window and its error boxes; the test hands it the serial port component.
class LinkWindow {
public:
    explicit LinkWindow(std::unique_ptr<TComPort> port);
    ~LinkWindow();

    // Puts one item into the port list and chooses it.
    void ChoosePort(const QString& item);
    // Clicks a button later, from within whatever processes window messages next.
    static void ClickSoon(QPushButton* button);

    TForm1 form;
    QStringList errors;
};

// Processes window messages until `done` holds; false after the hang guard.
bool PumpUntil(const std::function<bool()>& done);

// The complete sentence for a body, its checksum computed here as the XOR of its
// characters after the "$".
QByteArray SentenceOf(const QByteArray& body);

// What a connect writes: the start-up configuration carrying the counter values
// first, first + 1 and first + 2, then the three queries twice.
QByteArray ConnectTraffic(int first);
