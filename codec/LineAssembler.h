#pragma once

#include <QString>

// The characters of the line being received, without CR and LF.
extern QString ReceiveData;

enum class RxCharKind {
    Appended, // the character went into the line
    LineFeed, // LF: dropped; the receiver pauses 1 ms
    LineEnd,  // CR: the line is complete and ReceiveData is empty again
};

// Applies one received character to the line in `receiving`. On LineEnd the
// completed line (possibly empty) is moved into `line`.
RxCharKind AssembleChar(QChar C, QString& receiving, QString& line);
