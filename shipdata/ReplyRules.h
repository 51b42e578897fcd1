#pragma once

#include <QString>
#include <QStringList>

// The text of a reply's text field before its first "@", the standard's filler
// for unused character positions.
QString GetVesselStr(const QString& S);

// A reply's number field read as a signed 32-bit integer and written back in
// decimal ("010" gives "10"). Raises EConvertError for what does not convert.
QString GetVesselSize(const QString& S);

// True when the MMSI field of a reply names a stored MMSI: neither empty nor
// nine zeros.
bool MmsiStored(const QString& mmsi);

// The row for the ship type field of a voyage data reply: the first row whose
// text holds the type's decimal text anywhere, else the default row. Raises
// EConvertError for a field that does not convert.
int ShipTypeRowFor(const QStringList& rows, const QString& shipType);
