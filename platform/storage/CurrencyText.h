#pragma once

#include "doclib/Amount.h"

#include <QString>
#include <QStringView>

namespace quitanza::platform {

// An amount as files hold it: written with a point, no thousands separator
// and no needless zeros ("1500", "1234.5", "-0.0001"), so the text is exact
// and reads back to the same value.
QString CurrencyToText(doclib::Amount amount);

// Reads that form and what other writers of number fields produce: leading
// "+", trailing zeros, an exponent ("1.5E3"). Digits beyond the fourth decimal
// round half to even, as the conversion of a number to currency does. Throws
// std::invalid_argument for anything else and std::out_of_range past 64 bits.
doclib::Amount CurrencyFromText(QStringView text);

}  // namespace quitanza::platform
