#pragma once

#include "app/Form1.h"
#include "tests/support/FakeComPort.h"

#include <QString>

// One window over a stand-in port, shared by every input of a target: the
// application runs offscreen, waits run at full speed, every dialog is answered
// Yes and every error box is counted instead of shown.
struct FuzzWindow {
    TForm1* form;
    FakeComPort* port;
    int dialogs = 0;
    int errorBoxes = 0;
};

// Creates the application and the window once; later calls return the same one.
FuzzWindow& Window();

// Puts the window back into the state it has right after start, with the port
// open and nothing written, so that every input runs from the same state.
void ResetWindow(FuzzWindow& window);

// Reports a broken invariant and stops the run so that libFuzzer keeps the input.
[[noreturn]] void Violation(const char* what, const QString& detail);

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            Violation(#condition, detail);                                                         \
    } while (false)
