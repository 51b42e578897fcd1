#include "app/Form1.h"
#include "codec/Sentence.h"
#include "codec/SequenceCounter.h"
#include "shipdata/QueryRules.h"

void TForm1::GetVesselInfo() {
    for (const QString& query : VesselQueries) {
        SendData = query + CRLF;
        SendString(SendData);
    }
}

void TForm1::SetDefautConfig() {
    // Each body is built only after the sentence before it has been sent, so
    // that it carries the counter as it stands then.
    for (auto body : {NmeaBaudBody, GnssModeBody, GpsFilterBody}) {
        SendData = Sentence(body(SqidS));
        SendString(SendData);
    }
    SendData = Sentence(AccessCodeBody);
    SendString(SendData);
    SendString(TriggerSentence + CRLF);
}
