#pragma once

#include <QString>
#include <cstdint>

// Sentences written since the main window was created, and its decimal text.
extern int32_t SqId;
extern QString SqidS;

// Advances the counter by one after a sentence has been written and drained.
void IncSqId();
