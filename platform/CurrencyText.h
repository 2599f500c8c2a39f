#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

// Currency as files hold it: a signed count of ten-thousandths written with a
// point, no thousands separator and no needless zeros ("1500", "1234.5",
// "-0.0001"), so the text is exact and reads back to the same value.
QString CurrencyToText(std::int64_t tenThousandths);

// Reads that form and what other writers of number fields produce: leading
// "+", trailing zeros, an exponent ("1.5E3"). Digits beyond the fourth decimal
// round half to even, as the conversion of a number to currency does. Throws
// std::invalid_argument for anything else and std::out_of_range past 64 bits.
std::int64_t CurrencyFromText(QStringView text);
