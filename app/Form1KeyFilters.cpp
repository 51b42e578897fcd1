#include "app/Form1.h"
#include "app/KeyFilter.h"

QChar TForm1::KeyCheckN(QChar Key) {
    return KeyCheck(AcceptStrN, Key);
}

QChar TForm1::KeyCheckAN(QChar Key) {
    return KeyCheck(AcceptStrAN, Key);
}

QChar TForm1::KeyCheckANC(QChar Key) {
    return KeyCheck(AcceptStrANC, Key);
}

void TForm1::Edit111KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckN(Key);
}

void TForm1::Edit121KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckAN(UpperCaseKey(Key));
}

void TForm1::Edit122KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckANC(UpperCaseKey(Key));
}

void TForm1::Edit131KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckN(Key);
}

void TForm1::Edit132KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckN(Key);
}

void TForm1::Edit133KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckN(Key);
}

void TForm1::Edit134KeyPress(QObject*, QChar& Key) {
    Key = KeyCheckN(Key);
}
