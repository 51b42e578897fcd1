#pragma once

#include <QString>
#include <QStringList>

// The read-back queries for MMSI, station static data and voyage static data,
// in the order they are sent; complete texts with their checksum, without CR LF.
extern const QStringList VesselQueries;

// Bodies of the start-up configuration's command sentences, each carrying the
// sequence counter's text `sqid` in its last field.
QString NmeaBaudBody(const QString& sqid);
QString GnssModeBody(const QString& sqid);
QString GpsFilterBody(const QString& sqid);

// Body of the sentence that carries the unit's access code.
extern const QString AccessCodeBody;

// The trigger sentence that ends the configuration; complete, without CR LF.
extern const QString TriggerSentence;
