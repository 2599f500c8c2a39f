#pragma once

#include "platform/storage/ReceiptRecord.h"

#include <vector>

// Receipts of realistic size and content (accents, two-line referente),
// different from one another, for tests and benchmarks of the register.
quitanza::platform::ReceiptRecord SampleRecord(int number);
std::vector<quitanza::platform::ReceiptRecord> SampleRecords(int count);
