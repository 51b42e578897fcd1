#pragma once

#include <QByteArray>

// The three replies a unit gives to the queries, each with its checksum and CR LF,
// as the simulated unit sends them with its default data.
QByteArray TypicalReplies();

// `count` bytes of the typical replies, repeated and cut at a line end.
QByteArray TypicalStream(qsizetype count);
