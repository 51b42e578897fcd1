#pragma once

#include <QByteArray>

// Expected line traffic, built here on its own so that the program's codec is
// checked, not reused: the checksum is the XOR of the bytes between "$" and "*".
QByteArray withChecksum(const QByteArray& body);

// The three queries of one read-back, in their order.
QByteArray readBack();

// What a connect writes: the start-up configuration, whose first three
// sentences carry the sequence counter from `counter` on, and two read-backs.
QByteArray connectSequence(int counter);
