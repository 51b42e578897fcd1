#pragma once

#include "platform/TComPort.h"

#include <memory>

// The component on a real serial device (Qt SerialPort).
std::unique_ptr<TComPort> CreateSerialComPort();
